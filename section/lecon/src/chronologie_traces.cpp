// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the chronology (lecteur_chronologie.h): fault traces and thrust
// planes, what lies on both sides of them and what seals or cuts their top.
#include "lecteur_chronologie.h"

namespace section::lecture {

// Fault traces and thrust planes: what lies on both sides, what seals them.
void Lecteur::LireTraces() {
    for (int y = 0; y < r_.hauteurVue; ++y)
        for (int x = 0; x < r_.largeurVue;) {
            const Formation t = r_.At(x, y);
            if (!Trace(t)) {
                ++x;
                continue;
            }
            int fin = x;
            while (fin < r_.largeurVue && r_.At(fin, y) == t) ++fin;
            const Formation gauche = Voisine(x - 1, -1, y, t), droite = Voisine(fin, 1, y, t);
            if (gauche >= 0 && gauche < t && !Trace(gauche)) {
                gauche_[{gauche, t}].compte = Compte::Lignes;
                gauche_[{gauche, t}].Voir(x, y);
            }
            if (droite >= 0 && droite < t && !Trace(droite)) {
                droite_[{droite, t}].compte = Compte::Lignes;
                droite_[{droite, t}].Voir(x, y);
            }
            x = fin;
        }
    // A formation on both sides of the trace is offset by it.
    for (const auto& [paire, w] : gauche_) {
        const auto d = droite_.find(paire);
        if (w.Assez() && d != droite_.end() && d->second.Assez()) {
            Temoins& c = coupe_[paire];
            c = w;
            c.Ajouter(d->second);
        }
    }
    // Sealing: above the topmost view pixel of each piece of a trace.
    std::vector<std::uint8_t> vu(static_cast<std::size_t>(r_.largeurVue) * static_cast<std::size_t>(r_.hauteurVue), 0);
    const auto k = [&](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(r_.largeurVue) + static_cast<std::size_t>(x);
    };
    for (int y = 0; y < r_.hauteurVue; ++y)
        for (int x = 0; x < r_.largeurVue; ++x) {
            const Formation t = r_.At(x, y);
            if (!Trace(t) || vu[k(x, y)]) continue;
            // Rows are read from the top: (x, y) is the piece's topmost pixel.
            std::vector<Point> pile{{x, y}};
            vu[k(x, y)] = 1;
            while (!pile.empty()) {
                const Point a = pile.back();
                pile.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = a.x + dx, ny = a.y + dy;
                        if (nx < 0 || ny < 0 || nx >= r_.largeurVue || ny >= r_.hauteurVue) continue;
                        if (vu[k(nx, ny)] || r_.At(nx, ny) != t) continue;
                        vu[k(nx, ny)] = 1;
                        pile.push_back({nx, ny});
                    }
            }
            // Only a top well inside the view shows where the trace ends:
            // one on the view's sides or top edge may go on beyond it.
            if (!DansLaVue(x, y)) continue;
            // An erosion that cut the trace: its top lay just under the cut.
            const std::uint64_t sous = r_.sousErosion[r_.Indice(x, y)];
            for (std::size_t b = 0; b < r_.erosions.size(); ++b)
                if ((sous >> b & 1) && r_.erosions[b] > t) {
                    Temoins w;
                    w.compte = Compte::Lignes;
                    for (int i = 0; i < kTemoinsMin; ++i) w.Voir(x, i);
                    w.ou = {x, y};
                    Noter(t, r_.erosions[b], Principe::Recoupement, Temoin::Tronque, {t}, w);
                }
            // The formation laid after the trace nearest above its top.
            bool scelle = false;
            for (int d = 1; d <= 2 && y - d >= 0 && !scelle; ++d)
                for (const int dx : {0, -1, 1}) {
                    if (!DansLaVue(x + dx, y - d)) continue;
                    const Formation s = r_.At(x + dx, y - d);
                    if (s <= t || Trace(s)) continue;
                    // One place shows a seal: the trace ends under the layer.
                    Temoins w;
                    w.compte = Compte::Lignes;
                    for (int i = 0; i < kTemoinsMin; ++i) w.Voir(x + dx, i);
                    w.ou = {x + dx, y - d};
                    // Only a layer or a flow seals; a granite or a feeder
                    // over the top crosses the trace.
                    const std::size_t q = r_.Indice(x + dx, y - d);
                    const Temoin temoin = Ligne(s)                  ? Temoin::Tronque
                                          : Granite(s)              ? Temoin::Granite
                                          : Litee(s, q)             ? Temoin::Scelle
                                                                    : Temoin::Filon;
                    Noter(t, s, Principe::Recoupement, temoin, {s, t}, w);
                    scelle = true;
                    break;
                }
        }
}

// Whether a contact at (x, y) lies kMargeVue columns from the view's
// sides and kMargeVue rows below its top.
bool Lecteur::DansLaVue(int x, int y) const {
    return x >= kMargeVue && x < r_.largeurVue - kMargeVue && y >= kMargeVue;
}

// The nearest formation from column x going `pas`, within kEcartTrace
// columns, that is not the trace itself nor sky.
Formation Lecteur::Voisine(int x, int pas, int y, Formation t) const {
    for (int i = 0; i < kEcartTrace; ++i, x += pas) {
        if (x < 0 || x >= r_.largeurVue) return -1;
        const Formation f = r_.At(x, y);
        if (f == t) continue;
        return f;
    }
    return -1;
}

}  // namespace section::lecture
