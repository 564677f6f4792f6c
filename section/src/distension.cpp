// Distension: two normal faults at fixed feet, the block between them (a
// graben) dropped by Rejet rows, the outer blocks pulled apart by the heave,
// the gaps beside the graben left blue and the two traces drawn black.
#include "distension.h"

#include <algorithm>
#include <cmath>

namespace section {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

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
    const int d = g.d, kk = g.kk;
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

    // 2. Left flank of the graben, columns 199 - kk .. 199 - d: the rows of
    // column x that lie right of the left fault, 0 .. H - m - 2 with
    // m = Trunc((200 - x) / tan 30), go down R rows. Columns outside the
    // raster would change nothing and are skipped.
    if (kk >= d) {
        const int debut = std::max(gauche - 1 - kk, 0);
        const int fin = std::min(gauche - 1 - d, w - 1);
        for (int x = debut; x <= fin; ++x) {
            const int m = g.Hauteur(gauche - x);
            o.CopyRect({x, Rejet, x + 1, h - m - 1 + Rejet}, o, {x, 0, x + 1, h - m - 1});
        }
    }

    // 3. Core of the graben, columns 183 .. 346: all of it down R rows, its
    // bottom R rows lost. Nothing to move in a section lower than R.
    if (h > Rejet) o.CopyRect({gauche - d, Rejet, droite + d, h}, o, {gauche - d, 0, droite + d, h - Rejet});

    // 4. Right flank, columns 347 .. 331 + kk, the mirror of step 2; column
    // 347 has m = R - 1 and drops over its full height like the core.
    if (droite + 1 + kk >= droite + d) {
        const int fin = std::min(droite + 1 + kk, w - 1);
        for (int x = droite + d; x <= fin; ++x) {
            const int m = g.Hauteur(x - droite);
            o.CopyRect({x, Rejet, x + 1, h - m - 1 + Rejet}, o, {x, 0, x + 1, h - m - 1});
        }
    }

    // 5, 6. The traces, in the pen's colour, end points not painted.
    o.Polyline(g.P1, FinTraceGauche(o, g));
    o.Polyline(g.P2, FinTraceDroite(o, g));
}

}  // namespace section
