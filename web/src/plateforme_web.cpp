// SPDX-License-Identifier: GPL-3.0-or-later
// The page inside a learning platform: the pupil's work as the text the
// platform keeps, taken back on the next visit, and what the platform is
// told (score, pass, the order as a sequencing response), all from
// section/plateforme.h; the page's scorm.js only hands them to the
// platform. Also the words the page needs there, in the current language.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "exercice_web.h"
#include "section/note.h"
#include "section/plateforme.h"
#include "section/textes.h"

using emscripten::val;

val ExerciceWeb::TexteReprise(const section::Session& eleve, bool navigateur) const {
    val r = val::object();
    if (!exercice_) return r;
    section::Reprise travail;
    travail.exercice = section::EmpreinteExercice(*exercice_);
    travail.lignes = eleve.liste();
    travail.ordre = ordre_;
    travail.verifications = verifications_;
    travail.graine = graineDonne_;
    std::string raison;
    const std::string texte = section::TexteReprise(travail, raison);
    if (raison.empty())
        r.set("texte", texte);
    else if (navigateur)
        //: %1 says why, "ton travail dépasse les 4096 caractères que la plateforme garde".
        r.set("raison", section::Remplir(section::Texte("Page", "La plateforme ne peut pas garder ton travail : %1. Il "
                                                                "reste gardé dans ce navigateur."),
                                         {raison}));
    else
        //: %1 says why, "ton travail dépasse les 4096 caractères que la plateforme garde". The platform does not
        //: name the pupil, so the browser keeps nothing.
        r.set("raison", section::Remplir(section::Texte("Page", "La plateforme ne peut pas garder ton travail : %1. Il "
                                                                "n'est gardé que tant que la page reste ouverte."),
                                         {raison}));
    return r;
}

std::string ExerciceWeb::Reprendre(const std::string& texte, section::Session& eleve) {
    if (!exercice_) return {};
    section::Reprise travail;
    if (const std::string raison = section::LireReprise(texte, section::EmpreinteExercice(*exercice_), travail);
        !raison.empty())
        //: %1 says why, "le travail gardé est abîmé (la somme de contrôle ne correspond pas)".
        return section::Remplir(section::Texte("Page", "Le travail gardé par la plateforme ne peut pas être repris : %1."),
                                {raison}) +
               " " +
               section::Texte("Page", "Ton travail gardé sur la plateforme y reste tel quel tant que tu ne changes pas "
                                      "ta coupe.");
    eleve.Charger(std::move(travail.lignes));
    if (travail.ordre) JugerOrdre(travail.ordre->cartes, travail.ordre->justifications);
    verifications_ = travail.verifications;
    // An older text has no seed: the one drawn at the opening stays.
    if (travail.graine) {
        graineDonne_ = *travail.graine;
        donne_ = 0;
        cartes_.clear();
    }
    return {};
}

val ExerciceWeb::Plateforme(const std::string& maitrise, double seuil, const section::Session& eleve) const {
    val r = val::object();
    if (!exercice_) return r;
    const section::BilanPlateforme b = section::BilanDuTravail(modele_, chronologie_, eleve, ordre_);
    r.set("score", section::ScorePlateforme(b.note));
    r.set("min", section::ScorePlateforme(0));
    r.set("max", section::ScorePlateforme(section::kNoteMax));
    r.set("reussi", section::Reussi(b.note, maitrise, seuil));
    // The two marks as the platform's objectives: "coupe" always, "ordre"
    // when the exercise has an order to give (its score once checked).
    val objectifs = val::array();
    const auto objectif = [&](const char* id, std::optional<int> points) {
        val o = val::object();
        o.set("id", std::string(id));
        o.set("score", points ? section::ScorePlateforme(*points) : std::string());
        o.set("reussi", points && section::Reussi(*points, maitrise, seuil));
        objectifs.call<void>("push", o);
    };
    objectif("coupe", b.coupe);
    if (b.avecOrdre) objectif("ordre", b.ordre);
    r.set("objectifs", objectifs);
    const std::string reponse = ordre_ ? section::ReponseSequence(ordre_->cartes) : std::string();
    r.set("reponse", reponse);
    // The order's interaction carries the order's mark as its result.
    r.set("resultat", reponse.empty() || !b.ordre ? std::string() : section::ScorePlateforme(*b.ordre));
    r.set("rendu", section::TexteRendu(b));
    return r;
}

namespace {

// The page's words inside a platform, {nom: texte}, in the current language.
val TextesPlateforme() {
    using section::Texte;
    val t = val::object();
    //: The pupil's name as the learning platform gives it.
    t.set("eleve", Texte("Page", "Élève : %1"));
    t.set("rendre", Texte("Page", "Rendre"));
    t.set("bulleRendre", Texte("Page", "Rendre ton travail à la plateforme : la note de ta coupe et celle de ton ordre lui "
                                       "sont transmises. Tu peux encore le changer et le rendre à nouveau."));
    //: Without the platform the pupil is not known: the browser keeps nothing of a course package's work.
    t.set("absente", Texte("Page", "Strataloom ne trouve pas la plateforme d'apprentissage : ta note ne lui sera pas "
                                   "transmise et ton travail n'est gardé que tant que la page reste ouverte."));
    //: A dropped exercise file or an exercise link, refused inside a course package.
    t.set("autreExercice", Texte("Page", "Dans ce cours, seul l'exercice donné par ton professeur s'ouvre : ton travail "
                                         "et ta note restent ceux de cet exercice."));
    t.set("pasLeMeme", Texte("Page", "L'exercice affiché n'est pas celui du cours : rien n'est transmis à la plateforme."));
    //: %1 is the platform's function called (LMSCommit...), %2 the platform's own words for the error, %3 its code.
    t.set("erreur", Texte("Page", "La plateforme d'apprentissage a refusé %1 : %2 (erreur %3). Ton travail reste dans la "
                                  "page ; si cela se répète, préviens ton professeur."));
    return t;
}

std::string DureePlateforme(double secondes) { return section::DureePlateforme(secondes); }

// The fingerprint of an exercise file's bytes, as 16 hexadecimal digits;
// "" when they are no exercise.
std::string EmpreinteFichierExercice(const std::string& octets) {
    section::Exercice e;
    if (!section::LireExercice(octets, e).empty()) return {};
    return section::TexteEmpreinte(section::EmpreinteExercice(e));
}

}  // namespace

EMSCRIPTEN_BINDINGS(plateforme) {
    emscripten::function("textesPlateforme", &TextesPlateforme);
    emscripten::function("dureePlateforme", &DureePlateforme);
    emscripten::function("empreinteFichierExercice", &EmpreinteFichierExercice);
}
