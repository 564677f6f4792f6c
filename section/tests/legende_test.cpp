// SPDX-License-Identifier: GPL-3.0-or-later
// The legend: what each line lays, kept through undo and replay, and the
// entries a pupil reads, by letter and never by age.
#include <gtest/gtest.h>

#include <set>

#include "section/session.h"
#include "section/formations.h"
#include "textures_essai.h"

namespace section {
namespace {

using E = Evenement;

Session Prete() {
    Session s;
    s.DefinirTextures(test::TexturesSimples(640, 600));
    s.Reinitialiser();
    return s;
}

Liste LignesDe(std::initializer_list<E> evenements) {
    Liste l{Ligne(kLigneInitiale)};
    for (const E e : evenements) l.emplace_back(Type(e).ligne);
    return l;
}

// The shape of the ground plays no part: a layer on a flat surface and one
// in a relief are both Couche until the legend names their rock.
TEST(Depots, ASedimentationLaysALayerWhateverTheShapeOfTheGround) {
    Session s = Prete();
    ASSERT_TRUE(s.section().SurfacePlane());
    s.Appliquer(E::Sedimentation);
    s.Appliquer(E::Compression);
    ASSERT_FALSE(s.section().SurfacePlane());
    s.Appliquer(E::Sedimentation);
    s.Appliquer(E::Distension);
    const std::vector<Depot> attendus{Depot::SerieDeDepart, Depot::Couche, Depot::Pli, Depot::Couche,
                                      Depot::Failles};
    EXPECT_EQ(s.depots(), attendus);
    ASSERT_TRUE(s.Annuler());
    EXPECT_EQ(s.depots(), std::vector<Depot>(attendus.begin(), attendus.end() - 1));
    s.Reinitialiser();
    EXPECT_EQ(s.depots(), std::vector<Depot>{Depot::SerieDeDepart});
}

TEST(Depots, AReplayNotesWhatTheClicksWouldHave) {
    const std::initializer_list<E> suite{E::Sedimentation, E::Erosion,       E::Volcanisme,
                                         E::Compression,   E::Sedimentation, E::Plutonisme,
                                         E::Chevauchement, E::Sedimentation};
    Session clics = Prete();
    for (const E e : suite) clics.Appliquer(e);
    Session rejeu = Prete();
    Liste lignes = LignesDe(suite);
    lignes.insert(lignes.begin() + 3, "Seisme");  // a line that is no event
    rejeu.Charger(lignes);
    std::vector<Depot> attendus = clics.depots();
    attendus.insert(attendus.begin() + 3, Depot::Aucun);
    EXPECT_EQ(rejeu.depots(), attendus);
    EXPECT_EQ(rejeu.depots().size(), rejeu.liste().size());

    Session pas = Prete();
    std::vector<std::size_t> tailles;
    pas.PourChaqueEtape(lignes, [&](int, const Raster&) {
        tailles.push_back(pas.depots().size());
        return true;
    });
    EXPECT_EQ(pas.depots(), attendus);
    EXPECT_EQ(tailles.front(), 1u);
    EXPECT_EQ(tailles.back(), lignes.size());
}

TEST(Depots, AfterAFailedLoadTheNextEventIsFormationZero) {
    Session s = Prete();
    s.Charger({});
    EXPECT_TRUE(s.depots().empty());
    s.Appliquer(E::Sedimentation);
    EXPECT_EQ(s.depots(), std::vector<Depot>{Depot::Couche});
    EXPECT_EQ(s.depots().size(), s.liste().size());
}

// The test textures draw no bands: the starting series is one entry.
TEST(Legende, NamesEveryFormationOfTheViewByItsRock) {
    Session s = Prete();
    const std::vector<EntreeLegende> depart = s.Legende();
    ASSERT_EQ(depart.size(), 1u);
    EXPECT_EQ(depart[0].lettre, "A");
    EXPECT_EQ(TexteLegende(depart[0]), "A : calcaire, argile, conglomérat");

    s.Appliquer(E::Sedimentation);
    s.Appliquer(E::Sedimentation);
    const std::vector<EntreeLegende> l = s.Legende();
    ASSERT_EQ(l.size(), 3u);
    std::set<Formation> formations;
    for (std::size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].lettre, NomDeLettre(static_cast<int>(i)));  // by letter
        formations.insert(l[i].formation);
        // Outside an exercise the rocks are drawn with seed 0; lines 1 and 2
        // lay the first and the second layer.
        if (l[i].formation > 0) {
            EXPECT_EQ(l[i].depot, RocheDeCouche(0, l[i].formation));
        }
    }
    EXPECT_EQ(formations, (std::set<Formation>{0, 1, 2}));
    // Two layers, their tints differ.
    EXPECT_NE(l[0].teinte, l[1].teinte);

    long long pixels = 0;
    for (const EntreeLegende& e : l) pixels += e.pixels;
    long long roche = 0;
    const PlanFormations v = FormationsDeLaVue(s.section());
    for (int y = 0; y < v.hauteur; ++y)
        for (int x = 0; x < v.largeur; ++x) roche += v.At(x, y) >= 0;
    EXPECT_EQ(pixels, roche);
}

TEST(Legende, TheRockOfALayerComesFromTheSeedAndItsRankOnly) {
    std::set<Depot> vues;
    for (std::uint32_t g = 0; g < 64; ++g)
        for (int k = 1; k < 8; ++k) {
            const Depot d = RocheDeCouche(g, k);
            EXPECT_EQ(d, RocheDeCouche(g, k));
            vues.insert(d);
        }
    EXPECT_EQ(vues, (std::set<Depot>{Depot::Gres, Depot::Sable, Depot::CalcaireDeCouche, Depot::ArgileDeCouche,
                                     Depot::Marne, Depot::Craie}));
}

TEST(Legende, NoLegendWithoutAPlaneOrTextures) {
    Session sans;
    sans.DefinirTextures(test::TexturesSimples(640, 600));
    sans.SuivreFormations(false);
    sans.Reinitialiser();
    EXPECT_TRUE(sans.Legende().empty());
    EXPECT_TRUE(Session().Legende().empty());
}

TEST(Legende, TintsStayDistinctWellBeyondTheFirstRound) {
    std::set<Couleur> vues;
    for (int r = 0; r < 48; ++r) {
        const Couleur c = TeinteDeRang(r);
        EXPECT_NE(c, kBleu) << r;
        EXPECT_NE(c, kRouge) << r;
        EXPECT_TRUE(vues.insert(c).second) << "rank " << r << " repeats a tint";
    }
}

}  // namespace
}  // namespace section
