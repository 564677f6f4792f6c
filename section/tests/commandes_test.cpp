// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's table and the window's catalogue of texts, which both
// front ends build from: names that identify one item each, every item
// offered somewhere, every caption and text present, and each text and
// event caption shown through the translator in its context.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "section/catalogue.h"
#include "section/commandes.h"
#include "section/encodage.h"
#include "section/evenements.h"
#include "section/section.h"
#include "section/textes.h"

namespace section {
namespace {

TEST(Commandes, TableDesMenus) {
    std::set<std::string> noms;
    std::set<Commande> commandes;
    const auto unique = [&noms](const char* nom) { return noms.insert(nom).second; };
    for (const MenuBarre& m : Menus()) {
        SCOPED_TRACE(m.nom);
        EXPECT_TRUE(unique(m.nom)) << "menu name used twice";
        EXPECT_FALSE(SansEsperluette(m.libelle).empty());
        ASSERT_FALSE(m.articles.empty());
        // A menu offered in an edition holds an item for it.
        for (const Edition e : {Edition::Fenetre, Edition::Navigateur}) {
            if (!Offert(m.edition, e)) continue;
            bool article = false;
            for (const ArticleMenu& a : m.articles)
                article = article || (a.commande != Commande::Separateur && Offert(a.edition, e));
            EXPECT_TRUE(article) << "a menu without items";
        }
        for (const ArticleMenu& a : m.articles) {
            SCOPED_TRACE(a.nom);
            EXPECT_TRUE(Offert(a.edition, Edition::Toutes)) << "an item offered nowhere";
            const bool cadre = a.commande == Commande::Separateur || a.commande == Commande::Evenements;
            // Separators and the events' row have no name nor caption of
            // their own; every other item has both, and one command.
            EXPECT_EQ(*a.nom == '\0', cadre);
            EXPECT_EQ(SansEsperluette(a.libelle).empty(), cadre);
            if (cadre) continue;
            EXPECT_TRUE(unique(a.nom)) << "object name used twice";
            EXPECT_TRUE(commandes.insert(a.commande).second) << "command in two items";
            EXPECT_TRUE(a.raccourcis[0] || !a.raccourcis[1]) << "a second shortcut without a first";
        }
    }
    // Every command has its item, but the events' row and the separator.
    EXPECT_EQ(commandes.size(), static_cast<std::size_t>(Commande::Separateur) - 1);
}

// What each edition offers: the page has the pupil's exercise commands and
// the sounds and the teacher's, not "Quitter" (a tab is closed).
TEST(Commandes, CommandesParEdition) {
    struct Cas {
        Commande commande;
        bool fenetre;
        bool navigateur;
    };
    const Cas cas[] = {
        {Commande::OuvrirExercice, true, true}, {Commande::Verifier, true, true},
        {Commande::Ordonner, true, true},       {Commande::EnregistrerReponse, true, true},
        {Commande::Sons, true, true},           {Commande::CreerExercice, true, true},
        {Commande::EspaceEnseignant, true, true}, {Commande::Quitter, true, false},
        {Commande::ExporterScorm, true, true},  {Commande::OuvrirReponse, true, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.commande));
        int trouves = 0;
        for (const MenuBarre& m : Menus())
            for (const ArticleMenu& a : m.articles) {
                if (a.commande != c.commande) continue;
                ++trouves;
                EXPECT_EQ(Offert(a.edition, Edition::Fenetre) && Offert(m.edition, Edition::Fenetre), c.fenetre);
                EXPECT_EQ(Offert(a.edition, Edition::Navigateur) && Offert(m.edition, Edition::Navigateur), c.navigateur);
            }
        EXPECT_EQ(trouves, 1);
    }
}

std::string Anglais(const char* contexte, const char* francais) { return std::string(contexte) + "|" + francais; }

TEST(Commandes, CatalogueDeLaFenetre) {
    std::set<std::string> noms;
    for (const EntreeCatalogue& e : Catalogue()) {
        SCOPED_TRACE(e.nom);
        EXPECT_TRUE(noms.insert(e.nom).second) << "key name used twice";
        EXPECT_STRNE(e.francais, "");
        EXPECT_EQ(TexteDeFenetre(e.cle), e.francais);
        DefinirTraducteur(&Anglais);
        EXPECT_EQ(TexteDeFenetre(e.cle), std::string("Fenetre|") + e.francais);
        DefinirTraducteur(nullptr);
    }
    EXPECT_EQ(noms.size(), static_cast<std::size_t>(TexteFenetre::AvecOrdre) + 1);
    // The events' captions: their list word, translated in its context.
    for (const TypeEvenement& e : kEvenements) {
        EXPECT_EQ(NomEvenement(e.ligne), Utf8DeLigne(e.ligne));
        DefinirTraducteur(&Anglais);
        EXPECT_EQ(NomEvenement(e.ligne), "Evenements|" + Utf8DeLigne(e.ligne));
        DefinirTraducteur(nullptr);
    }
}

// The build files list Base/ once (cmake/FichiersBase.cmake): the same
// textures in the same order as the section reads them, and the event
// table's sounds.
TEST(Commandes, FichiersDeBaseCommeLesListentLesConstructions) {
    std::string textures, sons;
    for (const char* f : kFichiersTextures) textures += (textures.empty() ? "" : ",") + std::string(f);
    for (const TypeEvenement& e : kEvenements) sons += (sons.empty() ? "" : ",") + std::string(e.son);
    EXPECT_EQ(textures, STRATALOOM_TEXTURES_CMAKE);
    EXPECT_EQ(sons, STRATALOOM_SONS_CMAKE);
}

}  // namespace
}  // namespace section
