// SPDX-License-Identifier: GPL-3.0-or-later
// A package for a course platform, or one file holding the page and an
// exercise, made from the page's own bytes, and the pass mark asked before
// a package (section/paquet_scorm.h).
#include "liaison.h"

#include <string>
#include <vector>

#include "passage.h"
#include "section/paquet_scorm.h"

using emscripten::val;

namespace liaison {

// A package for a course platform (section/paquet_scorm.h) from the page's
// own bytes and exercises [{nom, octets}]: {zip} (a view the page copies at
// once) or {raison}.
val PaquetScorm(const std::string& page, val exercices, int seuil, const std::string& titre) {
    static std::string zip;
    std::vector<section::ExercicePaquet> liste;
    const unsigned n = exercices["length"].as<unsigned>();
    for (unsigned i = 0; i < n && i <= static_cast<unsigned>(section::kExercicesPaquetMax); ++i)
        liste.push_back({exercices[i]["nom"].as<std::string>(), exercices[i]["octets"].as<std::string>()});
    val r = val::object();
    if (const std::string raison = section::PaquetScorm(page, liste, seuil, titre, zip); !raison.empty()) {
        r.set("raison", raison);
        return r;
    }
    r.set("zip", passage::Octets(zip));
    return r;
}

// One HTML file holding the page (its own bytes) and the exercise `nom`
// of these bytes: {html} (a view the page copies at once) or {raison}.
val PageAvecExercice(const std::string& page, const std::string& nom, const std::string& octets) {
    static std::string html;
    val r = val::object();
    if (const std::string raison = section::PageAvecExercice(page, {nom, octets}, html); !raison.empty()) {
        r.set("raison", raison);
        return r;
    }
    r.set("html", passage::Octets(html));
    return r;
}

// The pass mark asked before a package: {question, refus}; lireSeuil gives
// the mark read, or -1.
val TextesPaquet() {
    val t = val::object();
    t.set("question", section::QuestionSeuil());
    t.set("refus", section::SeuilRefuse());
    return t;
}
int LireSeuil(const std::string& reponse) { return section::LireSeuil(reponse).value_or(-1); }

}  // namespace liaison
