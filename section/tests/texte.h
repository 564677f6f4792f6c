// SPDX-License-Identifier: GPL-3.0-or-later
// Small rasters written as text, one letter a colour, for readable tests.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "section/raster.h"

namespace section::test {

// B blue, R red, K black, W white, G green, Y yellow, M magenta, C cyan,
// O orange, S sand, '.' white.
Couleur CouleurDe(char c);
char LettreDe(Couleur c);  // '?' for a colour without a letter

Raster DeTexte(std::initializer_list<const char*> lignes);
std::string EnTexte(const Raster& r);  // rows separated by '\n'
// Formation planes written as text: '0' .. '9' the formations 0 .. 9, 'a' ..
// 'z' 10 .. 35, '.' none (kSansFormation); '?' shows any other value.
// PoserPlan turns the plane of r on and fills it; r must have the size of
// the text.
void PoserPlan(Raster& r, std::initializer_list<const char*> lignes);
std::string PlanEnTexte(const Raster& r);  // rows separated by '\n'

// A section of size w x h: blue above row surface[x] (one entry per column,
// or one entry for all columns), `roche` from there down.
Raster Coupe(int w, int h, const std::vector<int>& surface, Couleur roche = CouleurDe('S'));

}  // namespace section::test
