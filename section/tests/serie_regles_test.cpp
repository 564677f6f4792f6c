// SPDX-License-Identifier: GPL-3.0-or-later
// Series of 30 on several seeds, every exercise checked again by replay:
// plausible at each step, each relation read inside the view's margins and
// changed by the swap of its two events, and legible.
#include <gtest/gtest.h>

#include "section/chronologie.h"
#include "section/serie.h"
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

TEST(SerieDeTrente, ChaqueExerciceTientToutesLesReglesAuRejeu) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    Session a, autre;
    a.DefinirTextures(*t);
    autre.DefinirTextures(*t);
    a.Reinitialiser();
    for (const std::uint32_t graine : {2026u, 41u, 77u}) {
        ReglesSerie r;
        r.exercices = 30;
        r.evenements = 6;
        r.graine = graine;
        const std::vector<ExerciceTire> serie = TirerSerie(a, r);
        ASSERT_EQ(serie.size(), 30u) << "graine " << graine;
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
            EvaluerLisibilite(*t, l, c);
            EXPECT_TRUE(c.lisible) << (c.ecarts.empty() ? std::string() : c.ecarts.front().texte);
        }
    }
}

}  // namespace
}  // namespace section
