// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the chronology (lecteur_chronologie.h): the formations each fold
// deformed, and erosion surfaces with what they truncated and what rests on
// them, discordances included.
#include "lecteur_chronologie.h"

#include <cstdlib>

namespace section::lecture {

// Whether (pair, fold) offsets vary by kVariationPli within kFenetrePli columns.
bool Lecteur::Plie(const std::vector<std::int16_t>& colonnes) {
    const int n = static_cast<int>(colonnes.size());
    for (int a = 0; a < n; ++a) {
        if (colonnes[static_cast<std::size_t>(a)] == Releve::kAbsent) continue;
        const int va = colonnes[static_cast<std::size_t>(a)];
        for (int b = a + 1; b < std::min(n, a + kFenetrePli); ++b) {
            const int vb = colonnes[static_cast<std::size_t>(b)];
            if (vb == Releve::kAbsent) continue;
            if (std::abs(vb - va) >= kVariationPli) return true;
        }
    }
    return false;
}

void Lecteur::LireErosions() {
    // Folded contacts first: which formations each fold deformed.
    for (const auto& [cle, colonnes] : plis_) {
        const auto& [paire, k] = cle;
        int vues = 0;
        for (const auto v : colonnes) vues += v != Releve::kAbsent;
        if (vues < kTemoinsMin || !Plie(colonnes)) continue;
        deformees_[k].insert(paire.first);
        deformees_[k].insert(paire.second);
        pairesPliees_[k].push_back(paire);
        for (const Formation f : {paire.first, paire.second}) {
            Temoins& w = plisses_[{k, f}];
            for (int x = 0; x < static_cast<int>(colonnes.size()); ++x)
                if (colonnes[static_cast<std::size_t>(x)] != Releve::kAbsent) w.Voir(x, 0);
            w.ou = Ou(f);
        }
    }
    for (const auto& [cle, w] : plisses_) Noter(cle.second, cle.first, Principe::Deformation, Temoin::Plisse, {cle.second}, w);
    // Faulted formations, for discordances.
    std::map<Formation, std::set<int>> faillees;  // formation -> traces cutting it
    for (const auto& [paire, w] : coupe_)
        if (w.Assez()) faillees[paire.first].insert(paire.second);
    // Erosion surfaces. A surface shows where its line remains, or where
    // what was laid on it rests on two or more formations it truncated;
    // once it shows, whatever rests on it is younger.
    for (std::size_t b = 0; b < r_.erosions.size(); ++b) {
        const int e = r_.erosions[b];
        std::map<Formation, Temoins> tronquees;
        std::vector<std::pair<Formation, Temoins>> dessus;  // what rests on the surface
        for (const auto& [cle, parLitee] : surErosion_) {
            if (cle.first != e) continue;
            Temoins tout;
            for (const auto& [l, w] : parLitee)
                if (w.Assez()) {
                    if (tronquees[l].Nombre() == 0) tronquees[l].ou = w.ou;
                    tronquees[l].Ajouter(w);
                    if (tout.Nombre() == 0) tout.ou = w.ou;
                    tout.Ajouter(w);
                }
            if (tout.Assez()) dessus.emplace_back(cle.second, tout);
        }
        // The line itself, where it remains: what lies under it and on it.
        for (const auto& [paire, w] : repose_)
            if (paire.first == e && w.Assez()) dessus.emplace_back(paire.second, w);
        for (const auto& [paire, w] : sousLigne_)
            if (paire.second == e) {
                if (tronquees[paire.first].Nombre() == 0) tronquees[paire.first].ou = w.ou;
                tronquees[paire.first].Ajouter(w);
            }
        int tronque = 0;
        for (const auto& [l, w] : tronquees) tronque += w.Assez() && l < e;
        Temoins ligne;
        for (int y = 0; y < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue; ++x)
                if (r_.At(x, y) == e) ligne.Voir(x, y);
        if (!ligne.Assez() && tronque < 2) continue;  // the surface does not show
        bool discordance = false;
        for (auto& [l, w] : tronquees) {
            if (!w.Assez() || l >= e) continue;
            Noter(l, e, Principe::Recoupement, Temoin::Tronque, {l}, w);
            for (const auto& [k, formations] : deformees_)
                if (k < e && formations.count(l)) {
                    discordance = true;
                    Noter(k, e, Principe::Discordance, Temoin::DiscordancePli, {l}, w);
                }
            if (const auto it = faillees.find(l); it != faillees.end())
                for (const int t : it->second)
                    if (t < e) {
                        discordance = true;
                        Noter(t, e, Principe::Discordance, Temoin::DiscordancePli, {l}, w);
                    }
        }
        for (const auto& [u, w] : dessus)
            Noter(e, u, discordance ? Principe::Discordance : Principe::Superposition,
                  discordance ? Temoin::Discordance : Temoin::ReposeSurSurface, {u}, w);
    }
}

// Whether the movement of line k moved a view pixel of formation t.
bool Lecteur::PlieePar(Formation t, int k) const {
    const auto m = std::find(r_.mouvements.begin(), r_.mouvements.end(), k);
    if (m == r_.mouvements.end()) return false;
    const auto& dy = r_.dy[static_cast<std::size_t>(m - r_.mouvements.begin())];
    for (int y = 0; y < r_.hauteurVue; ++y)
        for (int x = 0; x < r_.largeurVue; ++x) {
            const std::size_t p = r_.Indice(x, y);
            if (r_.formation[p] == t && dy[p] != Releve::kAbsent && dy[p] != 0) return true;
        }
    return false;
}

Point Lecteur::Ou(Formation f) const {
    for (int y = 0; y < r_.hauteurVue; ++y)
        for (int x = 0; x < r_.largeurVue; ++x)
            if (r_.At(x, y) == f) return {x, y};
    return {0, 0};
}

}  // namespace section::lecture
