// SPDX-License-Identifier: GPL-3.0-or-later
// Every event visible on the final picture, read from the replay that
// follows each pixel (releve.h).
#include "section/visibilite.h"

#include <algorithm>
#include <map>
#include <set>

#include "releve.h"
#include "section/chronologie.h"

namespace section {

namespace {

// Whether formation f has, somewhere in the view, a block kEpaisseurVisible
// rows high and kLargeurVisible columns wide of its own pixels (`garde`
// filters them: the flow without its feeder).
template <typename Garde>
bool Epaisse(const Releve& r, Formation f, Garde&& garde) {
    const int w = r.largeurVue, h = r.hauteurVue;
    // haut[x]: rows of f ending at the current row in column x.
    std::vector<int> haut(static_cast<std::size_t>(w), 0);
    for (int y = 0; y < h; ++y) {
        int suite = 0;
        for (int x = 0; x < w; ++x) {
            const std::size_t p = r.Indice(x, y);
            int& n = haut[static_cast<std::size_t>(x)];
            n = r.formation[p] == f && garde(p) ? n + 1 : 0;
            suite = n >= kEpaisseurVisible ? suite + 1 : 0;
            if (suite >= kLargeurVisible) return true;
        }
    }
    return false;
}

bool ErosionVisible(const Releve& r, std::size_t rang) {
    const int w = r.largeurVue, h = r.hauteurVue;
    // Per column, the highest pixel that lay just under this cut.
    std::vector<int> ligne(static_cast<std::size_t>(w), -1);
    std::vector<Formation> sous(static_cast<std::size_t>(w), -1);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            const std::size_t p = r.Indice(x, y);
            if (r.formation[p] >= 0 && (r.sousErosion[p] >> rang & 1)) {
                ligne[static_cast<std::size_t>(x)] = y;
                sous[static_cast<std::size_t>(x)] = r.formation[p];
                break;
            }
        }
    // The longest run of columns where the surface lies deep enough.
    int debut = 0, meilleur = 0, depart = 0;
    for (int x = 0; x <= w; ++x) {
        const bool bon = x < w && ligne[static_cast<std::size_t>(x)] >= kProfondeurErosion;
        if (bon) continue;
        if (x - debut > meilleur) {
            meilleur = x - debut;
            depart = debut;
        }
        debut = x + 1;
    }
    if (meilleur < kLargeurVisible) return false;
    std::map<Formation, int> colonnes;
    bool trace = false, varie = false;
    for (int x = depart; x < depart + meilleur; ++x) {
        const Formation f = sous[static_cast<std::size_t>(x)];
        ++colonnes[f];
        const auto e = r.Sorte(f);
        trace = trace || (e && (*e == Evenement::Distension || *e == Evenement::Chevauchement));
        for (int k = x + 1; k < std::min(x + kFenetrePli, depart + meilleur) && !varie; ++k)
            varie = std::abs(ligne[static_cast<std::size_t>(k)] - ligne[static_cast<std::size_t>(x)]) >= kVariationPli;
    }
    int tronquees = 0;
    for (const auto& [f, n] : colonnes) tronquees += n >= kTemoinsMin;
    return tronquees >= 2 || trace || varie;
}

}  // namespace

EvenementCache PremierEvenementCache(const Textures& textures, const Liste& lignes) {
    Releve r;
    if (!Relever(textures, lignes, r)) return {};
    return PremierEvenementCache(r);
}

EvenementCache PremierEvenementCache(const Releve& r) {
    bool plie = false;
    for (std::size_t i = 1; i < r.evenements.size(); ++i) {
        const auto e = r.evenements[i];
        if (!e) continue;
        const Formation f = static_cast<Formation>(i);
        EvenementCache cache;
        cache.ligne = static_cast<int>(i);
        switch (*e) {
        case Evenement::Sedimentation:
        case Evenement::Plutonisme:
            if (!Epaisse(r, f, [](std::size_t) { return true; })) cache.genre = EvenementCache::Genre::Mince;
            break;
        case Evenement::Volcanisme: {
            if (!Epaisse(r, f, [&](std::size_t p) { return r.filon[p] == 0; })) {
                cache.genre = EvenementCache::Genre::Mince;
                break;
            }
            std::set<int> rangees;
            for (int y = 0; y < r.hauteurVue; ++y)
                for (int x = kMargeVue; x < r.largeurVue - kMargeVue; ++x) {
                    const std::size_t p = r.Indice(x, y);
                    if (r.formation[p] == f && r.filon[p]) rangees.insert(y);
                }
            if (static_cast<int>(rangees.size()) < kEpaisseurVisible) cache.genre = EvenementCache::Genre::FilonCache;
            break;
        }
        case Evenement::Erosion: {
            const auto b = std::find(r.erosions.begin(), r.erosions.end(), static_cast<int>(i));
            if (b == r.erosions.end() || !ErosionVisible(r, static_cast<std::size_t>(b - r.erosions.begin())))
                cache.genre = EvenementCache::Genre::ErosionCachee;
            break;
        }
        case Evenement::Compression: {
            if (plie) {
                // The offsets this folding gave the columns of the view.
                const auto m = std::find(r.mouvements.begin(), r.mouvements.end(), static_cast<int>(i));
                int bas = INT16_MAX, haut = INT16_MIN;
                if (m != r.mouvements.end()) {
                    const auto& dy = r.dy[static_cast<std::size_t>(m - r.mouvements.begin())];
                    // A column's offset: how far its moved pixels went down
                    // (the band above the folds stays where it was).
                    for (int x = 0; x < r.largeurVue; ++x) {
                        int d = Releve::kAbsent;
                        for (int y = 0; y < r.hauteurVue; ++y) d = std::max<int>(d, dy[r.Indice(x, y)]);
                        if (d == Releve::kAbsent) continue;
                        bas = std::min(bas, d);
                        haut = std::max(haut, d);
                    }
                }
                if (haut - bas < kVariationPli) cache.genre = EvenementCache::Genre::PliSansEffet;
            }
            plie = true;
            break;
        }
        default:
            break;
        }
        if (cache) return cache;
    }
    return {};
}

}  // namespace section
