// SPDX-License-Identifier: GPL-3.0-or-later
// Letters follow the formation: in an exercise, the k-th formation laid of
// each kind has the model's letter in the pupil's section at every step of
// the rebuilding, whatever the line that laid it.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "section/legende_vue.h"
#include "textures_essai.h"

namespace section {
namespace {

// Letter by identity of each entry of a session's legend.
std::map<IdentiteFormation, std::string> ParIdentite(const Session& s) {
    std::map<IdentiteFormation, std::string> l;
    for (const RangModele& r : RangsDesLettres(s)) l[r.identite] = NomDeLettre(r.rang);
    return l;
}

Session Sur(const Textures& t) {
    Session s;
    s.DefinirTextures(t);
    s.Reinitialiser();
    return s;
}

struct Cas {
    const char* nom;
    const char* modele;  // codes of test::ListeDeCodes
    const char* eleve;   // the pupil's list, built one event at a time
};
constexpr Cas kCas[] = {
    {"the model's own list", "SSVSP", "SSVSP"},
    {"a fold the model does not have", "SSVS", "SSCVS"},
    {"the flow laid before the second layer", "SSVS", "SVSS"},
    {"an erosion in between", "SESS", "SSES"},
};

TEST(LettresDuModele, TheKthFormationOfEachKindKeepsTheModelsLetterAtEveryStep) {
    std::optional<Textures> livrees = test::TexturesLivrees();
    const Textures t = livrees ? *livrees : test::TexturesSimples(640, 600);
    for (const Cas& c : kCas) {
        SCOPED_TRACE(c.nom);
        Session modele = Sur(t);
        modele.DefinirGraineLettres(1234);
        modele.Charger(test::ListeDeCodes(c.modele));
        const std::map<IdentiteFormation, std::string> attendu = ParIdentite(modele);
        ASSERT_GE(attendu.size(), 3u);

        Session eleve = Sur(t);
        eleve.DefinirGraineLettres(1234);
        eleve.DefinirLettresDuModele(RangsDesLettres(modele));
        eleve.Reinitialiser();
        const Liste l = test::ListeDeCodes(c.eleve);
        for (std::size_t i = 0; i < l.size(); ++i) {
            if (i > 0) eleve.Appliquer(*EvenementDeLigne(l[i]));
            SCOPED_TRACE("step " + std::to_string(i));
            std::set<std::string> vues;
            for (const EntreeLegende& e : eleve.Legende()) {
                EXPECT_TRUE(vues.insert(e.lettre).second) << "letter " << e.lettre << " twice";
            }
            for (const auto& [id, lettre] : ParIdentite(eleve)) {
                const auto m = attendu.find(id);
                if (m != attendu.end()) {
                    EXPECT_EQ(lettre, m->second) << static_cast<int>(id.genre) << " #" << id.rang;
                } else {
                    // A formation the model does not show: a letter the model does not use.
                    for (const auto& [autre, l2] : attendu) EXPECT_NE(lettre, l2);
                }
            }
        }
    }
}

// Outside an exercise the letters are the view's own, as before: A, B, C...
// without a gap.
TEST(LettresDuModele, WithoutAModelTheLettersRunFromAWithoutAGap) {
    Session s = Sur(test::TexturesSimples(640, 600));
    s.Charger(test::ListeDeCodes("SSVS"));
    const std::vector<EntreeLegende> l = s.Legende();
    for (std::size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].lettre, NomDeLettre(static_cast<int>(i)));
        EXPECT_EQ(l[i].rang, static_cast<int>(i));
    }
}

TEST(IdentiteDeLigne, CountsTheLinesOfTheSameKind) {
    const std::vector<Depot> d = {Depot::SerieDeDepart, Depot::Couche, Depot::Basalte, Depot::Pli,
                                  Depot::Couche,        Depot::Basalte};
    EXPECT_EQ(IdentiteDeLigne(d, 0), (IdentiteFormation{Depot::SerieDeDepart, 0}));
    EXPECT_EQ(IdentiteDeLigne(d, 1), (IdentiteFormation{Depot::Couche, 1}));
    EXPECT_EQ(IdentiteDeLigne(d, 4), (IdentiteFormation{Depot::Couche, 2}));
    EXPECT_EQ(IdentiteDeLigne(d, 5), (IdentiteFormation{Depot::Basalte, 2}));
    EXPECT_EQ(IdentiteDeLigne(d, 6), IdentiteFormation{});
    EXPECT_EQ(IdentiteDeLigne(d, -1), IdentiteFormation{});
}

}  // namespace
}  // namespace section
