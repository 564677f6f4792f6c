// SPDX-License-Identifier: GPL-3.0-or-later
// Justifications of an order: each card dated by a principle and a
// formation against an earlier card, judged on the chronology the view
// shows; and the order's mark that counts them.
#include <gtest/gtest.h>

#include <algorithm>

#include "section/justification.h"
#include "section/ordre.h"
#include "textures_essai.h"

namespace section {
namespace {

using P = PrincipeCite;

Liste L(std::string_view codes) { return test::ListeDeCodes(codes); }

class Justifier : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<Textures> t = test::TexturesLivrees();
        if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
        modele_.DefinirTextures(*t);
    }
    Chronologie Lire(const Liste& l) {
        modele_.Charger(l);
        return LireChronologie(modele_);
    }
    // The verdict on card `carte` of the list's own order justified by j.
    Avis AvisSur(const Chronologie& c, int carte, Justification j) {
        std::vector<int> ids;
        for (int i = 1; i < static_cast<int>(modele_.liste().size()); ++i) ids.push_back(i);
        std::vector<Justification> js(ids.size());
        js[static_cast<std::size_t>(carte - 1)] = j;
        for (const AvisJustification& a : JugerJustifications(modele_, c, ids, js))
            if (a.carte == carte) {
                EXPECT_FALSE(a.texte.empty());
                return a.avis;
            }
        ADD_FAILURE() << "pas d'avis sur la carte " << carte;
        return Avis::NonAttendue;
    }
    Session modele_;
};

// The discordance of the lesson: layers 1 and 2, folded by 3, truncated by
// the erosion 4, and layer 5 on the erosion surface.
TEST_F(Justifier, LaDiscordanceDeLaLecon) {
    const Chronologie c = Lire(L("SSCES"));
    struct Cas {
        const char* nom;
        int carte;
        Justification j;
        Avis avis;
    };
    const Cas cas[] = {
        {"couche sur couche", 2, {P::Superposition, 1}, Avis::Juste},
        {"couche sur couche, autre principe", 2, {P::Recoupement, 1}, Avis::MauvaisPrincipe},
        {"un temoin plus recent", 2, {P::Superposition, 5}, Avis::MauvaisTemoin},
        {"le pli recoupe la couche", 3, {P::Recoupement, 2}, Avis::Juste},
        {"la couche sur la surface d'erosion", 5, {P::Discordance, 4}, Avis::Juste},
        {"sa propre couche", 5, {P::Discordance, 5}, Avis::MauvaisTemoin},
        {"continuite, que la coupe ne montre pas", 5, {P::Continuite, 4}, Avis::MauvaisPrincipe},
        {"rien de choisi", 5, {P::Aucun, -1}, Avis::SansChoix},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        EXPECT_EQ(AvisSur(c, k.carte, k.j), k.avis);
    }
}

// Whatever the exercise, justifying each card of the list's order by a
// relation with an earlier card (its principle as a pupil names it, its
// older side as the formation) holds for every card the section dates,
// and gives 20; the formations named are among those offered, which come
// sorted by name, each once, so that their order tells nothing.
TEST_F(Justifier, LesJustificationsDeLaChronologieSontToutesJustes) {
    for (const char* codes : {"SSCES", "SCCP", "SSVS", "SHES", "SSDS", "SVSES", "SSPES"}) {
        SCOPED_TRACE(codes);
        const Chronologie c = Lire(L(codes));
        const std::vector<TemoinPropose> proposes = TemoinsProposes(modele_, c);
        EXPECT_TRUE(std::is_sorted(proposes.begin(), proposes.end(), [](const auto& a, const auto& b) { return a.nom < b.nom; }));
        EXPECT_EQ(std::adjacent_find(proposes.begin(), proposes.end(), [](const auto& a, const auto& b) { return a.nom == b.nom; }),
                  proposes.end());
        const auto propose = [&](int f) {
            // Offered under its name: two foldings are one choice.
            return std::any_of(proposes.begin(), proposes.end(), [&](const auto& t) {
                return t.formation == f || (t.nom.find("plissement") != std::string::npos &&
                                            EvenementDeLigne(modele_.liste()[static_cast<std::size_t>(f)]) == Evenement::Compression);
            });
        };
        std::vector<int> ids;
        std::vector<Justification> js;
        for (int i = 1; i < static_cast<int>(modele_.liste().size()); ++i) {
            ids.push_back(i);
            Justification j;
            for (const Relation& r : c.relations)
                if (r.recent == i && r.ancien < i) j = {PrincipeDe(r.principe), r.ancien};
            js.push_back(j);
            if (j.temoin >= 0) {
                EXPECT_TRUE(propose(j.temoin))
                    << "carte " << i << " temoin " << j.temoin;
            }
        }
        const std::vector<AvisJustification> avis = JugerJustifications(modele_, c, ids, js);
        ASSERT_EQ(avis.size(), ids.size() - 1);
        for (std::size_t k = 0; k < avis.size(); ++k)
            EXPECT_EQ(avis[k].avis, js[k + 1].temoin >= 0 ? Avis::Juste : Avis::NonAttendue) << "carte " << avis[k].carte;
        if (RelationsRompues(c, ids) == 0) {
            EXPECT_EQ(NoteOrdreJustifie(c, ids, avis), 20);
        }
    }
}

TEST(NoteOrdreJustifie, LOrdrePuisLesJustifications) {
    Chronologie c;
    for (int i = 0; i < 4; ++i) {
        Relation r;
        r.ancien = i;
        r.recent = i + 1;
        r.principe = Principe::Superposition;
        c.relations.push_back(r);
    }
    const auto avis = [](std::initializer_list<Avis> l) {
        std::vector<AvisJustification> v;
        for (Avis a : l) v.push_back({0, a, {}});
        return v;
    };
    struct Cas {
        const char* nom;
        std::vector<int> ids;
        std::vector<AvisJustification> avis;
        int note;
    };
    const Cas cas[] = {
        {"tout juste", {1, 2, 3, 4}, avis({Avis::Juste, Avis::Juste, Avis::Juste}), 20},
        {"ordre juste, rien justifie", {1, 2, 3, 4}, avis({Avis::SansChoix, Avis::SansChoix, Avis::SansChoix}), 12},
        {"non comptees laissees de cote", {1, 2, 3, 4}, avis({Avis::Juste, Avis::NonAttendue, Avis::NonAttendue}), 20},
        {"aucune comptee: l'ordre seul", {2, 1, 3, 4}, avis({Avis::NonAttendue}), 10},
        {"arrondi au plus proche", {1, 2, 3, 4}, avis({Avis::Juste, Avis::SansChoix, Avis::SansChoix}), 15},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        EXPECT_EQ(NoteOrdreJustifie(c, k.ids, k.avis), k.note);
    }
}

}  // namespace
}  // namespace section
