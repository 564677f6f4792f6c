// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the chronology (lecteur_chronologie.h): one formation resting on
// another across a boundary, and intrusions against what they touch.
#include "lecteur_chronologie.h"

namespace section::lecture {

// Every pixel over the pixel below it in the view.
void Lecteur::LireContactsVerticaux() {
    for (int y = 0; y + 1 < r_.hauteurVue; ++y)
        for (int x = 0; x < r_.largeurVue; ++x) {
            const std::size_t p = r_.Indice(x, y), q = r_.Indice(x, y + 1);
            const Formation u = r_.formation[p], l = r_.formation[q];
            if (u == 0 && l == 0 && r_.bande[p] != r_.bande[q]) {
                // Between two rock bands of the starting series.
                for (std::size_t m = 0; m < r_.mouvements.size(); ++m) {
                    const int k = r_.mouvements[m];
                    if (*Sorte(k) == Evenement::Distension) continue;
                    auto& colonnes = plis_[{{0, 0}, k}];
                    if (colonnes.empty()) colonnes.assign(static_cast<std::size_t>(r_.largeurVue), Releve::kAbsent);
                    auto& c = colonnes[static_cast<std::size_t>(x)];
                    if (c == Releve::kAbsent) c = r_.dy[m][p];
                }
                continue;
            }
            if (u < 0 || l < 0 || u == l) continue;
            // Deformation: both layered and both there when a fold came.
            if (Litee(u, p) && Litee(l, q)) {
                for (std::size_t m = 0; m < r_.mouvements.size(); ++m) {
                    const int k = r_.mouvements[m];
                    if (*Sorte(k) == Evenement::Distension || u >= k || l >= k) continue;
                    auto& colonnes = plis_[{{std::min(u, l), std::max(u, l)}, k}];
                    if (colonnes.empty()) colonnes.assign(static_cast<std::size_t>(r_.largeurVue), Releve::kAbsent);
                    auto& c = colonnes[static_cast<std::size_t>(x)];
                    if (c == Releve::kAbsent) c = r_.dy[m][p];
                }
            }
            if (Ligne(u) && l < u && !Trace(l)) sousLigne_[{l, u}].Voir(x, y);
            if (!Litee(u, p) || u < l || Trace(l)) continue;
            if (!r_.MemesMouvements(p, q, u)) continue;  // brought together later
            const bool surLigne = Ligne(l);
            repose_[{l, u}].Voir(x, y);
            if (surLigne) continue;
            for (std::size_t b = 0; b < r_.erosions.size(); ++b)
                if ((r_.sousErosion[q] >> b & 1) && u > r_.erosions[b])
                    surErosion_[{r_.erosions[b], u}][l].Voir(x, y);
        }
}

// Granites and feeders against what they touch (four neighbours).
void Lecteur::LireIntrusions() {
    const auto voir = [&](std::size_t p, std::size_t q, int x, int y) {
        const Formation i = r_.formation[p], f = r_.formation[q];
        if (i < 0 || f < 0 || i == f || f > i) return;
        const bool intrusion = Granite(i) || (Sorte(i) == Evenement::Volcanisme && r_.filon[p]);
        if (!intrusion) return;
        Temoins& w = touche_[{f, i}];
        w.compte = Compte::LesDeux;
        w.Voir(x, y);
        if (f == 0) {
            Temoins& b = bandes_[{i, r_.bande[q]}];
            b.compte = Compte::LesDeux;
            b.Voir(x, y);
        }
    };
    for (int y = 0; y < r_.hauteurVue; ++y)
        for (int x = 0; x < r_.largeurVue; ++x) {
            const std::size_t p = r_.Indice(x, y);
            if (x + 1 < r_.largeurVue) {
                voir(p, p + 1, x, y);
                voir(p + 1, p, x, y);
            }
            if (y + 1 < r_.hauteurVue) {
                voir(p, r_.Indice(x, y + 1), x, y);
                voir(r_.Indice(x, y + 1), p, x, y);
            }
        }
}

}  // namespace section::lecture
