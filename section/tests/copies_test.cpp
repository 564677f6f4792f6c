// SPDX-License-Identifier: GPL-3.0-or-later
// A class's files read from their bytes, as the renderer and the page both
// grade them, the order of a class's rows, and the sheets' words.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "section/copies.h"
#include "section/exercice_session.h"
#include "section/fiches.h"
#include "section/tableur.h"
#include "texte.h"
#include "textures_essai.h"

namespace section {
namespace {

struct Fixture {
    Textures t = test::TexturesSimples(640, 600);
    Liste modele = test::ListeDeCodes("SCE");
    Exercice exercice;
    Fixture() {
        Session s;
        s.DefinirTextures(t);
        s.Charger(modele);
        EXPECT_EQ(ExerciceDeSession(s, "Plis", exercice), "");
    }
    std::string FichierReponse(std::uint64_t empreinte, const Liste& l) const {
        section::Reponse r;
        r.eleve = "Lou";
        r.exercice = empreinte;
        r.lignes = l;
        return TexteReponse(r);
    }
};

TEST(Copies, EachFileIsReadByItsBytesAndKeepsItsRow) {
    const Fixture f;
    const std::uint64_t empreinte = EmpreinteExercice(f.exercice);
    std::string abimee = f.FichierReponse(empreinte, f.modele);
    abimee[abimee.size() / 2] ^= 0x55;
    struct Cas {
        const char* nom;
        std::string octets;
        bool lue;      // LireCopie fills the copy
        bool notee;    // the row holds a mark
        const char* remarque;  // part of the row's remark ("" any)
    };
    const Cas cas[] = {
        {"the model's list as an answer", f.FichierReponse(empreinte, f.modele), true, true, ""},
        {"a plain list", TexteListe(test::ListeDeCodes("S")), true, true, ""},
        {"another exercise's answer", f.FichierReponse(empreinte ^ 1, f.modele), true, false, "autre exercice"},
        {"a damaged answer", abimee, false, false, "abîmé"},
        {"a truncated answer", f.FichierReponse(empreinte, f.modele).substr(0, 30), false, false, "tronqué"},
        {"too big", std::string(kOctetsCopieMax + 1, 'a'), false, false, "16 Mio"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Copie copie;
        EXPECT_EQ(LireCopie(c.octets, copie).empty(), c.lue);
        NotationClasse classe(f.t, f.modele, empreinte);
        NoterCopie(classe, std::string("a/") + c.nom, c.octets);
        const std::vector<LigneNotes> l = classe.Lignes();
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].note.has_value(), c.notee);
        EXPECT_FALSE(l[0].remarque.empty());
        EXPECT_NE(l[0].remarque.find(c.remarque), std::string::npos) << l[0].remarque;
    }
}

TEST(Copies, TheModelIsAnExerciseOrAList) {
    const Fixture f;
    Corrige c;
    ASSERT_EQ(LireCorrige(TexteExercice(f.exercice), c), "");
    ASSERT_TRUE(c.exercice.has_value());
    EXPECT_EQ(c.lignes, f.modele);
    EXPECT_EQ(EmpreinteCorrige(c), EmpreinteExercice(f.exercice));
    ASSERT_EQ(LireCorrige(TexteListe(f.modele), c), "");
    EXPECT_FALSE(c.exercice.has_value());
    EXPECT_EQ(EmpreinteCorrige(c), std::nullopt);
    std::string abime = TexteExercice(f.exercice);
    abime.pop_back();
    EXPECT_NE(LireCorrige(abime, c), "");
}

// An exercise or a key holds at most 300 events, whichever front end
// reads or writes it; an answer over the limit is still read (its row
// says it is not replayed).
TEST(Copies, AKeyOrAnExerciseOverThreeHundredEventsIsRefused) {
    const Fixture f;
    struct Cas {
        const char* nom;
        std::size_t evenements;
        bool admis;
    };
    const Cas cas[] = {{"trois_cents", 300, true}, {"trois_cent_un", 301, false}, {"dix_mille", 9999, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Exercice e = f.exercice;
        e.lignes.resize(1);
        e.lignes.resize(c.evenements + 1, Ligne("Erosion"));
        const std::string raison = c.admis ? "" : "la liste compte plus de 300 événements";
        EXPECT_EQ(VerifierExercice(e), raison);
        Corrige lu;
        EXPECT_EQ(LireCorrige(TexteExercice(e), lu), raison);
        EXPECT_EQ(LireCorrige(TexteListe(e.lignes), lu), raison);
        Exercice relu;
        EXPECT_EQ(LireExercice(TexteExercice(e), relu), raison);
        Copie copie;
        EXPECT_EQ(LireCopie(f.FichierReponse(EmpreinteExercice(f.exercice), e.lignes), copie), "");
        EXPECT_EQ(copie.lignes.size(), c.evenements + 1);
    }
}

// Any shuffle of a class's names sorts back to one order, whose neighbours
// compare as the rule says: letters without their case, then bytes.
TEST(Copies, AClassSortsByNameWhateverTheOrderGiven) {
    const std::vector<std::string> noms = {"Zoé.rep", "alice.rep", "Alice.rep", "b.lst", "B.rep", "a.rep", "a",
                                           "_x.rep", "10.rep", "9.rep"};
    // Worked from the rule: digits and '_' come before letters (ASCII, the
    // case folded down), a tie in letters goes to the bytes (capital first),
    // and a name before every longer name it starts.
    const std::vector<std::string> attendu = {"10.rep",    "9.rep",     "_x.rep", "a",     "a.rep",
                                              "Alice.rep", "alice.rep", "b.lst",  "B.rep", "Zoé.rep"};
    for (std::size_t i = 1; i < attendu.size(); ++i) EXPECT_FALSE(AvantDansLaClasse(attendu[i], attendu[i - 1]));
    EXPECT_TRUE(AvantDansLaClasse("alice.rep", "B.rep"));
    EXPECT_TRUE(AvantDansLaClasse("Alice.rep", "alice.rep"));
    EXPECT_TRUE(AvantDansLaClasse("a", "a.rep"));
    std::mt19937 tirage(20261209);
    for (int essai = 0; essai < 50; ++essai) {
        std::vector<std::string> melange = noms;
        std::shuffle(melange.begin(), melange.end(), tirage);
        TrierCopies(melange);
        EXPECT_EQ(melange, attendu);
    }
}

TEST(Fiches, TheKeysLinesAndTheStepsCaptions) {
    const Liste l = test::ListeDeCodes("SE");
    struct Cas {
        const char* nom;
        int etape;
        const char* attendu;
    };
    const Cas etapes[] = {
        {"the start", 0, "Étape 0 : départ"},
        {"an event, with its accent", 2, "Étape 2 : Érosion"},
        {"out of the list", 9, "Étape 9 : départ"},
    };
    for (const Cas& c : etapes) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(LegendeEtapeFiche(l, c.etape), c.attendu);
    }
    Liste sansEffet = l;
    sansEffet.emplace_back("Rien");
    EXPECT_NE(LegendeEtapeFiche(sansEffet, 3).find("(sans effet)"), std::string::npos);

    CleOrdres cle;
    cle.lue = true;
    cle.ordres = {{"A", "B"}, {"B", "A"}};
    cle.relations = {"éa (principe de superposition)", "la couche B"};
    const std::vector<LigneCorrige> lignes = LignesCleFiche(cle);
    ASSERT_EQ(lignes.size(), 6u);
    EXPECT_EQ(lignes[0].texte, "2 ordres sont acceptés, tous justes :");
    EXPECT_EQ(lignes[1].texte, "1.\xC2\xA0" "A \xE2\x86\x92 B");
    EXPECT_EQ(lignes[4].texte, "\xE2\x80\xA2\xC2\xA0" "Éa (principe de superposition).");
    EXPECT_EQ(lignes[5].texte, "\xE2\x80\xA2\xC2\xA0La couche B.");
    cle.tropPourLister = true;
    EXPECT_EQ(LignesCleFiche(cle).front().sorte, LigneCorrige::Sorte::Titre);
    EXPECT_EQ(LignesCleFiche(CleOrdres{}).size(), 1u);
}

TEST(Fiches, ThePupilsPictureKeepsAFewSkyRowsAboveTheRock) {
    struct Cas {
        const char* nom;
        int surface;
        int haut;
    };
    const Cas cas[] = {{"rock deep down", 40, 40 - kMargeCielFiche}, {"rock near the top", 5, 0}, {"no rock", 60, 0}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(HautImprimeFiche(test::Coupe(20, 60, {c.surface}, test::CouleurDe('S'))), c.haut);
    }
}

}  // namespace
}  // namespace section
