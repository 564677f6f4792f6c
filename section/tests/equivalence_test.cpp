// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's faster forms against the straightforward ones of
// reference.cpp, on random sections: every pixel of Observe (and of the view),
// its formation plane, the drawing state, the surface extent and the fold
// factors must agree. Each case prints its seed when it fails.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "../src/pli.h"
#include "aleatoire.h"
#include "reference.h"
#include "section/evenements.h"
#include "section/liste.h"

namespace section {
namespace {

using test::Alea;
using test::SectionAleatoire;
using test::Taille;
using test::Texture;

// The plane's randomness comes from a generator of its own, so that the
// sections drawn for a seed are those drawn before there was a plane.
Alea AleaDuPlan(std::uint32_t graine) { return Alea(graine ^ 0x5bd1e995u); }

std::string PremiereDifferenceDePlan(const Raster& a, const Raster& b) {
    if (a.FormationsActives() != b.FormationsActives()) return "one plane is off";
    if (a.width() != b.width() || a.height() != b.height()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.FormationDe(x, y) != b.FormationDe(x, y))
                return "first formation difference at (" + std::to_string(x) + ", " +
                       std::to_string(y) + "): " + std::to_string(a.FormationDe(x, y)) + " against " +
                       std::to_string(b.FormationDe(x, y));
    return "";
}

std::string PremiereDifference(const Raster& a, const Raster& b) {
    if (a.width() != b.width() || a.height() != b.height()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.Pixels(x, y) != b.Pixels(x, y))
                return "first difference at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

void ComparerSections(const Section& rapide, const Section& ref) {
    EXPECT_TRUE(rapide.Observe == ref.Observe) << PremiereDifference(rapide.Observe, ref.Observe);
    EXPECT_TRUE(rapide.Visu == ref.Visu) << PremiereDifference(rapide.Visu, ref.Visu);
    EXPECT_TRUE(rapide.Observe.MemesFormations(ref.Observe))
        << PremiereDifferenceDePlan(rapide.Observe, ref.Observe);
    EXPECT_TRUE(rapide.Visu.MemesFormations(ref.Visu));
    EXPECT_EQ(rapide.Observe.FormationCourante, ref.Observe.FormationCourante);
    EXPECT_EQ(rapide.Observe.CopyMode, ref.Observe.CopyMode);
    EXPECT_EQ(rapide.Observe.BrushColor, ref.Observe.BrushColor);
    EXPECT_EQ(rapide.Observe.PenColor, ref.Observe.PenColor);
    EXPECT_EQ(rapide.SurfaceBas, ref.SurfaceBas);
    EXPECT_EQ(rapide.SurfaceHaut, ref.SurfaceHaut);
    EXPECT_EQ(rapide.FacteurPli, ref.FacteurPli);
    EXPECT_EQ(rapide.FacteurPliPrec, ref.FacteurPliPrec);
}

Rect RectAleatoire(Alea& a, int w, int h) {
    return {a.Entier(-4, w + 4), a.Entier(-4, h + 4), a.Entier(-4, w + 4), a.Entier(-4, h + 4)};
}

TEST(Equivalence, CopyRectDonneLesPixelsDeLaCopiePixelParPixel) {
    for (std::uint32_t graine = 1; graine <= 20000; ++graine) {
        SCOPED_TRACE("seed " + std::to_string(graine));
        Alea a(graine);
        const int w = a.Entier(1, 12), h = a.Entier(1, 12);
        Raster dst = Texture(a, w, h);
        const Raster autre = Texture(a, a.Entier(1, 12), a.Entier(1, 12));
        const bool meme = a.Pile(0.4);
        dst.CopyMode = a.Pile(0.6) ? ModeCopie::Copie : a.Pile(0.5) ? ModeCopie::Ou : ModeCopie::Et;
        const Raster& dimensions = meme ? dst : autre;
        const Rect d = RectAleatoire(a, w, h);
        // The same size half the time (a translation, perhaps overlapping).
        const int dx = a.Entier(-3, 3), dy = a.Entier(-3, 3);
        const Rect s = a.Pile(0.5) ? Rect{d.left + dx, d.top + dy, d.right + dx, d.bottom + dy}
                                   : RectAleatoire(a, dimensions.width(), dimensions.height());
        // Planes, now and then, on the destination and on the other source.
        Alea b = AleaDuPlan(graine);
        if (b.Pile(0.7)) test::PlanAleatoire(b, dst);
        Raster autreSource = autre;
        if (b.Pile(0.5)) test::PlanAleatoire(b, autreSource);
        Raster attendu = dst;
        reference::CopyRect(attendu, d, meme ? attendu : autreSource, s);
        dst.CopyRect(d, meme ? dst : autreSource, s);
        ASSERT_TRUE(dst == attendu) << PremiereDifference(dst, attendu);
        ASSERT_TRUE(dst.MemesFormations(attendu)) << PremiereDifferenceDePlan(dst, attendu);
    }
}

TEST(Equivalence, LesDecalagesDuPliSontCeuxDuCalculEtendu) {
    Section s;
    const auto verifier = [&s](int w, double facteur) {
        s.Observe.Reset(w, 1);
        s.FacteurPli = facteur;
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(DecalagePliRapide(s, x), reference::DecalagePli(s, x))
                << "W = " << w << ", factor " << facteur << ", column " << x;
    };
    for (int w = 1; w <= 1000; ++w) {
        verifier(w, 1.0);
        verifier(w, 1.75);
    }
    Alea a(7);
    for (int n = 0; n < 120; ++n) {
        verifier(a.Entier(1000, 8000), a.Pile(0.5) ? 1.0 : 1.75);
        verifier(a.Entier(1, 3000), std::uniform_real_distribution<double>(-50.0, 50.0)(a.g));
    }
    verifier(640, 1e300);
}

// Factors chosen so that column 1 of a 2-column section falls within a few
// units in the last place of a half-integer offset: there the double value
// may round the other way, and the offset must still be the extended one.
TEST(Equivalence, LesDecalagesPresDUnDemiEntierSontCeuxDuCalculEtendu) {
    Section s;
    s.Observe.Reset(2, 1);
    for (int k = 0; k < 40; ++k) {
        const double sinus = (k + 0.5) / 20.0 - 1.0;
        const double f0 = std::asin(sinus) / (3.0 * 3.14159265358979323846);
        double f = f0;
        for (int i = 0; i < 30; ++i) f = std::nextafter(f, -1.0);
        for (int i = 0; i < 60; ++i, f = std::nextafter(f, 1.0)) {
            s.FacteurPli = f;
            ASSERT_EQ(DecalagePliRapide(s, 1), reference::DecalagePli(s, 1))
                << "offset " << k << ".5, factor " << f;
        }
    }
}

// The operation both ways on random sections of random sizes.
void ComparerOperation(const std::function<void(Section&)>& rapide,
                       const std::function<void(Section&)>& ref, std::uint32_t cle) {
    for (std::uint32_t graine = 1; graine <= 50; ++graine) {
        SCOPED_TRACE("seed " + std::to_string(graine));
        Alea a(graine * 7919u + cle);
        int w = 0, h = 0;
        Taille(a, w, h);
        Section s1 = SectionAleatoire(a, w, h);
        Alea b = AleaDuPlan(graine * 7919u + cle);
        if (b.Entier(0, 2) > 0) test::PlanAleatoire(b, s1.Observe);
        Section s2 = s1;
        rapide(s1);
        ref(s2);
        ComparerSections(s1, s2);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(Equivalence, Sedimenter) { ComparerOperation(Sedimenter, reference::Sedimenter, 1); }
TEST(Equivalence, Eroder) { ComparerOperation(Eroder, reference::Eroder, 2); }
TEST(Equivalence, PlacerPluton) { ComparerOperation(PlacerPluton, reference::PlacerPluton, 3); }
TEST(Equivalence, PlacerCoulee) { ComparerOperation(PlacerCoulee, reference::PlacerCoulee, 4); }
TEST(Equivalence, Plisser) { ComparerOperation(Plisser, reference::Plisser, 5); }
TEST(Equivalence, Chevaucher) { ComparerOperation(Chevaucher, reference::Chevaucher, 6); }
TEST(Equivalence, Distendre) { ComparerOperation(Distendre, reference::Distendre, 7); }
TEST(Equivalence, AfficheProfil) { ComparerOperation(AfficheProfil, reference::AfficheProfil, 8); }
TEST(Equivalence, MesureSurface) { ComparerOperation(MesureSurface, reference::MesureSurface, 9); }

TEST(Equivalence, LesSondesDonnentLesMemesRangees) {
    for (std::uint32_t graine = 1; graine <= 150; ++graine) {
        SCOPED_TRACE("seed " + std::to_string(graine));
        Alea a(graine);
        int w = 0, h = 0;
        Taille(a, w, h);
        Section s = SectionAleatoire(a, w, h);
        // Red in column 0, which the probe never examines, now and then.
        if (a.Pile(0.3)) s.Observe.row(a.Entier(0, h - 1))[0] = kRouge;
        ASSERT_EQ(HautSocle(s), reference::HautSocle(s));
        for (int x = -1; x <= w; ++x) {
            const Colonne c = ScruteColonne(s, x), r = reference::ScruteColonne(s, x);
            ASSERT_EQ(c.r1, r.r1) << "column " << x;
            ASSERT_EQ(c.r2, r.r2) << "column " << x;
            ASSERT_EQ(c.r3, r.r3) << "column " << x;
        }
    }
}

// Random lists replayed both ways on one section, compared after each line.
TEST(Equivalence, UneSuiteAleatoireDEvenementsDonneLaMemeCoupe) {
    for (std::uint32_t graine = 1; graine <= 16; ++graine) {
        Alea a(graine * 104729u);
        const int w = a.Entier(350, 560), h = a.Entier(100, 520);
        Section rapide = SectionAleatoire(a, w, h);
        if (graine % 4 != 0) rapide.Observe.ActiverFormations();
        InitSection(rapide);
        Section ref = rapide;
        for (int n = 0; n < 24; ++n) {
            const int tag = a.Entier(1, 7);
            SCOPED_TRACE("seed " + std::to_string(graine) + ", event " + std::to_string(n) +
                         ", tag " + std::to_string(tag));
            rapide.DebuterEvenement(n + 1);
            ref.DebuterEvenement(n + 1);
            EXPECT_EQ(RejouerLigne(rapide, kEvenements[static_cast<std::size_t>(tag - 1)].ligne), tag);
            reference::RejouerTag(ref, tag);
            AfficheProfil(rapide);
            reference::AfficheProfil(ref);
            ComparerSections(rapide, ref);
            ASSERT_EQ(HautSocle(rapide), reference::HautSocle(ref));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

}  // namespace
}  // namespace section
