#include "fenetre_enseignant.h"

#include <QCheckBox>
#include <QDir>
#include <QFileSystemWatcher>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "dessin/fiches_pdf.h"
#include "dessin/images.h"
#include "dessin/noms.h"
#include "section/copies.h"
#include "section/espace_enseignant.h"
#include "section/exercice.h"
#include "section/tableur.h"
#include "section/verification.h"
#include "section/note.h"
#include "section/exercice_session.h"
#include "section/notation_classe.h"
#include "section/serie_exercices.h"
#include "langue.h"

namespace {

QString Texte(const std::string& s) { return QString::fromStdString(s); }

// The program's one settings file (the window's display is kept there
// too), where the series' settings stay from one opening to the next as
// they were shown.
QSettings Reglages() { return QSettings(QStringLiteral("Strataloom"), QStringLiteral("strataloom")); }
const QString kCleGraine = QStringLiteral("enseignant/graine");
const QString kCleTitre = QStringLiteral("enseignant/titre");
const QString kCleNombre = QStringLiteral("enseignant/nombre");

// The entries of the answers' folder that look like answers, by name (any
// entry ending in .rep, hidden or not, whatever it is) or by content (a
// file beginning as an answer does), sorted by name.
QStringList EntreesReponses(const QString& dossier) {
    const QDir d(dossier);
    QStringList r;
    for (const QString& nom : d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                          QDir::Name | QDir::IgnoreCase)) {
        if (nom.endsWith(QLatin1String(".rep"), Qt::CaseInsensitive) ||
            nom.endsWith(QLatin1String(".lst"), Qt::CaseInsensitive)) {
            r << nom;
            continue;
        }
        std::string debut;
        const section::ErreurFichier e = section::LireFichier(dessin::OctetsDeChemin(d.filePath(nom)), 16, debut);
        if ((e == section::ErreurFichier::Aucune || e == section::ErreurFichier::TropGros) &&
            section::EstUneReponse(debut))
            r << nom;
    }
    return r;
}

}  // namespace

FenetreEnseignant::FenetreEnseignant(const Services& services, const section::Textures& textures,
                                     QString dossierDocuments, QWidget* parent)
    : QDialog(parent), services_(services), textures_(textures), dossierDocuments_(std::move(dossierDocuments)) {
    setObjectName(QStringLiteral("EspaceEnseignant"));
    setWindowTitle(tr("Espace enseignant"));
    setModal(false);
    auto* disposition = new QVBoxLayout(this);
    onglets_ = new QTabWidget(this);
    onglets_->setObjectName(QStringLiteral("Onglets"));
    onglets_->setAccessibleName(tr("Espace enseignant"));
    onglets_->addTab(OngletSerie(), tr("Préparer une série"));
    onglets_->addTab(OngletClasse(), tr("Noter une classe"));
    disposition->addWidget(onglets_);
    auto* fermer = new QPushButton(TexteCatalogue(section::TexteFenetre::Fermer), this);
    fermer->setObjectName(QStringLiteral("Fermer"));
    fermer->setAccessibleName(tr("Fermer l'espace enseignant"));
    connect(fermer, &QPushButton::clicked, this, &QDialog::close);
    disposition->addWidget(fermer, 0, Qt::AlignRight);

    // A change of the graded class's files grades it again, once for a
    // burst of changes (a file is often written in several steps).
    veille_ = new QFileSystemWatcher(this);
    renoter_ = new QTimer(this);
    renoter_->setSingleShot(true);
    renoter_->setInterval(300);
    connect(veille_, &QFileSystemWatcher::directoryChanged, renoter_, qOverload<>(&QTimer::start));
    connect(veille_, &QFileSystemWatcher::fileChanged, renoter_, qOverload<>(&QTimer::start));
    connect(renoter_, &QTimer::timeout, this, [this] {
        if (exerciceSuivi_.isEmpty() || copiesSuivies_.isEmpty()) return;
        // A grading under way (its progress bar lets events through) is
        // left to end; the change is taken up just after.
        if (notationEnCours_) return renoter_->start();
        NoterClasse(exerciceSuivi_, copiesSuivies_);
    });
}

QWidget* FenetreEnseignant::OngletSerie() {
    auto* page = new QWidget(this);
    auto* forme = new QFormLayout(page);
    nombre_ = new QSpinBox(page);
    nombre_->setObjectName(QStringLiteral("NombreExercices"));
    nombre_->setRange(1, 99);
    nombre_->setValue(Reglages().value(kCleNombre, 10).toInt());
    connect(nombre_, &QSpinBox::valueChanged, this, [](int n) { Reglages().setValue(kCleNombre, n); });
    nombre_->setAccessibleName(tr("Nombre d'exercices"));
    forme->addRow(tr("Nombre d'exercices :"), nombre_);
    evenements_ = new QSpinBox(page);
    evenements_->setObjectName(QStringLiteral("EvenementsParExercice"));
    evenements_->setRange(1, 99);
    evenements_->setValue(6);
    evenements_->setAccessibleName(tr("Événements par exercice"));
    forme->addRow(tr("Événements par exercice :"), evenements_);

    auto* genres = new QGroupBox(tr("Événements permis"), page);
    genres->setAccessibleName(tr("Événements permis"));
    auto* grille = new QGridLayout(genres);
    for (const section::TypeEvenement& t : section::kEvenements) {
        auto* c = new QCheckBox(dessin::NomAffiche(t.ligne), genres);
        c->setObjectName(QStringLiteral("Permis%1").arg(t.tag));
        c->setAccessibleName(tr("Permettre : %1").arg(c->text()));
        c->setChecked(true);
        const int i = static_cast<int>(permis_.size());
        grille->addWidget(c, i / 2, i % 2);
        permis_.push_back(c);
    }
    forme->addRow(genres);

    auto* ligneGraine = new QHBoxLayout;
    graine_ = new QLineEdit(page);
    graine_->setObjectName(QStringLiteral("Graine"));
    graine_->setAccessibleName(tr("Graine de la série"));
    ligneGraine->addWidget(graine_);
    auto* nouvelle = new QPushButton(tr("Nouvelle graine"), page);
    nouvelle->setObjectName(QStringLiteral("NouvelleGraine"));
    nouvelle->setAccessibleName(tr("Tirer une nouvelle graine"));
    connect(nouvelle, &QPushButton::clicked, this, &FenetreEnseignant::NouvelleGraine);
    ligneGraine->addWidget(nouvelle);
    forme->addRow(tr("Graine :"), ligneGraine);
    // The seed stays from one opening to the next, so that a series can be
    // drawn again; a new one only on demand.
    const QString gardee = Reglages().value(kCleGraine).toString();
    if (gardee.isEmpty()) NouvelleGraine();
    else graine_->setText(gardee);
    connect(graine_, &QLineEdit::textChanged, this,
            [](const QString& texte) { Reglages().setValue(kCleGraine, texte.trimmed()); });

    prefixe_ = new QLineEdit(Reglages().value(kCleTitre, tr("Datation relative")).toString(), page);
    connect(prefixe_, &QLineEdit::textChanged, this,
            [](const QString& texte) { Reglages().setValue(kCleTitre, texte); });
    prefixe_->setObjectName(QStringLiteral("PrefixeTitre"));
    prefixe_->setAccessibleName(tr("Titre de la série"));
    forme->addRow(tr("Titre :"), prefixe_);

    auto* creer = new QPushButton(tr("Créer la série..."), page);
    creer->setObjectName(QStringLiteral("CreerSerie"));
    creer->setAccessibleName(tr("Créer la série dans un dossier"));
    connect(creer, &QPushButton::clicked, this, [this] { CreerSerie(); });
    forme->addRow(creer);
    auto* paquet = new QPushButton(tr("Exporter la série pour l'ENT (SCORM)..."), page);
    paquet->setObjectName(QStringLiteral("ExporterSerieScorm"));
    paquet->setAccessibleName(tr("Exporter la série en un paquet pour l'ENT"));
    connect(paquet, &QPushButton::clicked, this, [this] { ExporterSerieScorm(); });
    forme->addRow(paquet);
    bilanSerie_ = new QLabel(page);
    bilanSerie_->setObjectName(QStringLiteral("BilanSerie"));
    bilanSerie_->setWordWrap(true);
    bilanSerie_->setTextFormat(Qt::PlainText);
    bilanSerie_->setAccessibleName(tr("Série écrite"));
    forme->addRow(bilanSerie_);
    return page;
}

QWidget* FenetreEnseignant::OngletClasse() {
    auto* page = new QWidget(this);
    auto* disposition = new QVBoxLayout(page);
    auto* grille = new QGridLayout;
    auto* choisirExercice = new QPushButton(tr("Exercice..."), page);
    choisirExercice->setObjectName(QStringLiteral("ChoisirExercice"));
    choisirExercice->setAccessibleName(tr("Choisir le fichier d'exercice"));
    connect(choisirExercice, &QPushButton::clicked, this, [this] { ChoisirExercice(); });
    exercice_ = new QLabel(tr("aucun exercice choisi"), page);
    exercice_->setObjectName(QStringLiteral("ExerciceChoisi"));
    exercice_->setTextFormat(Qt::PlainText);
    exercice_->setAccessibleName(tr("Exercice choisi"));
    grille->addWidget(choisirExercice, 0, 0);
    grille->addWidget(exercice_, 0, 1);
    auto* choisirCopies = new QPushButton(tr("Copies..."), page);
    choisirCopies->setObjectName(QStringLiteral("ChoisirCopies"));
    choisirCopies->setAccessibleName(tr("Choisir le dossier des réponses des élèves"));
    connect(choisirCopies, &QPushButton::clicked, this, [this] { ChoisirCopies(); });
    copies_ = new QLabel(tr("aucun dossier choisi"), page);
    copies_->setObjectName(QStringLiteral("CopiesChoisies"));
    copies_->setTextFormat(Qt::PlainText);
    copies_->setAccessibleName(tr("Dossier des réponses"));
    grille->addWidget(choisirCopies, 1, 0);
    grille->addWidget(copies_, 1, 1);
    grille->setColumnStretch(1, 1);
    disposition->addLayout(grille);

    table_ = new QTableWidget(0, 5, page);
    table_->setObjectName(QStringLiteral("TableNotes"));
    table_->setAccessibleName(tr("Notes de la classe"));
    table_->setHorizontalHeaderLabels({tr("Élève"), tr("Fichier"), tr("Note /20"), tr("Ordre /20"), tr("Remarque")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The remarks take the width left and wrap in their cell: no sideways
    // scrolling; each row as high as its remark.
    table_->setWordWrap(true);
    table_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, table_, &QTableView::resizeRowsToContents);
    disposition->addWidget(table_);
    bilanClasse_ = new QLabel(page);
    bilanClasse_->setObjectName(QStringLiteral("BilanClasse"));
    bilanClasse_->setTextFormat(Qt::PlainText);
    bilanClasse_->setAccessibleName(tr("Copies notées"));
    disposition->addWidget(bilanClasse_);
    auto* csv = new QPushButton(tr("Enregistrer en CSV..."), page);
    csv->setObjectName(QStringLiteral("EnregistrerCsv"));
    csv->setAccessibleName(tr("Enregistrer les notes en CSV"));
    connect(csv, &QPushButton::clicked, this, [this] { EnregistrerCsv(); });
    disposition->addWidget(csv, 0, Qt::AlignRight);
    return page;
}

void FenetreEnseignant::Erreur(const QString& texte) {
    if (services_.messages) services_.messages->Erreur(texte);
}

void FenetreEnseignant::NouvelleGraine() {
    graine_->setText(QString::number(section::GraineNouvelle(QRandomGenerator::global()->generate64())));
}

section::ReglesSerie FenetreEnseignant::Regles() const {
    section::ReglesSerie r;
    r.exercices = nombre_->value();
    r.evenements = evenements_->value();
    r.graine = section::LireGraine(graine_->text().toStdString()).value_or(0);
    for (std::size_t i = 0; i < permis_.size(); ++i) r.permis[i + 1] = permis_[i]->isChecked();
    return r;
}

bool FenetreEnseignant::CreerSerie() {
    const std::optional<std::uint32_t> lue = section::LireGraine(graine_->text().toStdString());
    if (!lue) {
        Erreur(Texte(section::RaisonGraineInvalide()));
        return false;
    }
    const std::uint32_t graine = *lue;
    if (!services_.fichiers) return false;
    const QString titre = prefixe_->text().trimmed();
    const QString sousDossier = dessin::CheminDeOctets(section::NomDossierSerie(titre.toStdString(), graine));
    DemandeFichier d;
    d.titre = tr("Dossier où créer « %1 »").arg(sousDossier);
    d.dossierInitial = dossierDocuments_;
    if (!dossierDocuments_.isEmpty()) d.dossiersProposes << dossierDocuments_;
    const std::optional<QString> choix = services_.fichiers->ChoisirDossier(d);
    if (!choix) return false;
    const QDir dossier(QDir(*choix).filePath(sousDossier));

    // The window writes the exercise files and the sheets. Every name they
    // would take, checked first: one already there, whatever it is, and
    // nothing is written.
    const section::ReglesSerie regles = Regles();
    QStringList noms;
    for (const std::string& nom : section::NomsFichiersSerie(graine, regles.exercices))
        if (nom.ends_with(".exo") || nom.ends_with(".pdf")) noms << Texte(nom);
    const QString pdf = Texte(section::NomFichesSerie(graine));
    for (const QString& nom : noms)
        if (section::CheminOccupe(dessin::OctetsDeChemin(dossier.filePath(nom)))) {
            Erreur(tr("Le fichier %1 existe déjà.").arg(QDir::toNativeSeparators(dossier.filePath(nom))) +
                   QLatin1Char('\n') + tr("La série n'a pas été écrite : aucun fichier du dossier n'a changé."));
            return false;
        }
    if (!QDir().mkpath(dossier.absolutePath())) {
        Erreur(tr("Impossible de créer le dossier %1.").arg(QDir::toNativeSeparators(dossier.absolutePath())));
        return false;
    }

    section::Session a;
    a.DefinirTextures(textures_);
    const section::SerieEnseignant serie = section::PreparerSerie(a, regles, titre.toStdString());
    if (!serie.raison.empty()) {
        Erreur(Texte(serie.raison) + QLatin1Char('\n') +
               tr("La série n'a pas été écrite : aucun fichier du dossier n'a changé."));
        return false;
    }
    std::vector<section::Liste> listes;
    std::vector<QString> titres;
    // Written whole or not at all.
    section::EcritureGroupee ecriture(dessin::OctetsDeChemin(dossier.absolutePath()));
    const auto echec = [&](const QString& nom, section::ErreurFichier e, const QString& raison) {
        const QString chemin = nom.isEmpty() ? dossier.absolutePath() : dossier.filePath(nom);
        Erreur(dessin::MessageSiLien(chemin, e).value_or(
                   tr("Impossible d'écrire %1 (%2).").arg(QDir::toNativeSeparators(chemin), raison)) +
               QLatin1Char('\n') + tr("La série n'a pas été écrite : aucun fichier du dossier n'a changé."));
        return false;
    };
    for (const section::ExerciceSerie& x : serie.exercices) {
        if (const section::ErreurFichier ef = ecriture.Ajouter(x.exo.nom, x.exo.octets);
            ef != section::ErreurFichier::Aucune)
            return echec(Texte(x.exo.nom), ef, Texte(section::RaisonErreur(ef)));
        listes.push_back(x.liste);
        titres.push_back(Texte(x.titre));
    }
    const auto octets =
        dessin::DocumentFiches(a, listes, titres, QStringLiteral("Strataloom " STRATALOOM_VERSION), graine);
    section::ErreurFichier ef =
        octets ? ecriture.Ajouter(dessin::OctetsDeChemin(pdf),
                                  std::string_view(octets->constData(), static_cast<std::size_t>(octets->size())))
               : section::ErreurFichier::Ecriture;
    if (ef == section::ErreurFichier::Aucune) ef = ecriture.Terminer();
    if (ef != section::ErreurFichier::Aucune) {
        return echec(dessin::CheminDeOctets(ecriture.Fautif()), ef, Texte(section::RaisonErreur(ef)));
    }
    bilanSerie_->setText(tr("%n exercice(s) écrit(s) dans %1, avec leurs fiches (%2).", nullptr,
                            static_cast<int>(serie.exercices.size()))
                             .arg(QDir::toNativeSeparators(dossier.absolutePath()), pdf));
    return true;
}

bool FenetreEnseignant::ChoisirExercice() {
    if (!services_.fichiers) return false;
    DemandeFichier d;
    d.titre = tr("Exercice à noter");
    // The model may also be a plain list, the answer key (read by its
    // bytes, whatever its name).
    d.filtre = tr("Exercice Strataloom (*.exo)|*.exo") + QLatin1Char('|') +
               QCoreApplication::translate("FenetrePrincipale", "Fichier Strataloom (*.lst)|*.lst");
    d.extensionDefaut = QStringLiteral("exo");
    d.dossierInitial = dossierDocuments_;
    d.fichierDoitExister = true;
    const std::optional<QString> choix = services_.fichiers->Ouvrir(d);
    if (!choix) return false;
    cheminExercice_ = *choix;
    exercice_->setText(QDir::toNativeSeparators(cheminExercice_));
    if (!dossierCopies_.isEmpty()) NoterClasse(cheminExercice_, dossierCopies_);
    return true;
}

bool FenetreEnseignant::ChoisirCopies() {
    if (!services_.fichiers) return false;
    DemandeFichier d;
    d.titre = tr("Dossier des réponses des élèves");
    d.dossierInitial = cheminExercice_.isEmpty() ? dossierDocuments_ : QFileInfo(cheminExercice_).absolutePath();
    const std::optional<QString> choix = services_.fichiers->ChoisirDossier(d);
    if (!choix) return false;
    dossierCopies_ = *choix;
    copies_->setText(QDir::toNativeSeparators(dossierCopies_));
    if (!cheminExercice_.isEmpty()) NoterClasse(cheminExercice_, dossierCopies_);
    return true;
}

void FenetreEnseignant::AjouterLigne(const section::LigneNotes& l) {
    const int rang = table_->rowCount();
    table_->insertRow(rang);
    const QString fichier = dessin::CheminDeOctets(l.fichier);
    // A list file names no pupil: the file's name stands for one.
    table_->setItem(rang, 0, new QTableWidgetItem(l.eleve.empty() ? QFileInfo(fichier).completeBaseName()
                                                                  : Texte(l.eleve)));
    table_->setItem(rang, 1, new QTableWidgetItem(fichier));
    table_->setItem(rang, 2, new QTableWidgetItem(l.note ? QString::number(l.note->points) : QString()));
    table_->setItem(rang, 3, new QTableWidgetItem(l.noteOrdre ? QString::number(*l.noteOrdre) : QString()));
    table_->setItem(rang, 4, new QTableWidgetItem(Texte(l.remarque)));
    notes_.push_back(l);
}

bool FenetreEnseignant::NoterClasse(const QString& cheminExercice, const QString& dossier) {
    if (notationEnCours_) return false;
    exerciceSuivi_ = cheminExercice;
    copiesSuivies_ = dossier;
    Surveiller({});
    table_->setRowCount(0);
    bilanClasse_->clear();
    notes_.clear();
    // The model, an exercise or a list, is read by its bytes as every
    // answer is (section::NoterClasseEnseignant).
    std::string modele;
    if (const section::ErreurFichier e =
            section::LireFichier(dessin::OctetsDeChemin(cheminExercice), section::kOctetsCopieMax, modele);
        e != section::ErreurFichier::Aucune) {
        const std::string raison =
            e == section::ErreurFichier::TropGros ? section::RaisonCopieTropGrosse() : section::RaisonErreur(e);
        Erreur(tr("Chargement impossible : %1 (%2).").arg(QDir::toNativeSeparators(cheminExercice), Texte(raison)));
        Q_EMIT ClasseNotee();
        return false;
    }

    const QStringList entrees = EntreesReponses(dossier);
    Surveiller(entrees);
    std::vector<std::string> noms;
    for (const QString& nom : entrees) noms.push_back(dessin::OctetsDeChemin(nom));
    QProgressDialog progression(tr("Notation des copies..."), tr("Annuler"), 0, static_cast<int>(entrees.size()), this);
    progression.setObjectName(QStringLiteral("ProgressionNotes"));
    progression.setWindowModality(Qt::WindowModal);
    progression.setMinimumDuration(500);
    notationEnCours_ = true;
    // Whatever the entry is (a pipe, a folder, a link that leads nowhere
    // or loops, a file that cannot be read or is damaged), the reading
    // says why it is no answer; its kind comes from its bytes.
    const section::NotesClasse classe = section::NoterClasseEnseignant(
        textures_, QDir::toNativeSeparators(cheminExercice).toStdString(), modele, noms,
        [&](std::size_t i) {
            return section::LireFichierClasse(dessin::OctetsDeChemin(QDir(dossier).filePath(entrees[static_cast<qsizetype>(i)])),
                                              noms[i]);
        },
        [&](std::size_t faits, std::size_t) {
            progression.setValue(static_cast<int>(faits));
            QCoreApplication::processEvents();
            return !progression.wasCanceled();
        });
    progression.reset();
    notationEnCours_ = false;
    if (!classe.raison.empty()) {
        Erreur(Texte(classe.raison));
        Q_EMIT ClasseNotee();
        return false;
    }
    for (const section::LigneNotes& l : classe.lignes) AjouterLigne(l);
    bilanClasse_->setText(classe.interrompue ? tr("Notation interrompue : %n copie(s) notée(s) sur %1.", nullptr,
                                                  static_cast<int>(classe.lignes.size()))
                                                   .arg(entrees.size())
                                             : tr("%n copie(s) notée(s).", nullptr, static_cast<int>(classe.lignes.size())));
    for (int c = 0; c < 4; ++c) table_->resizeColumnToContents(c);
    table_->resizeRowsToContents();
    Q_EMIT ClasseNotee();
    return true;
}

void FenetreEnseignant::Surveiller(const QStringList& reponses) {
    // Watched anew each time: a file replaced by another (a safe write)
    // is no longer watched once the old one is gone.
    if (const QStringList suivis = veille_->files() + veille_->directories(); !suivis.isEmpty())
        veille_->removePaths(suivis);
    QStringList chemins{exerciceSuivi_, copiesSuivies_};
    // The folder tells of files added or removed; each answer that is a
    // file (never a pipe, a folder or a link that loops), of its bytes
    // rewritten.
    const QDir d(copiesSuivies_);
    for (const QString& nom : reponses)
        if (const QFileInfo f(d.filePath(nom)); f.isFile()) chemins << f.filePath();
    // An exercise that is gone is awaited in its folder.
    if (!exerciceSuivi_.isEmpty() && !QFileInfo::exists(exerciceSuivi_))
        chemins << QFileInfo(exerciceSuivi_).absolutePath();
    chemins.removeAll(QString());
    chemins.removeDuplicates();
    // A path that is gone or cannot be watched is left out: the folder
    // tells when it comes back.
    veille_->addPaths(chemins);
}

QByteArray FenetreEnseignant::TexteCsv() const { return QByteArray::fromStdString(section::CsvDesNotes(notes_)); }

bool FenetreEnseignant::EnregistrerCsv() {
    if (!services_.fichiers) return false;
    DemandeFichier d;
    d.titre = tr("Enregistrer les notes");
    d.filtre = tr("Tableau CSV (*.csv)|*.csv");
    d.extensionDefaut = QStringLiteral("csv");
    // Never the pupils' folder: a name there may be a pupil's link or file.
    d.dossierInitial = dossierDocuments_;
    d.nomFichier = QStringLiteral("notes.csv");
    d.confirmerEcrasement = true;
    const std::optional<QString> choix = services_.fichiers->Enregistrer(d);
    if (!choix) return false;
    const QByteArray octets = TexteCsv();
    const section::ErreurFichier e = section::EcrireFichierSur(
        dessin::OctetsDeChemin(*choix), std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
    if (e != section::ErreurFichier::Aucune) {
        Erreur(dessin::MessageSiLien(*choix, e).value_or(
            tr("Impossible d'écrire %1 (%2).").arg(QDir::toNativeSeparators(*choix), Texte(section::RaisonErreur(e)))));
        return false;
    }
    return true;
}
