// SPDX-License-Identifier: GPL-3.0-or-later
// Every event of a drawn exercise visible on its picture, without the
// legend: named sections, each with the first event a pupil could not find.
#include <gtest/gtest.h>

#include "section/liste.h"
#include "section/visibilite.h"
#include "textures_essai.h"

namespace section {
namespace {

using G = EvenementCache::Genre;

TEST(Visibilite, ChaqueEvenementSeVoitSurLaCoupe) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    const struct {
        const char* nom;
        const char* codes;
        G genre;
        int ligne;
    } cas[] = {
        // A level cut through a flat stack leaves a sliver of the layer under it.
        {"erosion d'une pile plane", "SSES", G::Mince, 2},
        // A level cut above a graben truncates one flat layer only.
        {"erosion apres une fosse", "SSDE", G::ErosionCachee, 4},
        // The cut truncates the folded layers: several formations under it.
        {"discordance", "SSCES", G::Aucun, -1},
        {"plis erodes", "SSSCE", G::Aucun, -1},
        {"coulee et son filon", "SSVS", G::Aucun, -1},
        // The first flow is a dozen rows thick: its letter does not fit.
        {"coulee trop mince", "SVSV", G::Mince, 2},
        {"granite sous des couches plissees", "SCPES", G::Aucun, -1},
        // The second folding moves the layer laid after the first one.
        {"deux plissements", "SCSCS", G::Aucun, -1},
    };
    for (const auto& k : cas) {
        const EvenementCache c = PremierEvenementCache(*t, test::ListeDeCodes(k.codes));
        EXPECT_EQ(c.genre, k.genre) << k.nom;
        if (k.genre != G::Aucun) {
            EXPECT_EQ(c.ligne, k.ligne) << k.nom;
        }
    }
}

}  // namespace
}  // namespace section
