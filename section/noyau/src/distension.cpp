// SPDX-License-Identifier: GPL-3.0-or-later
// Distension: two normal faults at fixed feet, the block between them (a
// graben) dropped by Rejet rows, the outer blocks pulled apart by the heave,
// the gaps beside the graben left blue and the two traces drawn black.
#include "distension.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace section {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// Steps 2 to 4 as one copy per column (and one for the core), in the copy
// mode in effect.
void AbaisserParColonnes(Raster& o, const GeometrieDistension& g) {
    const int w = o.width(), h = o.height();
    const int d = g.d, kk = g.kk;
    const int gauche = PiedFailleGauche, droite = PiedFailleDroite;
    if (kk >= d) {
        const int debut = std::max(gauche - 1 - kk, 0);
        const int fin = std::min(gauche - 1 - d, w - 1);
        for (int x = debut; x <= fin; ++x) {
            const int m = g.Hauteur(gauche - x);
            o.CopyRect({x, Rejet, x + 1, h - m - 1 + Rejet}, o, {x, 0, x + 1, h - m - 1});
        }
    }
    if (h > Rejet) o.CopyRect({gauche - d, Rejet, droite + d, h}, o, {gauche - d, 0, droite + d, h - Rejet});
    if (droite + 1 + kk >= droite + d) {
        const int fin = std::min(droite + 1 + kk, w - 1);
        for (int x = droite + d; x <= fin; ++x) {
            const int m = g.Hauteur(x - droite);
            o.CopyRect({x, Rejet, x + 1, h - m - 1 + Rejet}, o, {x, 0, x + 1, h - m - 1});
        }
    }
}

// Rows of column x that steps 2 to 4 move down: destination rows
// R .. R + n - 1 take rows 0 .. n - 1, and n is returned (0 for a column that
// does not move).
std::vector<int> LignesAbaissees(int w, const GeometrieDistension& g) {
    const int h = g.h, d = g.d, kk = g.kk;
    const int gauche = PiedFailleGauche, droite = PiedFailleDroite;
    std::vector<int> n(static_cast<std::size_t>(std::max(w, 0)), 0);
    // A flank column moves rows 0 .. H - m - 2, cut at the bottom edge.
    const auto flanc = [&](int x, int m) {
        n[static_cast<std::size_t>(x)] = std::max(0, std::min(h - m - 1, h - Rejet));
    };
    if (kk >= d) {
        const int fin = std::min(gauche - 1 - d, w - 1);
        for (int x = std::max(gauche - 1 - kk, 0); x <= fin; ++x) flanc(x, g.Hauteur(gauche - x));
    }
    if (h > Rejet) {
        const int fin = std::min(droite + d, w);
        for (int x = std::max(gauche - d, 0); x < fin; ++x) n[static_cast<std::size_t>(x)] = h - Rejet;
    }
    if (droite + 1 + kk >= droite + d) {
        const int fin = std::min(droite + 1 + kk, w - 1);
        for (int x = std::max(droite + d, 0); x <= fin; ++x) flanc(x, g.Hauteur(x - droite));
    }
    return n;
}

// Steps 2 to 4 row by row, in plain copy: row y (from the bottom up) takes
// row y - R in every column that moves at least y - R + 1 rows. Going up,
// the source row y - R is rewritten only in a later pass, so it is read as
// it was. The number of moved rows rises across the left flank (m falls as
// x grows), is largest (H - R) in the core and falls across the right
// flank: on each row the moving columns are one run around the core, which
// only widens going up. The formation plane, when on, moves with the colours.
void AbaisserParLignes(Raster& o, const GeometrieDistension& g) {
    const int w = o.width(), h = o.height();
    const std::vector<int> n = LignesAbaissees(w, g);
    if (n.empty()) return;
    const auto pic = static_cast<int>(std::max_element(n.begin(), n.end()) - n.begin());
    const int npic = n[static_cast<std::size_t>(pic)];
    const bool plan = o.FormationsActives();
    int a = pic, b = pic;  // the run [a, b) of the current row
    for (int y = h - 1; y >= Rejet; --y) {
        const int j = y - Rejet;
        if (npic <= j) continue;
        if (b == a) b = a + 1;
        while (a > 0 && n[static_cast<std::size_t>(a - 1)] > j) --a;
        while (b < w && n[static_cast<std::size_t>(b)] > j) ++b;
        std::memcpy(o.row(y) + a, o.row(j) + a, static_cast<std::size_t>(b - a) * sizeof(Couleur));
        if (plan)
            std::memcpy(o.ligneFormations(y) + a, o.ligneFormations(j) + a,
                        static_cast<std::size_t>(b - a) * sizeof(Formation));
    }
}

}  // namespace

int GeometrieDistension::Decalage(int n) const {
    return Tronque(static_cast<long double>(n) * static_cast<long double>(t));
}

int GeometrieDistension::Hauteur(int n) const {
    return Tronque(static_cast<long double>(n) / static_cast<long double>(t));
}

GeometrieDistension MesureDistension(int hauteur) {
    GeometrieDistension g;
    g.h = hauteur;
    g.t = static_cast<double>(std::sin(kPi / 6.0L) / std::cos(kPi / 6.0L));
    g.d = g.Decalage(Rejet);
    g.kk = g.Decalage(hauteur - Rejet);
    g.P1 = {PiedFailleGauche - g.d, hauteur + 1};
    g.P2 = {PiedFailleDroite + g.d, hauteur + 1};
    return g;
}

// The shifted left fault runs up from (183, H) one row per step, leaning one
// column left every 1 or 2 rows (tan 30 > 1/2), so it reaches column 0 within
// 2 * 183 + 1 steps, on row H - 317: the step count below never cuts it short.
Point FinTraceGauche(const Raster& o, const GeometrieDistension& g) {
    const int x0 = PiedFailleGauche - g.d;
    Point p{x0, g.h + 1};
    for (int pas = 0; pas <= 2 * x0 + 1; ++pas) {
        --p.y;
        p.x = x0 - g.Decalage(g.h - p.y);
        if (o.Pixels(p.x, p.y) == kBleu && o.Pixels(p.x - 1, p.y) == kBleu) break;
        if (p.x <= 0) break;
    }
    return p;
}

// The mirror: from (347, H) up and to the right until both the trace cell and
// its right neighbour are blue, or until the line leaves the section through
// its right edge (x = W, reached exactly since x grows by 0 or 1 per step).
// On a section at most 347 columns wide the first probe already lies at or
// beyond the right edge, and the search ends there.
Point FinTraceDroite(const Raster& o, const GeometrieDistension& g) {
    const int x0 = PiedFailleDroite + g.d;
    const int w = o.width();
    Point p{x0, g.h + 1};
    for (int pas = 0; pas <= 2 * std::max(w - x0, 0) + 1; ++pas) {
        --p.y;
        p.x = x0 + g.Decalage(g.h - p.y);
        if (o.Pixels(p.x, p.y) == kBleu && o.Pixels(p.x + 1, p.y) == kBleu) break;
        if (p.x >= w) break;
    }
    return p;
}

// Before, on row r the faults stand at 200 - k(r) and 330 + k(r), with
// k(r) = Trunc((H - 1 - r) * tan 30), leaning outward going up:
//
//      left block  \         graben          /  right block
//                   \_______________________/
//   row H - 1      col 200               col 330
//
// After: each outer block has moved d = 17 columns outward on rows 29 to H - 1
// and the graben has dropped 30 rows; the gaps opened beside it are blue
// where the lowered graben does not cover them (two small triangles just below
// row 29), and each trace runs from below the bottom edge up the shifted
// fault to the top of its scarp:
//
//   ~~~~~~~~~~~~~~\  sky   /~~~~~~~~~~~~~~   outer surfaces stay put
//                  \______/                  graben surface 30 rows lower
//   moved left 17   \    /   moved right 17
//
// Precondition: CopyMode of Observe is plain copy. Leaves Brush.Color blue.
void Distendre(Section& s) {
    Raster& o = s.Observe;
    const int w = o.width(), h = o.height();
    const GeometrieDistension g = MesureDistension(h);
    const int d = g.d;
    const int gauche = PiedFailleGauche, droite = PiedFailleDroite;
    o.BrushColor = kBleu;

    // 1. Row by row from the bottom up to row R - 1: the left block (columns
    // 0 .. 199 - k) moves d columns left, the right block (331 + k .. W - 1)
    // d columns right, and the d columns beside each fault are painted blue.
    // Where a fault has left the section, both rectangles of its copy are
    // reversed by the same amount and lie beyond the raster: nothing moves.
    if (h >= Rejet) {
        for (int y = h; y >= Rejet; --y) {
            const int r = y - 1;
            const int k = g.Decalage(h - y);
            o.CopyRect({0, r, gauche - k - d, r + 1}, o, {d, r, gauche - k, r + 1});
            o.CopyRect({droite + k + d, r, w, r + 1}, o, {droite + k, r, w - d, r + 1});
            o.FillRect({gauche - k - d, r, gauche - k, r + 1});
            o.FillRect({droite + 1 + k, r, droite + 1 + k + d, r + 1});
        }
    }

    // 2 to 4. The graben, lowered by R rows column by column:
    //   left flank   columns 199 - kk .. 199 - d: the rows of column x that
    //                lie right of the left fault, 0 .. H - m - 2 with
    //                m = Trunc((200 - x) / tan 30), go down R rows;
    //   core         columns 183 .. 346: all of it down R rows, its bottom
    //                R rows lost (nothing to move in a section lower than R);
    //   right flank  columns 347 .. 331 + kk, the mirror of the left flank;
    //                column 347 has m = R - 1 and drops like the core.
    // Each column moves within itself, so the order of the columns does not
    // matter; in plain copy the rows are moved row by row instead, reading
    // the raster in memory order. Columns outside the raster change nothing.
    if (o.CopyMode == ModeCopie::Copie) {
        AbaisserParLignes(o, g);
    } else {
        AbaisserParColonnes(o, g);
    }

    // 5, 6. The traces, in the pen's colour, end points not painted.
    o.Polyline(g.P1, FinTraceGauche(o, g));
    o.Polyline(g.P2, FinTraceDroite(o, g));
}

}  // namespace section
