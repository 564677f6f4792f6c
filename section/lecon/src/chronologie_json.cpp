// SPDX-License-Identifier: GPL-3.0-or-later
// The chronology as JSON, for the renderer and the tools that read it.
#include "designations.h"
#include "section/chronologie.h"
#include "section/encodage.h"
#include "section/json.h"

namespace section {

std::string ChronologieJson(const Session& modele, const Chronologie& c) {
    const Liste& l = modele.liste();
    const LettresVue lettres = Lettres(modele);
    std::string o = "{\n    \"cartes\": [";
    bool premier = true;
    for (std::size_t i = 1; i < l.size(); ++i) {
        const auto e = EvenementDeLigne(l[i]);
        if (!e) continue;
        const auto it = lettres.find(static_cast<Formation>(i));
        const std::string lettre = it == lettres.end() ? std::string() : it->second;
        o += premier ? "\n" : ",\n";
        premier = false;
        o += "        {\"id\": " + std::to_string(i) + ", \"evenement\": ";
        ChaineJson(o, Utf8DeLigne(l[i]));
        o += ", \"nom\": ";
        ChaineJson(o, NomCarte(*e, lettre));
        o += ", \"lettre\": ";
        ChaineJson(o, lettre);
        o += "}";
    }
    o += premier ? "],\n" : "\n    ],\n";
    o += "    \"relations\": [";
    premier = true;
    for (const Relation& r : c.relations) {
        o += premier ? "\n" : ",\n";
        premier = false;
        o += "        {\"ancien\": " + std::to_string(r.ancien) + ", \"recent\": " + std::to_string(r.recent) +
             ", \"principe\": \"" + NomPrincipe(r.principe) + "\", \"formations\": [";
        for (std::size_t k = 0; k < r.formations.size(); ++k) {
            const auto it = lettres.find(r.formations[k]);
            if (k) o += ", ";
            ChaineJson(o, it == lettres.end() ? std::string() : it->second);
        }
        o += "], \"x\": " + std::to_string(r.ou.x) + ", \"y\": " + std::to_string(r.ou.y) + ", \"texte\": ";
        ChaineJson(o, Clause(l, lettres, r));
        o += "}";
    }
    o += premier ? "],\n" : "\n    ],\n";
    o += std::string("    \"lisible\": ") + (c.lisible ? "true" : "false") + ",\n";
    o += "    \"ordres\": " + std::to_string(c.ordresCompatibles) + ",\n";
    o += "    \"ecarts\": [";
    premier = true;
    for (const EcartChronologie& e : c.ecarts) {
        o += premier ? "\n" : ",\n";
        premier = false;
        o += "        {\"ancien\": " + std::to_string(e.ancien) + ", \"recent\": " + std::to_string(e.recent) +
             ", \"texte\": ";
        ChaineJson(o, e.texte);
        o += "}";
    }
    o += premier ? "]\n}\n" : "\n    ]\n}\n";
    return o;
}

}  // namespace section
