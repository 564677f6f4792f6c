// SPDX-License-Identifier: GPL-3.0-or-later
// "Ordonner les événements": the cards in a list the pupil reorders with
// the mouse (drag and drop), the buttons or Alt+Up / Alt+Down, each card
// after the first justified by a principle and a formation chosen in two
// lists; "Vérifier" hands the order and the justifications to the engine
// and shows its sentences and the order's mark.
#include "ordonner.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "dessin/formations.h"
#include "section/ordre.h"
#include "section/exercice_session.h"
#include "section/travail_garde.h"
#include "langue.h"

namespace {

constexpr int kRoleCarte = Qt::UserRole + 1;
constexpr int kRoleNom = Qt::UserRole + 2;  // the card's name without its justification

}  // namespace

FenetreOrdonner::FenetreOrdonner(const section::Exercice& e, const section::Textures& textures,
                                 std::uint64_t graine, QWidget* parent,
                                 const std::optional<section::OrdreDonne>& posees, bool verifiees, bool roches)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Ordonner"));
    setWindowTitle(tr("Ordonner les événements"));
    setModal(false);

    modele_.DefinirTextures(textures);
    memesTextures_ = section::ChargerExercice(modele_, e);
    essai_.DefinirTextures(textures);
    cartes_ = section::CartesDuModele(modele_, graine);
    chronologie_ = section::LireChronologie(modele_);
    temoins_ = section::TemoinsProposes(modele_, chronologie_);

    // The section and its legend on the left, in the rock view when the
    // window shows it.
    dessin::Affichage a;
    a.lettres = true;
    a.roches = roches;
    image_ = dessin::VueAnnotee(modele_, a);
    auto* coupe = new QLabel(this);
    coupe->setObjectName(QStringLiteral("Coupe"));
    coupe->setPixmap(QPixmap::fromImage(image_));
    coupe->setAccessibleName(tr("Coupe à expliquer"));
    coupe->setAccessibleDescription(tr("La coupe du modèle, avec la lettre de chaque formation."));
    auto* legende = new QLabel(this);
    legende->setObjectName(QStringLiteral("Legende"));
    legende->setAccessibleName(TexteCatalogue(section::TexteFenetre::TitreLegende));
    const QStringList lignes = dessin::TextesLegende(modele_);
    legende->setAccessibleDescription(lignes.join(QLatin1Char('\n')));
    QFont normale = font();
    normale.setBold(false);
    dessin::Affichage lettres;
    lettres.lettres = true;
    lettres.roches = roches;
    const QImage imageLegende = dessin::ImageLegende(modele_, lettres, normale, palette().color(QPalette::Window));
    if (imageLegende.isNull())
        legende->setText(TexteCatalogue(section::TexteFenetre::AucuneFormation));
    else
        legende->setPixmap(QPixmap::fromImage(imageLegende));
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(coupe);
    gauche->addWidget(legende);
    gauche->addStretch();

    // The cards on the right, oldest at the top.
    auto* consigne = new QLabel(tr("Range les événements du plus ancien (en haut) au plus récent (en bas). "
                                   "Fais glisser une carte, ou choisis-la puis appuie sur « Monter » ou "
                                   "« Descendre » (Alt+Haut, Alt+Bas)."),
                                this);
    consigne->setObjectName(QStringLiteral("Consigne"));
    consigne->setWordWrap(true);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("Cartes"));
    liste_->setAccessibleName(tr("Événements à ranger"));
    liste_->setAccessibleDescription(tr("Du plus ancien, en haut, au plus récent, en bas. "
                                        "Alt+Haut et Alt+Bas déplacent la carte choisie."));
    liste_->setDragDropMode(QAbstractItemView::InternalMove);
    liste_->setDefaultDropAction(Qt::MoveAction);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setMinimumWidth(liste_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    for (const section::Carte& c : cartes_) {
        auto* item = new QListWidgetItem(QString::fromStdString(c.nom), liste_);
        item->setData(kRoleCarte, c.id);
        item->setData(kRoleNom, item->text());
    }
    const bool reprises = posees && section::OrdreDesCartes(*posees, cartes_);
    if (reprises) Poser(*posees);
    if (liste_->count() > 0) liste_->setCurrentRow(0);
    // Every card in sight, its justification on a second line if need be:
    // however long the check's text, the list keeps its height.
    liste_->setWordWrap(true);
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste_->setMinimumHeight(liste_->fontMetrics().lineSpacing() * 2 * std::max(liste_->count(), 3) +
                             2 * liste_->frameWidth());
    liste_->installEventFilter(this);
    consigne->setBuddy(liste_);

    monter_ = new QPushButton(tr("Monter"), this);
    monter_->setObjectName(QStringLiteral("Monter"));
    monter_->setAccessibleName(tr("Monter la carte choisie"));
    descendre_ = new QPushButton(tr("Descendre"), this);
    descendre_->setObjectName(QStringLiteral("Descendre"));
    descendre_->setAccessibleName(tr("Descendre la carte choisie"));
    connect(monter_, &QPushButton::clicked, this, &FenetreOrdonner::Monter);
    connect(descendre_, &QPushButton::clicked, this, &FenetreOrdonner::Descendre);
    auto* deplacement = new QHBoxLayout;
    deplacement->addWidget(monter_);
    deplacement->addWidget(descendre_);

    // The chosen card's justification: two lists the same for every card,
    // in an order that tells nothing.
    principe_ = new QComboBox(this);
    principe_->setObjectName(QStringLiteral("Principe"));
    principe_->setAccessibleName(tr("Principe qui date la carte choisie"));
    principe_->addItem(tr("(choisis un principe)"), static_cast<int>(section::PrincipeCite::Aucun));
    for (const section::PrincipeCite p : section::kPrincipesCites)
        principe_->addItem(QString::fromStdString(section::NomPrincipeCite(p)), static_cast<int>(p));
    temoin_ = new QComboBox(this);
    temoin_->setObjectName(QStringLiteral("Temoin"));
    temoin_->setAccessibleName(tr("Formation ou structure qui le montre"));
    temoin_->addItem(tr("(choisis une formation)"), -1);
    for (const section::TemoinPropose& t : temoins_) temoin_->addItem(QString::fromStdString(t.nom), t.formation);
    etatJustification_ = new QLabel(this);
    etatJustification_->setObjectName(QStringLiteral("EtatJustification"));
    etatJustification_->setWordWrap(true);
    auto* justifier = new QFormLayout;
    auto* etiquettePrincipe = new QLabel(tr("&Principe :"), this);
    etiquettePrincipe->setBuddy(principe_);
    auto* etiquetteTemoin = new QLabel(tr("&Montré par :"), this);
    etiquetteTemoin->setBuddy(temoin_);
    // The question keeps its lines: never squeezed by the check's text.
    etatJustification_->setMinimumHeight(etatJustification_->fontMetrics().lineSpacing() * 4);
    justifier->addRow(etatJustification_);
    justifier->addRow(etiquettePrincipe, principe_);
    justifier->addRow(etiquetteTemoin, temoin_);
    connect(principe_, &QComboBox::activated, this, &FenetreOrdonner::JustificationChoisie);
    connect(temoin_, &QComboBox::activated, this, &FenetreOrdonner::JustificationChoisie);
    connect(liste_, &QListWidget::currentRowChanged, this, &FenetreOrdonner::CarteChoisie);

    resultat_ = new QLabel(this);
    resultat_->setObjectName(QStringLiteral("Resultat"));
    resultat_->setAccessibleName(tr("Résultat de la vérification"));
    resultat_->setWordWrap(true);
    resultat_->setTextFormat(Qt::PlainText);
    // Room for the longest sentence, so the window does not jump when it comes.
    resultat_->setMinimumHeight(resultat_->fontMetrics().lineSpacing() * 5);
    resultat_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!memesTextures_)
        resultat_->setText(tr("Cet exercice a été préparé avec d'autres images de roches : la coupe "
                              "montrée est celle que donnent les images d'ici."));

    auto* boutons = new QDialogButtonBox(this);
    QPushButton* verifier = boutons->addButton(tr("Vérifier"), QDialogButtonBox::ActionRole);
    verifier->setObjectName(QStringLiteral("Verifier"));
    verifier->setAccessibleName(tr("Vérifier l'ordre des événements"));
    verifier->setEnabled(modele_.Prete() && !cartes_.empty());
    QPushButton* fermer = boutons->addButton(TexteCatalogue(section::TexteFenetre::Fermer), QDialogButtonBox::RejectRole);
    fermer->setObjectName(QStringLiteral("Fermer"));
    fermer->setAccessibleName(tr("Fermer la fenêtre"));
    verifier->setAutoDefault(false);
    fermer->setAutoDefault(false);
    connect(verifier, &QPushButton::clicked, this, &FenetreOrdonner::Verifier);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* droite = new QVBoxLayout;
    droite->addWidget(consigne);
    droite->addWidget(liste_, 1);
    droite->addLayout(deplacement);
    droite->addLayout(justifier);
    // However many verdicts, the check's text scrolls rather than pushing
    // the cards or the buttons out of sight.
    auto* defilement = new QScrollArea(this);
    defilement->setWidget(resultat_);
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    defilement->setMinimumHeight(resultat_->minimumHeight());
    droite->addWidget(defilement, 1);
    droite->addWidget(boutons);

    auto* disposition = new QHBoxLayout(this);
    disposition->addLayout(gauche);
    disposition->addLayout(droite, 1);

    // A drop, like a button, makes the last sentence out of date.
    connect(liste_->model(), &QAbstractItemModel::rowsMoved, this, &FenetreOrdonner::OrdreChange);
    connect(liste_->model(), &QAbstractItemModel::rowsInserted, this, &FenetreOrdonner::OrdreChange);
    NommerCartes();
    CarteChoisie();
    if (reprises && verifiees) Verifier();
}

void FenetreOrdonner::Poser(const section::OrdreDonne& o) {
    for (std::size_t i = 0; i < o.cartes.size(); ++i) {
        for (int rang = static_cast<int>(i); rang < liste_->count(); ++rang) {
            if (liste_->item(rang)->data(kRoleCarte).toInt() != o.cartes[i]) continue;
            liste_->insertItem(static_cast<int>(i), liste_->takeItem(rang));
            break;
        }
        justifications_[o.cartes[i]] = o.justifications[i];
    }
}

std::vector<section::Justification> FenetreOrdonner::justifications() const {
    std::vector<section::Justification> j;
    for (const int id : ordre()) {
        const auto it = justifications_.find(id);
        j.push_back(it == justifications_.end() ? section::Justification{} : it->second);
    }
    return j;
}

void FenetreOrdonner::CarteChoisie() {
    const int rang = liste_->currentRow();
    const bool premiere = rang <= 0;
    principe_->setEnabled(!premiere);
    temoin_->setEnabled(!premiere);
    etatJustification_->setText(
        rang < 0   ? QString()
        : premiere ? tr("La première carte, la plus ancienne, n'a pas à être justifiée.")
                   : tr("Justifie « %1 » : quel principe la date par rapport à une carte placée avant elle, "
                        "et quelle formation ou structure le montre ?")
                         .arg(liste_->item(rang)->data(kRoleNom).toString()));
    if (rang < 0) return;
    const auto it = justifications_.find(liste_->item(rang)->data(kRoleCarte).toInt());
    const section::Justification j = it == justifications_.end() ? section::Justification{} : it->second;
    principe_->setCurrentIndex(std::max(0, principe_->findData(static_cast<int>(j.principe))));
    temoin_->setCurrentIndex(std::max(0, temoin_->findData(j.temoin)));
}

void FenetreOrdonner::JustificationChoisie() {
    const int rang = liste_->currentRow();
    if (rang <= 0) return;
    section::Justification& j = justifications_[liste_->item(rang)->data(kRoleCarte).toInt()];
    j.principe = static_cast<section::PrincipeCite>(principe_->currentData().toInt());
    j.temoin = temoin_->currentData().toInt();
    NommerCartes();
    OrdreChange();
}

// "Dépôt de la couche A — superposition, la couche B": each card with the
// justification chosen for it, whatever its place.
void FenetreOrdonner::NommerCartes() {
    for (int i = 0; i < liste_->count(); ++i) {
        QListWidgetItem* item = liste_->item(i);
        QString texte = item->data(kRoleNom).toString();
        const auto it = justifications_.find(item->data(kRoleCarte).toInt());
        if (i > 0 && it != justifications_.end()) {
            QStringList parties;
            if (it->second.principe != section::PrincipeCite::Aucun)
                parties << QString::fromStdString(section::NomPrincipeCite(it->second.principe));
            if (const int k = temoin_->findData(it->second.temoin); k > 0) parties << temoin_->itemText(k);
            if (!parties.isEmpty()) texte += QStringLiteral(" \u2014 ") + parties.join(QStringLiteral(", "));
        }
        item->setText(texte);
    }
}

std::vector<int> FenetreOrdonner::ordre() const {
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(liste_->count()));
    for (int i = 0; i < liste_->count(); ++i) ids.push_back(liste_->item(i)->data(kRoleCarte).toInt());
    return ids;
}

void FenetreOrdonner::Monter() { Deplacer(-1); }
void FenetreOrdonner::Descendre() { Deplacer(+1); }

void FenetreOrdonner::Deplacer(int pas) {
    const int depuis = liste_->currentRow();
    const int vers = depuis + pas;
    if (depuis < 0 || vers < 0 || vers >= liste_->count()) return;
    QListWidgetItem* item = liste_->takeItem(depuis);
    liste_->insertItem(vers, item);
    liste_->setCurrentRow(vers);
    OrdreChange();
}

void FenetreOrdonner::OrdreChange() {
    verification_ = {};
    avis_.clear();
    note_ = -1;
    NommerCartes();
    CarteChoisie();
    if (memesTextures_) resultat_->clear();
    Q_EMIT CartesPosees(section::OrdreDonne{ordre(), justifications(), 0});
}

void FenetreOrdonner::Verifier() {
    if (!modele_.Prete() || cartes_.empty()) return;
    const std::vector<int> ids = ordre();
    verification_ = section::VerifierOrdre(modele_, chronologie_, cartes_, ids, essai_);
    avis_ = section::JugerJustifications(modele_, chronologie_, ids, justifications());
    note_ = section::NoteOrdreJustifie(chronologie_, ids, avis_);
    QStringList lignes;
    for (const std::string& l : section::LignesResultatOrdre(verification_, avis_, note_))
        lignes << QString::fromStdString(l);
    resultat_->setText(lignes.join(QLatin1Char('\n')));
    resultat_->setAccessibleDescription(resultat_->text());
    Q_EMIT Verification();
    // Checked as dealt, nothing chosen: judged for the pupil, not kept.
    if (section::OrdreFait(cartes_, ids, justifications()))
        Q_EMIT OrdreVerifie(section::OrdreDonne{ids, justifications(), note_});
}

bool FenetreOrdonner::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == liste_ && evenement->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if ((touche->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier &&
            (touche->key() == Qt::Key_Up || touche->key() == Qt::Key_Down)) {
            Deplacer(touche->key() == Qt::Key_Up ? -1 : +1);
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}
