// SPDX-License-Identifier: GPL-3.0-or-later
// Random textures and sections for the tests, seeded and cheap: the
// sections are drawn pixel by pixel.
#pragma once

#include <cstdint>
#include <random>

#include "section/section.h"

namespace section::test {

struct Alea {
    explicit Alea(std::uint32_t graine) : g(graine) {}
    int Entier(int a, int b) {
        return a + static_cast<int>(g() % static_cast<std::uint32_t>(b - a + 1));
    }
    bool Pile(double p) { return static_cast<double>(g()) < p * 4294967296.0; }
    std::mt19937 g;
};

// Rock colours; blue and red only now and then, as holes and band pixels.
Couleur Roche(Alea& a, double bleu = 0.0, double rouge = 0.0);

// Bands of colour with noise, so that a pixel moved by one row or column
// shows.
Raster Texture(Alea& a, int w, int h, double bleu = 0.0);

// A body: inside a random ellipse the mask is white and the picture
// coloured, outside black and white; now and then other pairs.
void Corps(Alea& a, int w, int h, Raster& masque, Raster& image);

Textures TexturesAleatoires(Alea& a, int w, int h);

// Sky above a wandering surface, banded rock below, with holes, red
// pixels and blobs of rock hanging in the sky.
Section SectionAleatoire(Alea& a, int w, int h);

// Turns the plane of r on with bands of formations 0 .. 30 and noise, so
// that a formation moved by one row or column shows, and picks a current
// formation.
void PlanAleatoire(Alea& a, Raster& r);

// A size: mostly one a learner's textures would give, sometimes a tiny one.
void Taille(Alea& a, int& w, int& h);

}  // namespace section::test
