// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "section/raster.h"
#include "texte.h"

namespace section {
namespace {

using test::DeTexte;
using test::EnTexte;

TEST(Pixels, OutsideGivesNoColourThatMatchesNothing) {
    Raster r(3, 2, kBleu);
    EXPECT_EQ(r.Pixels(0, 0), kBleu);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}}) {
        EXPECT_EQ(r.Pixels(x, y), kSansCouleur);
        EXPECT_NE(r.Pixels(x, y), kBleu);
        EXPECT_NE(r.Pixels(x, y), kRouge);
        EXPECT_NE(r.Pixels(x, y), kNoir);
    }
}

TEST(FillRect, ClipsAndIgnoresEmptyOrReversed) {
    Raster r = DeTexte({"WWWW", "WWWW", "WWWW"});
    r.BrushColor = kBleu;
    r.FillRect({-5, 1, 2, 10});
    r.FillRect({3, 0, 2, 2});  // reversed: nothing
    r.FillRect({3, 0, 3, 2});  // empty: nothing
    EXPECT_EQ(EnTexte(r), "WWWW\nBBWW\nBBWW");
}

TEST(Polyline, HorizontalFullWidthPaintsOneRowOnly) {
    Raster r(6, 5, kBleu);
    r.Polyline({0, 2}, {6, 2});
    EXPECT_EQ(EnTexte(r), "BBBBBB\nBBBBBB\nKKKKKK\nBBBBBB\nBBBBBB");
}

TEST(Polyline, EndPointNotPaintedAndOutsideDropped) {
    Raster r(5, 5, kBleu);
    r.Polyline({-1, 5}, {5, -1});  // slanted, enters and leaves outside
    EXPECT_EQ(EnTexte(r), "BBBBK\nBBBKB\nBBKBB\nBKBBB\nKBBBB");
    Raster v(3, 4, kBleu);
    v.Polyline({1, 0}, {1, 3});
    EXPECT_EQ(EnTexte(v), "BKB\nBKB\nBKB\nBBB");
    Raster back(4, 1, kBleu);
    back.Polyline({3, 0}, {0, 0});  // towards the left, (0,0) excluded
    EXPECT_EQ(EnTexte(back), "BKKK");
}

TEST(Polyline, SteepLineIsEightConnected) {
    Raster r(3, 7, kBleu);
    r.Polyline({0, 0}, {2, 6});
    int painted = 0;
    for (int y = 0; y < 6; ++y) {
        int inRow = 0;
        for (int x = 0; x < 3; ++x) inRow += r.Pixels(x, y) == kNoir;
        EXPECT_EQ(inRow, 1) << "row " << y;
        painted += inRow;
    }
    EXPECT_EQ(painted, 6);
    EXPECT_EQ(r.Pixels(2, 6), kBleu);
}

TEST(CopyRect, EqualSizesCopyAndClipWithoutShiftingOthers) {
    Raster src = DeTexte({"RGY", "MCO"});
    Raster dst(4, 3, kBleu);
    dst.CopyRect({-1, 1, 2, 3}, src, {0, 0, 3, 2});
    EXPECT_EQ(EnTexte(dst), "BBBB\nGYBB\nCOBB");
}

TEST(CopyRect, ColumnMovedDownWithinOneRasterRepeatsNothing) {
    Raster r = DeTexte({"R", "G", "Y", "M", "C", "O"});
    r.CopyRect({0, 2, 1, 6}, r, {0, 0, 1, 4});
    EXPECT_EQ(EnTexte(r), "R\nG\nR\nG\nY\nM");
    Raster up = DeTexte({"R", "G", "Y", "M", "C", "O"});
    up.CopyRect({0, 0, 1, 4}, up, {0, 2, 1, 6});
    EXPECT_EQ(EnTexte(up), "Y\nM\nC\nO\nC\nO");
    Raster side = DeTexte({"RGYMCO"});
    side.CopyRect({1, 0, 6, 1}, side, {0, 0, 5, 1});
    EXPECT_EQ(EnTexte(side), "RRGYMC");
}

TEST(CopyRect, StretchRepeatsColumnsNeverBlends) {
    Raster src = DeTexte({"RG", "YM"});
    Raster dst(5, 2, kBleu);
    dst.CopyRect({0, 0, 5, 2}, src, {0, 0, 2, 2});
    // floor(i * 2 / 5) for i = 0..4: 0 0 0 1 1
    EXPECT_EQ(EnTexte(dst), "RRRGG\nYYYMM");
    Raster shrink(2, 1, kBleu);
    Raster wide = DeTexte({"RGYM"});
    shrink.CopyRect({0, 0, 2, 1}, wide, {0, 0, 4, 1});
    EXPECT_EQ(EnTexte(shrink), "RY");
}

TEST(CopyRect, HundredWideSourceOntoSixHundredFifty) {
    std::vector<Couleur> px(100);
    for (int x = 0; x < 100; ++x) px[static_cast<std::size_t>(x)] = Rgb(static_cast<unsigned>(x), 7, 9);
    Raster src(100, 1, px);
    Raster dst(650, 1, kBleu);
    dst.CopyRect({0, 0, 650, 1}, src, {0, 0, 100, 1});
    for (int x = 0; x < 650; ++x)
        ASSERT_EQ(dst.Pixels(x, 0), Rgb(static_cast<unsigned>(x * 100 / 650), 7, 9)) << x;
}

TEST(CopyRect, ReversedRectanglesMirrorPerAxis) {
    Raster src = DeTexte({"RGY", "MCO"});
    Raster d1(3, 2, kBleu);
    d1.CopyRect({3, 0, 0, 2}, src, {0, 0, 3, 2});  // destination reversed in x
    EXPECT_EQ(EnTexte(d1), "YGR\nOCM");
    Raster d2(3, 2, kBleu);
    d2.CopyRect({3, 0, 0, 2}, src, {3, 0, 0, 2});  // both reversed: no mirror
    EXPECT_EQ(EnTexte(d2), "RGY\nMCO");
    Raster d3(3, 2, kBleu);
    d3.CopyRect({0, 0, 3, 2}, src, {0, 2, 3, 0});  // source reversed in y
    EXPECT_EQ(EnTexte(d3), "MCO\nRGY");
}

TEST(CopyRect, MirroredOverlapReadsSourceAsItWas) {
    Raster r = DeTexte({"RGYMCO"});
    r.CopyRect({6, 0, 0, 1}, r, {0, 0, 6, 1});
    EXPECT_EQ(EnTexte(r), "OCMYGR");
}

TEST(CopyRect, OrAndCombineBitwise) {
    Raster d(2, 1, Rgb(0x0F, 0xF0, 0x33));
    Raster s(2, 1, Rgb(0xF0, 0x0F, 0x11));
    d.CopyMode = ModeCopie::Ou;
    d.CopyRect({0, 0, 1, 1}, s, {0, 0, 1, 1});
    EXPECT_EQ(d.Pixels(0, 0), Rgb(0xFF, 0xFF, 0x33));
    d.CopyMode = ModeCopie::Et;
    d.CopyRect({1, 0, 2, 1}, s, {1, 0, 2, 1});
    EXPECT_EQ(d.Pixels(1, 0), Rgb(0x00, 0x00, 0x11));
}

TEST(CopyRect, EmptyRectanglesAndSourcesOutsideCopyNothing) {
    Raster src = DeTexte({"RG"});
    Raster d = DeTexte({"BB"});
    d.CopyRect({0, 0, 0, 1}, src, {0, 0, 2, 1});
    d.CopyRect({0, 0, 2, 1}, src, {1, 0, 1, 1});
    EXPECT_EQ(EnTexte(d), "BB");
    d.CopyRect({0, 0, 2, 1}, src, {1, 0, 3, 1});  // column 2 of src does not exist
    EXPECT_EQ(EnTexte(d), "GB");
}

TEST(ReplacePicture, IndependentCopyWithFreshState) {
    Raster a = DeTexte({"RG"});
    Raster b(5, 5, kBleu);
    b.BrushColor = kRouge;
    b.CopyMode = ModeCopie::Et;
    b.ReplacePicture(a);
    EXPECT_EQ(EnTexte(b), "RG");
    EXPECT_EQ(b.BrushColor, kBlanc);
    EXPECT_EQ(b.PenColor, kNoir);
    EXPECT_EQ(b.CopyMode, ModeCopie::Copie);
    a.BrushColor = kBleu;
    a.FillRect({0, 0, 2, 1});
    EXPECT_EQ(EnTexte(b), "RG");
}

}  // namespace
}  // namespace section
