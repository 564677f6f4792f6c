// SPDX-License-Identifier: GPL-3.0-or-later
// The formation plane through the seven operations. The sections are drawn
// so that a pixel's colour tells its story: every rock pixel has a colour of
// its own and a formation of its own, the textures use colours no rock pixel
// has, and the operation runs as formation C. Afterwards each pixel must be
//   a rock colour      the formation that colour had (moved or left alone);
//   a texture colour   C (laid by the event from a texture);
//   black or red       C (a line or the red band of the event);
//   blue               none (sky moved, or a blue fill).
// Then random event sequences check that the plane never changes a colour
// and that a snapshot gives the plane back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <unordered_map>

#include "aleatoire.h"
#include "section/section.h"

namespace section {
namespace {

constexpr Formation C = 1000000;

// Blue channel 100 and up: no rock colour is black, red, blue or a texture's.
Couleur CouleurDeRoche(int x, int y) {
    return Rgb(static_cast<unsigned>(x) & 0xFFu, static_cast<unsigned>(y) & 0xFFu,
               100u + static_cast<unsigned>(x >> 8) + 4u * static_cast<unsigned>(y >> 8));
}
// Blue channel 8 .. 71, never black.
Couleur CouleurDeTexture(int x, int y) {
    return Rgb(static_cast<unsigned>(x) & 0xFFu, static_cast<unsigned>(y) & 0xFFu,
               8u + (static_cast<unsigned>(x >> 8) & 7u) * 8u + (static_cast<unsigned>(y >> 8) & 7u));
}

Raster TextureMarquee(int w, int h) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) r.row(y)[x] = CouleurDeTexture(x, y);
    return r;
}

// An elliptic body in a w x h pair, its picture in texture colours.
void Paire(int w, int h, Raster& masque, Raster& image) {
    masque.Reset(w, h, kNoir);
    image.Reset(w, h, kBlanc);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double u = (x - w / 2.0) / (w / 2.0), v = (y - h / 2.0) / (h / 2.0);
            if (u * u + v * v > 1.0) continue;
            masque.row(y)[x] = kBlanc;
            image.row(y)[x] = CouleurDeTexture(x, y);
        }
}

// Sky above row ciel(x), rock below, formation y * w + x on the rock.
Section Coupe(int w, int h, const std::function<int(int)>& ciel) {
    Section s;
    s.Observe.Reset(w, h, kBleu);
    s.Observe.ActiverFormations();
    for (int x = 0; x < w; ++x)
        for (int y = std::max(ciel(x), 0); y < h; ++y) {
            s.Observe.row(y)[x] = CouleurDeRoche(x, y);
            s.Observe.ligneFormations(y)[x] = y * w + x;
        }
    s.Observe.BrushColor = kBleu;
    s.tex.ImSedim1 = TextureMarquee(w, 120);
    s.tex.ImSedim2 = TextureMarquee(w, 40);
    s.tex.ImSedim3 = TextureMarquee(w, h);
    Paire(160, 320, s.tex.ImGranit0, s.tex.ImGranit);
    Paire(150, h + 40, s.tex.ImCoulee0, s.tex.ImCoulee);
    s.Visu.Reset(w - MargeCachee, HauteurVue);
    MesureSurface(s);
    s.DebuterEvenement(C);
    return s;
}

int Plate(int) { return 300; }
int Ondulee(int x) { return 250 + (x * 7) % 60; }

// The rules of the header, pixel by pixel; the first broken one is told.
testing::AssertionResult Raconte(const Raster& avant, const Raster& apres) {
    std::unordered_map<Couleur, Formation> formation;
    for (int y = 0; y < avant.height(); ++y)
        for (int x = 0; x < avant.width(); ++x)
            if (avant.Pixels(x, y) != kBleu) formation[avant.Pixels(x, y)] = avant.FormationDe(x, y);
    for (int y = 0; y < apres.height(); ++y)
        for (int x = 0; x < apres.width(); ++x) {
            const Couleur c = apres.Pixels(x, y);
            const Formation f = apres.FormationDe(x, y);
            Formation attendue = C;
            if (c == kBleu) attendue = kSansFormation;
            else if (auto it = formation.find(c); it != formation.end()) attendue = it->second;
            if (f != attendue)
                return testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << "): formation " << f << ", expected "
                       << attendue;
        }
    return testing::AssertionSuccess();
}

struct Cas {
    const char* nom;
    std::function<int(int)> ciel;
    std::function<void(Section&)> operation;
};

void PrintTo(const Cas& c, std::ostream* os) { *os << c.nom; }

class PlanDesOperations : public testing::TestWithParam<Cas> {};

TEST_P(PlanDesOperations, EveryPixelKeepsTheFormationItsStoryGives) {
    Section s = Coupe(640, 600, GetParam().ciel);
    const Raster avant = s.Observe;
    GetParam().operation(s);
    EXPECT_TRUE(Raconte(avant, s.Observe));
    EXPECT_FALSE(s.Observe.MemesFormations(avant));
}

void PlierPuisChevaucher(Section& s) {
    Plisser(s);
    Chevaucher(s);
}
void CouleeCourte(Section& s) {  // rows beyond the pair's end: the padded overlay
    Paire(150, 100, s.tex.ImCoulee0, s.tex.ImCoulee);
    PlacerCoulee(s);
}
// A mask twice as wide as its picture, each column doubled: the overlay
// takes two copies, sampling mask column 2i for picture column i.
void PlutonEnDeuxCopies(Section& s) {
    const Raster etroit = s.tex.ImGranit0;
    s.tex.ImGranit0.Reset(2 * etroit.width(), etroit.height());
    for (int y = 0; y < etroit.height(); ++y)
        for (int x = 0; x < s.tex.ImGranit0.width(); ++x)
            s.tex.ImGranit0.row(y)[x] = etroit.Pixels(x / 2, y);
    PlacerPluton(s);
}

const Cas kCas[] = {
    {"SedimenterSurPlat", Plate, Sedimenter},
    {"SedimenterSurRelief", Ondulee, Sedimenter},
    {"EroderPlat", Plate, Eroder},
    {"EroderRelief", Ondulee, Eroder},
    {"PlacerPluton", Plate, PlacerPluton},
    {"PlacerPlutonEnDeuxCopies", Plate, PlutonEnDeuxCopies},
    {"PlacerCoulee", Plate, PlacerCoulee},
    {"PlacerCouleeCourte", Plate, CouleeCourte},
    {"Plisser", Ondulee, Plisser},
    {"Chevaucher", Plate, PlierPuisChevaucher},
    {"Distendre", Ondulee, Distendre},
};

INSTANTIATE_TEST_SUITE_P(Operations, PlanDesOperations, testing::ValuesIn(kCas),
                         [](const testing::TestParamInfo<Cas>& p) { return std::string(p.param.nom); });

TEST(PlanDeLaRemiseAZero, BaseLayerIsFormationZeroAndTheSkyIsEmpty) {
    Section s = Coupe(640, 600, Plate);
    s.Observe.ligneFormations(0)[0] = 5;
    InitSection(s);
    ASSERT_TRUE(s.Observe.FormationsActives());
    EXPECT_EQ(s.Observe.FormationCourante, 0);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 640; x += 13)
            ASSERT_EQ(s.Observe.FormationDe(x, y), y < 480 ? kSansFormation : 0) << x << "," << y;
    Section sans = Coupe(640, 600, Plate);
    sans.Observe.RetirerFormations();
    InitSection(sans);
    EXPECT_FALSE(sans.Observe.FormationsActives());
    EXPECT_TRUE(sans.Observe == s.Observe);
}

// --- Random sequences --------------------------------------------------------

void Evenement(Section& s, int tag) {
    if (tag >= 1 && tag <= 4) MesureSurface(s);
    switch (tag) {
    case 1: Sedimenter(s); break;
    case 2: PlacerCoulee(s); break;
    case 3: Eroder(s); break;
    case 4: PlacerPluton(s); break;
    case 5: Plisser(s); break;
    case 6:
        Plisser(s);
        Chevaucher(s);
        break;
    default: Distendre(s); break;
    }
    AfficheProfil(s);
}

// The same events on a section with the plane and on one without: the
// colours, the view and the measures never differ, the plane holds only
// the formations of the events so far, and an undo snapshot taken with
// ReplacePicture gives the plane back with the picture.
TEST(PlanAuHasard, ThePlaneNeverChangesAColour) {
    for (std::uint32_t graine = 1; graine <= 24; ++graine) {
        test::Alea a(graine * 2654435761u);
        int w = 0, h = 0;
        test::Taille(a, w, h);
        if (a.Pile(0.5)) w = std::max(w, 200);
        Section avec = test::SectionAleatoire(a, w, h);
        Section sans = avec;
        avec.Observe.ActiverFormations();
        InitSection(avec);
        InitSection(sans);
        for (int n = 1; n <= 20; ++n) {
            const int tag = a.Entier(1, 7);
            SCOPED_TRACE("seed " + std::to_string(graine) + ", event " + std::to_string(n) +
                         ", tag " + std::to_string(tag) + ", " + std::to_string(w) + "x" +
                         std::to_string(h));
            Raster instantane, instantaneSans;
            instantane.ReplacePicture(avec.Observe);
            instantaneSans.ReplacePicture(sans.Observe);
            const double facteur = avec.FacteurPli;
            avec.DebuterEvenement(n);
            Evenement(avec, tag);
            Evenement(sans, tag);
            ASSERT_TRUE(avec.Observe == sans.Observe);
            ASSERT_TRUE(avec.Visu == sans.Visu);
            ASSERT_EQ(avec.SurfaceBas, sans.SurfaceBas);
            ASSERT_EQ(avec.SurfaceHaut, sans.SurfaceHaut);
            ASSERT_FALSE(sans.Observe.FormationsActives());
            for (std::size_t i = 0; i < avec.Observe.size(); ++i) {
                const Formation f = avec.Observe.formations()[i];
                ASSERT_TRUE(f >= kSansFormation && f <= n) << "formation " << f << " at " << i;
            }
            if (a.Pile(0.2)) {  // undo on both, and the event again
                avec.Observe.ReplacePicture(instantane);
                sans.Observe.ReplacePicture(instantaneSans);
                ASSERT_TRUE(avec.Observe.MemesFormations(instantane));
                ASSERT_FALSE(sans.Observe.FormationsActives());
                avec.FacteurPli = sans.FacteurPli = facteur;
                avec.DebuterEvenement(n);
                Evenement(avec, tag);
                Evenement(sans, tag);
                ASSERT_TRUE(avec.Observe == sans.Observe);
            }
        }
    }
}

}  // namespace
}  // namespace section
