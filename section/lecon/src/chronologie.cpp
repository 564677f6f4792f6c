// SPDX-License-Identifier: GPL-3.0-or-later
// The relations the view shows, read from the followed replay (releve.h)
// by the reader in lecteur_chronologie.h, one file for each reading step.
#include "section/chronologie.h"
#include "section/note.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "lecteur_chronologie.h"
#include "releve.h"
#include "section/liste.h"

namespace section {

const char* NomPrincipe(Principe p) {
    switch (p) {
    case Principe::Superposition: return "superposition";
    case Principe::Recoupement: return "recoupement";
    case Principe::Deformation: return "deformation";
    case Principe::Discordance: return "discordance";
    case Principe::Aucun: break;
    }
    return "aucun";
}

const Relation* Chronologie::Entre(int a, int b) const {
    for (const Relation& r : relations)
        if ((r.ancien == a && r.recent == b) || (r.ancien == b && r.recent == a)) return &r;
    return nullptr;
}

bool Chronologie::Avant(int ancien, int recent) const {
    std::set<int> vus{ancien};
    std::vector<int> pile{ancien};
    while (!pile.empty()) {
        const int a = pile.back();
        pile.pop_back();
        for (const Relation& r : relations)
            if (r.ancien == a && vus.insert(r.recent).second) {
                if (r.recent == recent) return true;
                pile.push_back(r.recent);
            }
    }
    return false;
}

const Relation* PremiereRelationRompue(const Chronologie& c, const std::vector<int>& ordre) {
    for (std::size_t i = 0; i < ordre.size(); ++i)
        for (std::size_t j = i + 1; j < ordre.size(); ++j)
            for (const Relation& r : c.relations)
                if (r.ancien == ordre[j] && r.recent == ordre[i]) return &r;
    return nullptr;
}

using lecture::Lecteur;

Chronologie LireChronologie(const Textures& textures, const Liste& lignes) {
    Chronologie c;
    int evenements = 0;
    for (std::size_t i = 1; i < lignes.size(); ++i) evenements += EvenementDeLigne(lignes[i]).has_value();
    if (evenements > kEvenementsChronologieMax) return c;
    Releve r;
    if (!Relever(textures, lignes, r)) return c;
    return Lecteur(r, textures).Lire();
}

Chronologie LireChronologie(const Releve& r, const Textures& textures) {
    int evenements = 0;
    for (std::size_t i = 1; i < r.lignes.size(); ++i) evenements += EvenementDeLigne(r.lignes[i]).has_value();
    if (evenements > kEvenementsChronologieMax) return {};
    return Lecteur(r, textures).Lire();
}

Chronologie LireChronologie(const Session& s) { return LireChronologie(s.textures(), s.liste()); }

}  // namespace section
