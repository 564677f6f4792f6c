// The engine's faster forms against the straightforward ones of
// reference.cpp, on random sections: every pixel of Observe (and of the view),
// the drawing state, the surface extent and the fold factors must agree.
// Each case prints its seed when it fails.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "../src/pli.h"
#include "reference.h"
#include "section/evenements.h"

namespace section {
namespace {

// Seeded and cheap: the sections are drawn pixel by pixel.
struct Alea {
    explicit Alea(std::uint32_t graine) : g(graine) {}
    int Entier(int a, int b) {
        return a + static_cast<int>(g() % static_cast<std::uint32_t>(b - a + 1));
    }
    bool Pile(double p) { return static_cast<double>(g()) < p * 4294967296.0; }
    std::mt19937 g;
};

// Rock colours; blue and red only now and then, as holes and band pixels.
Couleur Roche(Alea& a, double bleu = 0.0, double rouge = 0.0) {
    static constexpr Couleur kPalette[] = {Rgb(194, 178, 128), Rgb(120, 90, 60), kNoir,
                                           Rgb(90, 140, 80),   kBlanc,           Rgb(200, 200, 190),
                                           Rgb(0, 0, 254),     Rgb(255, 0, 1)};
    if (a.Pile(bleu)) return kBleu;
    if (a.Pile(rouge)) return kRouge;
    return kPalette[a.Entier(0, 7)];
}

// Bands of colour with noise, so that a pixel moved by one row or column
// shows.
Raster Texture(Alea& a, int w, int h, double bleu = 0.0) {
    Raster r(w, h);
    Couleur bande = Roche(a);
    for (int y = 0; y < h; ++y) {
        if (a.Pile(0.2)) bande = Roche(a);
        for (int x = 0; x < w; ++x) r.row(y)[x] = a.Pile(0.3) ? Roche(a, bleu) : bande;
    }
    return r;
}

// A body: inside a random ellipse the mask is white and the picture
// coloured, outside black and white; now and then other pairs.
void Corps(Alea& a, int w, int h, Raster& masque, Raster& image) {
    masque.Reset(w, h, kNoir);
    image.Reset(w, h, kBlanc);
    const double cx = w / 2.0, cy = h / 2.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double u = (x - cx) / (w / 2.0), v = (y - cy) / (h / 2.0);
            if (u * u + v * v <= 1.0 || a.Pile(0.02)) {
                masque.row(y)[x] = a.Pile(0.05) ? Roche(a) : kBlanc;
                image.row(y)[x] = Roche(a);
            }
        }
}

Textures TexturesAleatoires(Alea& a, int w, int h) {
    Textures t;
    t.ImSedim1 = Texture(a, w, a.Entier(1, std::max(1, h / 2)));
    t.ImSedim2 = Texture(a, a.Entier(1, w + 40), a.Entier(1, 60));
    t.ImSedim3 = Texture(a, a.Pile(0.8) ? w : a.Entier(1, w + 40),
                         a.Pile(0.8) ? h : a.Entier(1, h + 40), a.Pile(0.2) ? 0.01 : 0.0);
    const int gw = a.Entier(1, std::max(1, w / 3)), gh = a.Entier(1, h);
    Corps(a, gw, gh, t.ImGranit0, t.ImGranit);
    const int cw = a.Entier(1, std::max(1, w / 3)), ch = a.Entier(1, h + 60);
    Corps(a, cw, ch, t.ImCoulee0, t.ImCoulee);
    if (a.Pile(0.1)) t.ImGranit0 = Texture(a, a.Entier(1, gw + 5), a.Entier(1, gh + 5));
    if (a.Pile(0.1)) t.ImCoulee = Texture(a, a.Entier(1, cw + 5), a.Entier(1, ch + 5));
    return t;
}

// Sky above a wandering surface, banded rock below, with holes, red
// pixels and blobs of rock hanging in the sky.
Section SectionAleatoire(Alea& a, int w, int h) {
    Section s;
    s.tex = TexturesAleatoires(a, w, h);
    s.Observe.Reset(w, h, kBleu);
    s.Visu.Reset(w - MargeCachee, HauteurVue);
    int surface = a.Entier(0, h);
    const double rouge = a.Pile(0.5) ? 0.001 : 0.0;
    for (int x = 0; x < w; ++x) {
        surface = std::clamp(surface + a.Entier(-3, 3) + (a.Pile(0.02) ? a.Entier(-40, 40) : 0), 0, h);
        for (int y = surface; y < h; ++y) s.Observe.row(y)[x] = Roche(a, 0.0, rouge);
    }
    for (int n = a.Entier(0, 6); n > 0; --n) {
        const int l = a.Entier(-5, w), t = a.Entier(-5, h);
        s.Observe.BrushColor = a.Pile(0.7) ? kBleu : Roche(a);
        s.Observe.FillRect({l, t, l + a.Entier(1, 40), t + a.Entier(1, 25)});
    }
    if (a.Pile(0.3)) {
        s.Observe.BrushColor = kRouge;
        s.Observe.FillRect({0, h - Rejet, w, h});
    }
    s.Observe.CopyMode = a.Pile(0.9) ? ModeCopie::Copie : a.Pile(0.5) ? ModeCopie::Ou : ModeCopie::Et;
    s.Observe.BrushColor = a.Pile(0.5) ? kBleu : Roche(a);
    reference::MesureSurface(s);
    if (a.Pile(0.15)) {
        s.SurfaceBas = a.Entier(-20, h + 40);
        s.SurfaceHaut = a.Pile(0.5) ? s.SurfaceBas - 1 : a.Entier(-20, h + 40);
    }
    const double facteurs[] = {1.0, 1.75, 0.4, 2.6};
    s.FacteurPli = facteurs[a.Pile(0.8) ? a.Entier(0, 1) : a.Entier(2, 3)];
    s.FacteurPliPrec = a.Pile(0.9) ? facteurs[a.Entier(0, 1)] : 0.0;
    return s;
}

// A size: mostly one a learner's textures would give, sometimes a tiny one.
void Taille(Alea& a, int& w, int& h) {
    if (a.Pile(0.8)) {
        w = a.Entier(300, 700);
        h = a.Entier(40, 620);
    } else {
        w = a.Entier(1, 80);
        h = a.Entier(1, 80);
    }
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
        const Raster& src = meme ? dst : autre;
        const Rect d = RectAleatoire(a, w, h);
        // The same size half the time (a translation, perhaps overlapping).
        const int dx = a.Entier(-3, 3), dy = a.Entier(-3, 3);
        const Rect s = a.Pile(0.5) ? Rect{d.left + dx, d.top + dy, d.right + dx, d.bottom + dy}
                                   : RectAleatoire(a, src.width(), src.height());
        Raster attendu = dst;
        reference::CopyRect(attendu, d, meme ? attendu : autre, s);
        dst.CopyRect(d, src, s);
        ASSERT_TRUE(dst == attendu) << PremiereDifference(dst, attendu);
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
        InitSection(rapide);
        Section ref = rapide;
        for (int n = 0; n < 24; ++n) {
            const int tag = a.Entier(1, 7);
            SCOPED_TRACE("seed " + std::to_string(graine) + ", event " + std::to_string(n) +
                         ", tag " + std::to_string(tag));
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
