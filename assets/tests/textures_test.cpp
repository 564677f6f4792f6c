// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures.h"
#include "contrat.h"

#include <QDir>
#include <QFile>

#include <map>
#include <ostream>
#include <string>

namespace donnees {
void PrintTo(const TailleSection& t, std::ostream* os) { *os << t.largeur << "x" << t.hauteur; }
}  // namespace donnees

namespace donnees::test {
namespace {

QImage Texture(const QString& nom) {
    return LireBmp(QDir(DossierDonnees()).filePath(QStringLiteral("Base/") + nom));
}

TEST(FichiersTextures, HaveTheirSizesAndAre24BitBitmaps) {
    const std::map<QString, QSize> tailles = {
        {"Couche1.bmp", {640, 336}}, {"Couche2.bmp", {640, 40}},  {"Couche3.bmp", {640, 600}},
        {"Granit.bmp", {160, 320}},  {"Granit0.bmp", {160, 320}}, {"Coulee.bmp", {420, 640}},
        {"Coulee0.bmp", {420, 640}}};
    for (const auto& [nom, taille] : tailles) {
        SCOPED_TRACE(nom.toStdString());
        const QByteArray octets = Lire(QDir(DossierDonnees()).filePath("Base/" + nom));
        ASSERT_GE(octets.size(), 54);
        EXPECT_EQ(octets.left(2), QByteArray("BM"));
        EXPECT_EQ(Mot16(octets, 28), 24u);  // bits per pixel
        EXPECT_EQ(Mot32(octets, 30), 0u);   // uncompressed
        EXPECT_EQ(Texture(nom).size(), taille);
    }
}

TEST(FichiersTextures, NoPixelIsTheEmptyBlueOrTheBaseRed) {
    for (const char* nom : {"Couche1.bmp", "Couche2.bmp", "Couche3.bmp", "Granit.bmp",
                            "Granit0.bmp", "Coulee.bmp", "Coulee0.bmp"}) {
        SCOPED_TRACE(nom);
        const QImage image = Texture(nom);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(SansBleuNiRouge(image));
    }
}

TEST(FichiersTextures, MasksMatchTheirPictures) {
    EXPECT_TRUE(CoupleValide(Texture("Granit.bmp"), Texture("Granit0.bmp")));
    EXPECT_TRUE(CoupleValide(Texture("Coulee.bmp"), Texture("Coulee0.bmp")));
}

TEST(FichiersTextures, FilesHoldWhatTheGeneratorDraws) {
    const std::vector<donnees::Texture> attendues = FabriquerTextures({});
    ASSERT_EQ(attendues.size(), 7u);
    for (const donnees::Texture& t : attendues) {
        SCOPED_TRACE(t.nom.toStdString());
        EXPECT_EQ(Texture(t.nom), t.image);
    }
}

// The reset lays Couche1 on the bottom edge of a section as high as
// Couche3: its top row is the starting surface, and every command that the
// program offers at the start needs room around it.
TEST(FichiersTextures, StartingSurfaceLeavesRoomForTheEvents) {
    const QImage c1 = Texture("Couche1.bmp"), c2 = Texture("Couche2.bmp"),
                 c3 = Texture("Couche3.bmp");
    ASSERT_FALSE(c1.isNull() || c2.isNull() || c3.isNull());
    EXPECT_GE(c3.width(), c1.width());           // infill read at the section's own columns
    const int haut = c3.height() - c1.height();  // SurfaceHaut after the reset
    const int bas = haut + 1;                    // SurfaceBas: flat
    EXPECT_GT(haut - c2.height(), 30);           // Sedimentation
    EXPECT_LT(bas + 48, 480);                    // Erosion of a flat surface
    EXPECT_GT(bas, 82);                          // Volcanism
    EXPECT_LT(bas, 480 - 15);                    // Plutonism
    EXPECT_GT(c3.height() - 30, 480);            // Overthrust, with no red band yet
    EXPECT_GE((480 - haut) / 480.0, 0.40);       // rock fills 40 % of the view at the start
}

TEST(Couches, LayerHasDarkTopAndBottomRows) {
    const QImage c2 = Couche2({});
    const double corps = Clarte(c2, 1, c2.height() - 2);
    EXPECT_LT(Clarte(c2, 0, 0), corps - 60);
    EXPECT_LT(Clarte(c2, c2.height() - 1, c2.height() - 1), corps - 60);
}

// Three rocks in bands under the dark surface row, each at least 40 rows
// thick within the 216 rows of the series that the view shows at the start,
// and a dark row at each contact.
TEST(Couches, BaseLayerHoldsThreeThickBandsWithDarkContacts) {
    const TailleSection t;
    const QImage c1 = Couche1(t);
    const BandesCouche1 b = Bandes(t);
    const int visibles = 480 - SurfaceDepart;
    EXPECT_LT(Clarte(c1, 0, 0), Clarte(c1, 1, 20) - 60);
    const int debuts[3] = {1, b.calcaire + 1, b.argile + 1};
    const int fins[3] = {b.calcaire - 1, b.argile - 1, visibles - 1};  // last rows in view
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("band " + std::to_string(i));
        EXPECT_GE(fins[i] - debuts[i] + 1, 40);
        if (i > 0) {
            EXPECT_LT(Clarte(c1, debuts[i] - 1, debuts[i] - 1), Clarte(c1, debuts[i], fins[i]) - 60);
        }
    }
    const QRgb a = c1.pixel(1, debuts[0] + 10), m = c1.pixel(1, debuts[1] + 10), c = c1.pixel(1, debuts[2] + 1);
    EXPECT_NE(a, m);
    EXPECT_NE(m, c);
    EXPECT_NE(a, c);
}

// Section sizes the benchmarks use, an odd one, and the smallest allowed.
class TexturesPourSection : public testing::TestWithParam<TailleSection> {};

TEST_P(TexturesPourSection, KeepTheContract) {
    const TailleSection t = GetParam();
    const std::vector<donnees::Texture> tex = FabriquerTextures(t);
    ASSERT_EQ(tex.size(), 7u);
    const QSize tailles[7] = {TailleCouche1(t), TailleCouche2(t), TailleCouche3(t), TailleGranit(t),
                              TailleGranit(t),  TailleCoulee(t),  TailleCoulee(t)};
    for (std::size_t i = 0; i < tex.size(); ++i) {
        SCOPED_TRACE(tex[i].nom.toStdString());
        EXPECT_EQ(tex[i].image.size(), tailles[i]);
        EXPECT_TRUE(SansBleuNiRouge(tex[i].image));
    }
    EXPECT_EQ(tex[0].image.width(), t.largeur);
    EXPECT_EQ(tex[2].image.height(), t.hauteur);
    EXPECT_LT(tex[0].image.height(), t.hauteur);
    EXPECT_TRUE(CoupleValide(tex[3].image, tex[4].image));
    EXPECT_TRUE(CoupleValide(tex[5].image, tex[6].image));
    // the lava reaches the bottom even from a surface at row 0: H + 33 rows
    EXPECT_GE(tex[5].image.height(), t.hauteur + LigneSol);
}

TEST_P(TexturesPourSection, StartingSurfaceStaysInTheView) {
    const TailleSection t = GetParam();
    const int haut = t.hauteur - TailleCouche1(t).height();
    EXPECT_LE(haut, SurfaceDepart);
    EXPECT_GT(haut, 0);
    if (t.hauteur >= 600) {
        EXPECT_EQ(haut, SurfaceDepart);
    }
}

INSTANTIATE_TEST_SUITE_P(Tailles, TexturesPourSection,
                         testing::Values(TailleSection{640, 600}, TailleSection{1280, 1200},
                                         TailleSection{347, 301},
                                         TailleSection{LargeurMin, HauteurMin}),
                         [](const testing::TestParamInfo<TailleSection>& p) {
                             return std::to_string(p.param.largeur) + "x" +
                                    std::to_string(p.param.hauteur);
                         });

TEST(Granit, DomeTopsThePictureAndRootsAtTheBottom) {
    const QImage m = Granit({}, true);
    const int w = m.width(), h = m.height();
    const auto [g0, d0] = Etendue(m, 0);
    ASSERT_GE(g0, 0) << "no body in the top row";
    EXPECT_GT(g0, w / 3);  // the top of the dome is narrow and central
    EXPECT_LT(d0, w - w / 3);
    const auto [gb, db] = Etendue(m, h - 1);
    EXPECT_GT(db - gb + 1, w * 8 / 10);  // wide at the bottom edge
    EXPECT_GT(gb, 0);                    // but the section shows on both sides
    EXPECT_LT(db, w - 1);
}

// Rounded, neither pointed nor flat: the top row is narrow, yet 5 % of the
// height down the body is already nearly half its full width, as a circle's
// chord grows (a cone as high as the dome would be a fifth of it), and it
// never narrows over the upper part of the dome.
TEST(Granit, TopIsRounded) {
    const QImage m = Granit({}, true);
    const int w = m.width(), h = m.height();
    int large = 0;
    for (int y = 0; y < h; ++y) large = std::max(large, Largeur(m, y));
    EXPECT_LT(Largeur(m, 0), large / 3);
    EXPECT_GE(Largeur(m, h / 20), large * 45 / 100);
    for (int y = 0; y + 1 < h / 6; ++y) EXPECT_LE(Largeur(m, y), Largeur(m, y + 1)) << "row " << y;
    EXPECT_GT(w, 0);
}

// Irregular margins: below the dome each margin wanders in and out, with
// several bulges and recesses a few pixels deep, unlike on the other side.
TEST(Granit, MarginsAreIrregular) {
    const QImage m = Granit({}, true);
    const int h = m.height();
    for (const bool gauche : {true, false}) {
        SCOPED_TRACE(gauche ? "left margin" : "right margin");
        std::vector<int> bord;
        for (int y = h * 3 / 10; y < h; ++y) {
            const auto [g, d] = Etendue(m, y);
            bord.push_back(gauche ? -g : d);  // larger is further out
        }
        // Turns of the margin: where it stops moving out and moves in, or
        // the reverse, by 2 pixels or more.
        int tournants = 0, sens = 0, extreme = bord[0];
        for (const int b : bord) {
            if (sens >= 0 && b <= extreme - 2) {
                tournants += sens > 0;
                sens = -1;
                extreme = b;
            } else if (sens <= 0 && b >= extreme + 2) {
                tournants += sens < 0;
                sens = 1;
                extreme = b;
            } else if ((sens > 0 && b > extreme) || (sens < 0 && b < extreme)) {
                extreme = b;
            }
        }
        EXPECT_GE(tournants, 6);
    }
    std::vector<int> gauche, droite;
    for (int y = h * 3 / 10; y < h; ++y) {
        const auto [g, d] = Etendue(m, y);
        gauche.push_back(g);
        droite.push_back(m.width() - 1 - d);
    }
    EXPECT_NE(gauche, droite);  // not a mirror image
}

TEST(Granit, EdgeIsDarkerThanTheCrossesGround) {
    const QImage p = Granit({}, false), m = Granit({}, true);
    const int y = m.height() / 2;
    const auto [g, d] = Etendue(m, y);
    const QRgb bord = p.pixel(g, y), milieu = p.pixel((g + d) / 2, y);
    EXPECT_LT(qRed(bord) + qGreen(bord) + qBlue(bord),
              qRed(milieu) + qGreen(milieu) + qBlue(milieu));
}

// The lava picture stands flush with the section's right edge, whose last
// 100 columns the view hides; its row 33 lies on the ground surface. The
// flow lies on the ground over at least 150 columns in view, and the feeder
// below it rises through the view's part of the series.
TEST(Coulee, FlowSpreadsInTheViewAndItsFeederCrossesTheSeries) {
    const QImage m = Coulee({}, true);
    const int w = m.width(), h = m.height(), visibles = w - 100;
    ASSERT_EQ(visibles, 320);
    int coulee = 0, hautFront = LigneSol;
    for (int x = 0; x < visibles; ++x) {
        int y = 0;
        while (y < LigneSol && (m.pixel(x, y) & 0xffffffu) == 0) ++y;
        if (y == LigneSol) continue;  // no flow here
        ++coulee;
        hautFront = std::min(hautFront, y);
        for (; y <= LigneSol; ++y)  // lying on the ground: no gap below its top
            EXPECT_EQ(m.pixel(x, y) & 0xffffffu, 0xffffffu) << x << "," << y;
    }
    EXPECT_GE(coulee, 150);
    EXPECT_LT(hautFront, LigneSol - 20);  // the cone stands well above the flow
    // The view's rows below a starting surface at row 264: picture rows 34
    // to 33 + 480 - 264.
    for (int y = LigneSol + 1; y < h; ++y) {
        const auto [g, d] = Etendue(m, y);
        ASSERT_GE(g, 0) << "row " << y << ": feeder missing";
        if (y <= LigneSol + 480 - SurfaceDepart) {
            ASSERT_LT(d, visibles) << "row " << y;
        }
        EXPECT_LE(d - g + 1, 30) << "row " << y << ": a dyke, not a sheet";
    }
}

TEST(Coulee, LavaIsDarkRedBrownNotTheBaseRed) {
    const QImage p = Coulee({}, false), m = Coulee({}, true);
    int lave = 0;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            if ((m.pixel(x, y) & 0xffffffu) == 0) continue;
            const QRgb c = p.pixel(x, y);
            EXPECT_GT(qRed(c), qBlue(c));
            lave += qRed(c) > qGreen(c);
        }
    }
    EXPECT_GT(lave, 1000);
}

// Any two rocks of the set may come to touch (a thrust lays the deep
// conglomerate on the surface, the infill rests on whatever a fold or a
// fault bares, the granite and the lava cut everything): in a grey picture
// each must show its own pattern.
TEST(Motifs, EveryTwoRocksDifferInPatternInGrey) {
    const TailleSection t;
    const QImage c1 = Couche1(t), c2 = Couche2(t), c3 = Couche3(t);
    const QImage gi = Granit(t, false), gm = Granit(t, true);
    const QImage li = Coulee(t, false), lm = Coulee(t, true);
    const BandesCouche1 b = Bandes(t);
    const int w = t.largeur;
    const std::vector<std::pair<std::string, Motif>> roches = {
        {"limestone", MotifDe(c1, QRect(0, 1, w, b.calcaire - 1))},
        {"clay", MotifDe(c1, QRect(0, b.calcaire + 1, w, b.argile - b.calcaire - 1))},
        {"conglomerate", MotifDe(c1, QRect(0, b.argile + 1, w, c1.height() - b.argile - 1))},
        {"sandstone", MotifDe(c2, QRect(0, 1, w, c2.height() - 2))},
        {"chalk", MotifDe(c3, c3.rect())},
        {"granite", MotifDe(gi, gi.rect(), &gm)},
        {"lava", MotifDe(li, li.rect(), &lm)},
    };
    for (std::size_t i = 0; i < roches.size(); ++i) {
        EXPECT_GT(roches[i].second.encre, 0.02) << roches[i].first << " shows no marks";
        for (std::size_t j = i + 1; j < roches.size(); ++j)
            EXPECT_TRUE(MotifsDifferents(roches[i].second, roches[j].second))
                << roches[i].first << " against " << roches[j].first;
    }
}

}  // namespace
}  // namespace donnees::test
