// SPDX-License-Identifier: GPL-3.0-or-later
// Overthrust: a thrust sheet pushed up a straight ramp over the folded
// section, its leading edge laid on the ground in front of the ramp, the ramp
// drawn black and the red base band repainted along the bottom.
#include "chevauchement.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace section {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// First row of column x, from row 0 down, that is not blue; H when the
// column is all sky, 0 for a column outside the raster.
int PremiereRoche(const Raster& o, int x) {
    const int h = o.height();
    int y = 0;
    while (o.Pixels(x, y) == kBleu && y < h) ++y;
    return y;
}

// The body of the sheet, row by row: destination row y of column x - 25
// takes row y + 15 of column x, for every column x from x0 + 26 on whose
// ramp lies below row y + 15 (ramp(x) - 15 > y) and whose source row is in
// the raster. The ramp descends to the right, so on each row those columns
// run from some column to the right edge: one contiguous copy per row. Rows
// are rewritten from the top down; a source row y + 15 is written only in
// its own, later, pass, so every pixel is read before it is overwritten,
// as in the column-by-column copies. Plain copy; the formation plane, when
// on, moves with the colours.
void CorpsParLignes(Raster& o, const GeometrieChevauchement& g) {
    const int w = o.width(), h = o.height();
    const int debut = g.x0 + g.s + 1;
    if (debut >= w) return;
    std::vector<int> rampe(static_cast<std::size_t>(w - debut));
    for (int x = debut; x < w; ++x) rampe[static_cast<std::size_t>(x - debut)] = g.Rampe(x);
    const bool plan = o.FormationsActives();
    int x = debut;
    for (int y = 0; y + g.h < h; ++y) {
        while (x < w && rampe[static_cast<std::size_t>(x - debut)] - g.h <= y) ++x;
        if (x >= w) break;
        std::memcpy(o.row(y) + (x - g.s), o.row(y + g.h) + x,
                    static_cast<std::size_t>(w - x) * sizeof(Couleur));
        if (plan)
            std::memcpy(o.ligneFormations(y) + (x - g.s), o.ligneFormations(y + g.h) + x,
                        static_cast<std::size_t>(w - x) * sizeof(Formation));
    }
}

}  // namespace

int GeometrieChevauchement::Rampe(int x) const {
    return y0 + Tronque(static_cast<long double>(x - x0) / static_cast<long double>(t));
}

// The ramp starts at the surface of the thrust column x0, half a fold period
// from the left edge, and descends to the right one row every t columns:
//
//        x0-25      x0          xA-ish
//   sky    :   ___  :
//   ~~~~~~~~~~~~~~~ *  hanging wall
//                    \__
//     footwall          \__ ramp, 30 degrees below the horizontal
//   ______________________\__ row H
GeometrieChevauchement MesureChevauchement(const Section& sec) {
    const Raster& o = sec.Observe;
    const int w = o.width(), h = o.height();
    GeometrieChevauchement g;
    g.t = static_cast<double>(std::sin(kPi / 3.0L) / std::cos(kPi / 3.0L));
    // The precondition (a fold just made) gives 1.0 or 1.75; a factor that
    // was never set counts as that of a first fold.
    const double f = sec.FacteurPliPrec > 0.0 ? sec.FacteurPliPrec : 1.0;
    g.x0 = ArrondiEntier(static_cast<long double>(w) / (static_cast<long double>(f) * 6.0L));
    g.y0 = PremiereRoche(o, g.x0);
    g.h = Rejet / 2;
    g.s = Tronque(static_cast<long double>(g.h) * static_cast<long double>(g.t));
    g.xA = g.x0 + ArrondiEntier(static_cast<long double>(h - g.y0) * static_cast<long double>(g.t));

    // Upper end of the ramp line: climb from row H until the line's column,
    // counted back from xA, reaches x0. Each row moves it 1 or 2 columns left
    // and one row above y0 it has passed x0 in any case, so the climb ends
    // at (x0, y0), (x0 - 1, y0 - 1), or at once for y0 = H.
    g.yL = h;
    g.xL = g.xA;
    for (int pas = 0; pas <= h - g.y0 + 1; ++pas) {
        --g.yL;
        g.xL = g.xA - Tronque(static_cast<long double>(h - g.yL) * static_cast<long double>(g.t));
        if (g.xL <= g.x0) break;
    }
    return g;
}

// Precondition: Plisser has just run, so FacteurPliPrec is the factor of
// that fold. Leaves Brush.Color of Observe red.
void Chevaucher(Section& sec) {
    Raster& o = sec.Observe;
    const int w = o.width(), h = o.height();
    const GeometrieChevauchement g = MesureChevauchement(sec);

    // Leading edge. Column x (x0 .. x0 + 25) above the ramp, sky and rock
    // down to row q - 1, goes 25 columns left with its lowest row right on
    // the surface ys of that column:
    //
    //   column x - 25           column x
    //        |                      | sky
    //        | <- rows 0..q-1 ----- | rock above the ramp
    //   ys - 1 lowest row lands here | q = ramp(x)
    //   ys   ####  old surface      ####
    //
    // Rows that would land above row 0 or left of column 0 are dropped.
    // When the column x0 is nearly or wholly sky (y0 > H - 14), q exceeds H
    // and the copy's source reaches below the raster: those destination
    // rows, just above ys, keep what they held (sky), so nothing leaves the
    // raster and the piece stops short of the surface by q - H rows.
    // Each ys is read before its column is written; column x0, the only one
    // both read and written, is read in the first pass and written in the last.
    for (int x = g.x0; x <= g.x0 + g.s; ++x) {
        const int u = x - g.s;
        const int ys = PremiereRoche(o, u);
        const int q = g.Rampe(x);
        o.CopyRect({u, ys - q, u + 1, ys}, o, {x, 0, x + 1, q});
    }

    // Body of the sheet. The hanging wall of column x, rows 15 .. ramp - 1,
    // moves 15 rows up and 25 columns left; its top 15 rows (sky) are dropped.
    // Column x is written only in the pass for x + 25, after it was read.
    // In a destination column u the copy ends at ramp(u + 25) - 16, at most
    // ramp(u) - 1: the footwall is never touched. Source rows below the raster
    // leave their destination rows as they were; those lie in the red band.
    // Columns W - 25 .. W - 1 receive nothing.
    if (o.CopyMode == ModeCopie::Copie) {
        CorpsParLignes(o, g);
    } else {
        for (int x = g.x0 + g.s + 1; x < w; ++x) {
            const int r = g.Rampe(x);
            o.CopyRect({x - g.s, 0, x - g.s + 1, r - g.h}, o, {x, g.h, x + 1, r});
        }
    }

    // The ramp as a black line from just below the bottom edge up to the
    // surface point of the thrust column, that end point not painted.
    o.Polyline({g.xA, h}, {g.xL, g.yL});

    // The red base band: rows H - 30 .. H - 1 over the full width.
    o.BrushColor = kRouge;
    o.FillRect({0, h - Rejet, w, h});
}

}  // namespace section
