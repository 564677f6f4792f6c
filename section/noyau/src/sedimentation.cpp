// SPDX-License-Identifier: GPL-3.0-or-later
// Sedimentation and erosion: the two events that change the section from
// above. Both read the surface extent (SurfaceBas, SurfaceHaut) left by the
// last MesureSurface and leave a level surface behind.
#include <algorithm>
#include <vector>

#include "section/section.h"

namespace section {

namespace {

// Rows between the highest point of an uneven surface and the line that caps
// an uneven sedimentation.
constexpr int kMargeRemblai = 10;
// Rows by which an erosion lowers a flat surface.
constexpr int kCoupeErosion = 33;

// Flat surface at row s = SH (SB = s + 1): the layer picture, stretched to the
// full width and never stretched in height, is laid with its bottom row on
// row s, so it covers rows s + 1 - h2 .. s. No line is drawn.
//
//        row s+1-h2  +--------------------------+
//                    |  ImSedim2 (w2 -> W wide)  |
//        row s       +--------------------------+  <- old surface, overwritten
void CoucheSurPlan(Section& s) {
    const Raster& couche = s.tex.ImSedim2;
    const int w2 = couche.width(), h2 = couche.height();
    s.Observe.CopyRect({0, s.SurfaceBas - h2, s.W(), s.SurfaceBas}, couche, {0, 0, w2, h2});
}

// ScruteColonne of every column, the raster read row by row. Each column
// walks through four states: sky above its surface, its first run of rock,
// its first hole, done; r1, r2 and r3 are the rows at which it leaves the
// first three. A row can only move the columns still in the sky or in the
// hole if it holds rock, and those in the rock if it holds blue: rows that
// can move none are passed over after counting their blue pixels.
std::vector<Colonne> ScruteToutes(const Raster& o) {
    const int w = o.width(), h = o.height();
    // A walk that ends at row H leaves the rows it has not reached at H
    // (and r1 at H + 1), as the column walk does.
    std::vector<Colonne> c(static_cast<std::size_t>(std::max(w, 0)), Colonne{h + 1, h, h});
    std::vector<unsigned char> etat(c.size(), 0);
    int ciel = w, roche = 0, trou = 0;  // columns in the first three states
    for (int y = 0; y < h && ciel + roche + trou > 0; ++y) {
        const Couleur* p = o.row(y);
        int bleus = 0;
        for (int x = 0; x < w; ++x) bleus += p[x] == kBleu ? 1 : 0;
        if (bleus == 0 && ciel == 0 && trou == 0) continue;
        if (bleus == w && roche == 0) continue;
        for (int x = 0; x < w; ++x) {
            const bool bleu = p[x] == kBleu;
            unsigned char& e = etat[static_cast<std::size_t>(x)];
            Colonne& col = c[static_cast<std::size_t>(x)];
            if (e == 0 && !bleu) {
                col.r1 = y + 1;
                e = 1;
                --ciel;
                ++roche;
            } else if (e == 1 && bleu) {
                col.r2 = y;
                e = 2;
                --roche;
                ++trou;
            } else if (e == 2 && !bleu) {
                col.r3 = y;
                e = 3;
                --trou;
            }
        }
    }
    return c;
}

// The top-up of every column at once, row by row, in plain copy: row y of
// column x takes row y - niveau of the texture for niveau <= y < fin[x],
// where both pixels exist (the column copies leave the others as they are).
void CompleterParLignes(Raster& o, const Raster& texture, int niveau, const std::vector<int>& fin) {
    const int largeur = std::min(o.width(), texture.width());
    int bas = niveau;
    for (const int f : fin) bas = std::max(bas, f);
    bas = std::min({bas, o.height(), texture.height() + niveau});
    for (int y = std::max(niveau, 0); y < bas; ++y) {
        const Couleur* source = texture.row(y - niveau);
        Couleur* ligne = o.row(y);
        for (int x = 0; x < largeur; ++x)
            if (y < fin[static_cast<std::size_t>(x)]) ligne[x] = source[x];
    }
    // A texture has no plane: the pixels written take the current formation.
    if (!o.FormationsActives()) return;
    const Formation f = o.FormationCourante;
    for (int y = std::max(niveau, 0); y < bas; ++y) {
        Formation* ligne = o.ligneFormations(y);
        for (int x = 0; x < largeur; ++x)
            if (y < fin[static_cast<std::size_t>(x)]) ligne[x] = f;
    }
}

// Fills the holes of column x with the infill texture taken at their own
// position, starting from the scan `c` made before the top-up. Each pass
// copies ImSedim3 into the first hole (rows r2 .. r3 - 1) and scans the column
// again from row 0.
//
// A pass that turns at least one hole pixel into rock changes the scan: the
// hole's top row moves down or its bottom row moves up. A pass that turns none
// (the texture is blue there, or the column lies beyond its width) leaves the
// column exactly as it was, and the scan would report the same hole for ever:
// the column is then done, and any holes further down stay open. Each pass
// that changes something removes at least one blue pixel, so the passes are
// bounded by the column's height; the counter only states that bound.
void ComblerTrous(Section& s, int x, Colonne c) {
    const Raster& texture = s.tex.ImSedim3;
    for (int passes = 0; c.r2 != c.r3 && passes <= s.H(); ++passes) {
        const Rect trou{x, c.r2, x + 1, c.r3};
        s.Observe.CopyRect(trou, texture, trou);
        const Colonne suite = ScruteColonne(s, x);
        if (suite.r2 == c.r2 && suite.r3 == c.r3) return;  // hole left open
        c = suite;
    }
}

// Uneven surface: every column is topped up with the infill texture from the
// level SH - 10 down to just above its own surface, its holes are filled with
// the texture at their own rows, and the level is capped with a black line.
//
//    row SH-10  ===========================  black line
//               |tex|tex |tex   |tex|tex|    texture hung from row SH - 10,
//               |   |####|      |   |###|    its row 0 on row SH - 10
//               ####     #   ####   ###      old surface
//                 ##  hole: texture at its own rows (top at row 0)
//
// Each column is scanned, topped up and filled on its own, and nothing done
// to one column changes another, so the first scans of all the columns are
// made together, then all the top-ups, reading the raster row by row.
void RemblaiSurRelief(Section& s) {
    const Raster& texture = s.tex.ImSedim3;
    const int niveau = s.SurfaceHaut - kMargeRemblai;
    const int w = s.W();
    const std::vector<Colonne> scans = ScruteToutes(s.Observe);
    // Top-up: texture pixel (x, y - niveau) goes to (x, y) for rows
    // niveau .. t - 1, t the column's surface row. A column whose surface
    // lies above the level (only possible where MesureSurface did not look)
    // keeps what it has.
    std::vector<int> fin(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) {
        const Colonne& c = scans[static_cast<std::size_t>(x)];
        const int t = c.r1 - 1;
        fin[static_cast<std::size_t>(x)] =
            s.SurfaceBas - texture.height() < c.r1 && t > niveau ? t : niveau;
    }
    if (s.Observe.CopyMode == ModeCopie::Copie) {
        CompleterParLignes(s.Observe, texture, niveau, fin);
    } else {
        for (int x = 0; x < w; ++x) {
            const int t = fin[static_cast<std::size_t>(x)];
            if (t > niveau) s.Observe.CopyRect({x, niveau, x + 1, t}, texture, {x, 0, x + 1, t - niveau});
        }
    }
    for (int x = 0; x < w; ++x) ComblerTrous(s, x, scans[static_cast<std::size_t>(x)]);
    s.Observe.Polyline({0, niveau}, {w, niveau});
}

}  // namespace

// Precondition: SurfaceBas and SurfaceHaut describe the current Observe.
void Sedimenter(Section& s) {
    if (s.SurfacePlane()) CoucheSurPlan(s);
    else RemblaiSurRelief(s);
}

// Cuts the section level: everything above row a - 1 becomes sky and row
// a - 1 becomes the black cut line. On a flat surface a = SB + 33, so the
// surface drops by 33 rows; on an uneven one a = SB, so the section is planed
// down to its lowest surface point, row SB - 1.
//
//    rows 0 .. a-2   blue
//    row  a-1        black
void Eroder(Section& s) {
    int a = s.SurfaceBas;
    if (s.SurfacePlane()) a += kCoupeErosion;
    s.Observe.BrushColor = kBleu;
    s.Observe.FillRect({0, 0, s.W(), a});
    s.Observe.Polyline({0, a - 1}, {s.W(), a - 1});
}

}  // namespace section
