// SPDX-License-Identifier: GPL-3.0-or-later
// The legend lines and the tints every front end shows: each sample is
// taken from its own formation, and the tint plane covers the formations of
// the legend and nothing else.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "section/legende_vue.h"
#include "section/formations.h"
#include "textures_essai.h"

namespace section {
namespace {

using E = Evenement;

TEST(LignesLegende, SamplesAndTintsComeFromTheirOwnFormation) {
    Session s;
    s.DefinirTextures(test::TexturesSimples(640, 600));
    s.SuivreFormations(true);
    s.Reinitialiser();
    for (const E e : {E::Sedimentation, E::Erosion, E::Sedimentation, E::Volcanisme, E::Compression, E::Plutonisme})
        if (s.disponibilite()[e]) s.Appliquer(e);

    const std::vector<LigneLegende> lignes = LignesLegende(s);
    const std::vector<EntreeLegende> legende = s.Legende();
    ASSERT_EQ(lignes.size(), legende.size());
    ASSERT_GE(lignes.size(), 3u);
    const PlanFormations plan = FormationsDeLaVue(s.section());
    const Raster& vue = s.vue();
    std::map<Formation, Couleur> teintes;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const LigneLegende& l = lignes[i];
        SCOPED_TRACE(l.texte);
        EXPECT_EQ(l.entree.formation, legende[i].formation);
        teintes[l.entree.formation] = l.entree.teinte & 0xFFFFFFu;
        const bool note = l.texte.find("trop mince") != std::string::npos;
        EXPECT_EQ(note, l.sansLettre);
        if (!l.sansLettre) {
            ASSERT_LT(l.carre.left, l.carre.right);
            for (int y = l.carre.top; y < l.carre.bottom; ++y)
                for (int x = l.carre.left; x < l.carre.right; ++x) ASSERT_EQ(plan.At(x, y), l.entree.formation);
        } else {
            bool vue_ = false;
            for (int y = 0; y < plan.hauteur && !vue_; ++y)
                for (int x = 0; x < plan.largeur && !vue_; ++x)
                    vue_ = plan.At(x, y) == l.entree.formation && (vue.row(y)[x] & 0xFFFFFFu) == l.couleur;
            EXPECT_TRUE(vue_) << "the sample's colour is not one of its formation";
        }
    }

    const std::vector<std::uint32_t> plane = PlanTeintes(s);
    ASSERT_EQ(plane.size(), static_cast<std::size_t>(vue.width()) * static_cast<std::size_t>(vue.height()));
    for (int y = 0; y < vue.height(); ++y)
        for (int x = 0; x < vue.width(); ++x) {
            const std::uint32_t t = plane[static_cast<std::size_t>(y) * static_cast<std::size_t>(vue.width()) +
                                          static_cast<std::size_t>(x)];
            const Formation f = x < plan.largeur && y < plan.hauteur ? plan.At(x, y) : -1;
            const auto it = teintes.find(f);
            if (it == teintes.end()) {
                ASSERT_EQ(t, 0u) << x << "," << y;
            } else {
                ASSERT_EQ(t, (kOpaciteTeinte << 24) | it->second) << x << "," << y;
            }
        }
}

TEST(LignesLegende, NothingWithoutASection) {
    const Session s;
    EXPECT_TRUE(LignesLegende(s).empty());
    EXPECT_TRUE(PlanTeintes(s).empty());
}

}  // namespace
}  // namespace section
