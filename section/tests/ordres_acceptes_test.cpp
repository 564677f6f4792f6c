// SPDX-License-Identifier: GPL-3.0-or-later
// The accepted orders of a model's events: chronologies written by hand,
// each named after the shape of its relations, then one seeded check that
// every order found keeps the relations and that none is missed.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "section/ordre.h"
#include "section/ordres_acceptes.h"
#include "chronologie_essai.h"
#include "textures_essai.h"

namespace section {
namespace {

using test::ChronologieDeRelations;

using Ordres = std::vector<std::vector<int>>;

TEST(OrdresAcceptes, TableDeChronologies) {
    struct Cas {
        const char* nom;
        Chronologie c;
        std::vector<int> ids;
        Ordres attendus;
    };
    const Cas cas[] = {
        {"chaine entiere", ChronologieDeRelations({{0, 1}, {1, 2}, {2, 3}}), {1, 2, 3}, {{1, 2, 3}}},
        {"chaine donnee dans le desordre", ChronologieDeRelations({{1, 2}, {2, 3}}), {3, 1, 2}, {{1, 2, 3}}},
        {"deux evenements que rien ne date", ChronologieDeRelations({{0, 1}}), {1, 2}, {{1, 2}, {2, 1}}},
        // A layer, then a fold and a granite the view does not order, then an
        // erosion that truncates both: two orders.
        {"fourche puis jonction", ChronologieDeRelations({{1, 2}, {1, 3}, {2, 4}, {3, 4}}), {1, 2, 3, 4},
         {{1, 2, 3, 4}, {1, 3, 2, 4}}},
        // One event dated against nothing, beside a chain of two: three places.
        {"un evenement libre", ChronologieDeRelations({{1, 2}}), {1, 2, 3}, {{1, 2, 3}, {1, 3, 2}, {3, 1, 2}}},
        {"relation par un evenement absent des cartes", ChronologieDeRelations({{1, 5}, {5, 2}}), {2, 1}, {{1, 2}}},
        {"cycle", ChronologieDeRelations({{1, 2}, {2, 1}}), {1, 2}, {}},
        {"aucune carte", ChronologieDeRelations({}), {}, {{}}},
        // Four free events: 24 orders, the enumeration stops at 7.
        {"trop d'ordres", ChronologieDeRelations({}), {1, 2, 3, 4},
         {{1, 2, 3, 4}, {1, 2, 4, 3}, {1, 3, 2, 4}, {1, 3, 4, 2}, {1, 4, 2, 3}, {1, 4, 3, 2}, {2, 1, 3, 4}}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        EXPECT_EQ(OrdresAcceptes(k.c, k.ids), k.attendus);
    }
    EXPECT_TRUE(OrdresAcceptes(ChronologieDeRelations({}), {1, 2}, 0).empty());
    EXPECT_EQ(OrdresAcceptes(ChronologieDeRelations({}), {1, 2, 3}, 2).size(), 2u);
}

TEST(RelationsQuiFixent, SansCellesQueDAutresImpliquent) {
    // 1 -> 2 -> 3 and 1 -> 3 (implied); 0 -> 1 kept; 4 is no card.
    const Chronologie c = ChronologieDeRelations({{0, 1}, {1, 2}, {2, 3}, {1, 3}, {3, 4}});
    const std::vector<Relation> r = RelationsQuiFixent(c, {1, 2, 3});
    std::vector<std::pair<int, int>> paires;
    for (const Relation& x : r) paires.emplace_back(x.ancien, x.recent);
    EXPECT_EQ(paires, (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}, {2, 3}}));
}

// Random acyclic relations among up to 6 events: the orders found are
// exactly the permutations that break no relation, up to the bound.
TEST(OrdresAcceptes, ExactementLesPermutationsQuiGardentLesRelations) {
    const unsigned graine = 20261209u;
    std::mt19937 tirage(graine);
    for (int essai = 0; essai < 300; ++essai) {
        SCOPED_TRACE(testing::Message() << "graine " << graine << ", essai " << essai);
        const int n = 1 + static_cast<int>(tirage() % 6);
        Chronologie c;
        c.lue = true;
        // Edges only from a smaller to a larger index: never a cycle.
        for (int a = 1; a <= n; ++a)
            for (int b = a + 1; b <= n; ++b)
                if (tirage() % 3 == 0) {
                    Relation r;
                    r.ancien = a;
                    r.recent = b;
                    c.relations.push_back(r);
                }
        std::vector<int> ids;
        for (int i = 1; i <= n; ++i) ids.push_back(i);
        std::shuffle(ids.begin(), ids.end(), tirage);
        // Independent reading: every permutation, kept when it breaks none.
        std::vector<int> p = ids;
        std::sort(p.begin(), p.end());
        Ordres toutes;
        do
            if (RelationsRompues(c, p) == 0) toutes.push_back(p);
        while (std::next_permutation(p.begin(), p.end()));
        const Ordres trouves = OrdresAcceptes(c, ids, 1000);
        Ordres tries = trouves;
        std::sort(tries.begin(), tries.end());
        EXPECT_EQ(tries, toutes);
        const Ordres bornes = OrdresAcceptes(c, ids);
        EXPECT_EQ(bornes.size(), std::min<std::size_t>(toutes.size(), kOrdresAcceptesMax));
        EXPECT_TRUE(std::equal(bornes.begin(), bornes.end(), trouves.begin()));
    }
}

// A key read from a real view (a fold eroded then covered): one line per
// accepted order, each naming every card once, the list's own order among
// them when it keeps the relations; each relation with what dates it.
TEST(CleDesOrdres, UnPliEnDiscordance) {
    Session modele;
    modele.DefinirTextures(test::TexturesSimples(640, 600));
    ASSERT_TRUE(modele.Prete());
    modele.Charger({Ligne(kLigneInitiale), "Compression", "Erosion", Ligne(kLigneInitiale)});
    const Chronologie c = LireChronologie(modele);
    const CleOrdres cle = CleDesOrdres(modele, c);
    ASSERT_TRUE(cle.lue);
    const std::vector<int> ids{1, 2, 3};
    const auto ordres = OrdresAcceptes(c, ids);
    ASSERT_FALSE(cle.tropPourLister);
    ASSERT_EQ(cle.ordres.size(), ordres.size());
    std::vector<std::string> cartes;
    for (const Carte& k : CartesDuModele(modele, 1)) cartes.push_back(k.nom);
    std::sort(cartes.begin(), cartes.end());
    for (std::vector<std::string> o : cle.ordres) {
        std::sort(o.begin(), o.end());
        EXPECT_EQ(o, cartes);
    }
    if (RelationsRompues(c, ids) == 0) {
        EXPECT_EQ(ordres.front(), ids);
    }
    EXPECT_EQ(cle.relations.size(), RelationsQuiFixent(c, ids).size());
    EXPECT_FALSE(cle.relations.empty());
    for (const std::string& r : cle.relations)
        EXPECT_TRUE(r.find("principe") != std::string::npos || r.find("iscordance") != std::string::npos) << r;
}

// A key lists the accepted orders up to six, and none beyond: three cards
// the view does not order give 3! = 6 orders, four give 24.
TEST(CleDesOrdres, SixOrdresListesPasSept) {
    struct Cas {
        const char* nom;
        int cartes;
        Chronologie c;
        std::size_t listes;
        bool trop;
    };
    const Cas cas[] = {
        {"trois cartes en chaine", 3, ChronologieDeRelations({{1, 2}, {2, 3}}), 1, false},
        {"trois cartes libres: six ordres", 3, ChronologieDeRelations({}), 6, false},
        {"quatre cartes, une relation: douze ordres", 4, ChronologieDeRelations({{1, 2}}), 0, true},
        {"quatre cartes libres", 4, ChronologieDeRelations({}), 0, true},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        Session modele;
        modele.DefinirTextures(test::TexturesSimples(64, 60));
        Liste l{Ligne(kLigneInitiale)};
        l.resize(static_cast<std::size_t>(k.cartes) + 1, Ligne("Erosion"));
        modele.Charger(l);
        const CleOrdres cle = CleDesOrdres(modele, k.c);
        ASSERT_TRUE(cle.lue);
        EXPECT_EQ(cle.tropPourLister, k.trop);
        EXPECT_EQ(cle.ordres.size(), k.listes);
    }
}

}  // namespace
}  // namespace section
