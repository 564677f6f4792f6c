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

// For each list, a justification of every card in the list's order, as a
// geologist reads the view: a layer on the one below (superposition), a fold,
// fault, feeder or granite through what it cuts (recoupement), a layer on an
// erosion surface that truncates deformed formations (discordance). Each
// holds, which gives 20; a card the view does not date (the erosion of flat
// layers) has no justification and is not counted. The formations named are
// among those offered, which come sorted by name, each once, so that their
// order tells nothing.
TEST_F(Justifier, LesJustificationsDUnGeologueSontJustes) {
    const Justification rien{P::Aucun, -1};
    struct Cas {
        const char* codes;
        std::vector<Justification> js;  // cards 1, 2, ...
    };
    const Cas cas[] = {
        {"SSCES", {{P::Superposition, 0}, {P::Superposition, 1}, {P::Recoupement, 2}, {P::Recoupement, 2}, {P::Discordance, 4}}},
        {"SCCP", {{P::Superposition, 0}, {P::Recoupement, 1}, {P::Recoupement, 1}, {P::Recoupement, 1}}},
        {"SSVS", {{P::Superposition, 0}, {P::Superposition, 1}, {P::Recoupement, 2}, {P::Superposition, 3}}},
        {"SHES", {{P::Superposition, 0}, {P::Recoupement, 1}, {P::Recoupement, 2}, {P::Discordance, 3}}},
        {"SSDS", {{P::Superposition, 0}, {P::Superposition, 1}, {P::Recoupement, 1}, {P::Superposition, 2}}},
        {"SVSES", {{P::Superposition, 0}, {P::Recoupement, 1}, {P::Superposition, 1}, {P::Recoupement, 3}, {P::Superposition, 4}}},
        {"SSPES", {{P::Superposition, 0}, {P::Superposition, 1}, {P::Recoupement, 0}, rien, {P::Superposition, 2}}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.codes);
        const Chronologie c = Lire(L(k.codes));
        const std::vector<TemoinPropose> proposes = TemoinsProposes(modele_, c);
        EXPECT_TRUE(std::is_sorted(proposes.begin(), proposes.end(), [](const auto& a, const auto& b) { return a.nom < b.nom; }));
        EXPECT_EQ(std::adjacent_find(proposes.begin(), proposes.end(), [](const auto& a, const auto& b) { return a.nom == b.nom; }),
                  proposes.end());
        ASSERT_EQ(k.js.size() + 1, modele_.liste().size());
        std::vector<int> ids;
        std::vector<Justification> js;
        for (std::size_t i = 0; i < k.js.size(); ++i) {
            ids.push_back(static_cast<int>(i) + 1);
            js.push_back(k.js[i]);
            if (k.js[i].temoin < 0) continue;
            // Offered under its name: two foldings are one choice.
            EXPECT_TRUE(std::any_of(proposes.begin(), proposes.end(), [&](const auto& t) {
                return t.formation == k.js[i].temoin ||
                       (t.nom.find("plissement") != std::string::npos &&
                        EvenementDeLigne(modele_.liste()[static_cast<std::size_t>(k.js[i].temoin)]) == Evenement::Compression);
            })) << "carte " << i + 1 << " temoin " << k.js[i].temoin;
        }
        const std::vector<AvisJustification> avis = JugerJustifications(modele_, c, ids, js);
        ASSERT_EQ(avis.size(), ids.size() - 1);
        for (std::size_t n = 0; n < avis.size(); ++n)
            EXPECT_EQ(avis[n].avis, js[n + 1].temoin >= 0 ? Avis::Juste : Avis::NonAttendue) << "carte " << avis[n].carte;
        EXPECT_EQ(NoteOrdreJustifie(c, ids, avis), 20);
    }
}

// A witness must come before its card in the pupil's own order: the same
// justification that holds in the list's order is not accepted once the
// pupil has put the witness after the card.
TEST_F(Justifier, UnTemoinPlaceApresSaCarteNEstPasAdmis) {
    const Chronologie c = Lire(L("SSCES"));
    struct Cas {
        const char* nom;
        int carte;
        Justification j;
        std::vector<int> ids;
        bool juste;
    };
    const Cas cas[] = {
        {"le pli apres la couche 2", 3, {P::Recoupement, 2}, {1, 2, 3, 4, 5}, true},
        {"le pli avant la couche 2", 3, {P::Recoupement, 2}, {1, 3, 2, 4, 5}, false},
        {"la couche 2 en dernier", 3, {P::Recoupement, 2}, {1, 3, 4, 5, 2}, false},
        {"la couche 5 apres l'erosion", 5, {P::Discordance, 4}, {1, 2, 3, 4, 5}, true},
        {"la couche 5 avant l'erosion", 5, {P::Discordance, 4}, {1, 2, 3, 5, 4}, false},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        std::vector<Justification> js(k.ids.size());
        const auto ou = std::find(k.ids.begin(), k.ids.end(), k.carte);
        ASSERT_NE(ou, k.ids.end());
        js[static_cast<std::size_t>(ou - k.ids.begin())] = k.j;
        bool vu = false;
        for (const AvisJustification& a : JugerJustifications(modele_, c, k.ids, js))
            if (a.carte == k.carte) {
                vu = true;
                EXPECT_EQ(a.avis == Avis::Juste, k.juste);
            }
        EXPECT_TRUE(vu);
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
