// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the keys, as a geologist reads them: « scelle » only for a
// layer or a flow on a fault's top, a discordance for a layer laid on
// deformed formations, a gap for an erosion surface between undeformed
// ones, each formation named by its kind, a flow with its own feeder, and
// each fault trace by its own label, the one that shows the relation.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "designations.h"
#include "section/chronologie.h"
#include "section/fichiers.h"
#include "section/formations.h"
#include "section/justification.h"
#include "section/serie.h"
#include "section/serie_exercices.h"
#include "textures_essai.h"

#ifndef STRATALOOM_SOURCES
#error "STRATALOOM_SOURCES names the source tree"
#endif

namespace section {
namespace {

// What the key says of each relation of a model, checked against the
// picture and the list; returns the number of sentences read.
int VerifierLesMots(const Session& modele, const std::string& nom) {
    const Liste& l = modele.liste();
    const Chronologie c = LireChronologie(modele);
    const LettresVue lettres = Lettres(modele);
    const PlanFormations vue = FormationsDeLaVue(modele.section());
    const auto sorte = [&](int f) { return f > 0 && static_cast<std::size_t>(f) < l.size() ? EvenementDeLigne(l[static_cast<std::size_t>(f)]) : std::nullopt; };
    const std::regex parLettre("(la couche|la coulée|le granite) ([A-Z]+)\\b");
    int phrases = 0;
    for (const Relation& r : c.relations) {
        const std::string p = Clause(l, lettres, r);
        SCOPED_TRACE(nom + " : " + p);
        ++phrases;
        // Each formation named by its kind.
        for (auto m = std::sregex_iterator(p.begin(), p.end(), parLettre); m != std::sregex_iterator(); ++m) {
            const std::string genre = (*m)[1], lettre = (*m)[2];
            const Evenement attendu = genre == "la couche"    ? Evenement::Sedimentation
                                      : genre == "la coulée" ? Evenement::Volcanisme
                                                             : Evenement::Plutonisme;
            bool trouvee = false;
            for (const auto& [f, e] : lettres) trouvee = trouvee || (e == lettre && sorte(f) == attendu);
            EXPECT_TRUE(trouvee) << lettre << " n'est pas " << genre;
        }
        // Only a layer or a flow seals.
        if (r.temoin == Temoin::Scelle) {
            EXPECT_TRUE(sorte(r.recent) == Evenement::Sedimentation || sorte(r.recent) == Evenement::Volcanisme);
        }
        if (p.find(" scelle ") != std::string::npos) {
            EXPECT_TRUE(p.rfind("la couche", 0) == 0 || p.rfind("la coulée", 0) == 0);
        }
        // A layer laid on deformed formations: a discordance, never said undeformed.
        if (r.temoin == Temoin::ReposeSurPli) {
            EXPECT_EQ(r.principe, Principe::Discordance);
            EXPECT_EQ(p.rfind("discordance : ", 0), 0u);
        }
        if (r.temoin == Temoin::ReposeSurSurface) {
            EXPECT_NE(p.find("lacune"), std::string::npos);
            EXPECT_EQ(p.find("discordance :"), std::string::npos);
        }
        EXPECT_EQ(p.find("sans avoir subi"), std::string::npos);
        EXPECT_EQ(p.find("le filon qui alimente"), std::string::npos);
        // A flow's feeder named with its flow.
        if (r.temoin == Temoin::Filon) {
            EXPECT_NE(p.find(" et son filon recoupent "), std::string::npos);
        }
        // The fault trace named is the one that touches the formation it cuts.
        const auto traces = lettres.traces.find(static_cast<Formation>(r.recent));
        if (r.temoin == Temoin::TraceRecoupe && traces != lettres.traces.end()) {
            std::smatch m;
            const bool nommee = std::regex_search(p, m, std::regex("la faille (F[0-9]+)"));
            EXPECT_TRUE(nommee);
            bool touche = !nommee;
            for (const auto& [etiquette, points] : traces->second) {
                if (etiquette != m[1]) continue;
                for (const Point& q : points)
                    for (int dx = -kEcartTrace; dx <= kEcartTrace && !touche; ++dx) {
                        const int x = q.x + dx;
                        touche = x >= 0 && x < vue.largeur && vue.At(x, q.y) == r.ancien;
                    }
            }
            EXPECT_TRUE(touche) << m[1] << " ne touche pas la formation " << r.ancien;
        }
    }
    return phrases;
}

TEST(Mots, LesListesDExemple) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    int phrases = 0;
    for (const char* nom : {"chevauchement", "discordance-faillee", "fosse-comblee", "granite", "plis-erodes", "volcan"}) {
        Liste l;
        ASSERT_EQ(LireFichierListe(std::string(STRATALOOM_SOURCES) + "/data/evenements/" + nom + ".lst", l), ErreurFichier::Aucune) << nom;
        Session s;
        s.DefinirTextures(*t);
        s.Charger(l);
        phrases += VerifierLesMots(s, nom);
    }
    EXPECT_GT(phrases, 30);
}

TEST(Mots, UneSerieTiree) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    Session a;
    a.DefinirTextures(*t);
    ReglesSerie r;
    r.exercices = 6;
    r.evenements = 6;
    r.graine = 2026;
    int phrases = 0, numero = 0;
    for (const ExerciceTire& x : TirerSerie(a, r)) {
        Exercice e;
        ASSERT_EQ(ExerciceDeSerie(a, x.liste, r.graine, ++numero, "", e), "");
        phrases += VerifierLesMots(a, "exercice " + std::to_string(numero));
    }
    EXPECT_GT(phrases, 30);
}

// Named cases: the sentence a relation gives, and the justification a pupil
// may choose for it.
TEST(Mots, LesPhrasesNommees) {
    const std::optional<Textures> t = test::TexturesLivrees();
    if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    struct Cas {
        const char* nom;
        const char* codes;
        int ancien, recent;
        Temoin temoin;
        const char* motif;  // the whole sentence, letters as [A-Z]
    };
    const Cas cas[] = {
        {"couche sur des couches plissées", "SCSS", 2, 3, Temoin::ReposeSurPli,
         "discordance : la couche [A-Z] repose sur la couche [A-Z], déjà déformée par le plissement avant son dépôt"},
        {"couche sur un chevauchement", "SHSS", 2, 3, Temoin::ReposeSurPli,
         "discordance : la couche [A-Z] repose sur la couche [A-Z], déjà déformée par le chevauchement avant son dépôt"},
        {"coulée sur coulée", "SVVS", 2, 3, Temoin::Filon,
         "la coulée [A-Z] et son filon recoupent la coulée [A-Z] \\(principe de recoupement\\)"},
        {"couche sur une surface d'érosion sans déformation", "SVES", 3, 4, Temoin::ReposeSurSurface,
         "la couche [A-Z] repose sur la surface d'érosion, une lacune sans discordance \\(principe de superposition\\)"},
        {"couche sur un chevauchement érodé", "SHESP", 2, 4, Temoin::Scelle,
         "la couche [A-Z] scelle le plan de chevauchement T \\(principe de recoupement\\)"},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        Session s;
        s.DefinirTextures(*t);
        s.Charger(test::ListeDeCodes(k.codes));
        const Chronologie c = LireChronologie(s);
        const Relation* r = c.Entre(k.ancien, k.recent);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->temoin, k.temoin);
        const std::string p = Clause(s.liste(), Lettres(s), *r);
        EXPECT_TRUE(std::regex_match(p, std::regex(k.motif))) << p;
        // The discordance is justified by its name, or by cross-cutting as before.
        if (k.temoin == Temoin::ReposeSurPli) {
            for (const PrincipeCite principe : {PrincipeCite::Discordance, PrincipeCite::Recoupement, PrincipeCite::Superposition}) {
                const std::vector<int> ids{k.ancien, k.recent};
                const auto avis = JugerJustifications(s, c, ids, {Justification{}, Justification{principe, k.ancien}});
                ASSERT_EQ(avis.size(), 1u);
                EXPECT_EQ(avis[0].avis == Avis::Juste, principe != PrincipeCite::Superposition) << static_cast<int>(principe);
            }
        }
    }
}

}  // namespace
}  // namespace section
