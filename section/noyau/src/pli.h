// SPDX-License-Identifier: GPL-3.0-or-later
// The fold's offsets as the compression computes them for all columns.
// Internal to the section engine; the tests compare them with DecalagePli.
#pragma once

#include "section/section.h"

namespace section {

// DecalagePli(s, x), the same integer, computed in double precision where
// that cannot change the rounding: the double value lies within 1e-11 of
// the extended one for the angles of a fold, so any value farther than
// 1e-6 from a half-integer rounds alike; others, and angles beyond the
// range where that bound holds, take the extended computation.
int DecalagePliRapide(const Section& s, int x);

// DecalagePliRapide of columns 0 .. W - 1 into d[0 .. W - 1].
void DecalagesPli(const Section& s, int* d);

}  // namespace section
