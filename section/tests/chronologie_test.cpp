// SPDX-License-Identifier: GPL-3.0-or-later
// The chronology read from the view, on the shipped textures: the
// relations of named sections with their principles, legibility, what the
// followed replay keeps, and the property that events whose exchange
// leaves the view unchanged are never related.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "releve.h"
#include "section/chronologie.h"
#include "textures_essai.h"

namespace section {
namespace {

Liste L(std::string_view codes) { return test::ListeDeCodes(codes); }

class Chrono : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<Textures> t = test::TexturesLivrees();
        if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
        textures_ = *t;
        modele_.DefinirTextures(*t);
    }
    Chronologie Lire(const Liste& l) {
        modele_.Charger(l);
        Chronologie c = LireChronologie(modele_);
        EvaluerLisibilite(textures_, l, c);
        return c;
    }
    Textures textures_;
    Session modele_;
};

struct Attendue {
    int ancien, recent;
    Principe principe;
};
struct Cas {
    const char* nom;
    const char* codes;
    bool lisible;
    std::vector<Attendue> relations;  // among others
    std::vector<std::pair<int, int>> sansRelation;
};

const std::vector<Cas> kCas = {
    // The discordance of the lesson: the erosion truncates folded layers.
    {"discordance", "SSCES", true,
     {{3, 4, Principe::Discordance}, {4, 5, Principe::Discordance}, {2, 3, Principe::Deformation},
      {1, 2, Principe::Superposition}},
     {}},
    // A granite laid before the folding crosses the folded bands: younger, so the list is not legible.
    {"granite avant le pli", "SSPCS", false, {{4, 3, Principe::Recoupement}}, {}},
    {"granite apres le pli", "SCP", true, {{2, 3, Principe::Recoupement}, {1, 3, Principe::Recoupement}}, {}},
    // After two folds the pluton's top stands above the valleys: a granite in the open air is not plausible.
    {"granite au jour apres deux plis", "SCCP", false, {{2, 4, Principe::Recoupement}}, {}},
    // The feeder cuts the layer its flow rests on: cross-cutting first.
    {"coulee", "SSVS", true, {{2, 3, Principe::Recoupement}, {3, 4, Principe::Superposition}}, {}},
    // A layer on the eroded thrust seals it.
    {"chevauchement scelle", "SHES", true, {{2, 4, Principe::Recoupement}, {1, 2, Principe::Deformation}}, {}},
    // The faults leave the view through its sides: the layer laid after them is not dated against them.
    {"failles hors de la vue", "SSDS", false, {{1, 3, Principe::Recoupement}}, {{3, 4}, {2, 3}}},
    // The faults meet the layers' base only on the view's right edge: the
    // picture shows no filled graben, and the layer does not seal them.
    {"failles au bord de la vue", "DSSSS", false, {{0, 1, Principe::Recoupement}}, {{1, 2}}},
    // The graben cut after the folding: its straight traces cross the folded
    // layers (the fold is older), the fill seals them inside the view.
    {"fosse apres le pli", "CDSSS", true,
     {{1, 2, Principe::Recoupement}, {2, 3, Principe::Recoupement}, {1, 3, Principe::Discordance}},
     {}},
    // Faults folded with the layers they cut say nothing of the fold's age.
    {"failles pliees", "DSCS", true, {{0, 1, Principe::Recoupement}, {1, 2, Principe::Recoupement}}, {{1, 3}, {3, 1}}},
    // An erosion of a flat stack leaves nothing to see.
    {"erosion invisible", "SSES", false, {}, {{3, 4}, {2, 3}}},
};

TEST_F(Chrono, LesRelationsDesCoupesNommees) {
    for (const Cas& k : kCas) {
        const Chronologie c = Lire(L(k.codes));
        ASSERT_TRUE(c.lue) << k.nom;
        if (std::getenv("CHRONO_JSON")) std::printf("%s %s", k.nom, ChronologieJson(modele_, c).c_str());
        EXPECT_FALSE(c.cycle) << k.nom;
        EXPECT_EQ(c.lisible, k.lisible) << k.nom << "\n" << ChronologieJson(modele_, c);
        EXPECT_EQ(c.ecarts.empty(), k.lisible) << k.nom;
        for (const Attendue& a : k.relations) {
            const Relation* r = c.Entre(a.ancien, a.recent);
            ASSERT_NE(r, nullptr) << k.nom << " " << a.ancien << "-" << a.recent;
            EXPECT_EQ(r->ancien, a.ancien) << k.nom;
            EXPECT_EQ(r->principe, a.principe) << k.nom << " " << a.ancien << "-" << a.recent;
            EXPECT_GE(r->temoins, kTemoinsMin) << k.nom;
        }
        for (const auto& [a, b] : k.sansRelation) EXPECT_EQ(c.Entre(a, b), nullptr) << k.nom << " " << a << "-" << b;
    }
}

TEST_F(Chrono, UnEcartNommeLesLettresPourLeProfesseur) {
    const Chronologie c = Lire(L("SSPCS"));
    ASSERT_FALSE(c.ecarts.empty());
    EXPECT_EQ(c.ecarts.front().texte,
              "La liste place « Mise en place du granite D » avant « Plissement (compression) », mais la coupe montre "
              "le contraire : le granite D recoupe la série de départ (A, B, E), déjà déformée par le plissement "
              "(principe de recoupement).");
    const Chronologie d = Lire(L("SSDS"));
    ASSERT_EQ(d.ecarts.size(), 1u);
    EXPECT_NE(d.ecarts.front().texte.find("ne permet pas de dater « Faille normale (distension) » et « Dépôt de la couche D »"),
              std::string::npos)
        << d.ecarts.front().texte;
}

TEST_F(Chrono, UnOrdreQuiRompUneRelationEstNomme) {
    const Chronologie c = Lire(L("SSCES"));
    EXPECT_EQ(PremiereRelationRompue(c, {1, 2, 3, 4, 5}), nullptr);
    const Relation* r = PremiereRelationRompue(c, {1, 2, 4, 3, 5});  // the erosion before the folding
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(std::pair(r->ancien, r->recent), std::pair(3, 4));
    EXPECT_TRUE(c.Avant(1, 5));
    EXPECT_FALSE(c.Avant(5, 1));
}

// The followed replay keeps the plane a session keeps, and what moved.
TEST_F(Chrono, LeReleveSuitLePlanDesFormations) {
    std::mt19937 tirage(2026);
    for (int essai = 0; essai < 12; ++essai) {
        Liste l{Ligne(kLigneInitiale)};
        modele_.Reinitialiser();
        for (int i = 0; i < 6; ++i) {
            std::vector<Evenement> permis;
            for (const TypeEvenement& t : kEvenements)
                if (modele_.Disponible(t.evenement)) permis.push_back(t.evenement);
            if (permis.empty()) break;
            modele_.Appliquer(permis[tirage() % permis.size()]);
        }
        Releve r;
        ASSERT_TRUE(Relever(textures_, modele_.liste(), r));
        const Raster& o = modele_.observe();
        ASSERT_EQ(r.formation.size(), static_cast<std::size_t>(o.width()) * static_cast<std::size_t>(o.height()));
        EXPECT_TRUE(std::equal(r.formation.begin(), r.formation.end(), o.formations())) << "graine 2026, essai " << essai;
        for (std::size_t m = 0; m < r.mouvements.size(); ++m)
            for (std::size_t p = 0; p < r.formation.size(); ++p)
                if (r.formation[p] >= r.mouvements[m]) {
                    ASSERT_EQ(r.dy[m][p], Releve::kAbsent) << essai;
                }
    }
}

// Exchanging two neighbouring events that leaves the view as it was: the
// section cannot date them, so no relation joins them.
TEST_F(Chrono, DeuxEvenementsQuiCommutentNeSontJamaisRelies) {
    std::mt19937 tirage(27);
    int echanges = 0;
    for (int essai = 0; essai < 25; ++essai) {
        modele_.Reinitialiser();
        for (int i = 0; i < 5; ++i) {
            std::vector<Evenement> permis;
            for (const TypeEvenement& t : kEvenements)
                if (modele_.Disponible(t.evenement)) permis.push_back(t.evenement);
            modele_.Appliquer(permis[tirage() % permis.size()]);
        }
        const Liste l = modele_.liste();
        const Raster vue = modele_.vue();
        const Chronologie c = LireChronologie(modele_);
        Session autre;
        autre.DefinirTextures(textures_);
        for (std::size_t i = 1; i + 1 < l.size(); ++i) {
            if (l[i] == l[i + 1]) continue;
            Liste e = l;
            std::swap(e[i], e[i + 1]);
            autre.Charger(e);
            if (!(autre.vue() == vue)) continue;
            ++echanges;
            EXPECT_EQ(c.Entre(static_cast<int>(i), static_cast<int>(i + 1)), nullptr)
                << "graine 27, essai " << essai << ", lignes " << i << " et " << i + 1;
        }
    }
    EXPECT_GT(echanges, 0);
}

}  // namespace
}  // namespace section
