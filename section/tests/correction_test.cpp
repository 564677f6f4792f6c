// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a pupil's work on the shipped textures: the scale of the mark
// (garbage 0, an equivalent order 20, a layer left out at most 16), what
// "Vérifier" says, the cards and the check of an order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "section/formations.h"
#include "section/verification.h"
#include "section/ordre.h"
#include "section/note.h"
#include "section/comparaison.h"
#include "section/exercice_session.h"
#include "textures_essai.h"

namespace section {
namespace {

const Ligne kSed(kLigneInitiale);

// Plis érodés, as shipped in the Evenements folder.
const Liste kPlisErodes{kSed, kSed, kSed, "Compression", "Erosion", kSed};
// Two orders of the same events giving the same view: on a flat surface
// the granite lies deep enough for the erosion not to reach it.
const Liste kGraniteErode{kSed, kSed, kSed, "Erosion", "Plutonisme", kSed};
const Liste kGraniteErodeEchange{kSed, kSed, kSed, "Plutonisme", "Erosion", kSed};

class Correction : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<Textures> t = test::TexturesLivrees();
        if (!t) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
        modele_.DefinirTextures(*t);
        eleve_.DefinirTextures(*t);
    }
    Note NoteDe(const Liste& cle, const Liste& reponse) {
        modele_.Charger(cle);
        eleve_.Charger(reponse);
        return Noter(modele_, eleve_);
    }
    Session modele_, eleve_;
};

TEST_F(Correction, LeModeleDUnExerciceEstSaListeRejouee) {
    modele_.Charger(kPlisErodes);
    Exercice e{"", kPlisErodes, modele_.vue()};
    Session m;
    m.DefinirTextures(modele_.textures());
    m.SuivreFormations(false);
    EXPECT_TRUE(ChargerExercice(m, e));
    EXPECT_TRUE(m.SuitFormations());
    EXPECT_FALSE(CompterFormations(FormationsDeLaVue(m.section())).empty());
    e.cible.data()[0] ^= 1;  // made on other textures
    EXPECT_FALSE(ChargerExercice(m, e));
}

TEST_F(Correction, UnFichierSansEvenementVautZero) {
    for (const Liste& l : {Liste{}, Liste{kSed}, Liste{kSed, "n'importe quoi", "erosion", "Erosion "},
                           Liste{"Compression"}}) {
        const Note n = NoteDe(kPlisErodes, l);
        EXPECT_EQ(n.points, 0) << l.size() << " lignes";
        EXPECT_EQ(n.evenementsReconnus, 0);
        // Most of the view is sky on both sides: pixel shares alone would
        // have given it well over half.
        EXPECT_GT(n.identiques * 2, n.pixels);
    }
}

TEST_F(Correction, DeuxOrdresQuiDonnentLaMemeCoupeValentVingt) {
    modele_.Charger(kGraniteErode);
    eleve_.Charger(kGraniteErodeEchange);
    ASSERT_TRUE(modele_.vue() == eleve_.vue()) << "les deux listes devaient donner la même coupe";
    ASSERT_NE(kGraniteErode, kGraniteErodeEchange);
    const Note n = Noter(modele_, eleve_);
    EXPECT_TRUE(n.memeCoupe);
    EXPECT_EQ(n.points, kNoteMax);
    EXPECT_EQ(NoteDe(kPlisErodes, kPlisErodes).points, kNoteMax);
    // Unknown lines, whatever they are, change nothing.
    Liste bruit = kPlisErodes;
    bruit.insert(bruit.begin() + 2, "commentaire");
    EXPECT_EQ(NoteDe(kPlisErodes, bruit).points, kNoteMax);
}

TEST_F(Correction, UneCoucheOublieeVautAuPlusSeize) {
    for (const Liste& cle : {kPlisErodes, kGraniteErode}) {
        for (std::size_t k = 1; k < cle.size(); ++k) {
            if (cle[k] != kSed) continue;
            Liste oubli = cle;
            oubli.erase(oubli.begin() + static_cast<std::ptrdiff_t>(k));
            const Note n = NoteDe(cle, oubli);
            SCOPED_TRACE("couche " + std::to_string(k));
            EXPECT_FALSE(n.memeCoupe);
            EXPECT_LE(n.points, 16);
            EXPECT_GE(n.formationsEnEcart, 1);
        }
    }
}

// The discordance of the lesson and the answers a class gives: the mark
// follows what the lesson assesses, not the share of pixels.
const Liste kDiscordance{kSed, kSed, "Compression", "Erosion", kSed};

struct Reponse {
    const char* nom;
    Liste liste;
    int min, max;
};

TEST_F(Correction, LeBaremeDeLaDiscordance) {
    const std::vector<Reponse> reponses = {
        {"juste", kDiscordance, 20, 20},
        {"derniere couche oubliee", {kSed, kSed, "Compression", "Erosion"}, 14, 16},
        {"premiere couche oubliee", {kSed, "Compression", "Erosion", kSed}, 0, 16},
        {"erosion avant le plissement", {kSed, kSed, "Erosion", "Compression", kSed}, 0, 10},
        // The right stress, the wrong structure: 19 - 5, less at most 2 for the pixels.
        {"chevauchement au lieu du plissement", {kSed, kSed, "Chevauchement", "Erosion", kSed}, 12, 14},
        {"plissement oublie", {kSed, kSed, "Erosion", kSed}, 0, 10},
        {"n'importe quoi", {kSed, "rien", "Erosionn"}, 0, 0},
    };
    for (const Reponse& r : reponses) {
        const Note n = NoteDe(kDiscordance, r.liste);
        EXPECT_GE(n.points, r.min) << r.nom;
        EXPECT_LE(n.points, r.max) << r.nom;
    }
    // The erosion before the folding keeps every event: only the order is wrong.
    const Note avant = NoteDe(kDiscordance, {kSed, kSed, "Erosion", "Compression", kSed});
    EXPECT_EQ(avant.evenementsManquants, 0);
    EXPECT_EQ(avant.evenementsEnTrop, 0);
    EXPECT_GE(avant.relationsRompues, 1);
    // Vérifier claims no formation missing or extra when both lists lay as many.
    modele_.Charger(kDiscordance);
    for (const Liste& l : {Liste{kSed, kSed, "Erosion", "Compression", kSed}, Liste{kSed, kSed, "Compression", "Erosion"}}) {
        eleve_.Charger(l);
        for (const Remarque& r : VerifierCoupe(modele_, eleve_).remarques) {
            const bool surface = r.texte.find("surface d'érosion") != std::string::npos;
            EXPECT_FALSE(surface && (r.ecart == Ecart::FormationManquante || r.ecart == Ecart::FormationEnTrop)) << r.texte;
        }
    }
}

// A thrust in place of the folding and a folding in place of the thrust:
// 5 points in all, and Vérifier names both structures, not a fault in excess.
TEST_F(Correction, UneStructureEchangeeCouteCinqPointsEtEstNommee) {
    const Liste chevauchement{kSed, kSed, "Chevauchement", "Erosion", kSed};
    const Liste plisEtChevauchement{kSed, kSed, "Compression", kSed, "Chevauchement"};
    struct Cas {
        const char* nom;
        Liste cle, reponse;
        int plisEnChevauchement, chevauchementsEnPli;
        const char* remarque;
    };
    const Cas cas[] = {
        {"chevauchement pour le pli", kDiscordance, chevauchement, 1, 0, "À la place du plissement, ta coupe montre un chevauchement."},
        {"pli pour le chevauchement", chevauchement, kDiscordance, 0, 1, "À la place du chevauchement, ta coupe montre un plissement."},
        {"deux plis pour pli et chevauchement", plisEtChevauchement, {kSed, kSed, "Compression", kSed, "Compression"}, 0, 1,
         "À la place du chevauchement, ta coupe montre un plissement."},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const Note n = NoteDe(c.cle, c.reponse);
        EXPECT_EQ(n.plisEnChevauchement, c.plisEnChevauchement);
        EXPECT_EQ(n.chevauchementsEnPli, c.chevauchementsEnPli);
        EXPECT_GE(n.points, kNoteSectionDifferente - 5 - kPenalitePixels);
        EXPECT_LE(n.points, kNoteSectionDifferente - 5);
        const Verification v = VerifierCoupe(modele_, eleve_);
        ASSERT_FALSE(v.remarques.empty());
        EXPECT_EQ(v.remarques.front().ecart, Ecart::StructureEchangee);
        EXPECT_EQ(v.remarques.front().texte, c.remarque);
        for (const Remarque& r : v.remarques)
            EXPECT_EQ(r.texte.find("faille"), std::string::npos) << r.texte;
    }
    // A thrust added beside the folding is no exchange: the excess is charged.
    const Note plus = NoteDe(kDiscordance, {kSed, kSed, "Compression", "Chevauchement", "Erosion", kSed});
    EXPECT_EQ(plus.plisEnChevauchement + plus.chevauchementsEnPli, 0);
    EXPECT_EQ(plus.evenementsEnTrop, 1);
}

// In plain colours a layer left out changes few rock pixels: the missing
// layer is what takes the mark down.
TEST(Note, UneCoucheOublieeDeMemeCouleurVautAuPlusSeize) {
    Textures t = test::TexturesUnies(640, 600);
    t.ImSedim2 = Raster(640, 6, t.ImSedim1.Pixels(0, 0));  // thin layers, of the base's colour
    Session modele, eleve;
    modele.DefinirTextures(t);
    eleve.DefinirTextures(t);
    modele.Charger(Liste(4, kSed));
    eleve.Charger(Liste(3, kSed));
    const Note n = Noter(modele, eleve);
    ASSERT_FALSE(n.memeCoupe);
    EXPECT_GE(kNoteMax * n.rocheIdentique / n.roche, 17);
    EXPECT_EQ(n.formationsEnEcart, 1);
    EXPECT_EQ(n.evenementsManquants, 1);
    EXPECT_EQ(n.points, kNoteSectionDifferente - kPenaliteFormation);
    EXPECT_LE(n.points, 16);
}

// A layer too many, laid where the key has sky: every pixel of the key's
// rock is the same in the answer, so « Roche identique (%) » is the key's
// rock over the answer's, in tenths rounded down, and the mark 19, less 3
// for the event in excess, less 2 x the share of rock that differs.
TEST(Note, UneRocheDeLEleveOuLeCorrigeADuCiel) {
    const Textures t = test::TexturesUnies(640, 600);
    Session modele, eleve;
    modele.DefinirTextures(t);
    eleve.DefinirTextures(t);
    modele.Charger(Liste(2, kSed));
    eleve.Charger(Liste(3, kSed));
    const auto roche = [](const Raster& r) {
        std::int64_t n = 0;
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x) n += r.row(y)[x] != Rgb(0, 0, 255);
        return n;
    };
    const std::int64_t cle = roche(modele.vue()), reponse = roche(eleve.vue());
    ASSERT_GT(cle, 0);
    ASSERT_GT(reponse, cle);
    const Note n = Noter(modele, eleve);
    EXPECT_EQ(n.roche, reponse);
    EXPECT_EQ(n.rocheIdentique, cle);
    const std::int64_t pourMille = cle * 1000 / reponse;
    EXPECT_EQ(Pourcentage(n.rocheIdentique, n.roche), std::to_string(pourMille / 10) + "," + std::to_string(pourMille % 10));
    EXPECT_EQ(n.evenementsEnTrop, 1);
    const double differe = static_cast<double>(reponse - cle) / static_cast<double>(reponse);
    EXPECT_EQ(n.points, static_cast<int>(std::lround(19 - 3 - 2 * differe)));
}

TEST_F(Correction, LaNoteSeGagneSurLaRocheEtPasSurLeCiel) {
    const Note n = NoteDe(kPlisErodes, Liste{kSed, "Erosion"});
    EXPECT_GT(n.points, -1);
    EXPECT_LT(n.points, 10);
    EXPECT_GT(n.roche, 0);
    EXPECT_LE(n.rocheIdentique, n.roche);
    // Nearly every pixel of this view is sky in both: the sky-and-rock share
    // would be high, the mark is not.
    EXPECT_GT(n.identiques * 2, n.pixels);
    EXPECT_LT(n.points * 5, n.identiques * 100 / n.pixels);
    // A mark is monotonic in what is right: the full answer beats a partial one.
    EXPECT_LT(NoteDe(kPlisErodes, {kSed, kSed, "Compression"}).points, kNoteMax);
}

TEST_F(Correction, VerifierUneCoupeJuste) {
    modele_.Charger(kGraniteErode);
    eleve_.Charger(kGraniteErodeEchange);
    const Verification v = VerifierCoupe(modele_, eleve_);
    EXPECT_TRUE(v.memeCoupe);
    EXPECT_EQ(v.pixelsDifferents, 0);
    EXPECT_TRUE(v.remarques.empty());
    EXPECT_EQ(v.largeur, 540);
    EXPECT_EQ(v.hauteur, 480);
    EXPECT_EQ(std::count(v.masque.begin(), v.masque.end(), 1), 0);
}

TEST_F(Correction, VerifierDitQuUneCoucheManqueSansDonnerLaReponse) {
    modele_.Charger(kPlisErodes);
    eleve_.Charger({kSed, kSed, "Compression", "Erosion", kSed});
    const Verification v = VerifierCoupe(modele_, eleve_);
    EXPECT_FALSE(v.memeCoupe);
    EXPECT_EQ(std::count(v.masque.begin(), v.masque.end(), 1), v.pixelsDifferents);
    EXPECT_GT(v.pixelsDifferents, 0);
    ASSERT_FALSE(v.remarques.empty());
    EXPECT_EQ(v.remarques.front().ecart, Ecart::FormationManquante);
    EXPECT_NE(v.remarques.front().texte.find("Il manque à ta coupe une couche"), std::string::npos);
    for (const Remarque& r : v.remarques) {
        EXPECT_EQ(r.texte.find("dimentation"), std::string::npos) << r.texte;
        EXPECT_EQ(r.texte.find("Compression"), std::string::npos) << r.texte;
    }
}

TEST_F(Correction, VerifierDitQuUneStructureNEstPasASaPlace) {
    // The same layers, the fold forgotten: the formations are all there.
    modele_.Charger({kSed, kSed, kSed, "Compression"});
    eleve_.Charger({kSed, kSed, kSed});
    const Verification v = VerifierCoupe(modele_, eleve_);
    EXPECT_FALSE(v.memeCoupe);
    const bool structure = std::any_of(v.remarques.begin(), v.remarques.end(),
                                       [](const Remarque& r) { return r.ecart == Ecart::StructureDeplacee; });
    EXPECT_TRUE(structure);
}

TEST_F(Correction, LesCartesPortentLesLettresDeLaVueEtSontMelangees) {
    modele_.Charger(kGraniteErode);
    const std::vector<Carte> cartes = CartesDuModele(modele_, 7);
    ASSERT_EQ(cartes.size(), kGraniteErode.size() - 1);
    std::vector<int> ids;
    for (const Carte& c : cartes) ids.push_back(c.id);
    EXPECT_FALSE(std::is_sorted(ids.begin(), ids.end()));
    std::vector<std::string> noms;
    for (const Carte& c : cartes) noms.push_back(c.nom);
    std::sort(noms.begin(), noms.end());
    EXPECT_TRUE(std::binary_search(noms.begin(), noms.end(), std::string("Érosion")));
    const bool granite = std::any_of(cartes.begin(), cartes.end(), [](const Carte& c) {
        return c.evenement == Evenement::Plutonisme && c.nom.rfind("Mise en place du granite ", 0) == 0;
    });
    EXPECT_TRUE(granite);
    const bool couche = std::any_of(cartes.begin(), cartes.end(), [](const Carte& c) {
        return c.nom.rfind("Dépôt de la couche ", 0) == 0;
    });
    EXPECT_TRUE(couche);
    // The same draw for the same seed.
    const std::vector<Carte> encore = CartesDuModele(modele_, 7);
    for (std::size_t i = 0; i < cartes.size(); ++i) EXPECT_EQ(encore[i].id, cartes[i].id);
    EXPECT_EQ(ListeDesCartes(modele_, {1, 2, 4, 3, 5}), kGraniteErodeEchange);
}

// Dealt with no card at its place in the model's list, whatever the seed
// and the number of cards (two to eight): no deal is one move from the
// list's order by a card left where it belongs.
TEST_F(Correction, AucuneCarteNEstDistribueeASaPlace) {
    for (const std::string_view codes : {"SS", "SSS", "SSCE", "SSCES", "SSSDSE", "SVSCESS", "SSSCESDE"}) {
        modele_.Charger(test::ListeDeCodes(codes));
        for (std::uint64_t graine = 0; graine < 300; ++graine) {
            const std::vector<Carte> cartes = CartesDuModele(modele_, graine);
            ASSERT_EQ(cartes.size(), codes.size());
            std::vector<int> places;
            for (const Carte& c : cartes) places.push_back(c.id);
            std::sort(places.begin(), places.end());
            for (std::size_t i = 0; i < cartes.size(); ++i)
                ASSERT_NE(cartes[i].id, places[i]) << codes << ", graine " << graine << ", place " << i;
        }
    }
}

// The n-th deal of an exercise opened with a seed: the pair (seed, n)
// gives the cards, whoever deals them (the window, the page, a reopening
// of the kept work); another seed, another deal.
TEST_F(Correction, LaDonneSuitLaGraineEtSonRang) {
    // The seed of the deal is SplitMix64's output for the state
    // (seed << 32) + n: for (0, 0), the generator's well-known first output.
    EXPECT_EQ(GraineDeLaDonne(0, 0), 0xe220a8397b1dcdafULL);
    modele_.Charger(kGraniteErode);
    const auto ids = [&](std::uint32_t graine, std::uint64_t n) {
        std::vector<int> r;
        for (const Carte& c : CartesDuModele(modele_, GraineDeLaDonne(graine, n))) r.push_back(c.id);
        return r;
    };
    ASSERT_EQ(ids(1, 1).size(), 5u);
    const struct {
        const char* nom;
        std::uint32_t graine1;
        std::uint64_t n1;
        std::uint32_t graine2;
        std::uint64_t n2;
        bool memes;
    } cas[] = {
        {"même graine, même rang", 0x5eed1234u, 1, 0x5eed1234u, 1, true},
        {"même graine, rang suivant", 0x5eed1234u, 3, 0x5eed1234u, 3, true},
        {"deux élèves, première donne", 0x5eed1234u, 1, 0x00c0ffeeu, 1, false},
        {"graines voisines", 1, 1, 2, 1, false},
        {"même élève, deuxième donne", 0x5eed1234u, 1, 0x5eed1234u, 2, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(ids(c.graine1, c.n1) == ids(c.graine2, c.n2), c.memes);
    }
}

// « Vérifier » names the first justification that does not hold and how
// many do not, never which others hold or fail.
TEST(LignesResultatOrdre, LaPremiereFausseEtLeNombre) {
    VerificationOrdre v;
    v.texte = "verdict";
    const AvisJustification juste{1, Avis::Juste, "A : juste"}, vide{2, Avis::SansChoix, "B : rien"},
        principe{3, Avis::MauvaisPrincipe, "C : principe"}, temoin{4, Avis::MauvaisTemoin, "D : témoin"},
        horsCompte{5, Avis::NonAttendue, "E : pas comptée"};
    const std::string note = TexteNoteOrdre(13);
    const struct {
        const char* nom;
        std::vector<AvisJustification> avis;
        std::vector<std::string> lignes;
    } cas[] = {
        {"aucune carte justifiable", {}, {"verdict", note}},
        {"toutes justes", {juste, horsCompte}, {"verdict", note}},
        {"une seule fausse", {juste, temoin}, {"verdict", "Étapes mal justifiées : 1. La première :", "D : témoin", note}},
        {"trois fausses, la première nommée", {juste, principe, horsCompte, vide, temoin},
         {"verdict", "Étapes mal justifiées : 3. La première :", "C : principe", note}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(LignesResultatOrdre(v, c.avis, 13), c.lignes);
    }
}

TEST_F(Correction, ToutOrdreQuiDonneLaCoupeEstJuste) {
    modele_.Charger(kGraniteErode);
    const std::vector<Carte> cartes = CartesDuModele(modele_, 1);
    EXPECT_TRUE(VerifierOrdre(modele_, cartes, {1, 2, 3, 4, 5}, eleve_).juste);
    const VerificationOrdre v = VerifierOrdre(modele_, cartes, {1, 2, 4, 3, 5}, eleve_);
    EXPECT_TRUE(v.juste) << v.texte;
    const VerificationOrdre incomplet = VerifierOrdre(modele_, cartes, {1, 2, 4, 3}, eleve_);
    EXPECT_FALSE(incomplet.juste);
    EXPECT_FALSE(incomplet.complet);
    EXPECT_FALSE(VerifierOrdre(modele_, cartes, {1, 1, 2, 3, 4}, eleve_).complet);
}

TEST_F(Correction, UnMauvaisOrdreNommeLaPaireEtLePrincipe) {
    modele_.Charger(kGraniteErode);
    const std::vector<Carte> cartes = CartesDuModele(modele_, 1);
    // The last layer put first: it rests on the eroded surface.
    const VerificationOrdre v = VerifierOrdre(modele_, cartes, {5, 1, 2, 3, 4}, eleve_);
    EXPECT_FALSE(v.juste);
    EXPECT_TRUE(v.complet);
    EXPECT_EQ(v.apres, 5);
    EXPECT_EQ(v.principe, Principe::Superposition) << v.texte;
    EXPECT_NE(v.texte.find("principe de superposition"), std::string::npos) << v.texte;
    // The granite lies where it lies whenever it comes: putting it before
    // the layers gives the same section, and so is right.
    EXPECT_TRUE(VerifierOrdre(modele_, cartes, {4, 1, 2, 3, 5}, eleve_).juste);
    // The fault put before the layers it cuts.
    modele_.Charger({kSed, kSed, kSed, "Distension", kSed});
    const std::vector<Carte> faille = CartesDuModele(modele_, 1);
    const VerificationOrdre g = VerifierOrdre(modele_, faille, {3, 1, 2, 4}, eleve_);
    EXPECT_FALSE(g.juste);
    EXPECT_EQ(g.apres, 3);
    EXPECT_EQ(g.principe, Principe::Recoupement) << g.texte;
    EXPECT_NE(g.texte.find("principe de recoupement"), std::string::npos) << g.texte;
}

TEST_F(Correction, UnePaireQuiCommuteNEstJamaisNommee) {
    // Erosion and granite exchanged (allowed), and the fold put first
    // (not): the pair named is not the erosion and the granite.
    const Liste cle{kSed, kSed, kSed, "Erosion", "Plutonisme", "Compression"};
    modele_.Charger(cle);
    const std::vector<Carte> cartes = CartesDuModele(modele_, 3);
    const VerificationOrdre v = VerifierOrdre(modele_, cartes, {5, 1, 2, 4, 3}, eleve_);
    if (v.juste) GTEST_SKIP() << "le pli commute ici aussi";
    EXPECT_FALSE(v.avant == 3 && v.apres == 4) << v.texte;
    EXPECT_NE(v.avant, -1);
}

}  // namespace
}  // namespace section
