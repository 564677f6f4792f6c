// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise carried by a page address: the link's text read back gives
// the same exercise (list, title, letters, target rebuilt); every damaged,
// cut, lengthened or foreign text is refused with its reason, and a link
// made with other textures is refused by its fingerprint.
#include <gtest/gtest.h>

#include <string>

#include "aleatoire.h"
#include "section/exercice_session.h"
#include "section/lien_exercice.h"
#include "section/session.h"
#include "textures_essai.h"

namespace section {
namespace {

Exercice ExerciceDe(const Textures& t, std::string_view codes, std::string_view titre, std::uint32_t graine) {
    Session s;
    s.DefinirTextures(t);
    s.DefinirGraineLettres(graine);
    s.Charger(test::ListeDeCodes(codes));
    Exercice e;
    EXPECT_EQ(ExerciceDeSession(s, titre, e), "");
    return e;
}

// The text with one character changed at `i` to another of the alphabet.
std::string Change(std::string t, std::size_t i) {
    t[i] = t[i] == 'A' ? 'B' : 'A';
    return t;
}

TEST(LienExercice, TextesRefuses) {
    const Textures t = test::TexturesSimples(640, 600);
    const std::string lien = TexteLienExercice(ExerciceDe(t, "SSCES", "Discordance", 77));
    ASSERT_FALSE(lien.empty());
    const std::string tronque = "le lien est tronqué";
    const std::string pasUnLien = "ce lien ne contient pas d'exercice";
    const std::string autres = "ce lien a été fait avec d'autres images de roches, ou il est abîmé : sa coupe ne peut pas "
                               "être refaite ici";
    struct Cas {
        const char* nom;
        std::string texte;
        std::string raison;
    };
    const Cas cas[] = {
        {"vide", "", pasUnLien},
        {"un caractère étranger", lien.substr(0, 10) + "=" + lien.substr(11), pasUnLien},
        {"autre chose qu'un exercice", "SGVsbG8gbGVzIGVsw6h2ZXM", pasUnLien},
        {"coupé dans la liste", lien.substr(0, 20), tronque},
        {"coupé dans l'empreinte", lien.substr(0, lien.size() - 4), tronque},
        {"allongé", lien + "AAAA", pasUnLien},
        {"trop long", std::string(kCaracteresLienMax + 1, 'A'), "le lien est trop long"},
        {"empreinte changée", Change(lien, lien.size() - 3), autres},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Exercice e;
        e.titre = "inchangé";
        EXPECT_EQ(LireLienExercice(c.texte, t, e), c.raison);
        EXPECT_EQ(e.titre, "inchangé");
    }
    // Other textures give another section: the fingerprint refuses it.
    Exercice e;
    EXPECT_EQ(LireLienExercice(lien, test::TexturesUnies(640, 600), e), autres);
    // Too long a list makes no link: 300 layers, the most an exercise
    // holds, over 4 096 bytes.
    EXPECT_EQ(TexteLienExercice(ExerciceDe(t, std::string(kEvenementsNotesMax, 'S'), "", 1)), "");
}

// Seeded: random lists, titles and seeds come back whole from their link.
TEST(LienExercice, AllerRetour) {
    const Textures t = test::TexturesSimples(640, 600);
    test::Alea a(4242);
    const std::string codes = "SVEPCHD";
    for (int k = 0; k < 12; ++k) {
        std::string liste = "S";
        for (int n = a.Entier(0, 8); n > 0; --n) liste += codes[static_cast<std::size_t>(a.Entier(0, 6))];
        const std::string titre = k % 3 == 0 ? "" : "Exercice é " + std::to_string(k);
        const Exercice e = ExerciceDe(t, liste, titre, static_cast<std::uint32_t>(a.g()));
        SCOPED_TRACE(liste);
        const std::string lien = TexteLienExercice(e);
        ASSERT_FALSE(lien.empty());
        EXPECT_LE(lien.size(), kCaracteresLienMax);
        EXPECT_EQ(lien.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
                  std::string::npos);
        Exercice lu;
        ASSERT_EQ(LireLienExercice(lien, t, lu), "");
        EXPECT_EQ(lu.lignes, e.lignes);
        EXPECT_EQ(lu.titre, e.titre);
        EXPECT_EQ(lu.graineLettres, e.graineLettres);
        EXPECT_EQ(EmpreinteExercice(lu), EmpreinteExercice(e));
    }
}

}  // namespace
}  // namespace section
