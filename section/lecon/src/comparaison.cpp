// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel and sky/rock agreement between two pictures, and the mismatch map.
#include "section/comparaison.h"

#include <algorithm>

namespace section {

namespace {

bool EstCiel(Couleur c) { return c == kBleu; }

}  // namespace

double Comparaison::PartIdentiques() const {
    return pixels > 0 ? static_cast<double>(identiques) / static_cast<double>(pixels) : 0.0;
}

double Comparaison::PartSolCiel() const {
    return pixels > 0 ? static_cast<double>(accordSolCiel) / static_cast<double>(pixels) : 0.0;
}

Comparaison Comparer(const Raster& modele, const Raster& essai) {
    Comparaison c;
    c.largeur = std::max(0, std::min(modele.width(), essai.width()));
    c.hauteur = std::max(0, std::min(modele.height(), essai.height()));
    c.taillesDifferentes = modele.width() != essai.width() || modele.height() != essai.height();
    if (c.largeur == 0 || c.hauteur == 0) {
        c.largeur = c.hauteur = 0;
        return c;
    }
    c.pixels = static_cast<std::int64_t>(c.largeur) * c.hauteur;
    for (int y = 0; y < c.hauteur; ++y) {
        const Couleur* a = modele.row(y);
        const Couleur* b = essai.row(y);
        for (int x = 0; x < c.largeur; ++x) {
            if (a[x] == b[x]) {
                ++c.identiques;
                ++c.accordSolCiel;
            } else if (EstCiel(a[x]) == EstCiel(b[x])) {
                ++c.accordSolCiel;
            }
        }
    }
    return c;
}

Couleur Palir(Couleur c) {
    const auto vers = [](unsigned v) { return (v + 3u * 255u) / 4u; };
    return Rgb(vers(c >> 16 & 0xFFu), vers(c >> 8 & 0xFFu), vers(c & 0xFFu));
}

Raster CarteEcarts(const Raster& modele, const Raster& essai) {
    const int w = std::max(0, std::min(modele.width(), essai.width()));
    const int h = std::max(0, std::min(modele.height(), essai.height()));
    if (w == 0 || h == 0) return Raster();
    Raster carte(w, h, kBlanc);
    for (int y = 0; y < h; ++y) {
        const Couleur* a = modele.row(y);
        const Couleur* b = essai.row(y);
        Couleur* out = carte.row(y);
        for (int x = 0; x < w; ++x) out[x] = a[x] == b[x] ? Palir(a[x]) : kCouleurEcart;
    }
    return carte;
}

std::string Pourcentage(std::int64_t part, std::int64_t total) {
    std::int64_t pourMille = 0;
    if (total > 0 && part > 0) {
        part = std::min(part, total);
        // part * 1000 fits: totals are pixel counts far below 2^53.
        pourMille = part * 1000 / total;
    }
    return std::to_string(pourMille / 10) + "," + std::to_string(pourMille % 10);
}

}  // namespace section
