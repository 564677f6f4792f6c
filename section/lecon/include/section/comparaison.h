// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing a section's view with a model picture, pixel by pixel and on
// sky (blue) against rock (any other colour), for the teacher tools.
#pragma once

#include <cstdint>
#include <string>

#include "section/raster.h"

namespace section {

struct Comparaison {
    // The block compared: the common top-left block of the two pictures.
    int largeur = 0;
    int hauteur = 0;
    // True when the two pictures differ in width or height: only the common
    // block was compared.
    bool taillesDifferentes = false;
    std::int64_t pixels = 0;       // pixels compared (largeur x hauteur)
    std::int64_t identiques = 0;   // pixels of exactly the same colour
    std::int64_t accordSolCiel = 0;  // pixels both sky or both rock

    // Shares in [0, 1]; 0 when nothing was compared.
    double PartIdentiques() const;
    double PartSolCiel() const;
};

Comparaison Comparer(const Raster& modele, const Raster& essai);

// Colours of the mismatch picture: a pixel that differs is shown in
// kCouleurEcart; one that matches keeps its colour, blended three quarters
// of the way towards white, so every channel of a matching pixel is at
// least 191 and no matching pixel can look like a difference.
constexpr Couleur kCouleurEcart = Rgb(255, 0, 255);
Couleur Palir(Couleur c);

// The mismatch picture over the compared block (see Comparaison).
Raster CarteEcarts(const Raster& modele, const Raster& essai);

// `part` of `total` as a percentage with one decimal and a decimal comma,
// truncated so that "100,0" means every pixel agreed: 2591 of 2592 gives
// "99,9", 0 of 0 gives "0,0".
std::string Pourcentage(std::int64_t part, std::int64_t total);

}  // namespace section
