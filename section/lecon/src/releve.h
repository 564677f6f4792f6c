// SPDX-License-Identifier: GPL-3.0-or-later
// The list replayed with every pixel followed: what the chronology reads.
#pragma once

#include <cstdint>
#include <vector>

#include "section/evenements.h"

namespace section {

// Per pixel of the final Observe (row by row), what became of it.
struct Releve {
    int largeur = 0, hauteur = 0;          // Observe
    int largeurVue = 0, hauteurVue = 0;    // the view: the top-left block
    Liste lignes;
    std::vector<std::optional<Evenement>> evenements;  // by line; line 0: the starting series
    std::vector<Formation> formation;      // the formation plane, as a session keeps it
    // The events that move rock (Compression, Chevauchement, Distension),
    // by line index, and for each of them the displacement it gave each
    // pixel (kAbsent for a pixel laid after it).
    std::vector<int> mouvements;
    std::vector<std::vector<std::int16_t>> dx, dy;
    // The erosions by line index, and per pixel a bit for each (by rank in
    // `erosions`, at most 64): the pixel lay just under its cut.
    std::vector<int> erosions;
    std::vector<std::uint64_t> sousErosion;
    // Lava pixels laid below the surface of their eruption: the feeder.
    std::vector<std::uint8_t> filon;
    // The rock band of the starting series each of its pixels belongs to
    // (1, 2, ... from the top of the base texture; 0 elsewhere): bands are
    // parted by the rows of the texture drawn in one colour.
    std::vector<std::uint8_t> bande;

    static constexpr std::int16_t kAbsent = INT16_MIN;

    std::size_t Indice(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(largeur) + static_cast<std::size_t>(x);
    }
    Formation At(int x, int y) const { return formation[Indice(x, y)]; }
    std::optional<Evenement> Sorte(Formation f) const {
        if (f <= 0 || static_cast<std::size_t>(f) >= evenements.size()) return std::nullopt;
        return evenements[static_cast<std::size_t>(f)];
    }
    // Whether the two pixels were moved alike by every movement after line `depuis`.
    bool MemesMouvements(std::size_t a, std::size_t b, int depuis) const;
};

// Replays `lignes` on `textures`; false when no section can be made.
bool Relever(const Textures& textures, const Liste& lignes, Releve& r);

// What the chronology and the visibility rules read from one replay, for
// callers that need both (the series).
struct Chronologie;
struct EvenementCache;
Chronologie LireChronologie(const Releve& r, const Textures& textures);
EvenementCache PremierEvenementCache(const Releve& r);

}  // namespace section
