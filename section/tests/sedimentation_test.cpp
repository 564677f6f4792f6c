// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "section/section.h"
#include "texte.h"

namespace section {
namespace {

using test::CouleurDe;
using test::Coupe;
using test::DeTexte;

// A texture whose every pixel tells where it came from; never blue, red or
// black, so it reads as rock.
Couleur Marque(int x, int y) {
    return Rgb(static_cast<unsigned>(x), static_cast<unsigned>(y),
               0x40u | static_cast<unsigned>((x >> 8) & 3) << 2 | static_cast<unsigned>((y >> 8) & 3));
}

Raster Marquee(int w, int h) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) r.row(y)[x] = Marque(x, y);
    return r;
}

// A section over `surface`, textures sized as the reset expects, measured.
Section Preparer(int w, int h, const std::vector<int>& surface) {
    Section s;
    s.Observe = Coupe(w, h, surface);
    s.Observe.BrushColor = kBleu;
    s.tex.ImSedim2 = DeTexte({"GYMC", "OGYM", "CMOG"});
    s.tex.ImSedim3 = Marquee(w, h);
    MesureSurface(s);
    return s;
}

int CompteNoirs(const Raster& r) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.Pixels(x, y) == kNoir;
    return n;
}

void Trou(Raster& r, int x, int de, int a) {  // rows de .. a - 1 of column x
    for (int y = de; y < a; ++y) r.row(y)[x] = kBleu;
}

TEST(SedimenterPlan, LayerStretchedAcrossOnTheOldSurfaceWithoutLine) {
    Section s = Preparer(13, 40, {20});
    ASSERT_TRUE(s.SurfacePlane());
    const Raster avant = s.Observe;
    Sedimenter(s);
    const Raster& couche = s.tex.ImSedim2;
    const Raster& o = s.Observe;
    for (int x = 0; x < 13; ++x) {
        // Rows 18 .. 20 hold the picture, its bottom row on the old surface.
        const int src = x * 4 / 13;
        for (int j = 0; j < 3; ++j) EXPECT_EQ(o.Pixels(x, 18 + j), couche.Pixels(src, j)) << x;
        for (int y = 0; y < 18; ++y) EXPECT_EQ(o.Pixels(x, y), kBleu) << x << "," << y;
        for (int y = 21; y < 40; ++y) EXPECT_EQ(o.Pixels(x, y), avant.Pixels(x, y));
    }
    EXPECT_EQ(CompteNoirs(o), 0);
    MesureSurface(s);
    EXPECT_EQ(s.SurfaceHaut, 18);  // raised by h2 - 1 = 2 rows
    EXPECT_TRUE(s.SurfacePlane());
}

TEST(SedimenterPlan, NarrowLayerRepeatsColumnsNeverBlends) {
    Section s = Preparer(650, 60, {30});
    s.tex.ImSedim2 = Raster(100, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 100; ++x) s.tex.ImSedim2.row(y)[x] = Marque(x, y);
    Sedimenter(s);
    int precedente = -1;
    for (int x = 0; x < 650; ++x) {
        // Each section column is one whole picture column, in order.
        const Couleur haut = s.Observe.Pixels(x, 27);
        int col = -1;
        for (int c = 0; c < 100; ++c)
            if (Marque(c, 0) == haut) col = c;
        ASSERT_GE(col, 0) << "blended colour at column " << x;
        EXPECT_GE(col, precedente);
        EXPECT_LE(col - precedente, 1);
        for (int j = 0; j < 4; ++j) EXPECT_EQ(s.Observe.Pixels(x, 27 + j), Marque(col, j));
        precedente = col;
    }
    EXPECT_EQ(precedente, 99);
}

TEST(SedimenterPlan, HoleBelowFlatSurfaceStaysOpen) {
    Section s = Preparer(20, 400, {150});
    Trou(s.Observe, 7, 300, 310);
    Sedimenter(s);
    for (int y = 300; y < 310; ++y) EXPECT_EQ(s.Observe.Pixels(7, y), kBleu);
}

// Surface between rows 200 and 260, column 1 in between.
std::vector<int> Relief(int w) {
    std::vector<int> t(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) t[static_cast<std::size_t>(x)] = 200 + (x * 7) % 50;
    t[5] = 200;
    t[17] = 260;
    t[1] = 230;
    return t;
}

TEST(SedimenterRelief, FillsUpToTenRowsAboveHighestPointAndCaps) {
    const int w = 40, h = 400;
    const std::vector<int> t = Relief(w);
    Section s = Preparer(w, h, t);
    ASSERT_EQ(s.SurfaceHaut, 200);
    ASSERT_EQ(s.SurfaceBas, 261);
    const Raster avant = s.Observe;
    Sedimenter(s);
    for (int x = 0; x < w; ++x) {
        const int tx = t[static_cast<std::size_t>(x)];
        for (int y = 0; y < 190; ++y) ASSERT_EQ(s.Observe.Pixels(x, y), kBleu) << x << "," << y;
        EXPECT_EQ(s.Observe.Pixels(x, 190), kNoir) << x;
        // The texture hangs with its row 0 on row 190 (under the line).
        for (int y = 191; y < tx; ++y) ASSERT_EQ(s.Observe.Pixels(x, y), Marque(x, y - 190)) << x << "," << y;
        for (int y = tx; y < h; ++y) ASSERT_EQ(s.Observe.Pixels(x, y), avant.Pixels(x, y));
    }
    MesureSurface(s);
    EXPECT_EQ(s.SurfaceHaut, 190);
    EXPECT_EQ(s.SurfaceBas, 191);
}

TEST(SedimenterRelief, HoleTakesTextureAtItsOwnRows) {
    Section s = Preparer(40, 400, Relief(40));
    Trou(s.Observe, 7, 300, 310);
    Trou(s.Observe, 7, 330, 332);  // a second hole, deeper
    Trou(s.Observe, 9, 380, 400);  // a hole reaching the bottom edge
    Sedimenter(s);
    for (int y = 300; y < 310; ++y) EXPECT_EQ(s.Observe.Pixels(7, y), Marque(7, y)) << y;
    for (int y = 330; y < 332; ++y) EXPECT_EQ(s.Observe.Pixels(7, y), Marque(7, y)) << y;
    for (int y = 380; y < 400; ++y) EXPECT_EQ(s.Observe.Pixels(9, y), Marque(9, y)) << y;
}

TEST(SedimenterRelief, BlueCarriedByTheDepositIsKeptWhereNoHoleWas) {
    Section s = Preparer(40, 400, Relief(40));
    // Column 3 (surface 221) gets texture row 10 at row 200: make it blue.
    s.tex.ImSedim3.row(10)[3] = kBleu;
    Sedimenter(s);
    EXPECT_EQ(s.Observe.Pixels(3, 200), kBleu);
    EXPECT_EQ(s.Observe.Pixels(3, 199), Marque(3, 9));
}

TEST(SedimenterRelief, BlueInTheDepositOfAColumnWithAHoleIsFilledLater) {
    Section s = Preparer(40, 400, Relief(40));
    Trou(s.Observe, 3, 300, 310);
    s.tex.ImSedim3.row(10)[3] = kBleu;  // deposit row 200 of column 3
    Sedimenter(s);
    // The rescan after the hole finds the deposit's blue pixel and fills it
    // with the texture at row 200.
    for (int y = 300; y < 310; ++y) EXPECT_EQ(s.Observe.Pixels(3, y), Marque(3, y));
    EXPECT_EQ(s.Observe.Pixels(3, 200), Marque(3, 200));
}

TEST(SedimenterRelief, HoleTheTextureCannotCloseEndsTheColumn) {
    Section s = Preparer(40, 400, Relief(40));
    Trou(s.Observe, 7, 300, 310);
    Trou(s.Observe, 7, 350, 352);
    s.tex.ImSedim3.row(300)[7] = kBleu;  // top of the hole stays blue
    s.tex.ImSedim3.row(305)[7] = kBleu;
    Sedimenter(s);
    const Raster& o = s.Observe;
    EXPECT_EQ(o.Pixels(7, 300), kBleu);
    for (int y = 301; y < 310; ++y)
        EXPECT_EQ(o.Pixels(7, y), y == 305 ? kBleu : Marque(7, y)) << y;
    // Other columns are done as usual.
    EXPECT_EQ(o.Pixels(8, 190), kNoir);
    EXPECT_EQ(o.Pixels(8, 195), Marque(8, 5));
}

TEST(SedimenterRelief, ColumnsBeyondTheTextureEndWithHolesOpen) {
    Section s = Preparer(40, 400, Relief(40));
    s.tex.ImSedim3 = Marquee(35, 400);
    for (int x = 30; x < 40; ++x) Trou(s.Observe, x, 300, 310);
    Sedimenter(s);
    for (int x = 30; x < 40; ++x)
        for (int y = 300; y < 310; ++y)
            EXPECT_EQ(s.Observe.Pixels(x, y), x < 35 ? Marque(x, y) : kBleu) << x << "," << y;
    EXPECT_EQ(s.Observe.Pixels(36, 190), kNoir);  // the line still spans the width
    EXPECT_EQ(s.Observe.Pixels(36, 195), kBleu);  // nothing to top up with
}

TEST(SedimenterRelief, ColumnAboveTheLevelKeepsWhatItHas) {
    std::vector<int> t = Relief(40);
    t[0] = 150;  // column 0 is never measured
    Section s = Preparer(40, 400, t);
    ASSERT_EQ(s.SurfaceHaut, 200);
    const Raster avant = s.Observe;
    Sedimenter(s);
    for (int y = 0; y < 400; ++y)
        if (y != 190) { ASSERT_EQ(s.Observe.Pixels(0, y), avant.Pixels(0, y)) << y; }
    EXPECT_EQ(s.Observe.Pixels(0, 190), kNoir);
}

TEST(Eroder, FlatSurfaceDropsByThirtyThreeRows) {
    Section s = Preparer(30, 400, {150});
    const Raster avant = s.Observe;
    s.Observe.BrushColor = kRouge;
    Eroder(s);
    for (int x = 0; x < 30; ++x) {
        for (int y = 0; y <= 182; ++y) ASSERT_EQ(s.Observe.Pixels(x, y), kBleu);
        EXPECT_EQ(s.Observe.Pixels(x, 183), kNoir);
        for (int y = 184; y < 400; ++y) ASSERT_EQ(s.Observe.Pixels(x, y), avant.Pixels(x, y));
    }
    EXPECT_EQ(s.Observe.BrushColor, kBleu);
    MesureSurface(s);
    EXPECT_EQ(s.SurfaceBas, 184);
    EXPECT_EQ(s.SurfaceHaut, 183);
}

TEST(Eroder, UnevenSurfacePlanedToItsLowestPoint) {
    Section s = Preparer(40, 400, Relief(40));
    ASSERT_EQ(s.SurfaceBas, 261);
    Eroder(s);
    for (int x = 0; x < 40; ++x) {
        for (int y = 0; y < 260; ++y) ASSERT_EQ(s.Observe.Pixels(x, y), kBleu);
        EXPECT_EQ(s.Observe.Pixels(x, 260), kNoir);
        EXPECT_EQ(s.Observe.Pixels(x, 261), CouleurDe('S'));
    }
    MesureSurface(s);
    EXPECT_EQ(s.SurfaceBas, 261);
    EXPECT_EQ(s.SurfaceHaut, 260);
}

// Lists replayed without the availability rules reach sections that the
// interactive commands never see; every operation stays inside and ends.
TEST(SedimentationRejouee, SurfaceAtRowZeroChangesNothing) {
    Section s = Preparer(20, 50, {0});
    ASSERT_FALSE(s.SurfacePlane());  // SB = SH = 1
    const Raster avant = s.Observe;
    Sedimenter(s);
    EXPECT_EQ(s.Observe, avant);  // top-up and line lie above row 0
}

TEST(SedimentationRejouee, EmptySectionAndTallLayerAreClipped) {
    Section vide = Preparer(20, 50, {50});  // all sky
    ASSERT_TRUE(vide.SurfacePlane());
    Sedimenter(vide);  // the layer's bottom row falls below the raster
    EXPECT_EQ(vide.Observe.Pixels(0, 49), CouleurDe('O'));
    EXPECT_EQ(vide.Observe.Pixels(0, 47), kBleu);

    Section haute = Preparer(20, 50, {1});
    haute.tex.ImSedim2 = Marquee(20, 30);
    Sedimenter(haute);  // 30 rows onto row 1: only the last 2 fit
    EXPECT_EQ(haute.Observe.Pixels(4, 0), Marque(4, 28));
    EXPECT_EQ(haute.Observe.Pixels(4, 1), Marque(4, 29));
    EXPECT_EQ(haute.Observe.width(), 20);
    EXPECT_EQ(haute.Observe.height(), 50);
}

TEST(SedimentationRejouee, StaleExtentOnEmptyColumnsAndDeepCutsStayInside) {
    Section s = Preparer(20, 50, {50});
    s.SurfaceBas = 51;
    s.SurfaceHaut = 3;  // uneven: every column is empty, top-up from row -7
    s.tex.ImSedim3 = Marquee(20, 30);  // shorter than the section
    Sedimenter(s);
    EXPECT_EQ(s.Observe.Pixels(2, 0), Marque(2, 7));
    EXPECT_EQ(s.Observe.Pixels(2, 22), Marque(2, 29));
    EXPECT_EQ(s.Observe.Pixels(2, 23), kBleu);  // beyond the texture: kept
    EXPECT_EQ(s.Observe.height(), 50);

    Section e = Preparer(20, 50, {40});
    Eroder(e);  // SB + 33 > H: all blue, line below the raster
    for (int y = 0; y < 50; ++y) EXPECT_EQ(e.Observe.Pixels(5, y), kBleu);
}

}  // namespace
}  // namespace section
