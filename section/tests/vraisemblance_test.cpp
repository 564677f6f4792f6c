// SPDX-License-Identifier: GPL-3.0-or-later
// Plausibility at each step: a granite laid in the open air, a layer or a
// flow laid on a granite no erosion has cut, named by the step that does it.
#include <gtest/gtest.h>

#include "section/chronologie.h"
#include "section/liste.h"
#include "section/vraisemblance.h"
#include "textures_essai.h"

namespace section {
namespace {

Liste L(std::string_view codes) { return test::ListeDeCodes(codes); }

// Every step of the list followed, the first fault included: what each line
// gives, Aucune where it breaks nothing.
std::vector<Invraisemblance::Genre> ParEtape(const Textures& t, const Liste& l) {
    Section s;
    s.tex = t;
    s.Observe.ActiverFormations();
    InitSection(s);
    SuiviVraisemblance suivi;
    std::vector<Invraisemblance::Genre> genres(l.size(), Invraisemblance::Genre::Aucune);
    for (std::size_t i = 1; i < l.size(); ++i) {
        const Evenement e = *EvenementDeLigne(l[i]);
        s.DebuterEvenement(static_cast<Formation>(i));
        suivi.Avant(s, e);
        RejouerLigne(s, l[i]);
        genres[i] = suivi.Apres(s, static_cast<int>(i), e).genre;
    }
    return genres;
}

using G = Invraisemblance::Genre;
constexpr G k0 = G::Aucune, kAir = G::GraniteAuJour, kSur = G::ReposeSurGranite;

TEST(Vraisemblance, ChaqueEtapeEstJugee) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    const struct {
        const char* nom;
        const char* codes;
        std::vector<G> etapes;  // lines 1..n
    } cas[] = {
        // The pluton's top stays 10 rows under the highest point of a flat surface.
        {"granite sous une surface plane", "SPS", {k0, k0, k0}},
        {"granite sous des couches plissees une fois", "SCPES", {k0, k0, k0, k0, k0}},
        // Two folds: the valleys sink below the pluton's top, which stands in the sky.
        {"granite au jour apres deux plis", "SCCP", {k0, k0, k0, kAir}},
        // Then a layer laid in the valleys rests straight on it.
        {"couche sur un granite jamais erode", "SCCPS", {k0, k0, k0, kAir, kSur}},
        // Once an erosion has cut it, the granite crops out and may be covered.
        {"couche sur un granite erode", "SCCPES", {k0, k0, k0, kAir, k0, k0}},
        {"coulee sur un granite erode", "SCCPEV", {k0, k0, k0, kAir, k0, k0}},
    };
    for (const auto& k : cas) {
        const std::vector<G> g = ParEtape(*t, L(k.codes));
        ASSERT_EQ(g.size(), k.etapes.size() + 1) << k.nom;
        for (std::size_t i = 0; i < k.etapes.size(); ++i)
            EXPECT_EQ(static_cast<int>(g[i + 1]), static_cast<int>(k.etapes[i])) << k.nom << ", ligne " << i + 1;
    }
}

TEST(Vraisemblance, LaPremiereFauteEstNommeeAuProfesseur) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    const Invraisemblance v = PremiereInvraisemblance(*t, L("SCCPS"));
    EXPECT_EQ(v.genre, G::GraniteAuJour);
    EXPECT_EQ(v.ligne, 4);
    EXPECT_FALSE(PremiereInvraisemblance(*t, L("SCPES")));
    // The warning of « Créer un exercice » and --make-exercise: the same rule.
    Session m;
    m.DefinirTextures(*t);
    m.Charger(L("SCCPES"));
    Chronologie c = LireChronologie(m);
    EvaluerLisibilite(*t, m.liste(), c);
    EXPECT_FALSE(c.lisible);
    bool nomme = false;
    for (const EcartChronologie& e : c.ecarts)
        nomme = nomme || e.texte.find("affleure dès sa mise en place : un granite se forme en profondeur") !=
                             std::string::npos;
    EXPECT_TRUE(nomme);
    // Without a section, nothing is judged.
    EXPECT_FALSE(PremiereInvraisemblance(Textures{}, L("SCCP")));
}

}  // namespace
}  // namespace section
