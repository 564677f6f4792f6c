// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the chronology (lecteur_chronologie.h), its conclusion: each pair
// once with the first principle that applies, the swaps the view cannot
// tell apart left undated, cycles, and which events the view shows.
#include "lecteur_chronologie.h"

#include "section/liste.h"

namespace section::lecture {

void Lecteur::Conclure() {
    for (const auto& [paire, w] : repose_) {
        const auto [l, u] = paire;
        if (Ligne(l)) continue;  // read with the erosions
        Noter(l, u, Principe::Superposition, Temoin::Repose, {u, l}, w);
        // Resting, unmoved, on what a fold deformed.
        for (const auto& [k, formations] : deformees_)
            if (u > k && formations.count(l)) Noter(k, u, Principe::Discordance, Temoin::ReposeSurPli, {u, l}, w);
    }
    for (const auto& [paire, w] : coupe_)
        Noter(paire.first, paire.second, Principe::Recoupement, Temoin::TraceRecoupe, {paire.first, paire.second}, w);
    for (const auto& [paire, w] : touche_) {
        const auto [f, i] = paire;
        const Temoin t = Granite(i) ? Temoin::Granite : Temoin::Filon;
        Noter(f, i, Principe::Recoupement, t, {i, f}, w);
    }
    // An intrusion that crosses a folded contact is younger than the fold.
    for (const auto& [k, paires] : pairesPliees_)
        for (const Paire& p : paires)
            for (const auto& [paire, w] : touche_) {
                const Formation i = paire.second;
                if (!w.Assez() || paire.first != p.first) continue;
                if (p.first == 0 && p.second == 0) {
                    // Two bands of the starting series, each touched.
                    int bandes = 0;
                    for (const auto& [cle, t] : bandes_) bandes += cle.first == i && t.Assez();
                    if (bandes >= 2) Noter(k, i, Principe::Recoupement, Temoin::IntrusionPli, {i, 0}, w);
                    continue;
                }
                const auto autre = touche_.find({p.second, i});
                if (autre == touche_.end() || !autre->second.Assez()) continue;
                Noter(k, i, Principe::Recoupement, Temoin::IntrusionPli, {i, p.first, p.second}, w);
            }
    // A straight fault trace across a folded contact: the fold is older.
    for (const auto& [k, paires] : pairesPliees_)
        for (const auto& [paire, w] : coupe_) {
            const Formation t = paire.second;
            if (!w.Assez() || t < k || PlieePar(t, k)) continue;
            for (const Paire& p : paires) {
                if (p.first != paire.first) continue;
                if (p.first != p.second) {
                    const auto autre = coupe_.find({p.second, t});
                    if (autre == coupe_.end() || !autre->second.Assez()) continue;
                }
                Noter(k, t, Principe::Recoupement, Temoin::IntrusionPli, {t, p.first}, w);
                break;
            }
        }
    // Each pair once, with the first principle that applies.
    const auto rang = [](Principe p) {
        switch (p) {
        case Principe::Recoupement: return 0;
        case Principe::Discordance: return 1;
        case Principe::Deformation: return 2;
        case Principe::Superposition: return 3;
        case Principe::Aucun: break;
        }
        return 4;
    };
    std::map<std::pair<int, int>, Relation> choisies;
    for (Relation& r : candidats_) {
        const auto cle = std::pair{r.ancien, r.recent};
        const auto it = choisies.find(cle);
        if (it == choisies.end() || rang(r.principe) < rang(it->second.principe)) choisies[cle] = std::move(r);
    }
    for (auto& [cle, r] : choisies) c_.relations.push_back(std::move(r));
    RetirerEchangesSansEffet();
    for (const Relation& r : c_.relations)
        if (c_.Entre(r.recent, r.ancien) != &r) c_.cycle = true;
    c_.cycle = c_.cycle || Cycle();
    c_.visible.assign(r_.lignes.size(), false);
    for (int y = 0; y < r_.hauteurVue; ++y)
        for (int x = 0; x < r_.largeurVue; ++x)
            if (const Formation f = r_.At(x, y); f > 0 && static_cast<std::size_t>(f) < c_.visible.size())
                c_.visible[static_cast<std::size_t>(f)] = true;
    for (const Relation& r : c_.relations) {
        c_.visible[static_cast<std::size_t>(r.recent)] = true;
        if (r.ancien > 0) c_.visible[static_cast<std::size_t>(r.ancien)] = true;
    }
    // An erosion shows only through its relations, a fold only through them.
    for (std::size_t i = 1; i < c_.visible.size(); ++i) {
        const auto e = r_.evenements[i];
        if (!e || *e == Evenement::Erosion || *e == Evenement::Compression) {
            bool relie = false;
            for (const Relation& r : c_.relations)
                relie = relie || r.ancien == static_cast<int>(i) || r.recent == static_cast<int>(i);
            c_.visible[i] = relie;
        }
    }
    c_.lue = true;
}

bool Lecteur::Cycle() const {
    // Kahn: a cycle leaves some event with a predecessor.
    std::map<int, int> entrees;
    for (const Relation& r : c_.relations) {
        ++entrees[r.recent];
        entrees.emplace(r.ancien, 0);
    }
    std::vector<int> libres;
    for (const auto& [n, d] : entrees)
        if (d == 0) libres.push_back(n);
    std::size_t vus = 0;
    while (!libres.empty()) {
        const int a = libres.back();
        libres.pop_back();
        ++vus;
        for (const Relation& r : c_.relations)
            if (r.ancien == a && --entrees[r.recent] == 0) libres.push_back(r.recent);
    }
    return vus != entrees.size();
}

// A relation X < Y that the picture cannot tell from Y < X: the list
// replayed with Y moved to just before X gives the very same view
// (byte for byte), so a pupil who swaps them is not wrong. Such a pair
// is left undated.
void Lecteur::RetirerEchangesSansEffet() {
    if (c_.relations.empty()) return;
    Section s;
    s.tex = textures_;
    const auto vue = [&](const Liste& l) {
        InitSection(s);
        Rejouer(s, l);
        AfficheProfil(s);
        return s.Visu;
    };
    const Raster cible = vue(r_.lignes);
    std::vector<Relation> gardees;
    for (Relation& r : c_.relations) {
        if (r.ancien <= 0 || r.recent <= 0) {
            gardees.push_back(std::move(r));
            continue;
        }
        Liste l = r_.lignes;
        const auto y = l[static_cast<std::size_t>(r.recent)];
        l.erase(l.begin() + r.recent);
        const int x = r.ancien < r.recent ? r.ancien : r.ancien - 1;
        l.insert(l.begin() + x, y);
        // Y already just before X, or two like lines next to each other:
        // the list is the same, and says nothing of the pair.
        if (l == r_.lignes || !(vue(l) == cible)) gardees.push_back(std::move(r));
    }
    c_.relations = std::move(gardees);
}

}  // namespace section::lecture
