// SPDX-License-Identifier: GPL-3.0-or-later
// What the formation plane of the view tells a pupil: how many pixels each
// formation shows, the letter each one is named by, and where a letter fits
// on each piece of it. Pure functions of the plane.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "section/section.h"

namespace section {

// A block of a formation plane: `largeur` x `hauteur` formations, row y
// starting at plan + y * pas. Any negative formation counts as an empty
// pixel.
struct PlanFormations {
    const Formation* plan = nullptr;
    int largeur = 0;
    int hauteur = 0;
    std::ptrdiff_t pas = 0;

    Formation At(int x, int y) const { return plan[y * pas + x]; }
    bool empty() const { return plan == nullptr || largeur <= 0 || hauteur <= 0; }
};

// The top-left largeur x hauteur block of r's plane, cut to the raster;
// empty when r has no plane.
PlanFormations BlocFormations(const Raster& r, int largeur, int hauteur);
// The view's block: the top-left (W - 100) x 480 of Observe, as Visu shows it.
PlanFormations FormationsDeLaVue(const Section& s);

struct Effectif {
    Formation formation;
    int pixels;
};
// Pixels of each formation in the block, by increasing formation (0, the
// base layer, included); empty pixels are not counted.
std::vector<Effectif> CompterFormations(const PlanFormations& p);

// The formations of the block in reading order: column by column from the
// left, each column from the top, by the first pixel met.
std::vector<Formation> OrdreDeLecture(const PlanFormations& p);

// Letters by neither place nor age: the formations in reading order get the
// ranks of a permutation drawn from a letter seed (PermutationLettres), so
// that in a plain stack A is no more often the youngest layer than any
// other. The same block and seed always give the same letters.
struct Lettre {
    Formation formation;
    std::string lettre;
};
// The formations of the block with their letters, by letter (A, B, C...).
std::vector<Lettre> LettresFormations(const PlanFormations& p, std::uint32_t graine);
// A permutation of 0 .. n-1 drawn from `graine`: Fisher-Yates driven by
// std::mt19937, whose output the C++ standard fixes, with an unbiased draw
// written here (not std::uniform_int_distribution, which each library
// implements its own way): the same on every machine and in WebAssembly.
std::vector<int> PermutationLettres(std::size_t n, std::uint32_t graine);
// The letter of rank 0, 1, ...: A .. Z, then AA .. AZ, BA .. ZZ, AAA ...
std::string NomDeLettre(int rang);

// A letter is drawn in a square of this many pixels a side lying wholly on
// one piece of its formation.
constexpr int kCoteEtiquette = 14;

// Where a letter goes on one piece: a connected part (4-connected: pixels
// sharing a side) of one formation.
struct Etiquette {
    Formation formation;
    std::string lettre;
    Point centre;  // where to centre the letter
    Rect boite;    // cote x cote square around it, every pixel in the piece
    int pixels;    // size of the piece
};
// One label per piece that holds a cote x cote square of its formation
// (a square of one formation is always within one piece). On each piece the
// square is chosen among those of the largest size, up to 2 * cote, the one
// whose centre lies nearest the piece's centre of mass (the first in
// reading order of their bottom-right corners on a tie), and the letter is
// centred in it. Labels come by letter, then by the reading order of their
// square; pieces too small for a square get none, and so do formations
// `lettres` does not name.
std::vector<Etiquette> PlacerEtiquettes(const PlanFormations& p, const std::vector<Lettre>& lettres,
                                        int cote = kCoteEtiquette);

}  // namespace section
