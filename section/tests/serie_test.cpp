// SPDX-License-Identifier: GPL-3.0-or-later
// Series of exercises: what every drawn exercise must be, the balance of
// kinds across a series, and the same series for the same seed.
#include <gtest/gtest.h>

#include <set>

#include "section/chronologie.h"
#include "section/serie.h"
#include "section/serie_exercices.h"
#include "textures_essai.h"

namespace section {
namespace {

std::optional<Session> SurLesTexturesLivrees() {
    std::optional<Textures> t = test::TexturesLivrees();
    if (!t) return std::nullopt;
    Session a;
    a.DefinirTextures(std::move(*t));
    a.Reinitialiser();
    return a;
}

// The list clicked again from a reset: every command enabled at its turn.
bool ToutCliquable(Session& a, const Liste& l) {
    a.Reinitialiser();
    for (std::size_t i = 1; i < l.size(); ++i) {
        const std::optional<Evenement> e = EvenementDeLigne(l[i]);
        if (!e || !a.Disponible(*e)) return false;
        a.Appliquer(*e);
    }
    return true;
}

TEST(Serie, EveryExerciseIsClickableTracedRockyAndItsOwn) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    for (const std::uint32_t graine : {2024u, 7u}) {
        SCOPED_TRACE("graine " + std::to_string(graine));
        ReglesSerie r;
        r.graine = graine;
        const std::vector<ExerciceTire> serie = TirerSerie(*a, r);
        ASSERT_EQ(serie.size(), 10u);
        std::set<int> genres;
        std::vector<Raster> vues;
        for (std::size_t i = 0; i < serie.size(); ++i) {
            SCOPED_TRACE("exercice " + std::to_string(i + 1));
            const Liste& l = serie[i].liste;
            EXPECT_TRUE(serie[i].conforme);
            EXPECT_EQ(l.size(), 7u);
            EXPECT_TRUE(ToutCliquable(*a, l));
            a->Charger(l);
            EXPECT_GE(PartDeRoche(*a), 40);
            for (const Raster& v : vues) EXPECT_FALSE(v == a->vue());
            vues.push_back(a->vue());
            const std::vector<bool> sans = EvenementsSansTrace(*a, l);
            for (std::size_t k = 1; k < l.size(); ++k) EXPECT_FALSE(sans[k]) << "line " << k;
            for (std::size_t k = 1; k < l.size(); ++k) genres.insert(TagDeLigne(l[k]));
            // Read by the picture as the list says, and plausible.
            a->Charger(l);
            Chronologie c = LireChronologie(*a);
            EvaluerLisibilite(a->textures(), l, c);
            EXPECT_TRUE(c.lisible) << (c.ecarts.empty() ? std::string() : c.ecarts.front().texte);
            EXPECT_TRUE(Plausible(*a));
            for (std::size_t k = 2; k < l.size(); ++k)
                for (const Evenement e : {Evenement::Compression, Evenement::Erosion, Evenement::Plutonisme})
                    EXPECT_FALSE(l[k] == Type(e).ligne && l[k - 1] == l[k]) << "line " << k;
        }
        EXPECT_EQ(genres.size(), 7u) << "every kind in a series of ten";
    }
}

TEST(Serie, TheSameSeedGivesTheSameSeriesAndAnotherOneAnother) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    ReglesSerie r;
    r.exercices = 3;
    r.graine = 11;
    const auto une = TirerSerie(*a, r), deux = TirerSerie(*a, r);
    ASSERT_EQ(une.size(), deux.size());
    for (std::size_t i = 0; i < une.size(); ++i) EXPECT_EQ(une[i].liste, deux[i].liste);
    r.graine = 12;
    const auto autre = TirerSerie(*a, r);
    bool differente = false;
    for (std::size_t i = 0; i < une.size(); ++i) differente = differente || une[i].liste != autre[i].liste;
    EXPECT_TRUE(differente);
}

TEST(Serie, OnlyTheAllowedKindsAreDrawn) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    ReglesSerie r;
    r.exercices = 4;
    r.evenements = 4;
    r.graine = 3;
    r.permis.fill(false);
    r.permis[Tag(Evenement::Sedimentation)] = true;
    r.permis[Tag(Evenement::Erosion)] = true;
    r.permis[Tag(Evenement::Compression)] = true;
    for (const ExerciceTire& t : TirerSerie(*a, r)) {
        ASSERT_GT(t.liste.size(), 1u);
        for (std::size_t k = 1; k < t.liste.size(); ++k) {
            const int tag = TagDeLigne(t.liste[k]);
            EXPECT_TRUE(tag == 1 || tag == 3 || tag == 5) << t.liste[k];
        }
    }
}

TEST(Serie, AnEventWithoutTraceIsFound) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    // An erosion right after another one on a flat surface cuts again, but
    // a line that is no event leaves nothing.
    const Liste l{Ligne(kLigneInitiale), Ligne(Type(Evenement::Sedimentation).ligne), "Seisme"};
    const std::vector<bool> sans = EvenementsSansTrace(*a, l);
    EXPECT_FALSE(sans[1]);
    EXPECT_TRUE(sans[2]);
    Session vide;
    EXPECT_TRUE(TirerSerie(vide, ReglesSerie{}).empty());
}

}  // namespace
}  // namespace section

namespace section {
namespace {

// What a series may not hand out, each on a list built by hand.
TEST(Serie, UneCoupeInvraisemblableEstReconnue) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    const Ligne s(kLigneInitiale);
    const struct {
        const char* nom;
        Liste liste;
        bool plausible;
    } cas[] = {
        {"discordance", {s, s, "Compression", "Erosion", s}, true},
        {"granite sous le ciel sans erosion", {s, s, "Compression", "Compression", "Plutonisme"}, false},
        {"granite erode puis recouvert", {s, s, "Compression", "Plutonisme", "Erosion", s}, true},
        // Laid after two folds, the granite already stands above the valleys;
        // the erosion that follows does not make that plausible.
        {"granite au jour des sa mise en place", {s, s, "Compression", "Compression", "Plutonisme", "Erosion", s},
         false},
    };
    for (const auto& k : cas) {
        a->Charger(k.liste);
        EXPECT_EQ(Plausible(*a), k.plausible) << k.nom;
    }
}

}  // namespace
}  // namespace section

namespace section {
namespace {

// Settings no draw can meet: with sedimentation alone, two layers always
// give the same view, so only the first exercise is new.
TEST(Serie, DesReglesImpossiblesSontSignaleesEtSeulementElles) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    ReglesSerie r;
    r.exercices = 3;
    r.evenements = 2;
    r.graine = 5;
    r.permis.fill(false);
    r.permis[Tag(Evenement::Sedimentation)] = true;
    const std::vector<ExerciceTire> serie = TirerSerie(*a, r);
    ASSERT_EQ(serie.size(), 3u);
    EXPECT_TRUE(serie[0].conforme);
    EXPECT_FALSE(serie[1].conforme);
    EXPECT_FALSE(serie[2].conforme);
    for (const ExerciceTire& t : serie) EXPECT_EQ(t.liste, test::ListeDeCodes("SS"));
    // The reason names the first exercise no draw could give.
    const std::string raison = RaisonSerieImpossible(serie);
    EXPECT_NE(raison.find("l'exercice 2 "), std::string::npos) << raison;
    EXPECT_EQ(RaisonSerieImpossible({serie[0]}), "");
    // An erosion alone never has anything to cut: no exercise at all.
    r.exercices = 1;
    r.permis.fill(false);
    r.permis[Tag(Evenement::Erosion)] = true;
    const std::vector<ExerciceTire> erosion = TirerSerie(*a, r);
    ASSERT_EQ(erosion.size(), 1u);
    EXPECT_FALSE(erosion[0].conforme);
    EXPECT_NE(RaisonSerieImpossible(erosion).find("l'exercice 1 "), std::string::npos);
}

}  // namespace
}  // namespace section
