// SPDX-License-Identifier: GPL-3.0-or-later
// A class marked against one model, an exercise made from a session, and
// the tooltips of the event commands: what the window, the renderer and
// the page all take from the engine.
#include <gtest/gtest.h>

#include "section/disponibilite.h"
#include "section/exercice_session.h"
#include "section/justification.h"
#include "section/notation_classe.h"
#include "section/note.h"
#include "section/ordre.h"
#include "textures_essai.h"

namespace section {
namespace {

using E = Evenement;

Liste LignesDe(std::initializer_list<E> evenements) {
    Liste l{Ligne(kLigneInitiale)};
    for (const E e : evenements) l.emplace_back(Type(e).ligne);
    return l;
}

struct CasCopie {
    const char* nom;
    std::optional<std::uint64_t> exercice;  // the fingerprint the answer names
    Liste lignes;
    bool accepte;      // Noter's answer
    bool notee;        // a mark in the row
};

TEST(NotationClasse, EachAnswerGetsItsRowAndTheMarkOfAFreshSession) {
    const Textures t = test::TexturesSimples(640, 600);
    const Liste modele = LignesDe({E::Sedimentation, E::Compression, E::Erosion});
    const std::uint64_t empreinte = 0x1234;
    Liste longue = LignesDe({});
    longue.resize(kEvenementsNotesMax + 2, Ligne(Type(E::Erosion).ligne));
    Liste juste = longue;
    juste.pop_back();
    const CasCopie cas[] = {
        {"the model's own list", empreinte, modele, true, true},
        {"a plain list names no exercise", std::nullopt, LignesDe({E::Sedimentation}), true, true},
        {"another exercise", empreinte + 1, modele, false, false},
        // One limit for every front end: the window, the renderer and the
        // page all build their class this way.
        {"one event over the limit", empreinte, longue, true, false},
        {"exactly at the limit", empreinte, juste, true, true},
    };
    for (const CasCopie& c : cas) {
        SCOPED_TRACE(c.nom);
        NotationClasse classe(t, modele, empreinte);
        EXPECT_EQ(classe.Noter("a/copie.rep", "Lou", c.exercice, c.lignes), c.accepte);
        const std::vector<LigneNotes> l = classe.Lignes();
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].fichier, "a/copie.rep");
        EXPECT_EQ(l[0].eleve, "Lou");
        EXPECT_FALSE(l[0].remarque.empty());
        ASSERT_EQ(l[0].note.has_value(), c.notee);
        if (c.accepte && !c.notee) {
            EXPECT_EQ(l[0].remarque, "plus de 300 événements : réponse non rejouée");
        }
        if (!c.notee) continue;
        Session m, e;
        for (Session* s : {&m, &e}) {
            s->DefinirTextures(t);
            s->SuivreFormations(true);
        }
        m.Charger(modele);
        e.Charger(c.lignes);
        EXPECT_EQ(l[0].note->points, Noter(m, e).points);
    }
}

TEST(NotationClasse, RefusedAnswersKeepTheirRowAndNamesSharedAreShown) {
    NotationClasse classe(test::TexturesSimples(640, 600), LignesDe({E::Sedimentation}), std::nullopt);
    classe.Refuser("illisible.rep", "le fichier est tronqué");
    classe.Noter("a.rep", "Lou", std::nullopt, LignesDe({E::Sedimentation}));
    classe.Noter("b.rep", "lou", std::nullopt, LignesDe({E::Erosion}));
    const std::vector<LigneNotes> l = classe.Lignes();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].remarque, "le fichier est tronqué");
    EXPECT_FALSE(l[0].note);
    EXPECT_EQ(l[1].note->points, kNoteMax);
    EXPECT_NE(l[1].remarque.find("b.rep"), std::string::npos);
    EXPECT_NE(l[2].remarque.find("a.rep"), std::string::npos);
}

// The order an answer gives is marked again against the model: the mark
// the file says the pupil saw is never taken.
TEST(NotationClasse, TheOrderGivenIsMarkedAgain) {
    const Liste modele = LignesDe({E::Sedimentation, E::Compression, E::Erosion});
    const struct {
        const char* nom;
        std::vector<int> cartes;
        std::optional<int> note;  // nullopt: no mark; -1: below kPointsOrdre
    } cas[] = {
        {"right, no justification", {1, 2, 3}, kPointsOrdre},
        {"the wrong way round", {3, 2, 1}, -1},
        {"a card missing", {1, 2}, std::nullopt},
        {"another exercise's card", {1, 2, 7}, std::nullopt},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        NotationClasse classe(test::TexturesSimples(640, 600), modele, std::nullopt);
        const OrdreDonne ordre{c.cartes, std::vector<Justification>(c.cartes.size()), kNoteMax};
        classe.Noter("a.rep", "Lou", std::nullopt, modele, ordre);
        const std::optional<int> n = classe.Lignes()[0].noteOrdre;
        ASSERT_EQ(n.has_value(), c.note.has_value());
        if (c.note == -1) {
            EXPECT_LT(*n, kPointsOrdre);
        } else if (c.note) {
            EXPECT_EQ(*n, *c.note);
        }
    }
}

// « Ordre sur 20 » stays empty when the answer gives no order, and an
// answer file to an exercise of two events or more says so; a plain list
// never gives an order, and a model of one event has nothing to order.
TEST(NotationClasse, AnAnswerWithNoOrderSaysOrderNotDone) {
    const Liste deux = LignesDe({E::Sedimentation, E::Compression});
    const Liste un = LignesDe({E::Sedimentation});
    const struct {
        const char* nom;
        Liste modele;
        std::optional<std::uint64_t> exercice;
        bool ordre;
        bool nonFait;  // the remark ends with « ordre non fait »
    } cas[] = {
        {"answer file, no order", deux, 0x42, false, true},
        {"answer file with its order", deux, 0x42, true, false},
        {"plain list", deux, std::nullopt, false, false},
        {"one event, nothing to order", un, 0x42, false, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        NotationClasse classe(test::TexturesSimples(640, 600), c.modele, std::nullopt);
        std::optional<OrdreDonne> ordre;
        if (c.ordre) ordre = OrdreDonne{{1, 2}, std::vector<Justification>(2), 0};
        classe.Noter("a.rep", "Lou", c.exercice, c.modele, ordre);
        const LigneNotes l = classe.Lignes()[0];
        EXPECT_EQ(l.noteOrdre.has_value(), c.ordre);
        const std::string fin = " ; ordre non fait";
        const bool finit = l.remarque.size() > fin.size() && l.remarque.ends_with(fin);
        EXPECT_EQ(finit, c.nonFait) << l.remarque;
    }
}

// Two answers under different names whose list (not the model's), order
// and justifications are the same are pointed out; another order, the
// model's own list or the same name are not.
TEST(NotationClasse, TheSameAnswerUnderAnotherNameIsPointedOut) {
    const Liste modele = LignesDe({E::Sedimentation, E::Compression});
    const Liste fausse = LignesDe({E::Sedimentation, E::Erosion});
    const OrdreDonne ordre{{2, 1}, std::vector<Justification>(2), 0};
    const OrdreDonne autre{{1, 2}, std::vector<Justification>(2), 0};
    NotationClasse classe(test::TexturesSimples(640, 600), modele, std::nullopt);
    classe.Noter("a.rep", "Lou", 0x42, fausse, ordre);
    classe.Noter("b.rep", "Max", 0x42, fausse, ordre);   // a.rep's answer, another name
    classe.Noter("c.rep", "Zoé", 0x42, fausse, autre);   // another order
    classe.Noter("d.rep", "Léa", 0x42, modele, ordre);   // the model's list
    classe.Noter("e.rep", "Inès", 0x42, modele, ordre);  // the model's list again
    classe.Noter("f.rep", "LOU", 0x42, fausse, ordre);   // a.rep's name: « même nom d'élève »
    const std::vector<LigneNotes> l = classe.Lignes();
    const auto dit = [&](std::size_t i, const std::string& m) { return l[i].remarque.find(m) != std::string::npos; };
    EXPECT_TRUE(dit(0, "même réponse que b.rep")) << l[0].remarque;
    EXPECT_FALSE(dit(0, "f.rep, ")) << l[0].remarque;
    EXPECT_TRUE(dit(1, "même réponse que a.rep, f.rep")) << l[1].remarque;
    EXPECT_FALSE(dit(2, "même réponse")) << l[2].remarque;
    EXPECT_FALSE(dit(3, "même réponse")) << l[3].remarque;
    EXPECT_FALSE(dit(4, "même réponse")) << l[4].remarque;
    EXPECT_TRUE(dit(5, "même réponse que b.rep")) << l[5].remarque;
    EXPECT_TRUE(dit(5, "même nom d'élève que a.rep")) << l[5].remarque;
}

// An order checked as dealt with nothing chosen is not given; moving one
// card or choosing one principle or one formation gives it.
TEST(OrdreFait, MovedOrJustifiedOnly) {
    const std::vector<Carte> donne = {{3, E::Erosion, "c"}, {1, E::Sedimentation, "a"}, {2, E::Compression, "b"}};
    const std::vector<Justification> rien(3);
    std::vector<Justification> principe = rien, temoin = rien;
    principe[1].principe = PrincipeCite::Superposition;
    temoin[2].temoin = 1;
    const struct {
        const char* nom;
        std::vector<int> ids;
        std::vector<Justification> justifications;
        bool fait;
    } cas[] = {
        {"as dealt, nothing chosen", {3, 1, 2}, rien, false},
        {"as dealt, no justification at all", {3, 1, 2}, {}, false},
        {"two cards swapped", {1, 3, 2}, rien, true},
        {"as dealt, a principle chosen", {3, 1, 2}, principe, true},
        {"as dealt, a formation chosen", {3, 1, 2}, temoin, true},
        {"a card missing", {3, 1}, rien, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(OrdreFait(donne, c.ids, c.justifications), c.fait);
    }
}

TEST(ExerciceDeSession, TakesTheListAndTheViewOrSaysWhyNot) {
    Session s;
    s.DefinirTextures(test::TexturesSimples(640, 600));
    s.Reinitialiser();
    s.Appliquer(E::Sedimentation);
    Exercice e;
    EXPECT_EQ(ExerciceDeSession(s, "Coupe 1", e), "");
    EXPECT_EQ(e.titre, "Coupe 1");
    EXPECT_EQ(e.lignes, s.liste());
    EXPECT_TRUE(e.cible == s.vue());
    EXPECT_NE(ExerciceDeSession(s, std::string(5000, 'x'), e), "");
}

TEST(BullesEvenement, SayWhatTheCommandDoesAndWhyItIsOff) {
    const Bulles on = BullesEvenement(E::Erosion, {});
    EXPECT_EQ(on.commande, DescriptionEvenement(E::Erosion));
    EXPECT_EQ(on.aide, "Ouvre l'aide de « Erosion » : ce que fait cet événement et quand il est possible.");
    const Bulles off = BullesEvenement(E::Erosion, raison::TropBasPourEroder);
    EXPECT_EQ(off.commande, on.commande + "\nImpossible pour l'instant : " + std::string(raison::TropBasPourEroder) + ".");
    EXPECT_EQ(off.aide, on.aide + "\n« Erosion » est impossible pour l'instant : " +
                            std::string(raison::TropBasPourEroder) + ".");
    EXPECT_EQ(NomEvenement(E::Sedimentation), "Sédimentation");
    // The red "?", that of the last event applied, says so last; the
    // command's own tooltip does not change.
    const std::string rouge = "\nEn rouge : l'aide du dernier événement appliqué.";
    EXPECT_EQ(BullesEvenement(E::Erosion, {}, true).aide, on.aide + rouge);
    EXPECT_EQ(BullesEvenement(E::Erosion, raison::TropBasPourEroder, true).aide, off.aide + rouge);
    EXPECT_EQ(BullesEvenement(E::Erosion, {}, true).commande, on.commande);
}

}  // namespace
}  // namespace section
