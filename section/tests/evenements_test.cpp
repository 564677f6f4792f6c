// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "section/evenements.h"
#include "section/disponibilite.h"
#include "section/liste.h"
#include "section/encodage.h"
#include "texte.h"

namespace section {
namespace {

using test::Coupe;
using E = Evenement;

const std::string kSed = "S\xE9" "dimentation";

TEST(Table, LinesAreTheFileVocabulary) {
    EXPECT_EQ(kEvenements[0].ligne.size(), 13u);
    EXPECT_EQ(static_cast<unsigned char>(kEvenements[0].ligne[1]), 0xE9);
    for (const TypeEvenement& e : kEvenements) {
        EXPECT_EQ(TagDeLigne(e.ligne), e.tag);
        EXPECT_EQ(e.contexte, 10 + e.tag);
        EXPECT_EQ(EvenementParTag(e.tag), &e);
    }
    EXPECT_EQ(TagDeLigne("erosion"), 0);
    EXPECT_EQ(TagDeLigne("Erosion "), 0);
    EXPECT_EQ(TagDeLigne("Sedimentation"), 0);
    EXPECT_EQ(TagDeLigne(""), 0);
    EXPECT_EQ(EvenementParTag(0), nullptr);
    EXPECT_EQ(EvenementParTag(8), nullptr);
}

TEST(TexteListe, EveryLineEndsWithCrLf) {
    EXPECT_EQ(TexteListe({kSed}), kSed + "\r\n");
    EXPECT_EQ(TexteListe({kSed}).size(), 15u);
    EXPECT_EQ(TexteListe({kSed, "Compression", "Erosion"}),
              kSed + "\r\nCompression\r\nErosion\r\n");
    EXPECT_EQ(TexteListe({}), "");
}

TEST(LireListe, SplitsAtEveryKindOfBreak) {
    const Liste attendu = {kSed, "Compression", "Erosion"};
    EXPECT_EQ(LireListe(kSed + "\r\nCompression\r\nErosion\r\n"), attendu);
    EXPECT_EQ(LireListe(kSed + "\nCompression\nErosion\n"), attendu);
    EXPECT_EQ(LireListe(kSed + "\rCompression\rErosion\r"), attendu);
    EXPECT_EQ(LireListe(kSed + "\r\nCompression\nErosion"), attendu);
    EXPECT_EQ(LireListe("a\n\rb"), (Liste{"a", "", "b"}));  // LF then lone CR
    EXPECT_EQ(LireListe("a\r\n\r\nb\r\n"), (Liste{"a", "", "b"}));
    EXPECT_EQ(LireListe(""), Liste{});
    EXPECT_EQ(LireListe("\r\n"), Liste{""});
}

TEST(LireListe, NulEndsTheTextAndSpacesStay) {
    const std::string avecNul = std::string("Erosion \r\nerosion\r\n") + '\0' + "Compression\r\n";
    EXPECT_EQ(LireListe(avecNul), (Liste{"Erosion ", "erosion"}));
    EXPECT_EQ(LireListe(std::string("\0abc", 4)), Liste{});
}

TEST(Utf8DeLigne, ConvertsWindows1252) {
    EXPECT_EQ(Utf8DeLigne(kSed), "S\xC3\xA9" "dimentation");
    EXPECT_EQ(Utf8DeLigne("\x80\x9C"), "\xE2\x82\xAC\xC5\x93");
    EXPECT_EQ(Utf8DeLigne("Erosion"), "Erosion");
}

// A section whose surface is level at row s, with a view 480 rows high and a
// layer picture 40 rows high.
Section Plate(int s, int h = 600) {
    Section sec;
    sec.Observe = Coupe(640, h, {s});
    sec.Visu.Reset(540, 480);
    sec.tex.ImSedim2.Reset(64, 40);
    return sec;
}

TEST(MajBoutons, VolcanismeNeedsAFlatSurfaceBelowRow82) {
    Section a = Plate(82);
    EXPECT_TRUE(MajBoutons(a, {kSed})[E::Volcanisme]);  // SurfaceBas 83
    EXPECT_EQ(a.SurfaceBas, 83);
    Section b = Plate(81);
    EXPECT_FALSE(MajBoutons(b, {kSed})[E::Volcanisme]);  // SurfaceBas 82
    Section c = Plate(100);
    c.Observe.row(100)[300] = kBleu;  // a dip: no longer flat
    c.Observe.row(101)[300] = kBleu;
    EXPECT_FALSE(MajBoutons(c, {kSed})[E::Volcanisme]);
}

TEST(MajBoutons, ErosionKeepsTheSurfaceAboveTheViewBottom) {
    Section a = Plate(430);  // SurfaceBas 431: 431 + 48 < 480
    EXPECT_TRUE(MajBoutons(a, {kSed})[E::Erosion]);
    Section b = Plate(431);
    EXPECT_FALSE(MajBoutons(b, {kSed})[E::Erosion]);
    // Uneven: SurfaceBas + 15 < 480.
    std::vector<int> surface(640, 300);
    surface[400] = 463;  // SurfaceBas 464
    Section c = Plate(0);
    c.Observe = Coupe(640, 600, surface);
    EXPECT_TRUE(MajBoutons(c, {kSed})[E::Erosion]);
    surface[400] = 464;
    c.Observe = Coupe(640, 600, surface);
    EXPECT_FALSE(MajBoutons(c, {kSed})[E::Erosion]);
}

TEST(MajBoutons, SedimentationNeedsRoomAboveTheSurface) {
    Section a = Plate(71);  // 71 - 40 > 30
    EXPECT_TRUE(MajBoutons(a, {kSed})[E::Sedimentation]);
    Section b = Plate(70);
    EXPECT_FALSE(MajBoutons(b, {kSed})[E::Sedimentation]);
    std::vector<int> surface(640, 200);
    surface[10] = 51;  // uneven, SurfaceHaut 51: 51 - 20 > 30
    b.Observe = Coupe(640, 600, surface);
    EXPECT_TRUE(MajBoutons(b, {kSed})[E::Sedimentation]);
    surface[10] = 50;
    b.Observe = Coupe(640, 600, surface);
    EXPECT_FALSE(MajBoutons(b, {kSed})[E::Sedimentation]);
}

TEST(MajBoutons, ChevauchementWatchesTheRedBand) {
    Section a = Plate(380, 600);  // no red: HautSocle = 600, 570 > 480
    EXPECT_TRUE(MajBoutons(a, {kSed})[E::Chevauchement]);
    Section b = Plate(380, 510);  // 480 is not more than 480
    EXPECT_FALSE(MajBoutons(b, {kSed})[E::Chevauchement]);
    Section c = Plate(380, 600);
    c.Observe.row(510)[5] = kRouge;  // 510 - 30 = 480: too high
    EXPECT_FALSE(MajBoutons(c, {kSed})[E::Chevauchement]);
    c.Observe.row(510)[5] = kBleu;
    c.Observe.row(511)[5] = kRouge;
    EXPECT_TRUE(MajBoutons(c, {kSed})[E::Chevauchement]);
    c.Observe.row(300)[0] = kRouge;  // column 0 is never examined
    EXPECT_TRUE(MajBoutons(c, {kSed})[E::Chevauchement]);
    Section d = Plate(30, 600);  // SurfaceHaut must exceed 30
    EXPECT_FALSE(MajBoutons(d, {kSed})[E::Chevauchement]);
}

TEST(MajBoutons, DistensionBlocksFoldThrustAndPluton) {
    Section a = Plate(380);
    const Disponibilite avant = MajBoutons(a, {kSed, "Erosion"});
    EXPECT_TRUE(avant[E::Plutonisme] && avant[E::Compression] && avant[E::Chevauchement]);
    for (const Liste& l : {Liste{kSed, "Distension"}, Liste{"Distension"},
                           Liste{kSed, "Distension", "Erosion"}}) {
        const Disponibilite d = MajBoutons(a, l);
        EXPECT_FALSE(d[E::Plutonisme]);
        EXPECT_FALSE(d[E::Compression]);
        EXPECT_FALSE(d[E::Chevauchement]);
        EXPECT_TRUE(d[E::Distension]);
    }
    EXPECT_TRUE(MajBoutons(a, {kSed, "distension"})[E::Compression]);
    Section haut = Plate(465);  // SurfaceBas 466 is not below 465
    EXPECT_FALSE(MajBoutons(haut, {kSed})[E::Plutonisme]);
    Section bas = Plate(463);
    EXPECT_TRUE(MajBoutons(bas, {kSed})[E::Plutonisme]);
}

}  // namespace
}  // namespace section
