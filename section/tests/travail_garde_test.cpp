// SPDX-License-Identifier: GPL-3.0-or-later
// The window's kept work: it comes back whole, exercise or not, saved or
// not, with its order and its cards; a damaged, cut, foreign or
// mismatched text is refused with its reason; the question that offers it
// back says what was kept; an order fits its cards or is refused.
#include <gtest/gtest.h>

#include <string>

#include "section/travail_garde.h"
#include "textures_essai.h"

namespace section {
namespace {

constexpr std::uint64_t kExercice = 0x00c0ffee12345678ULL;

OrdreDonne Ordre(std::vector<int> cartes) {
    OrdreDonne o;
    o.cartes = std::move(cartes);
    for (std::size_t i = 0; i < o.cartes.size(); ++i)
        o.justifications.push_back({static_cast<PrincipeCite>(i % 6), i == 1 ? -1 : static_cast<int>(i)});
    return o;
}

TravailGarde Travail(std::uint64_t exercice, std::string_view codes, std::optional<OrdreDonne> ordre = {},
                     bool enregistre = false, std::optional<OrdreDonne> cartes = {}) {
    TravailGarde t;
    t.travail.exercice = exercice;
    t.travail.lignes = test::ListeDeCodes(codes);
    t.travail.ordre = std::move(ordre);
    t.enregistre = enregistre;
    t.cartes = std::move(cartes);
    return t;
}

std::string Ecrire(const TravailGarde& t) {
    std::string raison;
    const std::string texte = TexteTravailGarde(t, raison);
    EXPECT_EQ(raison, "");
    return texte;
}

TEST(TravailGarde, RevientEntier) {
    struct Cas {
        const char* nom;
        TravailGarde t;
    };
    const Cas cas[] = {
        {"coupe de départ sans exercice", Travail(0, "")},
        {"coupe sans exercice, sauvée", Travail(0, "SSCES", std::nullopt, true)},
        {"exercice sans événement", Travail(kExercice, "")},
        {"exercice, ordre vérifié, cartes posées comme lui", Travail(kExercice, "SCE", Ordre({2, 1, 3}), true, Ordre({2, 1, 3}))},
        {"exercice, cartes déplacées après la vérification",
         Travail(kExercice, "SCE", Ordre({2, 1, 3}), false, Ordre({1, 2, 3}))},
        {"exercice, cartes posées sans vérification", Travail(kExercice, "S", std::nullopt, false, Ordre({3, 1, 2}))},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string texte = Ecrire(c.t);
        ASSERT_FALSE(texte.empty());
        EXPECT_LE(texte.size(), kOctetsTravailGardeMax);
        // Printable ASCII lines.
        for (const char o : texte) EXPECT_TRUE(o == '\n' || (o >= 0x20 && o < 0x7F)) << int(o);
        TravailGarde lu;
        ASSERT_EQ(LireTravailGarde(texte, c.t.travail.exercice, lu), "");
        EXPECT_EQ(lu, c.t);
    }
}

// The lines as documented: the header, the work's kept text, the flag, the
// cards' kept text on the starting layer alone.
TEST(TravailGarde, LignesDuTexte) {
    std::string raison;
    const Reprise travail{kExercice, test::ListeDeCodes("SC"), Ordre({2, 1}), {}, std::nullopt};
    const Reprise cartes{kExercice, test::ListeDeCodes(""), Ordre({1, 2}), {}, std::nullopt};
    const std::string attendu = "SLTRAVAIL1\n" + TexteReprise(travail, raison) + "\n1\n" + TexteReprise(cartes, raison) + "\n";
    EXPECT_EQ(Ecrire(Travail(kExercice, "SC", Ordre({2, 1}), true, Ordre({1, 2}))), attendu);
    EXPECT_EQ(Ecrire(Travail(0, "S")), "SLTRAVAIL1\n" + TexteReprise({0, test::ListeDeCodes("S"), {}, {}, std::nullopt}, raison) + "\n0\n\n");
}

TEST(TravailGarde, TexteRefuse) {
    const std::string bon = Ecrire(Travail(kExercice, "SCE", Ordre({2, 1, 3}), false, Ordre({1, 2, 3})));
    const std::size_t l1 = bon.find('\n'), l2 = bon.find('\n', l1 + 1), l3 = bon.find('\n', l2 + 1);
    std::string raison;
    const std::string cartesAvecEvenements = TexteReprise({kExercice, test::ListeDeCodes("S"), Ordre({1}), {}, std::nullopt}, raison);
    std::string abime = bon;
    abime[l1 + 30] = abime[l1 + 30] == 'S' ? 'C' : 'S';
    struct Cas {
        const char* nom;
        std::string texte;
        std::uint64_t exercice;
        const char* raison;  // the start of the reason
    };
    const Cas cas[] = {
        {"vide", "", kExercice, "le fichier gardé n'est pas un travail de Strataloom"},
        {"autre en-tête", "SLTRAVAIL2" + bon.substr(10), kExercice, "le fichier gardé n'est pas un travail de Strataloom"},
        {"sans la dernière fin de ligne", bon.substr(0, bon.size() - 1), kExercice, "le travail gardé est illisible"},
        {"coupé après le travail", bon.substr(0, l2 + 1), kExercice, "le travail gardé est illisible"},
        {"une ligne de trop", bon + "\n", kExercice, "le travail gardé est illisible"},
        {"drapeau ni 0 ni 1", bon.substr(0, l2 + 1) + "2" + bon.substr(l3), kExercice, "le travail gardé est illisible"},
        {"travail abîmé", abime, kExercice, "le travail gardé est abîmé"},
        {"autre exercice", bon, kExercice + 1, "le travail gardé est celui d'un autre exercice"},
        {"sans exercice lu pour un exercice", bon, 0, "le travail gardé est celui d'un autre exercice"},
        {"cartes avec des événements", bon.substr(0, l3 + 1) + cartesAvecEvenements + "\n", kExercice,
         "le travail gardé est illisible"},
        {"trop long", bon + std::string(kOctetsTravailGardeMax, 'x'), kExercice, "le travail gardé est trop long"},
    };
    const TravailGarde avant = Travail(0, "D");
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TravailGarde t = avant;
        const std::string r = LireTravailGarde(c.texte, c.exercice, t);
        EXPECT_EQ(r.rfind(c.raison, 0), 0u) << r;
        EXPECT_EQ(t, avant);  // untouched
    }
}

// A list that names no event cannot be kept, and says so.
TEST(TravailGarde, IntransmissibleDitPourquoi) {
    TravailGarde t = Travail(0, "S");
    t.travail.lignes.emplace_back("Bonjour");
    std::string raison;
    EXPECT_EQ(TexteTravailGarde(t, raison), "");
    EXPECT_NE(raison, "");
}

TEST(TravailGarde, TravailAReprendre) {
    struct Cas {
        const char* nom;
        TravailGarde t;
        bool attendu;
    };
    const Cas cas[] = {
        {"coupe de départ seule", Travail(0, ""), false},
        {"coupe de départ sauvée", Travail(0, "", std::nullopt, true), false},
        {"un événement", Travail(0, "E"), true},
        {"un exercice, rien fait", Travail(kExercice, ""), true},
        {"des cartes posées", Travail(kExercice, "", std::nullopt, false, Ordre({1})), true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(TravailAReprendre(c.t), c.attendu);
    }
}

TEST(TravailGarde, QuestionReprise) {
    struct Cas {
        const char* nom;
        TravailGarde t;
        const char* titre;
        const char* attendu;
    };
    const Cas cas[] = {
        {"sans exercice, un événement", Travail(0, "C"), "",
         "La coupe commencée la dernière fois a été gardée : un événement après la couche de départ.\r"
         "Veux-tu la reprendre ?"},
        {"sans exercice, cinq événements", Travail(0, "SSCES"), "",
         "La coupe commencée la dernière fois a été gardée : 5 événements après la couche de départ.\r"
         "Veux-tu la reprendre ?"},
        {"exercice, rien fait", Travail(kExercice, ""), "Le pli érodé",
         "Ton travail sur l'exercice « Le pli érodé » a été gardé : la couche de départ seule.\r"
         "Veux-tu le reprendre ?"},
        {"exercice, ordre vérifié", Travail(kExercice, "SC", Ordre({2, 1})), "Le pli",
         "Ton travail sur l'exercice « Le pli » a été gardé : 2 événements après la couche de départ, et l'ordre "
         "des événements que tu as vérifié.\rVeux-tu le reprendre ?"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(QuestionReprise(c.t, c.titre), c.attendu);
    }
}

TEST(TravailGarde, OrdreDesCartes) {
    const std::vector<Carte> cartes{{1, Evenement::Sedimentation, "A"}, {2, Evenement::Compression, "B"},
                                    {3, Evenement::Erosion, "C"}};
    struct Cas {
        const char* nom;
        OrdreDonne o;
        bool attendu;
    };
    OrdreDonne sansJustification = Ordre({3, 2, 1});
    sansJustification.justifications.pop_back();
    const Cas cas[] = {
        {"chaque carte une fois", Ordre({3, 1, 2}), true},
        {"une carte deux fois", Ordre({1, 1, 2}), false},
        {"une carte de trop", Ordre({1, 2, 3, 4}), false},
        {"une carte en moins", Ordre({1, 2}), false},
        {"une carte d'ailleurs", Ordre({1, 2, 5}), false},
        {"une justification en moins", sansJustification, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(OrdreDesCartes(c.o, cartes), c.attendu);
    }
}

}  // namespace
}  // namespace section
