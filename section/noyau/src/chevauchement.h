// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities that place an overthrust, measured on the folded section.
// Internal to the section engine; the tests read them to check the geometry.
#pragma once

#include "section/section.h"

namespace section {

struct GeometrieChevauchement {
    double t = 0.0;  // tan 60 degrees: columns per row along the ramp
    int x0 = 0;      // thrust column, where the ramp meets the surface
    int y0 = 0;      // surface row of column x0, or H when it is all sky
    int h = 0;       // rise of the hanging wall, rows
    int s = 0;       // move of the hanging wall to the left, columns
    int xA = 0;      // column where the ramp reaches row H
    int xL = 0;      // upper end of the ramp line (not painted)
    int yL = 0;

    // Row of the ramp at column x >= x0: above it the hanging wall.
    int Rampe(int x) const;
};

// Reads Observe and FacteurPliPrec; writes nothing.
GeometrieChevauchement MesureChevauchement(const Section& sec);

}  // namespace section
