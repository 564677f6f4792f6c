// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../src/chevauchement.h"
#include "section/section.h"
#include "texte.h"

namespace section {
namespace {

using test::CouleurDe;
using test::Coupe;

int Surface(const Raster& r, int x) {
    int y = 0;
    while (r.Pixels(x, y) == kBleu && y < r.height()) ++y;
    return y;
}

Section Repli(int w, int h, double prec) {
    Section s;
    s.Observe = Coupe(w, h, {h / 2});
    s.FacteurPliPrec = prec;
    return s;
}

TEST(MesureChevauchement, FixedMovesAndThrustColumn) {
    const GeometrieChevauchement g = MesureChevauchement(Repli(640, 600, 1.0));
    EXPECT_EQ(g.t, 1.7320508075688772);
    EXPECT_EQ(g.h, 15);
    EXPECT_EQ(g.s, 25);
    EXPECT_EQ(g.x0, 107);  // 106.67
    EXPECT_EQ(MesureChevauchement(Repli(639, 600, 1.0)).x0, 106);  // 106.5, tie to even
    EXPECT_EQ(MesureChevauchement(Repli(645, 600, 1.0)).x0, 108);  // 107.5, tie to even
    EXPECT_EQ(MesureChevauchement(Repli(640, 600, 1.75)).x0, 61);  // 60.95
}

TEST(MesureChevauchement, RampNearTheThrustColumn) {
    const std::vector<int> attendu = {0, 0, 1, 1,  2,  2,  3,  4,  4,  5,  5,  6,  6, 7,
                                      8, 8, 9, 9, 10, 10, 11, 12, 12, 13, 13, 14, 15};
    const GeometrieChevauchement g = MesureChevauchement(Repli(640, 600, 1.0));
    for (int k = 0; k <= 26; ++k) EXPECT_EQ(g.Rampe(g.x0 + k) - g.y0, attendu[static_cast<std::size_t>(k)]) << k;
}

TEST(Chevaucher, WorkedExampleTwiceOnALevelSection) {
    Section s;
    s.Observe = Coupe(640, 600, {300});
    Plisser(s);
    GeometrieChevauchement g = MesureChevauchement(s);
    EXPECT_EQ(g.x0, 107);
    EXPECT_EQ(g.y0, 320);
    EXPECT_EQ(g.xA, 592);  // 107 + Round(484.97)
    EXPECT_EQ(g.xL, 106);
    EXPECT_EQ(g.yL, 319);
    Chevaucher(s);
    EXPECT_EQ(HautSocle(s), 570);

    Plisser(s);
    EXPECT_EQ(s.FacteurPliPrec, 1.75);
    g = MesureChevauchement(s);
    EXPECT_EQ(g.x0, 61);
    EXPECT_EQ(g.y0, 359);
    EXPECT_EQ(g.xA, 478);
    Chevaucher(s);
    // Red carried up with the second sheet stands 15 rows above the band.
    EXPECT_EQ(HautSocle(s), 555);
}

TEST(Chevaucher, PaintsTheRedBandAndLeavesTheBrushRed) {
    Section s;
    s.Observe = Coupe(200, 120, {60});
    s.Observe.BrushColor = kBleu;
    Plisser(s);
    Chevaucher(s);
    for (int y = 90; y < 120; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(s.Observe.Pixels(x, y), kRouge) << x << "," << y;
    EXPECT_NE(s.Observe.Pixels(150, 89), kRouge);
    EXPECT_EQ(s.Observe.BrushColor, kRouge);
}

// A folded section with layers of several colours, a black bed and a hole.
Section Strates() {
    Section s;
    std::vector<int> t(640);
    for (int x = 0; x < 640; ++x) t[static_cast<std::size_t>(x)] = 280 + (x * 13) % 23;
    s.Observe = Coupe(640, 600, t);
    const char couleurs[] = "GYMCOS";
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 640; ++x)
            if (s.Observe.Pixels(x, y) != kBleu) s.Observe.row(y)[x] = CouleurDe(couleurs[(y / 17 + x / 90) % 6]);
    s.Observe.Polyline({0, 400}, {640, 400});
    for (int y = 450; y < 460; ++y) s.Observe.row(y)[300] = kBleu;
    Plisser(s);
    return s;
}

TEST(Chevaucher, SheetMovesAndFootwallStays) {
    Section s = Strates();
    const Raster avant = s.Observe;
    const GeometrieChevauchement g = MesureChevauchement(s);
    Chevaucher(s);
    const Raster& o = s.Observe;
    const int w = 640, h = 600, bande = h - Rejet;
    Raster trace(w, h, kBleu);
    trace.Polyline({g.xA, h}, {g.xL, g.yL});
    auto ligne = [&](int x, int y) { return trace.Pixels(x, y) == kNoir; };
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < bande; ++y)
            if (ligne(x, y)) { ASSERT_EQ(o.Pixels(x, y), kNoir) << x << "," << y; }

    // Footwall: at or below the ramp, at or below the old surface.
    for (int x = 0; x < w; ++x) {
        const int bas = x >= g.x0 ? g.Rampe(x) : Surface(avant, x);
        for (int y = bas; y < bande; ++y)
            if (!ligne(x, y)) { ASSERT_EQ(o.Pixels(x, y), avant.Pixels(x, y)) << x << "," << y; }
    }
    // Left of the leading edge and right of the last destination: untouched.
    for (int x = 0; x < w; ++x) {
        if (x >= g.x0 - g.s && x < w - g.s) continue;
        for (int y = 0; y < bande; ++y)
            if (!ligne(x, y)) { ASSERT_EQ(o.Pixels(x, y), avant.Pixels(x, y)) << x << "," << y; }
    }
    // Leading edge: column u + 25 above the ramp, stacked on the surface of u.
    for (int u = g.x0 - g.s; u <= g.x0; ++u) {
        const int ys = Surface(avant, u), q = g.Rampe(u + g.s);
        for (int j = 0; j < q; ++j) {
            const int y = ys - q + j;
            if (y >= 0 && !ligne(u, y)) { ASSERT_EQ(o.Pixels(u, y), avant.Pixels(u + g.s, j)) << u << "," << y; }
        }
    }
    // Body: 25 columns left and 15 rows up, down to ramp(u + 25) - 16.
    for (int x = g.x0 + g.s + 1; x < w; ++x) {
        const int u = x - g.s, r = g.Rampe(x);
        for (int y = 0; y < r - g.h && y < bande; ++y)
            if (!ligne(u, y)) { ASSERT_EQ(o.Pixels(u, y), avant.Pixels(x, y + g.h)) << u << "," << y; }
        if (r - g.Rampe(u) == 14 && r - 15 < bande && !ligne(u, r - 15)) {
            EXPECT_EQ(o.Pixels(u, r - 15), avant.Pixels(u, r - 15)) << "row above the ramp, " << u;
        }
    }
}

TEST(Chevaucher, ThrustColumnAllSkyStaysInside) {
    Section s;
    std::vector<int> t(120, 50);
    t[20] = 100;  // x0 = 20 holds no rock: y0 = H
    s.Observe = Coupe(120, 100, t);
    s.FacteurPliPrec = 1.0;
    const Raster avant = s.Observe;
    const GeometrieChevauchement g = MesureChevauchement(s);
    EXPECT_EQ(g.y0, 100);
    EXPECT_EQ(g.xA, 20);
    EXPECT_EQ(g.xL, 19);
    EXPECT_EQ(g.yL, 99);
    Chevaucher(s);
    // The pieces reach below the raster: the q - H rows just above each
    // surface that would receive them keep their sky, and what exists of
    // column u + 25 lands above them. Rows 70 and below are the red band.
    for (int u = g.x0 - g.s; u <= g.x0; ++u) {
        const int ys = Surface(avant, u), q = g.Rampe(u + g.s), manque = q - 100;
        for (int y = 0; y < 70; ++y) {
            if (y >= ys - manque && y < ys) {
                EXPECT_EQ(s.Observe.Pixels(u, y), kBleu) << u << "," << y;
            } else if (y >= ys - q && y < ys - manque) {
                EXPECT_EQ(s.Observe.Pixels(u, y), avant.Pixels(u + g.s, y - (ys - q))) << u << "," << y;
            }
        }
    }
    EXPECT_EQ(s.Observe.Pixels(60, 69), CouleurDe('S'));  // from column 85, row 84
    EXPECT_EQ(s.Observe.Pixels(60, 70), kRouge);
}

TEST(Chevaucher, AbsurdSizesEndInside) {
    for (int w : {0, 1, 2, 5, 26, 30, 60}) {
        for (int h : {0, 1, 10, 29, 30, 31, 45}) {
            Section s = Repli(w, h, 1.75);
            Plisser(s);
            Chevaucher(s);
            ASSERT_EQ(s.Observe.width(), w);
            ASSERT_EQ(s.Observe.height(), h);
            for (int y = std::max(h - Rejet, 0); y < h; ++y)
                for (int x = 0; x < w; ++x) ASSERT_EQ(s.Observe.Pixels(x, y), kRouge) << w << "x" << h;
        }
    }
    Section jamais = Repli(640, 600, 0.0);  // no fold ever made
    EXPECT_EQ(MesureChevauchement(jamais).x0, 107);
}

}  // namespace
}  // namespace section
