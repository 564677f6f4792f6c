// SPDX-License-Identifier: GPL-3.0-or-later
// An order given as a list: its lines matched to the cards in the pupil's
// favour, and its mark by the relations it breaks. Chronologies written by
// hand, so that each case says which relation it is about.
#include <gtest/gtest.h>

#include "section/ordre.h"
#include "chronologie_essai.h"
#include "textures_essai.h"

namespace section {
namespace {

const Ligne kSed(kLigneInitiale);

using test::ChronologieDeRelations;

TEST(NoteOrdre, UneRelationRompueCoute10PuisChacune3) {
    // A chain 1 -> 2 -> 3 -> 4 -> 5 -> 6 and the starting series under 1.
    const Chronologie c = ChronologieDeRelations({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {1, 6}});
    struct Cas {
        const char* nom;
        std::vector<int> ids;
        int rompues;
        int note;
    };
    const Cas cas[] = {
        {"ordre du modele", {1, 2, 3, 4, 5, 6}, 0, 20},
        {"une paire echangee", {2, 1, 3, 4, 5, 6}, 1, 10},
        {"deux paires echangees", {2, 1, 4, 3, 5, 6}, 2, 7},
        {"le dernier en premier", {6, 1, 2, 3, 4, 5}, 2, 7},
        {"tout a l'envers", {6, 5, 4, 3, 2, 1}, 6, 0},
        {"ordre partiel garde", {1, 2}, 0, 20},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        EXPECT_EQ(RelationsRompues(c, k.ids), k.rompues);
        EXPECT_EQ(NoteOrdre(c, k.ids), k.note);
    }
}

class Appariement : public ::testing::Test {
protected:
    void SetUp() override {
        modele_.DefinirTextures(test::TexturesSimples(640, 600));
        ASSERT_TRUE(modele_.Prete());
    }
    Session modele_;
};

TEST_F(Appariement, LignesAttribueesAuxCartes) {
    // Two flows, the second under the last layer; the first dates nothing.
    modele_.Charger({kSed, "Volcanisme", "Volcanisme", kSed});
    const Chronologie c = ChronologieDeRelations({{2, 3}});
    struct Cas {
        const char* nom;
        Liste ordre;
        std::vector<int> ids;
    };
    const Cas cas[] = {
        {"ordre du modele", {kSed, "Volcanisme", "Volcanisme", kSed}, {1, 2, 3}},
        // In list order the second flow would come after the layer; the
        // pupil's first flow is taken as the model's second.
        {"coulees interchangees au profit de l'eleve", {kSed, "Volcanisme", kSed, "Volcanisme"}, {2, 3, 1}},
        {"ligne sans evenement sautee", {kSed, "Volcanisme", "Seisme", "Volcanisme", kSed}, {1, 2, 3}},
        {"ordre qui rompt de toute facon", {kSed, kSed, "Volcanisme", "Volcanisme"}, {3, 1, 2}},
        {"un evenement de moins", {kSed, "Volcanisme", kSed}, {}},
        {"un evenement d'une autre sorte", {kSed, "Volcanisme", "Erosion", kSed}, {}},
        {"un evenement de plus", {kSed, "Volcanisme", "Volcanisme", kSed, kSed}, {}},
        {"aucun evenement", {kSed}, {}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        EXPECT_EQ(IdsDeListe(modele_, c, k.ordre), k.ids);
    }
}

TEST_F(Appariement, LaMeilleureAttributionGardeLeMoinsDeRelationsRompues) {
    // Two layers, a fold, then three more: every match of the five
    // identical lines is tried (120 < kAppariementsMax).
    modele_.Charger({kSed, kSed, kSed, "Compression", kSed, kSed, kSed});
    const Chronologie c = ChronologieDeRelations({{1, 3}, {2, 3}, {3, 4}, {3, 5}, {3, 6}});
    const Liste pupille{kSed, "Compression", kSed, kSed, kSed, kSed, kSed};
    const std::vector<int> ids = IdsDeListe(modele_, c, pupille);
    ASSERT_EQ(ids.size(), 6u);
    // The fold first: both layers it folds come after it, and no match does better.
    EXPECT_EQ(ids.front(), 3);
    EXPECT_EQ(RelationsRompues(c, ids), 2);
    EXPECT_EQ(NoteOrdre(c, ids), 7);
}

}  // namespace
}  // namespace section
