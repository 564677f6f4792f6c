// Random event sequences, seeded, on the shipped textures and on drawn
// textures of odd sizes: every operation ends, sizes never change, undo
// gives back the section exactly, and a replayed list gives the same section
// as its events applied one by one. Out-of-raster writes are the
// sanitizer build's to catch.
//
// STRATALOOM_GRAINE=<n> runs the sequences from another base seed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#include "section/evenements.h"

namespace section {
namespace {

using Alea = std::mt19937;

unsigned GraineDeBase() {
    const char* g = std::getenv("STRATALOOM_GRAINE");
    return g ? static_cast<unsigned>(std::strtoul(g, nullptr, 10)) : 20240611u;
}

int Entre(Alea& a, int min, int max) { return std::uniform_int_distribution<int>(min, max)(a); }

// --- Textures -------------------------------------------------------------

// The shipped pictures are uncompressed 24- or 32-bit BMPs; this reads just
// that, enough to find them again without the program's picture code.
std::optional<Raster> LireBmpSimple(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    auto le = [&](std::size_t at, int n) {
        std::uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
        return v;
    };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const std::uint32_t donnees = le(10, 4), bpp = le(28, 2);
    const int w = static_cast<std::int32_t>(le(18, 4));
    int h = static_cast<std::int32_t>(le(22, 4));
    const bool basEnHaut = h > 0;
    h = h < 0 ? -h : h;
    if (le(30, 4) != 0 || (bpp != 24 && bpp != 32) || w <= 0 || h <= 0 || w > 4096 || h > 4096)
        return std::nullopt;
    const std::size_t ligne = (static_cast<std::size_t>(w) * bpp + 31) / 32 * 4;
    if (donnees + ligne * static_cast<std::size_t>(h) > b.size()) return std::nullopt;
    Raster r(w, h);
    for (int y = 0; y < h; ++y) {
        const std::size_t debut =
            donnees + ligne * static_cast<std::size_t>(basEnHaut ? h - 1 - y : y);
        for (int x = 0; x < w; ++x) {
            const std::size_t p = debut + static_cast<std::size_t>(x) * (bpp / 8);
            r.row(y)[x] =
                Rgb(static_cast<unsigned char>(b[p + 2]), static_cast<unsigned char>(b[p + 1]),
                    static_cast<unsigned char>(b[p]));
        }
    }
    return r;
}

// The Base folder beside the test program, when the data was generated.
std::optional<Textures> TexturesLivrees() {
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return std::nullopt;
    std::string dossier(exe, static_cast<std::size_t>(n));
    dossier = dossier.substr(0, dossier.rfind('/')) + "/Base/";
    Textures t;
    for (int i = 0; i < 7; ++i) {
        std::optional<Raster> r = LireBmpSimple(dossier + kFichiersTextures[i]);
        if (!r) return std::nullopt;
        TextureNumero(t, i) = std::move(*r);
    }
    return t;
}

// Horizontal bands of rock colours, never blue or red, with a few random
// blue and red pixels when `taches`: holes and stray base-band marks.
Raster Bandes(Alea& a, int w, int h, bool taches) {
    Raster r(w, h);
    const int pas = Entre(a, 1, 25);
    const Couleur c1 = Rgb(200, 160, 90), c2 = Rgb(120, 90, 60);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) r.row(y)[x] = (y / pas) % 2 ? c1 : c2;
    if (taches) {
        const int n = Entre(a, 0, 12);
        for (int i = 0; i < n; ++i)
            r.row(Entre(a, 0, h - 1))[Entre(a, 0, w - 1)] = Entre(a, 0, 1) ? kBleu : kRouge;
    }
    return r;
}

// An overlay body: a disc, white in the mask and coloured in the picture.
Raster Corps(int w, int h, bool masque, Couleur couleur) {
    Raster r(w, h, masque ? kNoir : kBlanc);
    const long long cx = w / 2, cy = h / 2, r2 = std::min(cx, cy) * std::min(cx, cy);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r2)
                r.row(y)[x] = masque ? kBlanc : couleur;
    return r;
}

// Textures for a W x H section; besides the expected sizes, some draws give
// layers narrower or wider than the section, a base layer taller than the
// section, a Couche3 narrower than it, and masks of another size than their
// pictures.
Textures TexturesDessinees(Alea& a, int w, int h) {
    const bool bizarre = Entre(a, 0, 2) == 0;
    auto autre = [&](int v) { return bizarre && Entre(a, 0, 1) ? Entre(a, 1, 2 * v + 10) : v; };
    Textures t;
    t.ImSedim1 = Bandes(a, w, bizarre && Entre(a, 0, 3) == 0 ? Entre(a, 1, h + 40) : Entre(a, 1, h),
                        bizarre);
    t.ImSedim2 = Bandes(a, autre(w), Entre(a, 1, 60), bizarre);
    t.ImSedim3 = Bandes(a, autre(w), h, bizarre);
    const int gw = Entre(a, 1, w), gh = Entre(a, 1, h);
    t.ImGranit = Corps(gw, gh, false, Rgb(240, 120, 170));
    t.ImGranit0 = Corps(autre(gw), autre(gh), true, 0);
    const int cw = Entre(a, 1, w), ch = Entre(a, 1, h + 60);
    t.ImCoulee = Corps(cw, ch, false, Rgb(60, 60, 60));
    t.ImCoulee0 = Corps(autre(cw), autre(ch), true, 0);
    return t;
}

constexpr int kLargeurs[] = {101, 120, 300, 346, 347, 640};
constexpr int kHauteurs[] = {20, 41, 42, 59, 60, 480, 600, 1500};

// --- Checks ---------------------------------------------------------------

::testing::AssertionResult MemesPixels(const Raster& attendu, const Raster& obtenu) {
    if (attendu.width() != obtenu.width() || attendu.height() != obtenu.height())
        return ::testing::AssertionFailure()
               << "taille " << obtenu.width() << "x" << obtenu.height() << " au lieu de "
               << attendu.width() << "x" << attendu.height();
    if (attendu == obtenu) return ::testing::AssertionSuccess();
    for (int y = 0; y < attendu.height(); ++y)
        for (int x = 0; x < attendu.width(); ++x)
            if (attendu.Pixels(x, y) != obtenu.Pixels(x, y))
                return ::testing::AssertionFailure()
                       << "premier pixel différent en (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

// What every event leaves: the section and view keep their sizes, the
// view shows the top-left block of the section, the fold factor is one of
// its two values.
void VerifierEtat(const Atelier& at, int w, int h) {
    ASSERT_EQ(at.sec.W(), w);
    ASSERT_EQ(at.sec.H(), h);
    ASSERT_EQ(at.sec.Visu.width(), w - MargeCachee);
    ASSERT_EQ(at.sec.Visu.height(), HauteurVue);
    ASSERT_TRUE(at.sec.FacteurPli == 1.0 || at.sec.FacteurPli == 1.75) << at.sec.FacteurPli;
    const int hv = std::min(h, HauteurVue), wv = at.sec.Visu.width();
    for (int y = 0; y < hv; ++y)
        ASSERT_TRUE(std::equal(at.sec.Visu.row(y), at.sec.Visu.row(y) + wv, at.sec.Observe.row(y)))
            << "la vue diffère de la section sur la ligne " << y;
}

// The tag of a random enabled command; every state has Distension enabled.
int TagDisponible(Alea& a, const Disponibilite& d) {
    int choix[7], n = 0;
    for (int tag = 1; tag <= 7; ++tag)
        if (d[static_cast<std::size_t>(tag)]) choix[n++] = tag;
    return n ? choix[Entre(a, 0, n - 1)] : 0;
}

// Twelve interactive steps: mostly enabled events, sometimes an undo (then
// a second undo, which must be refused), sometimes a return to start. At
// the end the list is replayed on a fresh workshop and must rebuild the
// same section.
void SequenceInteractive(Alea& a, const Textures& tex) {
    Atelier at;
    at.sec.tex = tex;
    at.InitProfil();
    const int w = at.sec.W(), h = at.sec.H();
    Atelier depart;
    depart.sec.tex = tex;
    depart.InitProfil();
    ASSERT_NO_FATAL_FAILURE(VerifierEtat(at, w, h));
    ASSERT_TRUE(at.dispo[7]);

    for (int pas = 0; pas < 12; ++pas) {
        SCOPED_TRACE("pas " + std::to_string(pas));
        const int de = Entre(a, 0, 9);
        if (de == 0) {
            at.InitProfil();
            EXPECT_TRUE(MemesPixels(depart.sec.Observe, at.sec.Observe));
            EXPECT_EQ(at.sec.FacteurPli, 1.0);
            EXPECT_EQ(at.liste, Liste{Ligne(kLigneInitiale)});
            EXPECT_FALSE(at.annulable);
            EXPECT_EQ(at.dispo, depart.dispo);
        } else if (de == 1 && at.annulable) {
            at.Annuler();
            EXPECT_FALSE(at.Annuler());
        } else {
            const Raster avant = at.sec.Observe;
            const double facteur = at.sec.FacteurPli;
            const Liste listeAvant = at.liste;
            const Disponibilite dispoAvant = at.dispo;
            const int tag = TagDisponible(a, at.dispo);
            ASSERT_NE(tag, 0);
            SCOPED_TRACE("tag " + std::to_string(tag));
            at.Appliquer(tag);
            ASSERT_NO_FATAL_FAILURE(VerifierEtat(at, w, h));
            ASSERT_EQ(at.liste.size(), listeAvant.size() + 1);
            EXPECT_EQ(at.liste.back(), EvenementParTag(tag)->ligne);
            EXPECT_TRUE(at.annulable);
            if (Entre(a, 0, 3) == 0) {
                ASSERT_TRUE(at.Annuler());
                EXPECT_TRUE(MemesPixels(avant, at.sec.Observe));
                EXPECT_EQ(at.sec.FacteurPli, facteur);
                EXPECT_EQ(at.liste, listeAvant);
                EXPECT_EQ(at.dispo, dispoAvant);
                EXPECT_FALSE(at.annulable);
            }
        }
        ASSERT_NO_FATAL_FAILURE(VerifierEtat(at, w, h));
    }

    Atelier rejoue;
    rejoue.sec.tex = tex;
    rejoue.Charger(at.liste);
    EXPECT_TRUE(MemesPixels(at.sec.Observe, rejoue.sec.Observe));
    EXPECT_TRUE(MemesPixels(at.sec.Visu, rejoue.sec.Visu));
    EXPECT_EQ(rejoue.sec.FacteurPli, at.sec.FacteurPli);
    EXPECT_EQ(rejoue.dispo, at.dispo);
    EXPECT_EQ(rejoue.liste, at.liste);
    EXPECT_FALSE(rejoue.annulable);
}

// A random list line: mostly event names, some near misses, empty lines,
// bytes of every kind.
Ligne LigneAuHasard(Alea& a) {
    static const char* const kPresque[] = {"erosion",
                                           "Erosion ",
                                           " Compression",
                                           "Sedimentation",
                                           "S\xC3\xA9"
                                           "dimentation",
                                           "DISTENSION",
                                           "Pluton"};
    const int de = Entre(a, 0, 9);
    if (de < 7) return Ligne(kEvenements[static_cast<std::size_t>(Entre(a, 0, 6))].ligne);
    if (de == 7) return kPresque[Entre(a, 0, 6)];
    if (de == 8) return {};
    Ligne l(static_cast<std::size_t>(Entre(a, 1, 20)), ' ');
    for (char& c : l) c = static_cast<char>(Entre(a, 1, 255));
    return l;
}

// A list that ignores availability, replayed by Charger, against a reset
// followed by the same events through Appliquer one by one: line 0 is
// never replayed and unknown lines do nothing.
void SequenceRejouee(Alea& a, const Textures& tex) {
    Liste liste(static_cast<std::size_t>(Entre(a, 0, 12)));
    for (Ligne& l : liste) l = LigneAuHasard(a);

    Atelier charge;
    charge.sec.tex = tex;
    charge.Charger(liste);
    const int w = charge.sec.W(), h = charge.sec.H();
    ASSERT_NO_FATAL_FAILURE(VerifierEtat(charge, w, h));
    EXPECT_EQ(charge.liste, liste);
    EXPECT_FALSE(charge.annulable);

    Atelier unParUn;
    unParUn.sec.tex = tex;
    unParUn.InitProfil();
    for (std::size_t i = 1; i < liste.size(); ++i) {
        const int tag = TagDeLigne(liste[i]);
        if (tag) unParUn.Appliquer(tag);
        ASSERT_NO_FATAL_FAILURE(VerifierEtat(unParUn, w, h));
    }
    EXPECT_TRUE(MemesPixels(unParUn.sec.Observe, charge.sec.Observe));
    EXPECT_EQ(unParUn.sec.FacteurPli, charge.sec.FacteurPli);

    // The same lines through RejouerLigne on a bare section.
    Section s;
    s.tex = tex;
    InitSection(s);
    for (std::size_t i = 1; i < liste.size(); ++i)
        EXPECT_EQ(RejouerLigne(s, liste[i]), TagDeLigne(liste[i]));
    EXPECT_TRUE(MemesPixels(charge.sec.Observe, s.Observe));
}

std::string Trace(unsigned graine, int w, int h) {
    return "graine " + std::to_string(graine) +
           " (base STRATALOOM_GRAINE=" + std::to_string(GraineDeBase()) + "), section " +
           std::to_string(w) + "x" + std::to_string(h);
}

TEST(SequencesAleatoires, InteractiveOnShippedTextures) {
    const std::optional<Textures> tex = TexturesLivrees();
    if (!tex) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    for (int i = 0; i < 30; ++i) {
        const unsigned graine = GraineDeBase() + static_cast<unsigned>(i);
        SCOPED_TRACE(Trace(graine, tex->ImSedim1.width(), tex->ImSedim3.height()));
        Alea a(graine);
        ASSERT_NO_FATAL_FAILURE(SequenceInteractive(a, *tex));
    }
}

TEST(SequencesAleatoires, ReplayedListsOnShippedTextures) {
    const std::optional<Textures> tex = TexturesLivrees();
    if (!tex) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    for (int i = 0; i < 30; ++i) {
        const unsigned graine = GraineDeBase() + 1000u + static_cast<unsigned>(i);
        SCOPED_TRACE(Trace(graine, tex->ImSedim1.width(), tex->ImSedim3.height()));
        Alea a(graine);
        ASSERT_NO_FATAL_FAILURE(SequenceRejouee(a, *tex));
    }
}

// Each section size of the tables, then random sizes from the same ranges.
void SurTaillesImpaires(unsigned decalage, int nombre, void (*sequence)(Alea&, const Textures&)) {
    constexpr int nl = static_cast<int>(std::size(kLargeurs));
    constexpr int nh = static_cast<int>(std::size(kHauteurs));
    for (int i = 0; i < nombre; ++i) {
        const unsigned graine = GraineDeBase() + decalage + static_cast<unsigned>(i);
        Alea a(graine);
        const int w = i < nl * nh ? kLargeurs[i % nl] : Entre(a, 101, 700);
        const int h = i < nl * nh ? kHauteurs[i / nl] : Entre(a, 1, 700);
        SCOPED_TRACE(Trace(graine, w, h));
        const Textures tex = TexturesDessinees(a, w, h);
        ASSERT_NO_FATAL_FAILURE(sequence(a, tex));
    }
}

TEST(SequencesAleatoires, InteractiveOnOddSizes) {
    SurTaillesImpaires(2000u, 80, SequenceInteractive);
}

TEST(SequencesAleatoires, ReplayedListsOnOddSizes) {
    SurTaillesImpaires(3000u, 80, SequenceRejouee);
}

}  // namespace
}  // namespace section
