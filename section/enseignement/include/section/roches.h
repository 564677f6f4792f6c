// SPDX-License-Identifier: GPL-3.0-or-later
// The rock view: the section as a pupil reads it on paper, each formation
// filled with the conventional figuré of its rock. It is drawn from the
// formation plane into a picture of its own; Observe and Visu are never
// changed, and the checks keep comparing them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "section/legende.h"
#include "section/legende_vue.h"
#include "section/raster.h"

namespace section {

class Session;

// The rocks a formation can be drawn as, one figuré each.
enum class Roche : std::uint8_t {
    Aucune,       // a structure, the sky, a line that is no event
    Calcaire,     // bricks
    Argile,       // continuous fine dashes
    Conglomerat,  // pebbles
    Gres,         // dense dots
    Sable,        // sparse dots
    Marne,        // dashes alternating with broken bricks
    Craie,        // bricks with black flint nodules
    Basalte,      // « v »
    Granite,      // crosses
};
inline constexpr std::array<Roche, 9> kRoches = {Roche::Calcaire, Roche::Argile, Roche::Conglomerat,
                                                 Roche::Gres,     Roche::Sable,  Roche::Marne,
                                                 Roche::Craie,    Roche::Basalte, Roche::Granite};

// The rock a legend entry's deposit is drawn as; Aucune for a structure, a
// fold or a layer whose rock is not chosen yet.
Roche RocheDe(Depot d);

// A figuré is a square tile of this side laid from the section's origin:
// the pixel at (x, y) of a formation is the tile's pixel (x mod side,
// y mod side), so neighbouring pieces of one rock join without a seam and
// the same rock shows the same pixels in every picture. The figurés stay
// horizontal in folded layers.
constexpr int kCoteFigure = 24;

// The tint of a rock's figuré on screen (its ground), 0xFFRRGGBB.
Couleur TeinteRoche(Roche r);
// The figuré's pixel of rock r at section coordinates (x, y): black ink on
// the rock's tint. Roche::Aucune gives white.
Couleur PixelFigure(Roche r, int x, int y);

// The rock view of the session's view (Visu's size): every pixel of a rock
// entry of the legend (LireVueLegende) takes its rock's figuré; the core's
// black lines, the structures' traces, the sky and every pixel of no entry
// keep the core's colour; a thrust plane gets teeth on the side of its
// upper block. Empty when the session has no section.
Raster VueRoches(const Session& s, const VueLegende& v);
Raster VueRoches(const Session& s);

// The rock's name in the files a teacher's script reads: « calcaire »,
// « argile », « conglomérat », « grès », « sable », « marne », « craie à
// silex », « basalte », « granite »; empty for Aucune. UTF-8, never
// translated.
std::string_view NomRoche(Roche r);

// The formations of the view as a script checks them, UTF-8 JSON text:
// {"formations":[{"lettre":"A","roche":"calcaire","ligne":0}, …]}, one entry
// per legend entry by letter (each band of the starting series its own,
// `ligne` 0 for them; « série de départ » when its bands are not told
// apart), `ligne` the list line that laid it.
std::string FormationsJson(const VueLegende& v);

// The grey a black-and-white copy gives a colour (ITU-R BT.601 weights),
// 0 .. 255.
int Gris(Couleur c);

}  // namespace section
