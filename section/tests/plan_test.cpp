// SPDX-License-Identifier: GPL-3.0-or-later
// The formation plane of a raster: each rule of FillRect, Polyline and
// CopyRect on small rasters written as text, the plane through a reset and
// a snapshot, and the colours untouched by it.
#include <gtest/gtest.h>

#include "section/raster.h"
#include "texte.h"

namespace section {
namespace {

using test::DeTexte;
using test::EnTexte;
using test::PlanEnTexte;
using test::PoserPlan;

TEST(Plan, OffUntilAskedForAndEveryPixelEmptyWhenTurnedOn) {
    Raster r(3, 2, kBleu);
    EXPECT_FALSE(r.FormationsActives());
    EXPECT_EQ(r.formations(), nullptr);
    EXPECT_EQ(r.FormationDe(0, 0), kSansFormation);
    r.ActiverFormations();
    EXPECT_TRUE(r.FormationsActives());
    EXPECT_EQ(PlanEnTexte(r), "...\n...");
    r.ligneFormations(1)[2] = 4;
    r.ActiverFormations();  // already on: kept
    EXPECT_EQ(PlanEnTexte(r), "...\n..4");
    EXPECT_EQ(r.FormationDe(3, 1), kSansFormation);  // outside
    r.RetirerFormations();
    EXPECT_FALSE(r.FormationsActives());
    EXPECT_EQ(r.FormationDe(2, 1), kSansFormation);
}

TEST(Plan, ResetKeepsThePlaneOnAndEmptiesIt) {
    Raster r(2, 2, kBleu);
    PoserPlan(r, {"12", "34"});
    r.FormationCourante = 7;
    r.Reset(3, 1, kBlanc);
    EXPECT_TRUE(r.FormationsActives());
    EXPECT_EQ(PlanEnTexte(r), "...");
    EXPECT_EQ(r.FormationCourante, 7);
}

TEST(Plan, FillRectBlueEmptiesRedAndOthersLayTheCurrentFormation) {
    Raster r(5, 3, kBlanc);
    PoserPlan(r, {"11111", "11111", "11111"});
    r.FormationCourante = 6;
    r.BrushColor = kBleu;
    r.FillRect({-2, 0, 2, 9});
    r.BrushColor = kRouge;  // the overthrust's band
    r.FillRect({3, 2, 9, 3});
    r.BrushColor = test::CouleurDe('G');
    r.FillRect({2, 0, 3, 1});
    EXPECT_EQ(EnTexte(r), "BBGWW\nBBWWW\nBBWRR");
    EXPECT_EQ(PlanEnTexte(r), "..611\n..111\n..166");
}

TEST(Plan, PolylineLaysTheCurrentFormationWhereItPaints) {
    Raster r(5, 5, kBleu);
    r.ActiverFormations();
    r.FormationCourante = 3;
    r.Polyline({-1, 5}, {5, -1});  // slanted, clipped, end point not painted
    r.FormationCourante = 8;
    r.Polyline({4, 4}, {1, 4});  // horizontal, towards the left
    EXPECT_EQ(EnTexte(r), "BBBBK\nBBBKB\nBBKBB\nBKBBB\nKBKKK");
    EXPECT_EQ(PlanEnTexte(r), "....3\n...3.\n..3..\n.3...\n3.888");
}

// Within one raster the formations travel with the colours: same
// rectangles, same overlap rule, same pixels left alone.
TEST(Plan, CopyWithinOneRasterMovesTheFormationsWithTheColours) {
    Raster r = DeTexte({"R", "G", "Y", "M", "C", "O"});
    PoserPlan(r, {"1", "2", "3", "4", "5", "6"});
    r.FormationCourante = 9;
    r.CopyRect({0, 2, 1, 6}, r, {0, 0, 1, 4});  // down, overlapping
    EXPECT_EQ(EnTexte(r), "R\nG\nR\nG\nY\nM");
    EXPECT_EQ(PlanEnTexte(r), "1\n2\n1\n2\n3\n4");
    Raster side = DeTexte({"RGYMCO"});
    PoserPlan(side, {"123456"});
    side.CopyRect({0, 0, 5, 1}, side, {1, 0, 6, 1});  // left, overlapping
    EXPECT_EQ(PlanEnTexte(side), "234566");
}

TEST(Plan, MirroredScaledAndClippedCopyWithinOneRaster) {
    Raster r = DeTexte({"RGYMCO", "BBBBBB"});
    PoserPlan(r, {"123456", "......"});
    r.CopyRect({6, 0, 0, 1}, r, {0, 0, 6, 1});  // mirrored onto itself
    EXPECT_EQ(EnTexte(r), "OCMYGR\nBBBBBB");
    EXPECT_EQ(PlanEnTexte(r), "654321\n......");
    // Row 0, columns 0..2, stretched over 5 columns from column 3 on: the
    // last two fall outside the raster; floor(i * 3 / 5) = 0 0 1 1 2.
    r.CopyRect({3, 1, 8, 2}, r, {0, 0, 3, 1});
    EXPECT_EQ(EnTexte(r), "OCMYGR\nBBBOOC");
    EXPECT_EQ(PlanEnTexte(r), "654321\n...665");
}

TEST(Plan, PixelsWhoseSourceLiesOutsideKeepTheirFormation) {
    Raster r = DeTexte({"RGY", "MCO"});
    PoserPlan(r, {"123", "456"});
    r.CopyRect({0, 0, 3, 2}, r, {1, 1, 4, 3});  // only (0, 0) and (1, 0) have a source
    EXPECT_EQ(EnTexte(r), "COY\nMCO");
    EXPECT_EQ(PlanEnTexte(r), "563\n456");
}

TEST(Plan, OrAndAndWithinOneRasterStillCarryTheSourceFormation) {
    Raster r = DeTexte({"KW", "WK"});
    PoserPlan(r, {"12", "34"});
    r.CopyMode = ModeCopie::Ou;
    r.CopyRect({0, 0, 1, 1}, r, {1, 0, 2, 1});
    r.CopyMode = ModeCopie::Et;
    r.CopyRect({0, 1, 1, 2}, r, {1, 1, 2, 2});
    EXPECT_EQ(EnTexte(r), "WW\nKK");
    EXPECT_EQ(PlanEnTexte(r), "22\n44");
}

// A texture has no plane: what it writes is the current event's.
TEST(Plan, PlainCopyFromATextureLaysTheCurrentFormation) {
    const Raster texture = DeTexte({"RG", "YM"});
    Raster r(5, 3, kBleu);
    PoserPlan(r, {"11111", "22222", "33333"});
    r.FormationCourante = 7;
    r.CopyRect({0, 1, 5, 3}, texture, {0, 0, 2, 2});  // stretched: 0 0 0 1 1
    r.CopyRect({4, 0, 5, 1}, texture, {3, 0, 4, 1});  // source outside: nothing
    EXPECT_EQ(EnTexte(r), "BBBBB\nRRRGG\nYYYMM");
    EXPECT_EQ(PlanEnTexte(r), "11111\n77777\n77777");
}

TEST(Plan, OrCopyOfAMaskLaysTheCurrentFormationWhereTheMaskIsNotBlack) {
    const Raster masque = DeTexte({"KWK", "GKK"});
    Raster r = DeTexte({"SSS", "SSS"});
    PoserPlan(r, {"111", "1.1"});
    r.FormationCourante = 5;
    r.CopyMode = ModeCopie::Ou;
    r.CopyRect({0, 0, 3, 2}, masque, {0, 0, 3, 2});
    EXPECT_EQ(PlanEnTexte(r), "151\n5.1");
}

TEST(Plan, AndCopyOfAPictureChangesNoFormation) {
    const Raster image = DeTexte({"WRK", "GWW"});
    Raster r = DeTexte({"WWW", "WWW"});
    PoserPlan(r, {"123", "4.6"});
    r.FormationCourante = 9;
    r.CopyMode = ModeCopie::Et;
    r.CopyRect({0, 0, 3, 2}, image, {0, 0, 3, 2});
    EXPECT_EQ(EnTexte(r), "WRK\nGWW");
    EXPECT_EQ(PlanEnTexte(r), "123\n4.6");
}

TEST(Plan, ACopyIntoARasterWithoutPlaneLeavesItWithout) {
    Raster source = DeTexte({"RG"});
    PoserPlan(source, {"12"});
    Raster vue(2, 1, kBleu);
    vue.CopyRect({0, 0, 2, 1}, source, {0, 0, 2, 1});
    EXPECT_EQ(EnTexte(vue), "RG");
    EXPECT_FALSE(vue.FormationsActives());
}

// The undo snapshot: ReplacePicture takes the plane with the picture, and
// a picture without plane leaves none.
TEST(Plan, ReplacePictureTakesThePlaneAlong) {
    Raster observe = DeTexte({"RG"});
    PoserPlan(observe, {"12"});
    observe.FormationCourante = 4;
    Raster instantane;
    instantane.ReplacePicture(observe);
    EXPECT_EQ(PlanEnTexte(instantane), "12");
    observe.BrushColor = kBleu;
    observe.FillRect({0, 0, 2, 1});
    EXPECT_EQ(PlanEnTexte(observe), "..");
    EXPECT_EQ(PlanEnTexte(instantane), "12");
    observe.ReplacePicture(instantane);
    EXPECT_EQ(EnTexte(observe), "RG");
    EXPECT_EQ(PlanEnTexte(observe), "12");
    EXPECT_EQ(observe.FormationCourante, 4);
    observe.ReplacePicture(DeTexte({"YM"}));
    EXPECT_FALSE(observe.FormationsActives());
}

TEST(Plan, EqualityComparesColoursOnly) {
    Raster a = DeTexte({"RG"}), b = DeTexte({"RG"});
    PoserPlan(a, {"12"});
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a.MemesFormations(b));
    PoserPlan(b, {"12"});
    EXPECT_TRUE(a.MemesFormations(b));
    b.ligneFormations(0)[1] = 3;
    EXPECT_FALSE(a.MemesFormations(b));
}

}  // namespace
}  // namespace section
