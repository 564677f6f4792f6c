// SPDX-License-Identifier: GPL-3.0-or-later
// The list replayed with every pixel followed. Before each event the
// formation plane of Observe is filled with each pixel's own position (a
// code above every formation index); the event's operations carry the plane
// exactly as they carry the colours, so afterwards each pixel holds either
// the position it came from, the current formation (laid by the event) or
// nothing (made sky). The real formations and everything followed are then
// carried from where each pixel came.
#include "releve.h"

#include <algorithm>
#include <optional>

#include "section/textures.h"
#include "section/liste.h"

namespace section {

namespace {

constexpr Formation kCode = 1 << 24;  // above any formation index

bool Mouvement(Evenement e) {
    return e == Evenement::Compression || e == Evenement::Chevauchement || e == Evenement::Distension;
}

}  // namespace

bool Releve::MemesMouvements(std::size_t a, std::size_t b, int depuis) const {
    for (std::size_t m = 0; m < mouvements.size(); ++m) {
        if (mouvements[m] <= depuis) continue;
        if (dx[m][a] != dx[m][b] || dy[m][a] != dy[m][b]) return false;
    }
    return true;
}

bool Relever(const Textures& textures, const Liste& lignes, Releve& r) {
    if (VerifierTextures(textures).has_value() || lignes.empty()) return false;
    Section s;
    s.tex = textures;
    s.Observe.ActiverFormations();
    InitSection(s);
    const int w = s.W(), h = s.H();
    if (static_cast<std::int64_t>(w) * h >= kCode) return false;
    r = Releve{};
    r.largeur = w;
    r.hauteur = h;
    r.largeurVue = std::min(w, s.Visu.width());
    r.hauteurVue = std::min(h, s.Visu.height());
    r.lignes = lignes;
    r.evenements.push_back(std::nullopt);
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    r.formation.assign(s.Observe.formations(), s.Observe.formations() + n);
    r.sousErosion.assign(n, 0);
    r.filon.assign(n, 0);
    r.bande.assign(n, 0);
    {
        const Raster& c1 = textures.ImSedim1;
        const int haut = h - c1.height();
        int numero = 1;
        for (int y = 0; y < c1.height(); ++y) {
            const Couleur* ligne = c1.row(y);
            const bool trait = y > 0 && std::all_of(ligne, ligne + c1.width(), [&](Couleur c) { return c == ligne[0]; });
            if (trait && numero < 255) ++numero;
            if (haut + y < 0 || haut + y >= h) continue;
            for (int x = 0; x < w; ++x)
                if (r.formation[r.Indice(x, haut + y)] == 0) r.bande[r.Indice(x, haut + y)] = static_cast<std::uint8_t>(numero);
        }
    }

    std::vector<Formation> formation(n);
    std::vector<std::uint64_t> sous(n);
    std::vector<std::uint8_t> filon(n), bande(n);
    std::vector<std::int16_t> tampon(n);
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        const std::optional<Evenement> e = EvenementDeLigne(lignes[i]);
        r.evenements.push_back(e);
        if (!e) continue;
        Formation* plan = s.Observe.formations();
        for (std::size_t p = 0; p < n; ++p) plan[p] = kCode + static_cast<Formation>(p);
        s.DebuterEvenement(static_cast<Formation>(i));
        RejouerLigne(s, lignes[i]);
        const bool bouge = Mouvement(*e);
        if (bouge) {
            r.mouvements.push_back(static_cast<int>(i));
            r.dx.emplace_back(n, Releve::kAbsent);
            r.dy.emplace_back(n, Releve::kAbsent);
        }
        const bool erode = *e == Evenement::Erosion && r.erosions.size() < 64;
        if (erode) r.erosions.push_back(static_cast<int>(i));
        const std::size_t movements = r.mouvements.size() - (bouge ? 1 : 0);
        // Carry everything followed from where each pixel came.
        for (std::size_t m = 0; m < movements; ++m) {
            std::vector<std::int16_t>* planes[2] = {&r.dx[m], &r.dy[m]};
            for (std::vector<std::int16_t>* q : planes) {
                for (std::size_t p = 0; p < n; ++p) {
                    const Formation v = plan[p];
                    tampon[p] = v >= kCode ? (*q)[static_cast<std::size_t>(v - kCode)] : Releve::kAbsent;
                }
                q->swap(tampon);
            }
        }
        for (int y = 0; y < h; ++y) {
            const std::size_t debut = static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
            const bool sousSurface = y > s.SurfaceHaut;
            for (int x = 0; x < w; ++x) {
                const std::size_t p = debut + static_cast<std::size_t>(x);
                const Formation v = plan[p];
                if (v >= kCode) {
                    const auto o = static_cast<std::size_t>(v - kCode);
                    formation[p] = r.formation[o];
                    sous[p] = r.sousErosion[o];
                    filon[p] = r.filon[o];
                    bande[p] = r.bande[o];
                    if (bouge) {
                        const auto oy = static_cast<int>(o / static_cast<std::size_t>(w));
                        r.dx.back()[p] = static_cast<std::int16_t>(x - static_cast<int>(o - static_cast<std::size_t>(oy) * static_cast<std::size_t>(w)));
                        r.dy.back()[p] = static_cast<std::int16_t>(y - oy);
                    }
                } else {
                    formation[p] = v;
                    sous[p] = 0;
                    bande[p] = 0;
                    // Lava laid below the top row of the rock it erupted through.
                    filon[p] = *e == Evenement::Volcanisme && v == static_cast<Formation>(i) && sousSurface;
                }
            }
        }
        if (erode) {
            // The rock left just under the cut line.
            const std::uint64_t bit = std::uint64_t{1} << (r.erosions.size() - 1);
            for (std::size_t p = 0; p + static_cast<std::size_t>(w) < n; ++p)
                if (formation[p] == static_cast<Formation>(i) && plan[p + static_cast<std::size_t>(w)] >= kCode)
                    sous[p + static_cast<std::size_t>(w)] |= bit;
        }
        r.formation.swap(formation);
        r.sousErosion.swap(sous);
        r.filon.swap(filon);
        r.bande.swap(bande);
    }
    return true;
}

}  // namespace section
