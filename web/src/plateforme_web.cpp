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

val ExerciceWeb::TexteReprise(const section::Session& eleve) const {
    val r = val::object();
    if (!exercice_) return r;
    section::Reprise travail;
    travail.exercice = section::EmpreinteExercice(*exercice_);
    travail.lignes = eleve.liste();
    travail.ordre = ordre_;
    std::string raison;
    const std::string texte = section::TexteReprise(travail, raison);
    if (!raison.empty())
        //: %1 says why, "ton travail dépasse les 4096 caractères que la plateforme garde".
        r.set("raison", section::Remplir(section::Texte("Page", "La plateforme ne peut pas garder ton travail : %1. Il "
                                                                "reste gardé dans ce navigateur."),
                                         {raison}));
    else
        r.set("texte", texte);
    return r;
}

std::string ExerciceWeb::Reprendre(const std::string& texte, section::Session& eleve) {
    if (!exercice_) return {};
    section::Reprise travail;
    if (const std::string raison = section::LireReprise(texte, section::EmpreinteExercice(*exercice_), travail);
        !raison.empty())
        //: %1 says why, "le travail gardé est abîmé (la somme de contrôle ne correspond pas)".
        return section::Remplir(section::Texte("Page", "Le travail gardé par la plateforme ne peut pas être repris : %1."),
                                {raison});
    eleve.Charger(std::move(travail.lignes));
    if (travail.ordre) JugerOrdre(travail.ordre->cartes, travail.ordre->justifications);
    return {};
}

val ExerciceWeb::Plateforme(const std::string& maitrise, double seuil, const section::Session& eleve) const {
    val r = val::object();
    if (!exercice_) return r;
    const section::Note n = section::Noter(modele_, eleve);
    r.set("score", section::ScorePlateforme(n.points));
    r.set("min", section::ScorePlateforme(0));
    r.set("max", section::ScorePlateforme(section::kNoteMax));
    r.set("reussi", section::Reussi(n.points, maitrise, seuil));
    const std::string reponse = ordre_ ? section::ReponseSequence(ordre_->cartes) : std::string();
    r.set("reponse", reponse);
    r.set("resultat", std::string(reponse.empty()                                        ? ""
                                  : section::RelationsRompues(chronologie_, ordre_->cartes) == 0 ? "correct"
                                                                                                 : "wrong"));
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
    t.set("bulleRendre", Texte("Page", "Rendre ton travail à la plateforme : la note de ta coupe et ton ordre lui sont "
                                       "transmis. Tu peux encore le changer et le rendre à nouveau."));
    //: %1 is the mark out of 20.
    t.set("rendu", Texte("Page", "Ton travail est rendu à la plateforme. Note de ta coupe : %1/20."));
    t.set("absente", Texte("Page", "Strataloom ne trouve pas la plateforme d'apprentissage : ta note ne lui sera pas "
                                   "transmise. Ton travail reste gardé dans ce navigateur."));
    //: %1 is the platform's function called (LMSCommit...), %2 the platform's own words for the error, %3 its code.
    t.set("erreur", Texte("Page", "La plateforme d'apprentissage a refusé %1 : %2 (erreur %3). Ton travail reste dans la "
                                  "page ; si cela se répète, préviens ton professeur."));
    return t;
}

std::string DureePlateforme(double secondes) { return section::DureePlateforme(secondes); }

}  // namespace

EMSCRIPTEN_BINDINGS(plateforme) {
    emscripten::function("textesPlateforme", &TextesPlateforme);
    emscripten::function("dureePlateforme", &DureePlateforme);
}
