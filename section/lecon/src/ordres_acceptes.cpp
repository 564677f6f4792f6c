// SPDX-License-Identifier: GPL-3.0-or-later
// Enumerating the accepted orders of a model's events.
#include "section/ordres_acceptes.h"

#include <algorithm>
#include <cstddef>
#include <map>

#include "designations.h"
#include "section/ordre.h"

namespace section {

namespace {

// Depth-first over the events still to place: at each step, any event
// none of whose predecessors is still waiting may come next.
struct Enumeration {
    const std::vector<std::vector<bool>>& avant;  // avant[i][j]: ids[i] must precede ids[j]
    std::size_t max;
    std::vector<int> ordre;  // positions in ids
    std::vector<bool> place;
    std::vector<std::vector<int>> trouves;

    void Suivant() {
        const std::size_t n = place.size();
        if (ordre.size() == n) {
            trouves.push_back(ordre);
            return;
        }
        for (std::size_t j = 0; j < n && trouves.size() < max; ++j) {
            if (place[j]) continue;
            bool libre = true;
            for (std::size_t i = 0; i < n && libre; ++i) libre = place[i] || !avant[i][j];
            if (!libre) continue;
            place[j] = true;
            ordre.push_back(static_cast<int>(j));
            Suivant();
            ordre.pop_back();
            place[j] = false;
        }
    }
};

}  // namespace

std::vector<std::vector<int>> OrdresAcceptes(const Chronologie& c, const std::vector<int>& ids, int max) {
    if (max <= 0) return {};
    const std::size_t n = ids.size();
    std::vector<std::vector<bool>> avant(n, std::vector<bool>(n, false));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            if (i != j && c.Avant(ids[i], ids[j])) {
                if (c.Avant(ids[j], ids[i])) return {};  // a cycle: no order keeps both
                avant[i][j] = true;
            }
    Enumeration e{avant, static_cast<std::size_t>(max), {}, std::vector<bool>(n, false), {}};
    e.Suivant();
    std::vector<std::vector<int>> ordres;
    for (const std::vector<int>& positions : e.trouves) {
        std::vector<int> o;
        for (const int p : positions) o.push_back(ids[static_cast<std::size_t>(p)]);
        ordres.push_back(std::move(o));
    }
    return ordres;
}

std::vector<Relation> RelationsQuiFixent(const Chronologie& c, const std::vector<int>& ids) {
    const auto compte = [&](int e) { return e == 0 || std::find(ids.begin(), ids.end(), e) != ids.end(); };
    std::vector<Relation> r;
    for (std::size_t k = 0; k < c.relations.size(); ++k) {
        const Relation& rel = c.relations[k];
        if (!compte(rel.ancien) || !compte(rel.recent)) continue;
        // Implied when the other relations alone already order the pair.
        Chronologie sans = c;
        sans.relations.erase(sans.relations.begin() + static_cast<std::ptrdiff_t>(k));
        if (!sans.Avant(rel.ancien, rel.recent)) r.push_back(rel);
    }
    return r;
}

CleOrdres CleDesOrdres(const Session& modele) { return CleDesOrdres(modele, LireChronologie(modele)); }

CleOrdres CleDesOrdres(const Session& modele, const Chronologie& c) {
    CleOrdres cle;
    cle.lue = c.lue;
    if (!c.lue) return cle;
    // The cards in list order; their shuffle does not matter here.
    std::vector<Carte> cartes = CartesDuModele(modele, 0);
    std::sort(cartes.begin(), cartes.end(), [](const Carte& a, const Carte& b) { return a.id < b.id; });
    std::vector<int> ids;
    std::map<int, std::string> noms;
    for (const Carte& k : cartes) {
        ids.push_back(k.id);
        noms[k.id] = k.nom;
    }
    const std::vector<std::vector<int>> ordres = OrdresAcceptes(c, ids);
    cle.tropPourLister = static_cast<int>(ordres.size()) > kOrdresAcceptesListes;
    if (!cle.tropPourLister)
        for (const std::vector<int>& o : ordres) {
            std::vector<std::string> n;
            for (const int id : o) n.push_back(noms[id]);
            cle.ordres.push_back(std::move(n));
        }
    const LettresVue lettres = Lettres(modele);
    for (const Relation& r : RelationsQuiFixent(c, ids)) cle.relations.push_back(Clause(modele.liste(), lettres, r));
    return cle;
}

}  // namespace section
