// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exercice" menu: a teacher's exercise file opened, its target loaded
// as the model to compare with, the pupil's section checked against it
// (where it differs, what kind of difference, the mark out of 20), and the
// pupil's answer saved for the teacher.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QFileInfo>
#include <QLabel>

#include <algorithm>

#include "fenetre_principale.h"
#include "vue_image.h"
#include "dessin/images.h"
#include "fenetre_enseignant.h"
#include "ordonner.h"
#include "paquet_qt.h"
#include "section/legende_vue.h"
#include "section/chronologie.h"
#include "section/verification.h"
#include "section/note.h"
#include "section/exercice_session.h"
#include "langue.h"
#include "section/comparaison.h"

namespace {

QString FiltreExercices() { return QCoreApplication::translate("FenetrePrincipale", "Exercices Strataloom (*.exo)|*.exo"); }
QString FiltreReponses() { return QCoreApplication::translate("FenetrePrincipale", "Réponses Strataloom (*.rep)|*.rep"); }

QString Texte(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

// The save dialog of an exercise or an answer file, in the documents
// folder, named after `nom`.
std::optional<QString> FenetrePrincipale::DemanderEnregistrement(const QString& titre, const QString& filtre,
                                                         const QString& extension, const QString& nom) {
    DemandeFichier d;
    d.titre = titre;
    d.filtre = filtre;
    d.extensionDefaut = extension;
    d.dossierInitial = repDocuments_;
    d.nomFichier = nom + QLatin1Char('.') + extension;
    d.confirmerEcrasement = true;
    return services_.fichiers->Enregistrer(d);
}

void FenetrePrincipale::MajMenuExercice() {
    const bool ouvert = exercice_.has_value();
    if (articleVerifier_) articleVerifier_->setEnabled(ouvert && texturesOk_);
    if (articleReponse_) articleReponse_->setEnabled(ouvert && texturesOk_);
    if (articleOrdonner_) articleOrdonner_->setEnabled(ouvert && texturesOk_);
    if (articleCreerExercice_) articleCreerExercice_->setEnabled(texturesOk_);
    if (articleEspaceEnseignant_) articleEspaceEnseignant_->setEnabled(texturesOk_);
    if (articleScorm_) articleScorm_->setEnabled(ouvert);
    if (ligneExercice_) {
        const QString titre = !ouvert                  ? QString()
                              : exercice_->titre.empty() ? QFileInfo(cheminExercice_).completeBaseName()
                                                         : Texte(exercice_->titre);
        const QString ligne = titre.isEmpty() ? QString() : tr("Exercice : %1").arg(titre);
        ligneExercice_->setText(ligneExercice_->fontMetrics().elidedText(ligne, Qt::ElideRight, ligneExercice_->width()));
        ligneExercice_->setToolTip(ligne);
        ligneExercice_->setAccessibleName(ligne);
        ligneExercice_->setVisible(!ligne.isEmpty());
    }
}

// The exercise open, as it was read, for the school's course platform.
std::optional<QString> FenetrePrincipale::ExporterScorm() {
    if (!exercice_) return std::nullopt;
    const QFileInfo fichier(cheminExercice_);
    const std::vector<section::ExercicePaquet> exercices{
        {fichier.fileName().toStdString(), section::TexteExercice(*exercice_)}};
    const std::optional<QString> chemin =
        ExporterPaquetScorm(services_, exercices, QString(), fichier.completeBaseName(), repDocuments_);
    if (chemin) Annoncer(tr("Paquet pour l'ENT enregistré : %1").arg(QDir::toNativeSeparators(*chemin)));
    return chemin;
}

// The teacher's road: the section on screen and its list become an
// exercise file to hand out.
void FenetrePrincipale::CreerExercice() {
    if (!texturesOk_ || !services_.questions) return;
    if (session_.liste().size() <= 1) {
        services_.messages->Information(tr("Applique d'abord les événements de l'exercice : la coupe de départ "
                                           "seule ne fait pas un exercice."));
        return;
    }
    const std::optional<QString> titre =
        services_.questions->Demander(tr("Le titre de l'exercice, tel que les élèves le liront :"), titreExercice_);
    if (!titre || titre->trimmed().isEmpty()) return;
    section::Exercice e;
    if (const std::string raison = section::ExerciceDeSession(session_, titre->trimmed().toStdString(), e);
        !raison.empty()) {
        services_.messages->Erreur(tr("Exercice impossible à créer : %1").arg(Texte(raison)));
        return;
    }
    const std::optional<QString> chemin =
        DemanderEnregistrement(tr("Créer un exercice"), FiltreExercices(), QStringLiteral("exo"), titre->trimmed());
    if (!chemin) return;
    if (const std::string raison = section::EcrireFichierExercice(dessin::OctetsDeChemin(*chemin), e); !raison.empty()) {
        services_.messages->Erreur(
            dessin::MessageSiLien(*chemin, raison).value_or(tr("Impossible de créer le fichier %1").arg(*chemin)));
        return;
    }
    titreExercice_ = titre->trimmed();
    Annoncer(tr("Exercice enregistré : %1").arg(QDir::toNativeSeparators(*chemin)));
    // Saved as built; the teacher is told where the picture does not give
    // the list's order, in the engine's words.
    section::Chronologie c = section::LireChronologie(session_);
    section::EvaluerLisibilite(session_.textures(), e.lignes, c);
    if (!c.lisible) {
        QStringList ecarts;
        for (const section::EcartChronologie& x : c.ecarts) ecarts << QStringLiteral("– ") + Texte(x.texte);
        services_.messages->Information(
            tr("L'exercice est enregistré, mais sa coupe ne suffit pas à retrouver l'ordre de ses événements :\n%1\n"
               "Les élèves risquent d'être refusés en lisant correctement la coupe.")
                .arg(ecarts.join(QLatin1Char('\n'))));
    }
}

// The open dialog of an exercise or an answer file, in the documents folder.
std::optional<QString> FenetrePrincipale::DemanderOuverture(const QString& titre, const QString& filtre,
                                                            const QString& extension) {
    DemandeFichier d;
    d.titre = titre;
    d.filtre = filtre;
    d.extensionDefaut = extension;
    d.dossierInitial = repDocuments_;
    d.dossierDoitExister = true;
    d.fichierDoitExister = true;
    return services_.fichiers->Ouvrir(d);
}

void FenetrePrincipale::OuvrirExercice() {
    if (const std::optional<QString> choix =
            DemanderOuverture(tr("Ouvrir un exercice"), FiltreExercices(), QStringLiteral("exo")))
        OuvrirExercice(*choix);
}

bool FenetrePrincipale::OuvrirExercice(const QString& chemin) {
    if (!texturesOk_) return false;
    section::Exercice e;
    const std::string raison = section::LireFichierExercice(dessin::OctetsDeChemin(chemin), e);
    if (!raison.empty()) {
        services_.messages->Erreur(tr("Impossible d'ouvrir l'exercice %1 : %2")
                                       .arg(QDir::toNativeSeparators(chemin), Texte(raison)));
        return false;
    }
    section::Session modele;
    if (!ExerciceJouable(e, chemin, modele)) return false;
    if (!ConfirmerAbandon()) return false;
    InstallerExercice(std::move(e), std::move(modele), chemin);
    const QString titre = exercice_->titre.empty() ? QFileInfo(chemin).completeBaseName() : Texte(exercice_->titre);
    services_.messages->Information(
        tr("Exercice « %1 » : construis la coupe du modèle. Appuie sur la coupe pour voir le modèle, "
           "puis choisis « Vérifier ma coupe » dans le menu Exercice.")
            .arg(titre));
    return true;
}

// The exercise's section made again on the window's textures: `modele`
// holds it; false, and the pupil told, when they are not the textures
// the exercise was made with.
bool FenetrePrincipale::ExerciceJouable(const section::Exercice& e, const QString& chemin, section::Session& modele) {
    modele.DefinirTextures(session_.textures());
    if (section::ChargerExercice(modele, e)) return true;
    services_.messages->Erreur(tr("L'exercice %1 a été préparé avec d'autres images de roches : sa coupe "
                                  "ne peut pas être refaite ici.")
                                   .arg(QDir::toNativeSeparators(chemin)));
    return false;
}

void FenetrePrincipale::InstallerExercice(section::Exercice e, section::Session modele, const QString& chemin) {
    if (fenetreOrdonner_) fenetreOrdonner_->close();
    exercice_ = std::move(e);
    empreinte_ = section::EmpreinteExercice(*exercice_);
    cheminExercice_ = chemin;
    ordreDonne_.reset();
    ordreEnregistre_.reset();
    verifications_ = {};
    cartesPosees_.reset();  // a new exercise deals the cards anew,
    // from a seed of its own: pupils side by side get different cards.
    graineDonne_ = QRandomGenerator::system()->generate();
    donne_ = 0;
    eleve_.clear();         // and its answer starts with an empty name box (a shared computer)
    modeleExercice_ = std::move(modele);
    // The target is the model to compare with, as a loaded model picture.
    imageModele_ = dessin::VersImage(exercice_->cible);
    vueModele_->setImage(imageModele_);
    vue_->setEnabled(true);
    vue_->setToolTip(TexteCatalogue(section::TexteFenetre::ClicModele));
    // The pupil's section shows the exercise's letters and rocks, each rock
    // with its figuré.
    session_.DefinirGraineLettres(exercice_->graineLettres);
    session_.DefinirLettresDuModele(section::RangsDesLettres(modeleExercice_));
    AfficherRoches(true);
    session_.Reinitialiser();
    listeEnregistree_ = session_.liste();
    Rafraichir();
    MajMenuExercice();
}

// The exercise's events as cards to put in order, in a window of its own
// beside the section.
void FenetrePrincipale::OrdonnerEvenements() {
    if (!exercice_ || !texturesOk_) return;
    if (fenetreOrdonner_) fenetreOrdonner_->close();
    // The cards as the pupil left them, checked again when they are the
    // order last checked; dealt anew only for a new exercise.
    const bool verifiees = cartesPosees_ && ordreDonne_ && cartesPosees_->cartes == ordreDonne_->cartes &&
                           cartesPosees_->justifications == ordreDonne_->justifications;
    auto* fenetre = new FenetreOrdonner(*exercice_, session_.textures(), section::GraineDeLaDonne(graineDonne_, ++donne_),
                                        this, cartesPosees_, verifiees, affichage_.roches);
    fenetreOrdonner_ = fenetre;
    fenetreOrdonner_->setAttribute(Qt::WA_DeleteOnClose);
    connect(fenetre, &FenetreOrdonner::OrdreVerifie, this, [this](const section::OrdreDonne& o) {
        ordreDonne_ = o;
        cartesPosees_ = section::OrdreDonne{o.cartes, o.justifications, 0};
        GarderTravail();
    });
    connect(fenetre, &FenetreOrdonner::Verification, this, [this] {
        verifications_.ordre = std::min(verifications_.ordre + 1, section::kVerificationsMax);
        GarderTravail();
    });
    connect(fenetre, &FenetreOrdonner::CartesPosees, this, [this](const section::OrdreDonne& o) {
        cartesPosees_ = o;
        GarderTravail();
    });
    fenetreOrdonner_->show();
    // The seed of the cards dealt is kept with the work from now on.
    GarderTravail();
}

// Series of exercises and their sheets, and a class's answers graded, in a
// window of its own, kept from one opening to the next.
void FenetrePrincipale::OuvrirEspaceEnseignant() {
    if (!texturesOk_) return;
    if (!fenetreEnseignant_) fenetreEnseignant_ = new FenetreEnseignant(services_, session_.textures(), repDocuments_, this);
    fenetreEnseignant_->show();
    fenetreEnseignant_->raise();
}

void FenetrePrincipale::Verifier() {
    if (!exercice_ || !texturesOk_) return;
    const section::Verification v = section::VerifierCoupe(modeleExercice_, session_);
    const section::Note n = section::Noter(modeleExercice_, session_);
    verifications_.coupe = std::min(verifications_.coupe + 1, section::kVerificationsMax);
    GarderTravail();
    const QString note = tr("Note : %1/20").arg(n.points);
    if (v.memeCoupe) {
        AfficherFormations();
        services_.messages->Information(tr("Bravo : ta coupe est exactement celle du modèle.") + QLatin1Char('\r') + note);
        return;
    }
    MontrerEcarts(v);
    QStringList lignes{tr("Ta coupe n'est pas encore celle du modèle : les zones en magenta diffèrent.")};
    for (const section::Remarque& r : v.remarques) lignes << QStringLiteral("- ") + Texte(r.texte);
    lignes << note;
    services_.messages->Information(lignes.join(QLatin1Char('\r')));
}

// The differing pixels in magenta over the view, until the section changes.
void FenetrePrincipale::MontrerEcarts(const section::Verification& v) {
    const QImage& vue = vue_->image();
    QImage ecarts = dessin::SurcoucheFormations(session_, affichage_);
    if (ecarts.size() != vue.size()) {
        ecarts = QImage(vue.size(), QImage::Format_ARGB32_Premultiplied);
        ecarts.fill(Qt::transparent);
    }
    constexpr section::Couleur c = section::kCouleurEcart;
    const QRgb magenta = qPremultiply(qRgba(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF, 170));
    for (int y = 0; y < v.hauteur && y < ecarts.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(ecarts.scanLine(y));
        const std::uint8_t* masque = v.masque.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(v.largeur);
        for (int x = 0; x < v.largeur && x < ecarts.width(); ++x)
            if (masque[x]) ligne[x] = magenta;
    }
    vue_->setSurcouche(ecarts);
}

bool FenetrePrincipale::EnregistrerReponse() {
    if (!exercice_ || !services_.questions) return false;
    const std::optional<QString> nom = services_.questions->Demander(tr("Ton nom, pour ton professeur :"), eleve_);
    if (!nom || nom->trimmed().isEmpty()) return false;
    section::Reponse r;
    r.eleve = nom->trimmed().toStdString();
    r.exercice = empreinte_;
    r.lignes = session_.liste();
    r.ordre = ordreDonne_;
    r.verifications = verifications_;
    if (const std::string raison = section::VerifierReponse(r); !raison.empty()) {
        services_.messages->Erreur(tr("Réponse impossible à enregistrer : %1").arg(Texte(raison)));
        return false;
    }
    const std::optional<QString> chemin =
        DemanderEnregistrement(tr("Enregistrer ma réponse"), FiltreReponses(), QStringLiteral("rep"), nom->trimmed());
    if (!chemin) return false;
    if (const std::string raison = section::EcrireFichierReponse(dessin::OctetsDeChemin(*chemin), r); !raison.empty()) {
        services_.messages->Erreur(
            dessin::MessageSiLien(*chemin, raison).value_or(tr("Impossible de créer le fichier %1").arg(*chemin)));
        return false;
    }
    Annoncer(tr("Réponse enregistrée : %1").arg(QDir::toNativeSeparators(*chemin)));
    // The answer keeps the list and the order: saved as far as leaving goes.
    listeEnregistree_ = session_.liste();
    ordreEnregistre_ = ordreDonne_;
    GarderTravail();
    return true;
}
