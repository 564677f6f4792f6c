// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities that place a distension and the two searches that find the
// upper ends of its fault traces. Internal to the section engine; the tests
// read them to check the geometry.
#pragma once

#include "section/section.h"

namespace section {

// Left fault foot, right fault foot: fixed columns of the bottom row, whatever
// the width of the section.
constexpr int PiedFailleGauche = 200;
constexpr int PiedFailleDroite = 330;

struct GeometrieDistension {
    int h = 0;         // height of the section
    double t = 0.0;    // tan 30 degrees: columns per row along both faults
    int d = 0;         // heave: columns each outer block moves outward
    int kk = 0;        // fault offset on row Rejet - 1
    Point P1, P2;      // trace start points, two rows below the bottom row

    // Trunc(n * t): how far a fault leans outward n rows above the bottom.
    int Decalage(int n) const;
    // Trunc(n / t): how many rows above the bottom a fault has leant n columns.
    int Hauteur(int n) const;
};

GeometrieDistension MesureDistension(int hauteur);

// Climb the shifted left fault from below the bottom edge to the first row on
// which the trace cell and its left neighbour are both blue, or to column 0.
Point FinTraceGauche(const Raster& o, const GeometrieDistension& g);
// The mirror on the right; it stops at column W at the latest, at once on a
// section narrower than the fault's foot.
Point FinTraceDroite(const Raster& o, const GeometrieDistension& g);

}  // namespace section
