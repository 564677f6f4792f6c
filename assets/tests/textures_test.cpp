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
        {"Couche1.bmp", {640, 220}}, {"Couche2.bmp", {640, 40}},  {"Couche3.bmp", {640, 600}},
        {"Granit.bmp", {160, 320}},  {"Granit0.bmp", {160, 320}}, {"Coulee.bmp", {150, 640}},
        {"Coulee0.bmp", {150, 640}}};
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
}

TEST(Couches, LayerHasDarkTopAndBottomRows) {
    const QImage c2 = Couche2({});
    const double corps = Clarte(c2, 1, c2.height() - 2);
    EXPECT_LT(Clarte(c2, 0, 0), corps - 60);
    EXPECT_LT(Clarte(c2, c2.height() - 1, c2.height() - 1), corps - 60);
}

TEST(Couches, BaseLayerTopRowIsDarkAndBandsDiffer) {
    const QImage c1 = Couche1({});
    EXPECT_LT(Clarte(c1, 0, 0), Clarte(c1, 1, 20) - 60);
    // three bands of different colours: the first pixel of rows in each band
    const QRgb a = c1.pixel(1, 20), b = c1.pixel(1, 100), c = c1.pixel(1, 180);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
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
    EXPECT_LE(haut, 380);
    EXPECT_GT(haut, 0);
    if (t.hauteur >= 600) {
        EXPECT_EQ(haut, 380);
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
    for (int y = 0; y + 10 < h / 4; ++y)
        EXPECT_LT(Largeur(m, y), Largeur(m, y + 10)) << "row " << y;
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
// 100 columns the view hides; its row 33 lies on the ground surface.
TEST(Coulee, FlowFrontShowsInTheViewAndTheFeederHidesBehindIt) {
    const QImage m = Coulee({}, true);
    const int w = m.width(), h = m.height(), visibles = w - 100;
    ASSERT_EQ(visibles, 50);
    const auto [gs, ds] = Etendue(m, LigneSol);
    EXPECT_LE(gs, 10);  // the flow's front on the ground
    EXPECT_GE(ds, visibles);
    int premiere = -1;
    for (int y = 0; y < LigneSol && premiere < 0; ++y)
        if (Largeur(m, y) > 0) premiere = y;
    EXPECT_GE(premiere, 0);  // something stands above the ground
    int hautFront = LigneSol;
    for (int x = 0; x < visibles; ++x) {
        int y = 0;
        while (y < LigneSol && (m.pixel(x, y) & 0xffffffu) == 0) ++y;
        if (y == LigneSol) continue;  // beyond the front
        hautFront = std::min(hautFront, y);
        for (; y <= LigneSol; ++y)  // lying on the ground: no gap below its top
            EXPECT_EQ(m.pixel(x, y) & 0xffffffu, 0xffffffu) << x << "," << y;
    }
    EXPECT_LT(hautFront, LigneSol - 10);  // at least ten rows of flow in view
    for (int y = LigneSol + 1; y < h; ++y) {
        const auto [g, d] = Etendue(m, y);
        ASSERT_GE(g, visibles) << "row " << y << ": feeder missing or in view";
        EXPECT_LT(d, w);
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

}  // namespace
}  // namespace donnees::test
