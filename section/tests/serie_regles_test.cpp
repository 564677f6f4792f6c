// SPDX-License-Identifier: GPL-3.0-or-later
// Series of 30 on several seeds, every exercise checked again by replay:
// plausible at each step, each relation read inside the view's margins and
// changed by the swap of its two events, every event visible (each rock
// formation holds a block its letter fits in) and legible.
#include <gtest/gtest.h>

#include "section/chronologie.h"
#include "section/formations.h"
#include "section/serie.h"
#include "section/visibilite.h"
#include "section/vraisemblance.h"
#include "textures_essai.h"

namespace section {
namespace {

// The view of `l` with line `y` moved to just before line `x`.
Raster VueEchangee(Session& autre, Liste l, int x, int y) {
    const Ligne ligne = l[static_cast<std::size_t>(y)];
    l.erase(l.begin() + y);
    l.insert(l.begin() + (x < y ? x : x - 1), ligne);
    autre.Charger(l);
    return autre.vue();
}

// Whether formation f fills some block of h rows by w columns of the plane,
// by counting its pixels over every such block (summed areas).
bool Bloc(const PlanFormations& p, Formation f, int h, int w) {
    const int W = p.largeur, H = p.hauteur;
    std::vector<int> somme(static_cast<std::size_t>((W + 1) * (H + 1)), 0);
    const auto S = [&](int x, int y) -> int& { return somme[static_cast<std::size_t>(y * (W + 1) + x)]; };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) S(x + 1, y + 1) = (p.At(x, y) == f) + S(x, y + 1) + S(x + 1, y) - S(x, y);
    for (int y = 0; y + h <= H; ++y)
        for (int x = 0; x + w <= W; ++x)
            if (S(x + w, y + h) - S(x, y + h) - S(x + w, y) + S(x, y) == h * w) return true;
    return false;
}

// One seed per test, twelve exercises each, so that each stays well inside
// its time limit under the sanitizers.
class SerieTiree : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(SerieTiree, ChaqueExerciceTientToutesLesReglesAuRejeu) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    Session a, autre;
    a.DefinirTextures(*t);
    autre.DefinirTextures(*t);
    a.Reinitialiser();
    {
        const std::uint32_t graine = GetParam();
        ReglesSerie r;
        r.exercices = 12;
        r.evenements = 6;
        r.graine = graine;
        const std::vector<ExerciceTire> serie = TirerSerie(a, r);
        ASSERT_EQ(serie.size(), 12u) << "graine " << graine;
        for (std::size_t i = 0; i < serie.size(); ++i) {
            SCOPED_TRACE("graine " + std::to_string(graine) + ", exercice " + std::to_string(i + 1));
            const Liste& l = serie[i].liste;
            EXPECT_TRUE(serie[i].conforme);
            // Rule 1: no step makes the section implausible.
            const Invraisemblance v = PremiereInvraisemblance(*t, l);
            EXPECT_FALSE(v) << "ligne " << v.ligne;
            // Rule 2: what dates a trace's top lies inside the margins, and
            // no relation survives the swap of its events.
            a.Charger(l);
            const Raster vue = a.vue();
            Chronologie c = LireChronologie(a);
            for (const Relation& rel : c.relations) {
                if (rel.temoin == Temoin::Scelle) {
                    EXPECT_GE(rel.ou.x, kMargeVue);
                    EXPECT_LT(rel.ou.x, vue.width() - kMargeVue);
                    EXPECT_GE(rel.ou.y, kMargeVue);
                }
                if (rel.ancien <= 0 || l[static_cast<std::size_t>(rel.ancien)] == l[static_cast<std::size_t>(rel.recent)])
                    continue;
                EXPECT_FALSE(VueEchangee(autre, l, rel.ancien, rel.recent) == vue)
                    << "relation " << rel.ancien << " < " << rel.recent;
            }
            // Rule 3: every event visible; each layer, flow and granite
            // holds a block its 14-pixel letter fits in.
            const EvenementCache cache = PremierEvenementCache(*t, l);
            EXPECT_FALSE(cache) << "ligne " << cache.ligne;
            const PlanFormations p = FormationsDeLaVue(a.section());
            for (std::size_t k = 1; k < l.size(); ++k) {
                const auto e = EvenementDeLigne(l[k]);
                if (e == Evenement::Sedimentation || e == Evenement::Volcanisme || e == Evenement::Plutonisme) {
                    EXPECT_TRUE(Bloc(p, static_cast<Formation>(k), 16, 60)) << "ligne " << k;
                }
            }
            EvaluerLisibilite(*t, l, c);
            EXPECT_TRUE(c.lisible) << (c.ecarts.empty() ? std::string() : c.ecarts.front().texte);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Graines, SerieTiree, ::testing::Values(2026u, 41u, 77u, 5309u));

}  // namespace
}  // namespace section
