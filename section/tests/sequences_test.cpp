// SPDX-License-Identifier: GPL-3.0-or-later
// Random event sequences, seeded, on the shipped textures and on drawn
// textures of odd sizes: every operation ends, sizes never change, undo
// gives back the section exactly, and a replayed list gives the same section
// as its events applied one by one. Out-of-raster writes are the
// sanitizer build's to catch.
//
// STRATALOOM_GRAINE=<n> runs the sequences from another base seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "section/session.h"
#include "section/disponibilite.h"
#include "section/liste.h"
#include "textures_essai.h"

namespace section {
namespace {

using test::Alea;
using test::TexturesDessinees;
using test::TexturesLivrees;

unsigned GraineDeBase() {
    const char* g = std::getenv("STRATALOOM_GRAINE");
    return g ? static_cast<unsigned>(std::strtoul(g, nullptr, 10)) : 20240611u;
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
void VerifierEtat(const Session& at, int w, int h) {
    const Section& s = at.section();
    ASSERT_EQ(s.W(), w);
    ASSERT_EQ(s.H(), h);
    ASSERT_EQ(at.vue().width(), w - MargeCachee);
    ASSERT_EQ(at.vue().height(), HauteurVue);
    ASSERT_TRUE(s.FacteurPli == 1.0 || s.FacteurPli == 1.75) << s.FacteurPli;
    const int hv = std::min(h, HauteurVue), wv = at.vue().width();
    for (int y = 0; y < hv; ++y)
        ASSERT_TRUE(std::equal(at.vue().row(y), at.vue().row(y) + wv, at.observe().row(y)))
            << "la vue diffère de la section sur la ligne " << y;
}

// A random enabled command; every state has Distension enabled.
std::optional<Evenement> EvenementDisponible(Alea& a, const Disponibilite& d) {
    Evenement choix[7];
    int n = 0;
    for (const TypeEvenement& e : kEvenements)
        if (d[e.evenement]) choix[n++] = e.evenement;
    if (!n) return std::nullopt;
    return choix[a.Entier(0, n - 1)];
}

Session Nouvelle(const Textures& tex) {
    Session s;
    s.DefinirTextures(tex);
    return s;
}

// Twelve interactive steps: mostly enabled events, sometimes an undo (then
// a second undo, which must be refused), sometimes a return to start. At
// the end the list is replayed on a fresh session and must rebuild the
// same section.
void SequenceInteractive(Alea& a, const Textures& tex) {
    Session at = Nouvelle(tex);
    ASSERT_TRUE(at.Prete());
    at.Reinitialiser();
    const int w = at.section().W(), h = at.section().H();
    Session depart = Nouvelle(tex);
    depart.Reinitialiser();
    ASSERT_NO_FATAL_FAILURE(VerifierEtat(at, w, h));
    ASSERT_TRUE(at.Disponible(Evenement::Distension));

    for (int pas = 0; pas < 12; ++pas) {
        SCOPED_TRACE("pas " + std::to_string(pas));
        const int de = a.Entier(0, 9);
        if (de == 0) {
            at.Reinitialiser();
            EXPECT_TRUE(MemesPixels(depart.observe(), at.observe()));
            EXPECT_EQ(at.section().FacteurPli, 1.0);
            EXPECT_EQ(at.liste(), Liste{Ligne(kLigneInitiale)});
            EXPECT_FALSE(at.annulable());
            EXPECT_EQ(at.disponibilite(), depart.disponibilite());
        } else if (de == 1 && at.annulable()) {
            at.Annuler();
            EXPECT_FALSE(at.Annuler());
        } else {
            const Raster avant = at.observe();
            const double facteur = at.section().FacteurPli;
            const Liste listeAvant = at.liste();
            const Disponibilite dispoAvant = at.disponibilite();
            const std::optional<Evenement> e = EvenementDisponible(a, at.disponibilite());
            ASSERT_TRUE(e.has_value());
            SCOPED_TRACE("tag " + std::to_string(Tag(*e)));
            at.Appliquer(*e);
            ASSERT_NO_FATAL_FAILURE(VerifierEtat(at, w, h));
            ASSERT_EQ(at.liste().size(), listeAvant.size() + 1);
            EXPECT_EQ(at.liste().back(), Type(*e).ligne);
            EXPECT_TRUE(at.annulable());
            if (a.Entier(0, 3) == 0) {
                ASSERT_TRUE(at.Annuler());
                EXPECT_TRUE(MemesPixels(avant, at.observe()));
                EXPECT_EQ(at.section().FacteurPli, facteur);
                EXPECT_EQ(at.liste(), listeAvant);
                EXPECT_EQ(at.disponibilite(), dispoAvant);
                EXPECT_FALSE(at.annulable());
            }
        }
        ASSERT_NO_FATAL_FAILURE(VerifierEtat(at, w, h));
    }

    Session rejoue = Nouvelle(tex);
    rejoue.Charger(at.liste());
    EXPECT_TRUE(MemesPixels(at.observe(), rejoue.observe()));
    EXPECT_TRUE(MemesPixels(at.vue(), rejoue.vue()));
    // Each event laid the formation of its list line, whether clicked or replayed.
    EXPECT_TRUE(rejoue.observe().MemesFormations(at.observe()));
    EXPECT_EQ(rejoue.section().FacteurPli, at.section().FacteurPli);
    EXPECT_EQ(rejoue.disponibilite(), at.disponibilite());
    EXPECT_EQ(rejoue.liste(), at.liste());
    EXPECT_FALSE(rejoue.annulable());
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
    const int de = a.Entier(0, 9);
    if (de < 7) return Ligne(kEvenements[static_cast<std::size_t>(a.Entier(0, 6))].ligne);
    if (de == 7) return kPresque[a.Entier(0, 6)];
    if (de == 8) return {};
    Ligne l(static_cast<std::size_t>(a.Entier(1, 20)), ' ');
    for (char& c : l) c = static_cast<char>(a.Entier(1, 255));
    return l;
}

// A list that ignores availability, replayed by Charger, against a reset
// followed by the same events through Appliquer one by one: line 0 is
// never replayed and unknown lines do nothing.
void SequenceRejouee(Alea& a, const Textures& tex) {
    Liste liste(static_cast<std::size_t>(a.Entier(0, 12)));
    for (Ligne& l : liste) l = LigneAuHasard(a);

    Session charge = Nouvelle(tex);
    charge.Charger(liste);
    const int w = charge.section().W(), h = charge.section().H();
    ASSERT_NO_FATAL_FAILURE(VerifierEtat(charge, w, h));
    EXPECT_EQ(charge.liste(), liste);
    EXPECT_FALSE(charge.annulable());

    Session unParUn = Nouvelle(tex);
    unParUn.Reinitialiser();
    for (std::size_t i = 1; i < liste.size(); ++i) {
        if (const std::optional<Evenement> e = EvenementDeLigne(liste[i])) unParUn.Appliquer(*e);
        ASSERT_NO_FATAL_FAILURE(VerifierEtat(unParUn, w, h));
    }
    EXPECT_TRUE(MemesPixels(unParUn.observe(), charge.observe()));
    EXPECT_EQ(unParUn.section().FacteurPli, charge.section().FacteurPli);

    // Step by step, the replay shows every step and ends where the load does.
    Session pas = Nouvelle(tex);
    int etapes = 0;
    EXPECT_TRUE(pas.PourChaqueEtape(liste, [&](int etape, const Raster& vue) {
        EXPECT_EQ(etape, etapes++);
        return vue.width() == w - MargeCachee;
    }));
    EXPECT_EQ(etapes, static_cast<int>(std::max<std::size_t>(liste.size(), 1)));
    EXPECT_TRUE(MemesPixels(charge.observe(), pas.observe()));
    EXPECT_EQ(pas.disponibilite(), charge.disponibilite());
    EXPECT_EQ(pas.liste(), charge.liste());

    // The same lines through RejouerLigne on a bare section.
    Section s;
    s.tex = tex;
    InitSection(s);
    for (std::size_t i = 1; i < liste.size(); ++i)
        EXPECT_EQ(RejouerLigne(s, liste[i]), TagDeLigne(liste[i]));
    EXPECT_TRUE(MemesPixels(charge.observe(), s.Observe));
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
        const int w = i < nl * nh ? kLargeurs[i % nl] : a.Entier(101, 700);
        const int h = i < nl * nh ? kHauteurs[i / nl] : a.Entier(1, 700);
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
