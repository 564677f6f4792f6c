// SPDX-License-Identifier: GPL-3.0-or-later
// The chronology read from the view, on the shipped textures.
#include <gtest/gtest.h>

#include <cstdio>

#include "section/chronologie.h"
#include "section/correction.h"
#include "textures_essai.h"

namespace section {
namespace {

const Ligne kSed(kLigneInitiale);

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

TEST_F(Chrono, Exploration) {
    const std::vector<Liste> listes = {
        {kSed, kSed, "Compression", "Erosion", kSed},
        {kSed, kSed, kSed, "Compression", "Erosion", kSed},
        {kSed, kSed, "Plutonisme", "Compression", kSed},
        {kSed, kSed, "Compression", "Erosion", kSed, kSed, "Distension"},
        {kSed, kSed, "Compression", "Compression", "Plutonisme"},
        {kSed, kSed, "Volcanisme", kSed},
        {kSed, kSed, "Chevauchement", "Erosion", kSed},
        {kSed, kSed, "Distension", kSed},
    };
    for (const Liste& l : listes) {
        const Chronologie c = Lire(l);
        std::printf("%s", ChronologieJson(modele_, c).c_str());
    }
}

}  // namespace
}  // namespace section
