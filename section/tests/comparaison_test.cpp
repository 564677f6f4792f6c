// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "section/comparaison.h"
#include "texte.h"

namespace section {
namespace {

using test::CouleurDe;
using test::DeTexte;

TEST(Comparer, IdenticalPicturesAgreeEverywhere) {
    const Raster a = DeTexte({"BBBB", "BSSB", "SSSS"});
    const Comparaison c = Comparer(a, a);
    EXPECT_FALSE(c.taillesDifferentes);
    EXPECT_EQ(c.largeur, 4);
    EXPECT_EQ(c.hauteur, 3);
    EXPECT_EQ(c.pixels, 12);
    EXPECT_EQ(c.identiques, 12);
    EXPECT_EQ(c.accordSolCiel, 12);
    EXPECT_DOUBLE_EQ(c.PartIdentiques(), 1.0);
    EXPECT_DOUBLE_EQ(c.PartSolCiel(), 1.0);
}

TEST(Comparer, OneRockPixelOfAnotherColourKeepsSkyAndRockAgreement) {
    const Raster a = DeTexte({"BBBB", "BSSB", "SSSS"});
    const Raster b = DeTexte({"BBBB", "BSGB", "SSSS"});
    const Comparaison c = Comparer(a, b);
    EXPECT_EQ(c.identiques, 11);
    EXPECT_EQ(c.accordSolCiel, 12);
}

TEST(Comparer, SkyAgainstRockCountsAgainstBoth) {
    const Raster a = DeTexte({"BBBB", "BSSB", "SSSS"});
    const Raster b = DeTexte({"BBBB", "BBSB", "SSSR"});  // rock became sky; red is rock
    const Comparaison c = Comparer(a, b);
    EXPECT_EQ(c.identiques, 10);
    EXPECT_EQ(c.accordSolCiel, 11);
    const Comparaison inverse = Comparer(b, a);
    EXPECT_EQ(inverse.identiques, 10);
    EXPECT_EQ(inverse.accordSolCiel, 11);
}

TEST(Comparer, NearBlueIsRockNotSky) {
    Raster a(2, 1, kBleu);
    Raster b(2, 1, kBleu);
    b.data()[1] = Rgb(0, 0, 254);
    const Comparaison c = Comparer(a, b);
    EXPECT_EQ(c.identiques, 1);
    EXPECT_EQ(c.accordSolCiel, 1);
}

TEST(Comparer, OtherSizesCompareTheCommonTopLeftBlock) {
    const Raster grand = DeTexte({"BBBBB", "BSSBB", "SSSSS", "SSSSS"});
    const Raster petit = DeTexte({"BBB", "BSS"});
    const Comparaison c = Comparer(grand, petit);
    EXPECT_TRUE(c.taillesDifferentes);
    EXPECT_EQ(c.largeur, 3);
    EXPECT_EQ(c.hauteur, 2);
    EXPECT_EQ(c.pixels, 6);
    EXPECT_EQ(c.identiques, 6);
    // Wider but shorter against narrower but taller: a 2 x 1 block.
    const Comparaison croise = Comparer(DeTexte({"BS"}), DeTexte({"B", "S"}));
    EXPECT_TRUE(croise.taillesDifferentes);
    EXPECT_EQ(croise.largeur, 1);
    EXPECT_EQ(croise.hauteur, 1);
    EXPECT_EQ(croise.identiques, 1);
}

TEST(Comparer, EmptyPictureComparesNothing) {
    const Comparaison c = Comparer(Raster(), DeTexte({"BB"}));
    EXPECT_TRUE(c.taillesDifferentes);
    EXPECT_EQ(c.pixels, 0);
    EXPECT_EQ(c.largeur, 0);
    EXPECT_EQ(c.hauteur, 0);
    EXPECT_DOUBLE_EQ(c.PartIdentiques(), 0.0);
    EXPECT_DOUBLE_EQ(c.PartSolCiel(), 0.0);
}

TEST(Palir, BlendsThreeQuartersTowardsWhite) {
    EXPECT_EQ(Palir(kBleu), Rgb(191, 191, 255));
    EXPECT_EQ(Palir(kRouge), Rgb(255, 191, 191));
    EXPECT_EQ(Palir(kNoir), Rgb(191, 191, 191));
    EXPECT_EQ(Palir(kBlanc), kBlanc);
    EXPECT_EQ(Palir(Rgb(100, 20, 4)), Rgb(216, 196, 192));
}

TEST(CarteEcarts, DifferencesInMagentaMatchesPale) {
    const Raster a = DeTexte({"BBR", "SSS"});
    const Raster b = DeTexte({"BSR", "SSB"});
    const Raster carte = CarteEcarts(a, b);
    ASSERT_EQ(carte.width(), 3);
    ASSERT_EQ(carte.height(), 2);
    EXPECT_EQ(carte.Pixels(0, 0), Palir(kBleu));
    EXPECT_EQ(carte.Pixels(1, 0), kCouleurEcart);
    EXPECT_EQ(carte.Pixels(2, 0), Palir(kRouge));
    EXPECT_EQ(carte.Pixels(0, 1), Palir(CouleurDe('S')));
    EXPECT_EQ(carte.Pixels(2, 1), kCouleurEcart);
    EXPECT_NE(kCouleurEcart, kBleu);
    EXPECT_NE(kCouleurEcart, kRouge);
}

TEST(CarteEcarts, NoMatchingPixelLooksLikeADifference) {
    // Every colour with a letter, including magenta itself, stays pale.
    for (const char l : std::string("BRKWGYMCOS")) {
        const Couleur p = Palir(CouleurDe(l));
        EXPECT_NE(p, kCouleurEcart) << l;
        EXPECT_GE(p >> 8 & 0xFFu, 191u) << l;
    }
}

TEST(CarteEcarts, CoversTheCommonBlockOnly) {
    const Raster carte = CarteEcarts(DeTexte({"BBBB", "SSSS"}), DeTexte({"BB", "SB", "SS"}));
    ASSERT_EQ(carte.width(), 2);
    ASSERT_EQ(carte.height(), 2);
    EXPECT_EQ(carte.Pixels(1, 1), kCouleurEcart);
    EXPECT_EQ(carte.Pixels(0, 1), Palir(CouleurDe('S')));
    EXPECT_TRUE(CarteEcarts(Raster(), DeTexte({"B"})).empty());
}

TEST(Pourcentage, OneDecimalWithACommaTruncated) {
    EXPECT_EQ(Pourcentage(12, 12), "100,0");
    EXPECT_EQ(Pourcentage(11, 12), "91,6");  // 91.67 truncated
    EXPECT_EQ(Pourcentage(873, 1000), "87,3");
    EXPECT_EQ(Pourcentage(1, 3), "33,3");
    EXPECT_EQ(Pourcentage(0, 5), "0,0");
    EXPECT_EQ(Pourcentage(0, 0), "0,0");
    EXPECT_EQ(Pourcentage(1, 2000), "0,0");
    // One pixel wrong out of a 540 x 480 view is not a perfect score.
    EXPECT_EQ(Pourcentage(540 * 480 - 1, 540 * 480), "99,9");
}

TEST(Pourcentage, ScoreOfAComparison) {
    const Comparaison c = Comparer(DeTexte({"BBBB", "BSSB", "SSSS"}),
                                   DeTexte({"BBBB", "BBSB", "SSSR"}));
    EXPECT_EQ(Pourcentage(c.identiques, c.pixels), "83,3");
    EXPECT_EQ(Pourcentage(c.accordSolCiel, c.pixels), "91,6");
}

}  // namespace
}  // namespace section
