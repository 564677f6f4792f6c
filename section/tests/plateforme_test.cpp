// SPDX-License-Identifier: GPL-3.0-or-later
// The page inside a learning platform: the kept text of a pupil's work comes
// back whole, stays within the platform's 4,096 characters, and every
// damaged, cut or foreign text is refused with its reason; the score, the
// pass and the order's response as the platform is told them.
#include <gtest/gtest.h>

#include <string>

#include "aleatoire.h"
#include "section/justification.h"
#include "section/plateforme.h"
#include "textures_essai.h"

namespace section {
namespace {

constexpr std::uint64_t kExercice = 0x0123456789abcdefULL;

Reprise Travail(std::string_view codes, std::vector<int> cartes = {}, Verifications v = {}) {
    Reprise r;
    r.verifications = v;
    r.exercice = kExercice;
    r.lignes = test::ListeDeCodes(codes);
    if (!cartes.empty()) {
        OrdreDonne o;
        o.cartes = std::move(cartes);
        for (std::size_t i = 0; i < o.cartes.size(); ++i)
            o.justifications.push_back({static_cast<PrincipeCite>(i % 6), i % 3 == 0 ? -1 : static_cast<int>(i)});
        r.ordre = std::move(o);
    }
    return r;
}

Reprise Semee(Reprise r, std::uint32_t graine) {
    r.graine = graine;
    return r;
}

std::string Ecrire(const Reprise& r) {
    std::string raison;
    const std::string t = TexteReprise(r, raison);
    EXPECT_EQ(raison, "");
    return t;
}

// A text with its check, written from the format as documented.
std::string Signe(const std::string& contenu) {
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(Crc32(contenu)));
    return contenu + crc;
}

TEST(Plateforme, AllerRetourEtLimites) {
    Reprise plus = Travail("S", {1, static_cast<int>(kCartesMax)});
    plus.ordre->justifications[1] = {PrincipeCite::Discordance, static_cast<int>(kCartesMax)};
    struct Cas {
        const char* nom;
        Reprise travail;
        std::string texte;  // expected, "" to check the round trip only
    };
    const Cas cas[] = {
        {"coupe de départ seule", Travail(""), Signe("SLR1.0123456789abcdef...")},
        {"chaque sorte d'événement", Travail("SVEPCHD"), Signe("SLR1.0123456789abcdef.SVEPCHD..")},
        {"un ordre justifié", Travail("SSE", {2, 1, 3}), Signe("SLR1.0123456789abcdef.SSE.2:0:,1:1:1,3:2:2.")},
        {"carte et formation au plus haut", plus, ""},
        // Once the pupil has checked: version 2, with the two counts.
        {"coupe vérifiée trois fois", Travail("SE", {}, {3, 0}), Signe("SLR2.0123456789abcdef.SE..3.0..")},
        {"ordre vérifié", Travail("SE", {2, 1}, {1, 12}), Signe("SLR2.0123456789abcdef.SE.2:0:,1:1:1.1.12..")},
        // The cards' seed drawn: version 2 as well, the seed in hexadecimal.
        {"graine des cartes", Semee(Travail("SE"), 0x00c0ffeeu), Signe("SLR2.0123456789abcdef.SE..0.0.00c0ffee.")},
        {"graine et comptes", Semee(Travail("SE", {2, 1}, {2, 1}), 0xffffffffu),
         Signe("SLR2.0123456789abcdef.SE.2:0:,1:1:1.2.1.ffffffff.")},
        {"graine zéro", Semee(Travail("S"), 0), Signe("SLR2.0123456789abcdef.S..0.0.00000000.")},
        {"comptes au plus haut", Travail("S", {}, {kVerificationsMax, kVerificationsMax}), ""},
        {"liste la plus longue qui tienne", Travail(std::string(kCaracteresRepriseMax - 32, 'S')), ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string t = Ecrire(c.travail);
        if (!c.texte.empty()) {
            EXPECT_EQ(t, c.texte);
        }
        EXPECT_LE(t.size(), kCaracteresRepriseMax);
        Reprise lu;
        ASSERT_EQ(LireReprise(t, kExercice, lu), "");
        EXPECT_EQ(lu, c.travail);
    }
    EXPECT_EQ(Ecrire(Travail(std::string(kCaracteresRepriseMax - 32, 'S'))).size(), kCaracteresRepriseMax);
}

TEST(Plateforme, TravauxRefusesALEcriture) {
    const std::string ligne =
        "ta liste contient une ligne qui ne nomme aucun événement : la plateforme ne peut pas la garder";
    const std::string ordre = "l'ordre vérifié ne peut pas être gardé par la plateforme";
    const std::string long_ = "ton travail dépasse les 4096 caractères que la plateforme garde";
    Reprise inconnue = Travail("SS");
    inconnue.lignes[1] = "Seisme";
    Reprise premiere = Travail("S");
    premiere.lignes[0] = "Erosion";
    Reprise doublon = Travail("SS", {1, 1});
    Reprise principe = Travail("SS", {1, 2});
    principe.ordre->justifications[1].principe = static_cast<PrincipeCite>(6);
    struct Cas {
        const char* nom;
        Reprise travail;
        std::string raison;
    };
    const Cas cas[] = {
        {"ligne qui ne nomme aucun événement", inconnue, ligne},
        {"première ligne autre que la couche de départ", premiere, ligne},
        {"liste vide", Reprise{kExercice, {}, {}, {}, std::nullopt}, ligne},
        {"carte deux fois", doublon, ordre},
        {"carte zéro", Travail("S", {0}), ordre},
        {"principe inconnu", principe, ordre},
        {"un caractère de trop", Travail(std::string(kCaracteresRepriseMax - 31, 'S')), long_},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::string raison;
        EXPECT_EQ(TexteReprise(c.travail, raison), "");
        EXPECT_EQ(raison, c.raison);
    }
}

TEST(Plateforme, TextesRefusesALaLecture) {
    const std::string t = Ecrire(Travail("SSCE", {3, 1, 2, 4}));
    const std::string abime = "le travail gardé est abîmé (la somme de contrôle ne correspond pas)";
    const std::string illisible = "le travail gardé est illisible";
    const std::string etranger = "le travail gardé par la plateforme n'est pas un travail de Strataloom";
    std::string lettre = t;
    lettre[23] = 'V';
    struct Cas {
        const char* nom;
        std::string texte;
        std::string raison;
    };
    const Cas cas[] = {
        {"vide", "", etranger},
        {"autre chose", "{\"liste\":[1,2]}", etranger},
        {"une lettre changée", lettre, abime},
        {"coupé", t.substr(0, t.size() - 3), abime},
        {"allongé", t + "0", abime},
        {"trop long", std::string(kCaracteresRepriseMax + 1, 'S'), "le travail gardé est trop long"},
        {"événement inconnu", Signe("SLR1.0123456789abcdef.SX.."), illisible},
        {"champ en trop", Signe("SLR1.0123456789abcdef.S...."), illisible},
        {"carte deux fois", Signe("SLR1.0123456789abcdef.SS.1:0:,1:0:."), illisible},
        {"zéro en tête", Signe("SLR1.0123456789abcdef.SS.01:0:."), illisible},
        {"principe inconnu", Signe("SLR1.0123456789abcdef.SS.1:6:."), illisible},
        {"carte sans justification", Signe("SLR1.0123456789abcdef.SS.1."), illisible},
        {"carte au-delà de la limite", Signe("SLR1.0123456789abcdef.S.4097:0:."), illisible},
        {"autre exercice", Signe("SLR1.0123456789abcdee.S.."), "le travail gardé est celui d'un autre exercice"},
        {"version 2 sans ses comptes", Signe("SLR2.0123456789abcdef.S.."), illisible},
        {"version 1 avec des comptes", Signe("SLR1.0123456789abcdef.S..1.2."), illisible},
        {"compte au-delà de la limite", Signe("SLR2.0123456789abcdef.S..65536.0.."), illisible},
        {"compte avec un zéro en tête", Signe("SLR2.0123456789abcdef.S..01.0.."), illisible},
        {"compte vide", Signe("SLR2.0123456789abcdef.S...0.."), illisible},
        {"version 2 sans le champ de la graine", Signe("SLR2.0123456789abcdef.S..1.0."), illisible},
        {"graine de sept chiffres", Signe("SLR2.0123456789abcdef.S..0.0.0c0ffee."), illisible},
        {"graine de neuf chiffres", Signe("SLR2.0123456789abcdef.S..0.0.100c0ffee."), illisible},
        {"graine en majuscules", Signe("SLR2.0123456789abcdef.S..0.0.00C0FFEE."), illisible},
        {"graine en version 1", Signe("SLR1.0123456789abcdef.S...00c0ffee."), illisible},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Reprise r = Travail("H");
        EXPECT_EQ(LireReprise(c.texte, kExercice, r), c.raison);
        EXPECT_EQ(r, Travail("H"));
    }
}

// Seeded: random lists and orders come back whole, or are refused as too
// long exactly when their text would pass 4,096 characters.
TEST(Plateforme, ListesAleatoires) {
    test::Alea a(34034);
    const std::string codes = "SVEPCHD";
    const auto chiffres = [](int n) { return static_cast<std::size_t>(std::to_string(n).size()); };
    for (int k = 0; k < 200; ++k) {
        std::string liste;
        for (int n = a.Entier(0, a.Pile(0.3) ? 4200 : 40); n > 0; --n) liste += codes[static_cast<std::size_t>(a.Entier(0, 6))];
        std::vector<int> cartes;
        if (a.Pile(0.5))
            for (int n = a.Entier(1, a.Pile(0.2) ? 900 : 12), c = a.Entier(1, 50); n > 0; --n, c += a.Entier(1, 4))
                cartes.push_back(c);
        const Reprise travail = Travail(liste, cartes);
        // The length the format gives: header, one letter per event, the
        // cards "c:p:f" separated by commas, the separators and the check.
        std::size_t longueur = 22 + liste.size() + 1 + 1 + 8;
        for (std::size_t i = 0; i < cartes.size(); ++i) {
            const int f = travail.ordre->justifications[i].temoin;
            longueur += (i ? 1 : 0) + chiffres(cartes[i]) + 3 + (f < 0 ? 0 : chiffres(f));
        }
        SCOPED_TRACE(::testing::Message() << "graine 34034, tirage " << k << ", longueur " << longueur);
        std::string raison;
        const std::string t = TexteReprise(travail, raison);
        EXPECT_LE(t.size(), kCaracteresRepriseMax);
        if (longueur > kCaracteresRepriseMax) {
            EXPECT_EQ(t, "");
            EXPECT_EQ(raison, "ton travail dépasse les 4096 caractères que la plateforme garde");
            continue;
        }
        ASSERT_EQ(raison, "");
        EXPECT_EQ(t.size(), longueur);
        EXPECT_EQ(t.find_first_not_of("SLR1.0123456789abcdefVEPCHD,:"), std::string::npos);
        Reprise lu;
        ASSERT_EQ(LireReprise(t, kExercice, lu), "");
        EXPECT_EQ(lu, travail);
    }
}

TEST(Plateforme, ScoreReussiteReponseDuree) {
    EXPECT_EQ(ScorePlateforme(12), "12");
    EXPECT_EQ(ScorePlateforme(20), "20");
    EXPECT_EQ(ScorePlateforme(-3), "0");
    EXPECT_EQ(ScorePlateforme(25), "20");
    struct Cas {
        const char* nom;
        int points;
        const char* maitrise;
        double seuil;
        bool reussi;
    };
    const Cas cas[] = {
        {"maîtrise atteinte", 10, "10", 15, true},
        {"maîtrise manquée d'un point", 9, "10", 5, false},
        {"maîtrise décimale manquée", 12, "12.5", 0, false},
        {"sans maîtrise : le seuil", 12, "", 12, true},
        {"maîtrise illisible : le seuil", 11, "dix", 12, false},
        {"maîtrise négative : le seuil", 0, "-1", 12, false},
        {"seuil hors limites : la moitié", 10, "", 25, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(Reussi(c.points, c.maitrise, c.seuil), c.reussi);
    }
    EXPECT_EQ(ReponseSequence({3, 1, 10, 2}), "3,1,a,2");
    EXPECT_EQ(ReponseSequence({35, 9}), "z,9");
    EXPECT_EQ(ReponseSequence({1, 36}), "");
    EXPECT_EQ(DureePlateforme(3725.9), "01:02:05");
    EXPECT_EQ(DureePlateforme(360000), "100:00:00");
    EXPECT_EQ(DureePlateforme(1e15), "9999:59:59");
    EXPECT_EQ(DureePlateforme(-5), "00:00:00");
}

// The gradebook's mark: the mean of the two marks, half up, the order 0
// until checked; the section's alone when there is no order to give.
TEST(Plateforme, LaNoteDuCarnetEstLaMoyenneDesDeux) {
    struct Cas {
        const char* nom;
        int coupe;
        bool avecOrdre;
        std::optional<int> ordre;
        int note;
    };
    const Cas cas[] = {
        {"tout juste", 20, true, 20, 20},
        {"un ordre justifie a 17", 20, true, 17, 19},   // 37 / 2 = 18.5, half up
        {"somme paire", 14, true, 10, 12},
        {"ordre non fait", 20, true, std::nullopt, 10},  // 20 / 2
        {"ordre non fait, coupe impaire", 15, true, std::nullopt, 8},
        {"rien", 0, true, 0, 0},
        {"un seul evenement : la coupe", 13, false, std::nullopt, 13},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(NotePlateforme(c.coupe, c.avecOrdre, c.ordre), c.note);
    }
}

// On a real exercise: the order's mark counts, the message names both.
TEST(Plateforme, BilanEtMessageDeRendre) {
    Session modele, eleve;
    modele.DefinirTextures(test::TexturesSimples(640, 600));
    eleve.DefinirTextures(test::TexturesSimples(640, 600));
    const Liste l{Ligne(kLigneInitiale), "Compression", "Erosion", Ligne(kLigneInitiale)};
    modele.Charger(l);
    eleve.Charger(l);
    const Chronologie c = LireChronologie(modele);
    BilanPlateforme b = BilanDuTravail(modele, c, eleve, std::nullopt);
    EXPECT_EQ(b.coupe, 20);
    EXPECT_TRUE(b.avecOrdre);
    EXPECT_EQ(b.ordre, std::nullopt);
    EXPECT_EQ(b.note, 10);
    EXPECT_EQ(TexteRendu(b), "Ton travail est rendu à la plateforme. Note de ta coupe : 20/20 ; ordre non fait : 0/20 ; "
                             "note transmise (la moyenne des deux) : 10/20.");
    // The list's order with nothing justified: the order's part alone.
    OrdreDonne o;
    o.cartes = {1, 2, 3};
    o.justifications.resize(3);
    b = BilanDuTravail(modele, c, eleve, o);
    ASSERT_TRUE(b.ordre.has_value());
    EXPECT_EQ(*b.ordre, kPointsOrdre);
    EXPECT_EQ(b.note, (20 + kPointsOrdre + 1) / 2);
    EXPECT_EQ(TexteRendu(b), "Ton travail est rendu à la plateforme. Note de ta coupe : 20/20 ; note de ton ordre : 12/20 ; "
                             "note transmise (la moyenne des deux) : 16/20.");
    // One event: no order.
    modele.Charger({Ligne(kLigneInitiale), "Erosion"});
    eleve.Charger({Ligne(kLigneInitiale), "Erosion"});
    b = BilanDuTravail(modele, LireChronologie(modele), eleve, std::nullopt);
    EXPECT_FALSE(b.avecOrdre);
    EXPECT_EQ(b.note, 20);
    EXPECT_EQ(TexteRendu(b), "Ton travail est rendu à la plateforme. Note de ta coupe : 20/20.");
}

}  // namespace
}  // namespace section
