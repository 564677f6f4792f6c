// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's work kept from one start to the next, as the page keeps it
// from one visit to the next, and a saved answer continued: the start-up
// step (the warning, then a file named on the command line or the kept
// work offered back), the kept files written after each change, and
// "Ouvrir une réponse..." with its exercise found.
//
// The kept work lives in two files of the folder the program gives
// (GarderTravailDans): travail.txt, the engine's kept text
// (section/travail_garde.h), and exercice.exo, the exercise worked on as
// an exercise file. Each is written whole (QSaveFile) and read with a
// bound; a damaged, foreign or mismatched pair is ignored.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "dessin/images.h"
#include "fenetre_principale.h"
#include "section/exercice_session.h"
#include "section/notation_classe.h"
#include "section/travail_garde.h"
#include "langue.h"

namespace {

const QString kFichierTravail = QStringLiteral("travail.txt");
const QString kFichierExercice = QStringLiteral("exercice.exo");
// The most exercise files looked at beside an answer.
constexpr int kExercicesVoisinsMax = 200;

QString Texte(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// At most `max` bytes of a file; nothing when it is missing, unreadable or
// longer.
std::optional<QByteArray> LireBorne(const QString& chemin, qint64 max) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray octets = f.read(max + 1);
    if (octets.size() > max) return std::nullopt;
    return octets;
}

bool EcrireSur(const QString& chemin, std::string_view octets) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(octets.data(), static_cast<qint64>(octets.size())) != static_cast<qint64>(octets.size())) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

std::optional<section::Exercice> ExerciceDe(const QString& chemin) {
    section::Exercice e;
    if (!section::LireFichierExercice(dessin::OctetsDeChemin(chemin), e).empty()) return std::nullopt;
    return e;
}

// The order of an answer or of the kept work, when its cards are exactly
// the exercise's; its mark judged again when `rejuger`.
std::optional<section::OrdreDonne> OrdreValable(const section::Session& modele,
                                                const std::optional<section::OrdreDonne>& ordre, bool rejuger) {
    if (!ordre) return std::nullopt;
    const std::optional<int> note = section::NoteOrdreDonne(modele, section::LireChronologie(modele), *ordre);
    if (!note) return std::nullopt;
    section::OrdreDonne o = *ordre;
    if (rejuger) o.note = *note;
    return o;
}

}  // namespace

void FenetrePrincipale::GarderTravailDans(const QString& dossier) { dossierTravail_ = dossier; }

void FenetrePrincipale::Commencer(const QStringList& arguments) {
    if (commence_) return;
    commence_ = true;
    if (!finDemandee_) {
        // The warning first, before any file's own message and before the
        // pupil can click anything.
        Avertissement();
        const bool fichier = arguments.size() >= 2 && !arguments.at(1).isEmpty();
        Offre reprise = Offre::Rien;
        if (fichier) {
            OuvrirArguments(arguments);
            // The kept exercise opened again, nothing done on it yet: its
            // work is offered, as the page does for its link.
            if (exercice_ && session_.liste().size() <= 1 && !ordreDonne_) reprise = OffrirReprise(true);
        } else {
            reprise = OffrirReprise(false);
        }
        // A file opened instead of the kept work leaves that work kept
        // until the pupil changes the one on screen.
        if (fichier && reprise == Offre::Rien) {
            texteGarde_ = TexteTravail().value_or(std::string());
            exerciceGarde_.reset();
        }
        garder_ = true;
        GarderTravail();
    }
    Q_EMIT Demarre();
}

// The kept work, read back, offered with "Reprendre" and "Nouvelle coupe";
// with `seulementCetExercice`, only when it is the open exercise's.
FenetrePrincipale::Offre FenetrePrincipale::OffrirReprise(bool seulementCetExercice) {
    if (dossierTravail_.isEmpty() || !texturesOk_ || !services_.questions) return Offre::Rien;
    const QDir dossier(dossierTravail_);
    const std::optional<QByteArray> texte =
        LireBorne(dossier.filePath(kFichierTravail), static_cast<qint64>(section::kOctetsTravailGardeMax));
    if (!texte) return Offre::Rien;
    const std::string_view lu(texte->constData(), static_cast<std::size_t>(texte->size()));
    std::optional<section::Exercice> e = ExerciceDe(dossier.filePath(kFichierExercice));
    const std::uint64_t empreinte = e ? section::EmpreinteExercice(*e) : 0;
    section::TravailGarde t;
    // Work kept without an exercise names none (0).
    if (!section::LireTravailGarde(lu, empreinte, t).empty()) {
        if (!section::LireTravailGarde(lu, 0, t).empty()) return Offre::Rien;
        e.reset();
    }
    if (!section::TravailAReprendre(t)) return Offre::Rien;
    // The same exercise opened again: only work done on it is offered.
    if (seulementCetExercice &&
        (!e || empreinte != empreinte_ || (t.travail.lignes.size() <= 1 && !t.travail.ordre && !t.cartes)))
        return Offre::Rien;
    section::Session modele;
    if (e) {
        modele.DefinirTextures(session_.textures());
        // Made with other pictures of rocks: it cannot be taken back here.
        if (!section::ChargerExercice(modele, *e)) return Offre::Rien;
    }
    const QString titre = !e ? QString() : e->titre.empty() ? QFileInfo(kFichierExercice).completeBaseName()
                                                            : Texte(e->titre);
    const int choix = services_.questions->Choisir(
        Texte(section::QuestionReprise(t, titre.toStdString())),
        {TexteCatalogue(section::TexteFenetre::Reprendre), TexteCatalogue(section::TexteFenetre::NouvelleCoupe)});
    // Only "Nouvelle coupe" lets the kept work go; the box closed takes it back.
    if (choix == 1) return Offre::Nouvelle;

    if (e) InstallerExercice(std::move(*e), std::move(modele), dossier.filePath(kFichierExercice));
    try {
        session_.Charger(t.travail.lignes);
    } catch (const std::exception&) {
        // Out of memory during the replay: the section shows how far it got.
    }
    ordreDonne_ = exercice_ ? OrdreValable(modeleExercice_, t.travail.ordre, true) : std::nullopt;
    verifications_ = exercice_ ? t.travail.verifications : section::Verifications{};
    cartesPosees_ = exercice_ ? t.cartes : std::nullopt;
    // The cards are dealt again as they were before the program was closed.
    if (exercice_ && t.travail.graine) graineDonne_ = *t.travail.graine;
    section::Liste depart{section::Ligne(section::kLigneInitiale)};
    listeEnregistree_ = t.enregistre ? session_.liste() : depart;
    ordreEnregistre_ = t.enregistre ? ordreDonne_ : std::nullopt;
    texteGarde_ = std::string(lu);
    exerciceGarde_ = e ? std::optional<std::uint64_t>(empreinte) : std::nullopt;
    Rafraichir();
    MajMenuExercice();
    return Offre::Reprise;
}

std::optional<std::string> FenetrePrincipale::TexteTravail() const {
    section::TravailGarde t;
    t.travail.exercice = exercice_ ? empreinte_ : 0;
    t.travail.lignes = session_.liste();
    t.travail.ordre = ordreDonne_;
    if (t.travail.ordre) t.travail.ordre->note = 0;
    if (exercice_) t.travail.verifications = verifications_;
    if (exercice_) t.travail.graine = graineDonne_;
    t.enregistre = !ModificationsNonEnregistrees();
    if (exercice_) t.cartes = cartesPosees_;
    std::string raison;
    std::string texte = section::TexteTravailGarde(t, raison);
    if (texte.empty()) return std::nullopt;
    return texte;
}

// Written only when the work changed since it was last written or read.
void FenetrePrincipale::GarderTravail() {
    if (!garder_ || dossierTravail_.isEmpty()) return;
    const QDir dossier(dossierTravail_);
    const std::optional<std::string> texte = TexteTravail();
    if (!texte) {
        // Too long to keep: the older work kept must not come back instead.
        if (!texteGarde_.empty()) QFile::remove(dossier.filePath(kFichierTravail));
        texteGarde_.clear();
        return;
    }
    if (*texte == texteGarde_) return;
    bool ecrit = QDir().mkpath(dossierTravail_);
    if (ecrit && exercice_ && exerciceGarde_ != empreinte_) {
        ecrit = EcrireSur(dossier.filePath(kFichierExercice), section::TexteExercice(*exercice_));
        if (ecrit) exerciceGarde_ = empreinte_;
    }
    if (ecrit) ecrit = EcrireSur(dossier.filePath(kFichierTravail), *texte);
    if (ecrit) {
        texteGarde_ = *texte;
        return;
    }
    if (gardeImpossibleDite_) return;
    gardeImpossibleDite_ = true;
    services_.messages->Information(
        tr("Strataloom ne peut pas garder ta coupe dans %1 : si tu fermes la fenêtre, elle sera perdue.\r"
           "Pense à la sauver avec « Sauver la liste des événements » ou « Enregistrer ma réponse ».")
            .arg(QDir::toNativeSeparators(dossierTravail_)));
}

void FenetrePrincipale::OuvrirReponse() {
    if (const std::optional<QString> choix = DemanderOuverture(
            tr("Ouvrir une réponse"),
            QCoreApplication::translate("FenetrePrincipale", "Réponses Strataloom (*.rep)|*.rep"), QStringLiteral("rep")))
        OuvrirReponse(*choix);
}

// The answer's exercise: the one open, the one kept, one beside the answer,
// else the one the pupil chooses, which must be it.
std::optional<section::Exercice> FenetrePrincipale::ExerciceDeLaReponse(const section::Reponse& r,
                                                                        const QString& chemin,
                                                                        QString& cheminExercice) {
    if (exercice_ && empreinte_ == r.exercice) {
        cheminExercice = cheminExercice_;
        return exercice_;
    }
    QStringList candidats;
    if (!dossierTravail_.isEmpty()) candidats << QDir(dossierTravail_).filePath(kFichierExercice);
    const QDir voisin = QFileInfo(chemin).absoluteDir();
    const QFileInfoList voisins =
        voisin.entryInfoList({QStringLiteral("*.exo")}, QDir::Files | QDir::Readable, QDir::Name);
    for (qsizetype i = 0; i < voisins.size() && i < kExercicesVoisinsMax; ++i)
        candidats << voisins[i].absoluteFilePath();
    for (const QString& c : candidats) {
        std::optional<section::Exercice> e = ExerciceDe(c);
        if (e && section::EmpreinteExercice(*e) == r.exercice) {
            cheminExercice = c;
            return e;
        }
    }
    DemandeFichier d;
    d.titre = tr("Choisis l'exercice de cette réponse");
    d.filtre = QCoreApplication::translate("FenetrePrincipale", "Exercices Strataloom (*.exo)|*.exo");
    d.extensionDefaut = QStringLiteral("exo");
    d.dossierInitial = voisin.absolutePath();
    d.dossierDoitExister = true;
    d.fichierDoitExister = true;
    const std::optional<QString> choix = services_.fichiers->Ouvrir(d);
    if (!choix) return std::nullopt;
    section::Exercice e;
    if (const std::string raison = section::LireFichierExercice(dessin::OctetsDeChemin(*choix), e); !raison.empty()) {
        services_.messages->Erreur(tr("Impossible d'ouvrir l'exercice %1 : %2")
                                       .arg(QDir::toNativeSeparators(*choix), Texte(raison)));
        return std::nullopt;
    }
    if (section::EmpreinteExercice(e) != r.exercice) {
        services_.messages->Erreur(tr("L'exercice %1 n'est pas celui de la réponse %2 : choisis l'exercice que "
                                      "tu as fait pour cette réponse.")
                                       .arg(QDir::toNativeSeparators(*choix), QDir::toNativeSeparators(chemin)));
        return std::nullopt;
    }
    cheminExercice = *choix;
    return e;
}

// The answer's exercise opens, the answer's list and order come back, and
// the work counts as saved in that answer: its name is the one offered
// next time.
bool FenetrePrincipale::OuvrirReponse(const QString& chemin) {
    if (!texturesOk_) return false;
    section::Reponse r;
    if (const std::string raison = section::LireFichierReponse(dessin::OctetsDeChemin(chemin), r); !raison.empty()) {
        services_.messages->Erreur(tr("Impossible d'ouvrir la réponse %1 : %2")
                                       .arg(QDir::toNativeSeparators(chemin), Texte(raison)));
        return false;
    }
    QString cheminExercice;
    std::optional<section::Exercice> e = ExerciceDeLaReponse(r, chemin, cheminExercice);
    if (!e) return false;
    section::Session modele;
    if (!ExerciceJouable(*e, cheminExercice, modele)) return false;
    if (!ConfirmerAbandon()) return false;
    // The order as the answer holds it, its mark the one the pupil was shown.
    const std::optional<section::OrdreDonne> ordre = OrdreValable(modele, r.ordre, false);
    InstallerExercice(std::move(*e), std::move(modele), cheminExercice);
    if (!r.lignes.empty()) {
        try {
            session_.Charger(r.lignes);
        } catch (const std::exception&) {
            // Out of memory during the replay: the section shows how far it got.
        }
    }
    ordreDonne_ = ordre;
    // The counts go on from the answer's (none in an older file: from 0).
    verifications_ = r.verifications.value_or(section::Verifications{});
    if (ordre) cartesPosees_ = section::OrdreDonne{ordre->cartes, ordre->justifications, 0};
    listeEnregistree_ = session_.liste();
    ordreEnregistre_ = ordreDonne_;
    eleve_ = Texte(r.eleve);
    Rafraichir();
    const QString titre = exercice_->titre.empty() ? QFileInfo(cheminExercice).completeBaseName() : Texte(exercice_->titre);
    services_.messages->Information(
        (ordre ? tr("Réponse de %1 à l'exercice « %2 » : tu peux continuer ta coupe et ton ordre des événements.")
               : tr("Réponse de %1 à l'exercice « %2 » : tu peux continuer ta coupe."))
            .arg(eleve_, titre));
    return true;
}
