// SPDX-License-Identifier: GPL-3.0-or-later
// Writing an exercise from a list (--make-exercise) and a pupil's answer
// (--make-answer), and reading keys and answers for --grade.
#include "devoirs.h"

#include <unistd.h>

#include <cstdio>

#include "commandes.h"
#include "dessin/images.h"
#include "section/chronologie.h"
#include "section/comparaison.h"
#include "section/verification.h"
#include "section/note.h"
#include "section/exercice_session.h"

namespace rendu {

namespace {

QString Texte(const std::string& s) { return QString::fromStdString(s); }

// The bytes of a file or of standard input, within the list limit (which
// no well-formed exercise or answer file exceeds).
std::optional<std::string> Octets(const QString& chemin, Erreur& erreur) {
    static_assert(section::kOctetsExerciceMax <= section::kOctetsListeMax);
    const bool entree = chemin == QLatin1String("-");
    std::string octets;
    const section::ErreurFichier e =
        entree ? section::LireDescripteur(STDIN_FILENO, section::kOctetsListeMax, octets)
               : section::LireFichier(dessin::OctetsDeChemin(chemin), section::kOctetsListeMax, octets);
    if (e == section::ErreurFichier::Aucune) return octets;
    QString raison = Texte(section::RaisonErreur(e));
    if (e == section::ErreurFichier::TropGros) raison = Texte(section::RaisonCopieTropGrosse());
    erreur.message = QStringLiteral("Chargement impossible : %1 (%2)")
                         .arg(Cite(entree ? QStringLiteral("entrée standard") : chemin), raison);
    erreur.raison = raison;
    erreur.fichier = e;
    return std::nullopt;
}

bool Refus(const QString& chemin, const std::string& raison, Erreur& erreur) {
    if (raison.empty()) return false;
    erreur.message = QStringLiteral("Chargement impossible : %1 (%2)").arg(Cite(chemin), Texte(raison));
    erreur.raison = Texte(raison);
    return true;
}

// How a plain list is named when its ignored lines are reported.
QString Nom(const QString& chemin) {
    return chemin == QLatin1String("-") ? QStringLiteral("entrée standard") : chemin;
}

// The exercise is saved as the teacher made it; when its picture does not
// date what a pupil must order, each gap is named on standard error.
void AvertirSiIllisible(const section::Session& a, const section::Liste& liste) {
    section::Chronologie c = section::LireChronologie(a);
    section::EvaluerLisibilite(a.textures(), liste, c);
    if (c.lisible) return;
    std::string lignes;
    for (const section::EcartChronologie& e : c.ecarts) lignes += "Attention : " + e.texte + "\n";
    if (c.ecarts.empty())
        lignes += "Attention : la coupe de cet exercice ne permet pas de retrouver l'ordre de ses événements.\n";
    std::fwrite(lignes.data(), 1, lignes.size(), stderr);
    std::fflush(stderr);
}

bool SansEvenement(const section::Liste& l) {
    for (std::size_t i = 1; i < l.size(); ++i)
        if (section::EvenementDeLigne(l[i])) return false;
    return true;
}

}  // namespace

std::optional<Corrige> LireCorrige(const QString& chemin, Erreur& erreur, std::string* lus) {
    const auto octets = Octets(chemin, erreur);
    if (!octets) return std::nullopt;
    if (lus) *lus = *octets;
    Corrige c;
    if (Refus(chemin, section::LireCorrige(*octets, c), erreur)) return std::nullopt;
    if (!c.exercice) SignalerLignesIgnorees(Nom(chemin), c.lignes);
    return c;
}

std::optional<Copie> LireCopie(const QString& chemin, Erreur& erreur, std::string* lus) {
    const auto octets = Octets(chemin, erreur);
    if (!octets) return std::nullopt;
    if (lus) *lus = *octets;
    Copie c;
    if (Refus(chemin, section::LireCopie(*octets, c), erreur)) return std::nullopt;
    SignalerLignesIgnorees(section::EstUneReponse(*octets) ? chemin : Nom(chemin), c.lignes);
    return c;
}

// The exercise of a list: its view, as loading the list shows it, and the
// list itself, hidden in the file.
int CommandeDevoir(const Options& o, section::Session& a) {
    Erreur erreur;
    const auto liste = LireFichierListe(o.listes.front(), erreur);
    if (!liste) {
        Signaler(erreur.message);
        return kEchec;
    }
    if (SansEvenement(*liste)) {
        Signaler(QStringLiteral("la liste %1 ne contient aucun événement : rien à reconstituer")
                     .arg(Cite(o.listes.front())));
        return kEchec;
    }
    a.Charger(*liste);
    section::Exercice e;
    if (const std::string r = section::ExerciceDeSession(a, o.titre.toStdString(), e); !r.empty()) {
        Signaler(QStringLiteral("Impossible d'écrire l'exercice %1 (%2)").arg(Cite(o.devoir), Texte(r)));
        return kEchec;
    }
    if (const auto err = EcrireFichier(section::TexteExercice(e), o.devoir)) {
        Signaler(err->message);
        return kEchec;
    }
    AvertirSiIllisible(a, *liste);
    return kSucces;
}

// A pupil's answer: the name, the fingerprint of the exercise and the list.
int CommandeCopie(const Options& o, section::Session&) {
    section::Exercice exercice;
    if (const std::string r = section::LireFichierExercice(dessin::OctetsDeChemin(o.pour), exercice); !r.empty()) {
        Signaler(QStringLiteral("Chargement impossible : %1 (%2)").arg(Cite(o.pour), Texte(r)));
        return kEchec;
    }
    Erreur erreur;
    const auto liste = LireFichierListe(o.listes.front(), erreur);
    if (!liste) {
        Signaler(erreur.message);
        return kEchec;
    }
    section::Reponse r;
    r.eleve = o.eleve.toStdString();
    r.exercice = section::EmpreinteExercice(exercice);
    r.lignes = *liste;
    if (const std::string m = section::VerifierReponse(r); !m.empty()) {
        Signaler(QStringLiteral("Impossible d'écrire la réponse %1 (%2)").arg(Cite(o.copie), Texte(m)));
        return kEchec;
    }
    if (const auto err = EcrireFichier(section::TexteReponse(r), o.copie)) {
        Signaler(err->message);
        return kEchec;
    }
    return kSucces;
}

// What "Vérifier" tells the pupil about a list or an answer, and its mark;
// with --diff, the picture of the differences.
int CommandeVerifier(const Options& o, section::Session& a) {
    section::Exercice exercice;
    if (const std::string r = section::LireFichierExercice(dessin::OctetsDeChemin(o.verifier), exercice); !r.empty()) {
        Signaler(QStringLiteral("Chargement impossible : %1 (%2)").arg(Cite(o.verifier), Texte(r)));
        return kEchec;
    }
    Erreur erreur;
    const auto copie = LireCopie(o.listes.front(), erreur);
    if (!copie) {
        Signaler(erreur.message);
        return kEchec;
    }
    if (copie->exercice && *copie->exercice != section::EmpreinteExercice(exercice)) {
        Signaler(QStringLiteral("%1 répond à un autre exercice que %2").arg(Cite(o.listes.front()), Cite(o.verifier)));
        return kEchec;
    }
    section::Session modele;
    modele.DefinirTextures(a.textures());
    if (!section::ChargerExercice(modele, exercice))
        Signaler(QStringLiteral("attention : ces textures ne redonnent pas l'image de l'exercice %1 ; "
                                "la liste est comparée à la coupe que ses événements donnent ici")
                     .arg(Cite(o.verifier)));
    a.Charger(copie->lignes);
    const section::Verification v = section::VerifierCoupe(modele, a);
    if (v.memeCoupe) {
        Afficher(QStringLiteral("C'est la même coupe que celle de l'exercice."));
    } else {
        Afficher(QStringLiteral("Ce n'est pas la même coupe : %1 pixels diffèrent.").arg(v.pixelsDifferents));
        for (const section::Remarque& r : v.remarques) Afficher(QStringLiteral("- ") + Texte(r.texte));
    }
    Afficher(QStringLiteral("Note : %1/20").arg(section::Noter(modele, a).points));
    if (!o.ecarts.isEmpty()) {
        if (const auto e = EcrireImageSelonNom(section::CarteEcarts(modele.vue(), a.vue()), o.ecarts)) {
            Signaler(e->message);
            return kEchec;
        }
    }
    return kSucces;
}

}  // namespace rendu
