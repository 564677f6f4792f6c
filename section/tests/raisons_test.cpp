// SPDX-License-Identifier: GPL-3.0-or-later
// Why a command is off: each rule of MajBoutons gives its own reason at its
// own boundary, a command on gives none, and the list lines a replay skips.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "aleatoire.h"
#include "section/session.h"
#include "section/disponibilite.h"
#include "section/liste.h"
#include "textures_essai.h"
#include "texte.h"

namespace section {
namespace {

using test::Coupe;
using E = Evenement;

const std::string kSed = "S\xE9" "dimentation";

// A section level at row s, a view 480 rows high, a layer 40 rows high.
Section Plate(int s, int h = 600) {
    Section sec;
    sec.Observe = Coupe(640, h, {s});
    sec.Visu.Reset(540, 480);
    sec.tex.ImSedim2.Reset(64, 40);
    return sec;
}

Section Inegale(int creux) {
    std::vector<int> surface(640, 200);
    surface[300] = creux;
    Section sec = Plate(0);
    sec.Observe = Coupe(640, 600, surface);
    return sec;
}

TEST(Raisons, VolcanismeSaysWhetherTheSurfaceIsUnevenOrTooHigh) {
    Section bas = Plate(82);
    EXPECT_EQ(MajBoutons(bas, {kSed}).Raison(E::Volcanisme), "");
    Section haut = Plate(81);
    EXPECT_EQ(MajBoutons(haut, {kSed}).Raison(E::Volcanisme), raison::TropHautePourCoulee);
    Section relief = Inegale(250);
    EXPECT_EQ(MajBoutons(relief, {kSed}).Raison(E::Volcanisme), raison::PasPlane);
    // Uneven and high: the flat surface is asked for first.
    Section les2 = Plate(40);
    les2.Observe.row(40)[300] = kBleu;
    les2.Observe.row(41)[300] = kBleu;
    EXPECT_EQ(MajBoutons(les2, {kSed}).Raison(E::Volcanisme), raison::PasPlane);
}

TEST(Raisons, SedimentationAndErosionAtTheirBoundaries) {
    Section a = Plate(71);
    EXPECT_EQ(MajBoutons(a, {kSed}).Raison(E::Sedimentation), "");
    Section b = Plate(70);
    EXPECT_EQ(MajBoutons(b, {kSed}).Raison(E::Sedimentation), raison::PasDePlaceCouche);
    Section c = Plate(430);
    EXPECT_EQ(MajBoutons(c, {kSed}).Raison(E::Erosion), "");
    Section d = Plate(431);
    EXPECT_EQ(MajBoutons(d, {kSed}).Raison(E::Erosion), raison::TropBasPourEroder);
}

TEST(Raisons, PlutonismeNamesTheDistensionBeforeTheDepth) {
    Section bas = Plate(463);
    EXPECT_EQ(MajBoutons(bas, {kSed}).Raison(E::Plutonisme), "");
    Section haut = Plate(465);
    EXPECT_EQ(MajBoutons(haut, {kSed}).Raison(E::Plutonisme), raison::TropBasPourPluton);
    EXPECT_EQ(MajBoutons(haut, {kSed, "Distension"}).Raison(E::Plutonisme), raison::DistensionPluton);
    EXPECT_EQ(MajBoutons(bas, {kSed, "Distension"}).Raison(E::Plutonisme), raison::DistensionPluton);
}

TEST(Raisons, ChevauchementGivesEachOfItsThreeRules) {
    Section a = Plate(380, 600);
    EXPECT_EQ(MajBoutons(a, {kSed}).Raison(E::Chevauchement), "");
    EXPECT_EQ(MajBoutons(a, {kSed, "Distension"}).Raison(E::Chevauchement), raison::DistensionChevauchement);
    EXPECT_EQ(MajBoutons(a, {kSed, "Distension"}).Raison(E::Compression), raison::DistensionCompression);
    EXPECT_EQ(MajBoutons(a, {kSed, "distension"}).Raison(E::Compression), "");
    Section b = Plate(30, 600);
    EXPECT_EQ(MajBoutons(b, {kSed}).Raison(E::Chevauchement), raison::TropHautPourChevaucher);
    Section c = Plate(31, 600);
    EXPECT_EQ(MajBoutons(c, {kSed}).Raison(E::Chevauchement), "");
    Section d = Plate(380, 510);
    EXPECT_EQ(MajBoutons(d, {kSed}).Raison(E::Chevauchement), raison::BaseDeLaNappe);
    Section e = Plate(380, 600);
    e.Observe.row(510)[5] = kRouge;
    EXPECT_EQ(MajBoutons(e, {kSed}).Raison(E::Chevauchement), raison::BaseDeLaNappe);
}

TEST(Raisons, WithoutASectionEveryCommandSaysSo) {
    Session s;
    s.DefinirTextures(Textures{});
    s.Reinitialiser();
    ASSERT_FALSE(s.Prete());
    for (const TypeEvenement& t : kEvenements) {
        EXPECT_EQ(s.disponibilite().Raison(t.evenement), raison::SansCoupe) << t.tag;
        EXPECT_EQ(s.RaisonRefus(t.evenement), raison::SansCoupe) << t.tag;
    }
    // Pictures that fail their checks make no section either, whatever the
    // rules said of the last one.
    Session prete;
    prete.DefinirTextures(test::TexturesSimples(640, 600));
    prete.Reinitialiser();
    ASSERT_TRUE(prete.RaisonRefus(E::Sedimentation).empty());
    prete.DefinirTextures(Textures{});
    EXPECT_EQ(prete.RaisonRefus(E::Sedimentation), raison::SansCoupe);
}

// On random walks of a real session, a command is off exactly when it has
// a reason, and that reason is one its kind can give.
TEST(Raisons, OffExactlyWithAReasonOfItsKind) {
    const Textures tex = test::TexturesSimples(640, 600);
    std::set<std::string_view> vues;
    for (std::uint32_t graine = 1; graine <= 12; ++graine) {
        SCOPED_TRACE("graine " + std::to_string(graine));
        test::Alea a(graine);
        Session s;
        s.DefinirTextures(tex);
        s.Reinitialiser();
        for (int pas = 0; pas < 25; ++pas) {
            const Disponibilite& d = s.disponibilite();
            std::vector<E> actifs;
            for (const TypeEvenement& t : kEvenements) {
                const std::string_view r = d.Raison(t.evenement);
                EXPECT_EQ(r.empty(), d[t.evenement]) << t.tag;
                EXPECT_EQ(s.RaisonRefus(t.evenement), r) << t.tag;
                if (r.empty()) {
                    actifs.push_back(t.evenement);
                    continue;
                }
                vues.insert(r);
                const std::vector<std::string_view> possibles = RaisonsPossibles(t.evenement);
                EXPECT_NE(std::find(possibles.begin(), possibles.end(), r), possibles.end()) << t.tag << " " << r;
            }
            ASSERT_FALSE(actifs.empty());
            s.Appliquer(actifs[static_cast<std::size_t>(a.Entier(0, static_cast<int>(actifs.size()) - 1))]);
        }
    }
    EXPECT_GE(vues.size(), 3u);  // the walks did meet commands off
}

TEST(Raisons, EveryKindHasADescriptionAndDistensionNoReason) {
    std::set<std::string_view> descriptions, raisons;
    for (const TypeEvenement& t : kEvenements) {
        EXPECT_FALSE(t.description.empty());
        descriptions.insert(t.description);
        for (std::string_view r : RaisonsPossibles(t.evenement)) {
            EXPECT_TRUE(raisons.insert(r).second) << "raison partagée : " << r;
            EXPECT_EQ(r.find_first_of("0123456789"), std::string_view::npos) << r;  // no pixel counts
        }
    }
    EXPECT_EQ(descriptions.size(), kEvenements.size());
    EXPECT_TRUE(RaisonsPossibles(E::Distension).empty());
}

TEST(LignesNonRejouees, FirstLineUnlessSedimentationThenUnknownLines) {
    using V = std::vector<std::size_t>;
    EXPECT_EQ(LignesNonRejouees({kSed, "Erosion", "Seisme", "erosion", "", "Compression"}), (V{2, 3, 4}));
    EXPECT_EQ(LignesNonRejouees({"Erosion", "Erosion"}), (V{0}));
    EXPECT_EQ(LignesNonRejouees({"Sedimentation", kSed}), (V{0}));
    EXPECT_EQ(LignesNonRejouees({kSed}), V{});
    EXPECT_EQ(LignesNonRejouees({}), V{});
    EXPECT_EQ(LignesNonRejouees({kSed, "Erosion "}), (V{1}));
}

}  // namespace
}  // namespace section
