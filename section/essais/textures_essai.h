// SPDX-License-Identifier: GPL-3.0-or-later
// Texture sets for the tests, the fuzz targets and the benchmarks: plain
// ones for a given size, drawn ones of odd shapes, and the shipped set.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "aleatoire.h"
#include "section/evenements.h"
#include "section/section.h"

namespace section::test {

// Horizontal bands of two colours, `pas` rows each.
Raster Bandes(int w, int h, Couleur a, Couleur b, int pas);
// An overlay body: a disc, white in the mask and `couleur` in the picture,
// black in the mask and white in the picture around it.
Raster Disque(int w, int h, bool masque, Couleur couleur);

// A well-formed set for a w x h section: banded layers, disc bodies.
Textures TexturesSimples(int w, int h);
// The same shapes in plain colours.
Textures TexturesUnies(int w, int h);
// Drawn for a w x h section; besides the expected sizes, some draws give
// layers narrower or wider than the section, a base layer taller than it,
// a Couche3 narrower than it, masks of another size than their pictures,
// and stray blue and red pixels.
Textures TexturesDessinees(Alea& a, int w, int h);

// The set in `dossier`, read by the file layer; nothing when it cannot be.
std::optional<Textures> TexturesDe(const std::string& dossier);
// The Base folder beside the running program, when the data was generated.
std::optional<Textures> TexturesLivrees();

// The list of the base layer then one event per letter: S sedimentation,
// V volcanism, E erosion, P pluton, C compression, H overthrust,
// D distension ("SSCES": two layers, folded, eroded, a layer on top).
Liste ListeDeCodes(std::string_view codes);

}  // namespace section::test
