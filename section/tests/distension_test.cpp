// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "../src/distension.h"
#include "section/section.h"
#include "texte.h"

namespace section {
namespace {

using test::Coupe;

int Surface(const Raster& r, int x) {
    int y = 0;
    while (r.Pixels(x, y) == kBleu && y < r.height()) ++y;
    return y;
}

// k(r): offset of both faults on row r, before the movement.
int K(int h, int r) { return MesureDistension(h).Decalage(h - 1 - r); }

// A section whose every cell has its own colour, none of them blue or black,
// blue above row `ciel` (all columns).
Raster Bigarree(int w, int h, int ciel = 0) {
    Raster r(w, h, kBleu);
    for (int y = std::max(ciel, 0); y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.row(y)[x] = Rgb(static_cast<unsigned>(x) & 0xFFu, static_cast<unsigned>(y) & 0xFFu,
                              100u + static_cast<unsigned>(x >> 8) + 4u * static_cast<unsigned>(y >> 8));
    return r;
}

Section Avec(Raster r) {
    Section s;
    s.Observe = std::move(r);
    return s;
}

// Whether column x on row y lies within one column of the straight line a-b.
bool PresDeLaDroite(int x, int y, Point a, Point b) {
    const double ideal = a.x + static_cast<double>(b.x - a.x) * (y - a.y) / (b.y - a.y);
    return std::abs(x - ideal) <= 1.0;
}

// The first black column of row y in [de, a), or -1.
int PremierNoir(const Raster& r, int y, int de, int a) {
    for (int x = de; x < a; ++x)
        if (r.Pixels(x, y) == kNoir) return x;
    return -1;
}

std::vector<int> Noirs(const Raster& r, int y, int de, int a) {
    std::vector<int> xs;
    for (int x = de; x < a; ++x)
        if (r.Pixels(x, y) == kNoir) xs.push_back(x);
    return xs;
}

TEST(MesureDistension, HeaveAndStartPointsWhateverTheSize) {
    for (int h : {0, 1, 29, 30, 59, 60, 300, 600, 1200}) {
        const GeometrieDistension g = MesureDistension(h);
        EXPECT_EQ(g.t, 0.5773502691896257) << h;
        EXPECT_EQ(g.d, 17) << h;  // 17.32 truncated
        EXPECT_EQ(g.P1.x, 183) << h;
        EXPECT_EQ(g.P1.y, h + 1) << h;
        EXPECT_EQ(g.P2.x, 347) << h;
        EXPECT_EQ(g.P2.y, h + 1) << h;
    }
    EXPECT_EQ(MesureDistension(300).kk, 155);  // 155.88
    EXPECT_EQ(MesureDistension(600).kk, 329);  // 329.09
    const GeometrieDistension g = MesureDistension(600);
    EXPECT_EQ(g.Decalage(349), 201);
    EXPECT_EQ(g.Decalage(317), 183);
    EXPECT_EQ(g.Decalage(316), 182);
    EXPECT_EQ(g.Hauteur(17), 29);  // column 347 drops over its full height
    EXPECT_EQ(g.Hauteur(200), 346);
}

TEST(Distendre, WorkedExample640x300) {
    Section s = Avec(Coupe(640, 300, {100}));
    Distendre(s);
    for (int x = 90; x <= 440; ++x) EXPECT_EQ(Surface(s.Observe, x), 130) << x;
    for (int x = 0; x <= 60; ++x) EXPECT_EQ(Surface(s.Observe, x), 100) << x;
    for (int x = 470; x < 640; ++x) EXPECT_EQ(Surface(s.Observe, x), 100) << x;
    EXPECT_EQ(s.Observe.BrushColor, kBleu);
    EXPECT_EQ(s.Observe.CopyMode, ModeCopie::Copie);

    // Drawing the traces changes no probe of the searches.
    const GeometrieDistension g = MesureDistension(300);
    const Point gauche = FinTraceGauche(s.Observe, g), droite = FinTraceDroite(s.Observe, g);
    EXPECT_EQ(gauche.x, 67);
    EXPECT_EQ(gauche.y, 99);
    EXPECT_EQ(droite.x, 463);
    EXPECT_EQ(droite.y, 99);
    // Each steep trace paints one pixel a row from the bottom row up to row
    // 100, none on its end row 99, next to its end point on row 100.
    for (int y = 0; y < 300; ++y) {
        const std::size_t attendu = y >= 100 ? 1 : 0;
        EXPECT_EQ(Noirs(s.Observe, y, 0, 265).size(), attendu) << y;
        EXPECT_EQ(Noirs(s.Observe, y, 265, 640).size(), attendu) << y;
    }
    for (int y = 100; y < 300; ++y) {
        EXPECT_TRUE(PresDeLaDroite(PremierNoir(s.Observe, y, 0, 265), y, g.P1, gauche)) << y;
        EXPECT_TRUE(PresDeLaDroite(PremierNoir(s.Observe, y, 265, 640), y, g.P2, droite)) << y;
    }
}

TEST(Distendre, WorkedExample640x600LeftFaultLeavesTheSection) {
    Section s = Avec(Coupe(640, 600, {200}));
    EXPECT_EQ(K(600, 250), 201);
    Distendre(s);
    for (int x = 0; x <= 550; ++x) EXPECT_EQ(Surface(s.Observe, x), 230) << x;
    const GeometrieDistension g = MesureDistension(600);
    const Point gauche = FinTraceGauche(s.Observe, g), droite = FinTraceDroite(s.Observe, g);
    EXPECT_EQ(gauche.x, 0);
    EXPECT_EQ(gauche.y, 283);
    EXPECT_EQ(droite.x, 578);
    EXPECT_EQ(droite.y, 199);
    // The left trace reaches the left edge just below row 283.
    EXPECT_TRUE(Noirs(s.Observe, 283, 0, 265).empty());
    for (int y = 284; y < 600; ++y)
        EXPECT_TRUE(PresDeLaDroite(PremierNoir(s.Observe, y, 0, 265), y, g.P1, gauche)) << y;
    const int bord = PremierNoir(s.Observe, 284, 0, 265);
    EXPECT_TRUE(bord == 0 || bord == 1) << bord;
}

// Every cell moves by the rule of its block: rows 0..28 stay, the outer
// blocks go 17 columns outward from row 29 down, the graben 30 rows down.
// Graben cells of rows 0..28 left of column 199 - kk or right of 331 + kk
// are not lowered: their place below is the gap triangle. The cell right at
// each shifted fault may belong to either side; the black trace runs there
// and covers a cell of any block.
TEST(Distendre, BlocksMoveAsTheFaultsDivideThem) {
    struct Cas {
        int w, h;
    };
    for (Cas c : {Cas{640, 300}, Cas{640, 600}, Cas{900, 120}, Cas{640, 59}, Cas{640, 30}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        const int w = c.w, h = c.h;
        const Raster avant = Bigarree(w, h);
        Section s = Avec(avant);
        Distendre(s);
        const Raster& o = s.Observe;
        auto egal = [&](int x, int y, int sx, int sy) {
            const Couleur p = o.Pixels(x, y);
            return p == avant.Pixels(sx, sy) || p == kNoir;
        };
        for (int y = 0; y < Rejet - 1; ++y)
            for (int x = 0; x < w; ++x) ASSERT_TRUE(egal(x, y, x, y)) << x << "," << y;
        for (int r = Rejet - 1; r < h; ++r) {
            const int k = K(h, r);
            for (int x = 0; x <= 181 - k; ++x) ASSERT_TRUE(egal(x, r, x + 17, r)) << x << "," << r;
            for (int x = 349 + k; x < w; ++x) ASSERT_TRUE(egal(x, r, x - 17, r)) << x << "," << r;
        }
        const int kk = MesureDistension(h).kk;
        for (int r = Rejet; r < h; ++r) {
            const int kl = std::min(K(h, r - Rejet), kk + 1);
            for (int x = std::max(200 - kl, 0); x <= std::min(330 + kl, w - 1); ++x)
                ASSERT_TRUE(egal(x, r, x, r - Rejet)) << x << "," << r;
        }
        // On row 29 the graben keeps its cells.
        for (int x = std::max(200 - kk, 0); x <= std::min(330 + kk, w - 1); ++x)
            EXPECT_TRUE(egal(x, 29, x, 29)) << x;
    }
}

// A section of rock up to row 0: the only blue left is in the two gap
// triangles just outside the upper ends of the faults, all of row 29's gaps
// and, below, the gap cells beyond the lowered columns 199 - kk and 331 + kk.
TEST(Distendre, GapTrianglesStayBlue) {
    const int w = 640, h = 300;
    const GeometrieDistension g = MesureDistension(h);
    Section s = Avec(Coupe(w, h, {0}));
    Distendre(s);
    auto triangle = [&](int x, int r) {
        if (r < Rejet - 1) return false;
        const int k = K(h, r);
        const bool gauche = x >= 200 - k - g.d && x < 200 - k;
        const bool droite = x >= 331 + k && x < 331 + k + g.d;
        if (r == Rejet - 1) return gauche || droite;
        return (gauche && x < 199 - g.kk) || (droite && x > 331 + g.kk);
    };
    int bleus = 0, cellules = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Couleur c = s.Observe.Pixels(x, y);
            if (triangle(x, y)) {
                ++cellules;
                EXPECT_TRUE(c == kBleu || c == kNoir) << x << "," << y;
            } else {
                EXPECT_NE(c, kBleu) << x << "," << y;
            }
            if (c == kBleu) ++bleus;
        }
    EXPECT_GT(cellules, 2 * 17 * 10);
    EXPECT_GT(bleus, cellules - 2 * 30);  // the traces cross the triangles at most once a row
    for (int y = 57; y < h; ++y)
        for (int x = 0; x < w; ++x) ASSERT_NE(s.Observe.Pixels(x, y), kBleu) << x << "," << y;
}

TEST(Distendre, SecondDistensionCutsAlongTheSameFeet) {
    Section s = Avec(Coupe(640, 300, {100}));
    Distendre(s);
    const std::vector<int> gauche = Noirs(s.Observe, 200, 0, 265);
    const std::vector<int> droite = Noirs(s.Observe, 200, 265, 640);
    ASSERT_EQ(gauche.size(), 1u);
    ASSERT_EQ(droite.size(), 1u);
    Distendre(s);
    EXPECT_EQ(Surface(s.Observe, 265), 160);
    for (int x = 150; x <= 380; ++x) EXPECT_EQ(Surface(s.Observe, x), 160) << x;
    for (int x = 0; x <= 40; ++x) EXPECT_EQ(Surface(s.Observe, x), 100) << x;
    for (int x = 500; x < 640; ++x) EXPECT_EQ(Surface(s.Observe, x), 100) << x;
    // The first traces now lie in the outer blocks and moved outward with
    // them; the new traces run where the first ones were drawn.
    EXPECT_EQ(Noirs(s.Observe, 200, 0, 265), (std::vector<int>{gauche[0] - 17, gauche[0]}));
    EXPECT_EQ(Noirs(s.Observe, 200, 265, 640), (std::vector<int>{droite[0], droite[0] + 17}));
}

TEST(FinTrace, StopsOnTheFirstBluePairFromTheBottom) {
    const int w = 640, h = 300;
    const GeometrieDistension g = MesureDistension(h);
    Raster r = Coupe(w, h, {0});
    auto xg = [&](int y) { return 183 - g.Decalage(h - y); };
    auto xd = [&](int y) { return 347 + g.Decalage(h - y); };
    // A lone blue cell on the line, or with its inner neighbour, is not sky.
    r.row(250)[xg(250)] = kBleu;
    r.row(250)[xg(250) + 1] = kBleu;
    r.row(250)[xd(250)] = kBleu;
    r.row(250)[xd(250) - 1] = kBleu;
    r.row(150)[xg(150)] = kBleu;
    r.row(150)[xg(150) - 1] = kBleu;
    r.row(150)[xd(150)] = kBleu;
    r.row(150)[xd(150) + 1] = kBleu;
    r.row(120)[xg(120)] = kBleu;
    r.row(120)[xg(120) - 1] = kBleu;
    const Point p = FinTraceGauche(r, g), q = FinTraceDroite(r, g);
    EXPECT_EQ(p.y, 150);
    EXPECT_EQ(p.x, xg(150));
    EXPECT_EQ(q.y, 150);
    EXPECT_EQ(q.x, xd(150));
}

TEST(FinTrace, EndsOnTheEdgesWithoutSky) {
    // Rock everywhere except column W - 1: beside it lies no cell, so the
    // right search goes on to x = W; a low section sends the left search
    // above the top edge until x = 0.
    Raster r = Coupe(640, 600, {0});
    for (int y = 0; y < 600; ++y) r.row(y)[639] = kBleu;
    const Point q = FinTraceDroite(r, MesureDistension(600));
    EXPECT_EQ(q.x, 640);
    EXPECT_EQ(q.y, 92);  // Trunc(508 t) = 293
    const Point p = FinTraceGauche(Coupe(640, 100, {0}), MesureDistension(100));
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 100 - 317);
    // Narrower than the right foot: the search ends on its first probe.
    for (int w : {0, 300, 347}) {
        const Point e = FinTraceDroite(Raster(w, 100, kBleu), MesureDistension(100));
        EXPECT_EQ(e.x, 347) << w;
        EXPECT_EQ(e.y, 100) << w;
    }
}

// Sections below 60 rows or narrower than 347 columns: the operation ends,
// keeps the size, and moves only what the rules above say.
TEST(Distendre, OddSizesTerminateInsideTheRaster) {
    struct Cas {
        int w, h;
    };
    for (Cas c : {Cas{120, 50}, Cas{120, 20}, Cas{400, 50}, Cas{300, 300}, Cas{346, 100},
                  Cas{347, 100}, Cas{348, 100}, Cas{640, 59}, Cas{640, 58}, Cas{640, 30},
                  Cas{640, 29}, Cas{640, 1}, Cas{1, 640}, Cas{17, 40}, Cas{0, 0}, Cas{5, 0}}) {
        const Raster avant = Bigarree(c.w, c.h, c.h / 3);
        Section s = Avec(avant);
        Distendre(s);
        ASSERT_EQ(s.Observe.width(), c.w);
        ASSERT_EQ(s.Observe.height(), c.h);
        if (c.h < Rejet) {
            for (int y = 0; y < c.h; ++y)
                for (int x = 0; x < c.w; ++x) {
                    const Couleur p = s.Observe.Pixels(x, y);
                    EXPECT_TRUE(p == avant.Pixels(x, y) || p == kNoir) << c.w << "x" << c.h;
                }
        }
    }
    // 120 x 50: only the left block exists; rows 29..49 move 17 columns
    // left, and the cells whose source lies beyond the right edge keep theirs.
    const Raster avant = Bigarree(120, 50);
    Section s = Avec(avant);
    Distendre(s);
    for (int r = 29; r < 50; ++r)
        for (int x = 0; x < 120; ++x) {
            const Couleur p = s.Observe.Pixels(x, r);
            const Couleur e = avant.Pixels(x < 103 ? x + 17 : x, r);
            EXPECT_TRUE(p == e || p == kNoir) << x << "," << r;
        }
}

}  // namespace
}  // namespace section
