// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "section/section.h"
#include "texte.h"

namespace section {
namespace {

using test::Coupe;

Section DeLargeur(int w, double facteur) {
    Section s;
    s.Observe = Raster(w, 1, kBleu);
    s.FacteurPli = facteur;
    return s;
}

// Every pixel distinct, so a shift shows where each pixel came from.
Raster Marquee(int w, int h) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.row(y)[x] = Rgb(static_cast<unsigned>(x), static_cast<unsigned>(y),
                              0x40u | static_cast<unsigned>((x >> 8) & 3) << 2 |
                                  static_cast<unsigned>((y >> 8) & 3));
    return r;
}

TEST(DecalagePli, WorkedOffsetsForBothFactors) {
    const Section premier = DeLargeur(640, 1.0);
    const std::vector<std::pair<int, int>> f1 = {{0, 20}, {1, 21},  {10, 26}, {53, 40},
                                                 {106, 20}, {160, 0}, {320, 20}};
    for (auto [x, d] : f1) EXPECT_EQ(DecalagePli(premier, x), d) << "F=1.0 x=" << x;
    const Section suivant = DeLargeur(640, 1.75);
    const std::vector<std::pair<int, int>> f2 = {{0, 20},  {10, 30}, {106, 5},
                                                 {160, 38}, {213, 0}, {639, 40}};
    for (auto [x, d] : f2) EXPECT_EQ(DecalagePli(suivant, x), d) << "F=1.75 x=" << x;
}

TEST(DecalagePli, StaysWithinTheAmplitudeAndReachesBothEnds) {
    for (int w : {200, 641, 1000, 2000}) {
        for (double f : {1.0, 1.75}) {
            const Section s = DeLargeur(w, f);
            int bas = 99, haut = -1;
            for (int x = 0; x < w; ++x) {
                const int d = DecalagePli(s, x);
                bas = std::min(bas, d);
                haut = std::max(haut, d);
            }
            EXPECT_EQ(bas, 0) << w << " " << f;
            EXPECT_EQ(haut, AmplitudePli) << w << " " << f;
        }
    }
}

TEST(Plisser, EveryColumnDropsByItsOffsetBelowTheTopBand) {
    const int w = 640, h = 200;
    Section s;
    s.Observe = Marquee(w, h);
    const Raster avant = s.Observe;
    Plisser(s);
    s.FacteurPli = 1.0;  // offsets of the fold just made
    for (int x = 0; x < w; ++x) {
        const int d = DecalagePli(s, x);
        for (int y = 0; y < AmplitudePli; ++y) ASSERT_EQ(s.Observe.Pixels(x, y), avant.Pixels(x, y));
        for (int y = AmplitudePli; y < h - 1; ++y)
            ASSERT_EQ(s.Observe.Pixels(x, y), avant.Pixels(x, y - d)) << x << "," << y;
        ASSERT_EQ(s.Observe.Pixels(x, h - 1), avant.Pixels(x, h - 1));
    }
    // Column 160 has offset 0: unchanged in every row.
    for (int y = 0; y < h; ++y) EXPECT_EQ(s.Observe.Pixels(160, y), avant.Pixels(160, y));
}

TEST(Plisser, HorizontalLineFollowsTheFold) {
    const int w = 640, h = 600;
    Section s;
    s.Observe = Coupe(w, h, {80});
    s.Observe.Polyline({0, 100}, {w, 100});
    Plisser(s);
    auto ligne = [&](int x) {
        int row = -1, n = 0;
        for (int y = 0; y < h; ++y)
            if (s.Observe.Pixels(x, y) == kNoir) row = y, ++n;
        EXPECT_EQ(n, 1) << "column " << x;
        return row;
    };
    EXPECT_EQ(ligne(0), 120);
    EXPECT_EQ(ligne(53), 140);
    EXPECT_EQ(ligne(160), 100);
    // The second fold adds the offsets of factor 1.75: 26 + 30 at column 10.
    EXPECT_EQ(ligne(10), 126);
    Plisser(s);
    EXPECT_EQ(ligne(10), 156);
    EXPECT_EQ(ligne(0), 140);
}

TEST(Plisser, FactorStepsOnceAndKeepsTheFactorItFoldedWith) {
    Section s;
    s.Observe = Coupe(64, 100, {60});
    EXPECT_EQ(s.FacteurPli, 1.0);
    const std::vector<std::pair<double, double>> attendu = {{1.75, 1.0}, {1.75, 1.75}, {1.75, 1.75}};
    for (auto [facteur, prec] : attendu) {
        Plisser(s);
        EXPECT_EQ(s.FacteurPli, facteur);
        EXPECT_EQ(s.FacteurPliPrec, prec);
    }
}

TEST(Plisser, SectionTooShortToFoldIsLeftAsItIs) {
    for (int h : {0, 1, 20, 40, 41}) {
        Section s;
        s.Observe = Marquee(50, h);
        const Raster avant = s.Observe;
        Plisser(s);
        EXPECT_EQ(s.Observe, avant) << "height " << h;
        EXPECT_EQ(s.FacteurPli, 1.75);
        EXPECT_EQ(s.FacteurPliPrec, 1.0);
    }
    Section court;
    court.Observe = Marquee(50, 42);  // one row to shift: row 40
    const Raster avant = court.Observe;
    Plisser(court);
    court.FacteurPli = 1.0;
    for (int x = 0; x < 50; ++x)
        EXPECT_EQ(court.Observe.Pixels(x, 40), avant.Pixels(x, 40 - DecalagePli(court, x)));
}

TEST(Plisser, EmptyWidthFoldsNothingButStepsTheFactor) {
    Section s;
    s.Observe = Raster(0, 100);
    Plisser(s);
    EXPECT_EQ(s.FacteurPli, 1.75);
    EXPECT_EQ(DecalagePli(s, 0), AmplitudePli / 2);
}

}  // namespace
}  // namespace section
