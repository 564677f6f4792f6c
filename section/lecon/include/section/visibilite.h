// SPDX-License-Identifier: GPL-3.0-or-later
// Whether every event of a list shows on its 540 x 480 picture well enough
// for a pupil to find it without the legend, as a drawn exercise must:
//   - each layer, lava flow and granite keeps a patch kEpaisseurVisible
//     rows thick over kLargeurVisible columns (its letter fits inside);
//   - each erosion leaves a surface kProfondeurErosion rows or more below
//     the view's top over kLargeurVisible columns that truncates two
//     formations or more, or a fault trace, or whose row varies by
//     kVariationPli within kFenetrePli columns (it cuts across tilted or
//     folded layers, or was folded after);
//   - a second folding tightens the folds: its own offsets over the view
//     vary by kVariationPli rows or more;
//   - each lava flow keeps its own feeder in the view, kEpaisseurVisible
//     rows of it at least (two flows on one feeder cannot be told apart).
// Checked on the final picture, replayed with every pixel followed.
#pragma once

#include "section/session.h"

namespace section {

constexpr int kEpaisseurVisible = 16;
constexpr int kLargeurVisible = 60;
constexpr int kProfondeurErosion = 12;

struct EvenementCache {
    enum class Genre {
        Aucun,
        Mince,           // the formation of `ligne` is nowhere thick enough for its letter
        ErosionCachee,   // the erosion of `ligne` shows only by its drawn line
        PliSansEffet,    // the folding of `ligne` does not tighten the folds
        FilonCache,      // the lava flow of `ligne` has no feeder of its own in the view
    };
    Genre genre = Genre::Aucun;
    int ligne = -1;
    explicit operator bool() const { return genre != Genre::Aucun; }
};

// The first event of `lignes`, replayed on `textures`, that the picture
// does not show as above; Genre::Aucun when every one shows or no section
// can be made.
EvenementCache PremierEvenementCache(const Textures& textures, const Liste& lignes);

}  // namespace section
