// SPDX-License-Identifier: GPL-3.0-or-later
// The rock view: each rock one figuré in every picture, told apart from the
// others in black and white, the core's lines kept on top, and the rock of
// a layer following its rank among the layers laid.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <set>

#include "section/legende_vue.h"
#include "section/roches.h"
#include "section/serie.h"
#include "textures_essai.h"

namespace section {
namespace {

using E = Evenement;
constexpr int kCote = kCoteFigure;

// A rock's figuré as the pictures show it, read back pixel by pixel: the
// colour seen at each place of the tile, or nothing where no pixel of that
// rock was seen yet.
struct Lu {
    std::array<std::optional<Couleur>, kCote * kCote> px{};
    int conflits = 0;
    void Voir(int x, int y, Couleur c) {
        auto& p = px[static_cast<std::size_t>((y % kCote) * kCote + x % kCote)];
        if (p && *p != c) ++conflits;
        p = c;
    }
    int Vus() const {
        int n = 0;
        for (const auto& p : px) n += p.has_value();
        return n;
    }
};

// Mean grey and 1-bit picture (grey below one half: ink) of the places two
// readings both saw.
bool DistinctsEnNoirEtBlanc(const Lu& a, const Lu& b, int* ecartGris) {
    long somme[2] = {0, 0};
    int n = 0;
    bool bitsDifferent = false;
    for (std::size_t i = 0; i < a.px.size(); ++i) {
        if (!a.px[i] || !b.px[i]) continue;
        const int ga = Gris(*a.px[i]), gb = Gris(*b.px[i]);
        somme[0] += ga;
        somme[1] += gb;
        ++n;
        if ((ga < 128) != (gb < 128)) bitsDifferent = true;
    }
    *ecartGris = n ? static_cast<int>(std::labs(somme[0] - somme[1]) / n) : 0;
    return n > 0 && (bitsDifferent || *ecartGris >= 24);
}

// The pixels of each rock entry of the view, read in the rock view, away
// from the core's black lines (which stay on top of every figuré).
std::map<Roche, Lu> LireRoches(const Session& s) {
    const VueLegende v = LireVueLegende(s);
    const Raster roches = VueRoches(s, v);
    std::map<Formation, Roche> roche;
    for (const EntreeLegende& e : v.entrees) roche[e.formation] = RocheDe(e.depot);
    // The teeth of a thrust plane lie on the rocks just above the top of its
    // trace, within a few columns: those pixels are not the figuré's.
    const PlanFormations plan = FormationsDeLaVue(s.section());
    const int w = v.plan.largeur, h = v.plan.hauteur;
    std::vector<bool> dent(static_cast<std::size_t>(std::max(w * h, 0)), false);
    for (const Structure& st : v.structures) {
        if (st.sorte != SorteStructure::Chevauchement) continue;
        for (int x = 0; x < plan.largeur && x < w; ++x)
            for (int y = 0; y < plan.hauteur && y < h; ++y)
                if (plan.At(x, y) == st.formation) {
                    for (int yy = std::max(0, y - 8); yy < y; ++yy)
                        for (int xx = std::max(0, x - 8); xx <= std::min(w - 1, x + 8); ++xx)
                            dent[static_cast<std::size_t>(yy * w + xx)] = true;
                    break;
                }
    }
    std::map<Roche, Lu> lu;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto r = roche.find(v.plan.At(x, y));
            if (r == roche.end() || s.vue().Pixels(x, y) == kNoir || dent[static_cast<std::size_t>(y * w + x)]) continue;
            lu[r->second].Voir(x, y, roches.Pixels(x, y));
        }
    return lu;
}

std::optional<Session> SurLesTexturesLivrees() {
    std::optional<Textures> t = test::TexturesLivrees();
    if (!t) return std::nullopt;
    Session a;
    a.DefinirTextures(std::move(*t));
    a.Reinitialiser();
    return a;
}

// Over drawn series, as the sheets print them: every formation of every
// exercise read back in its picture; one rock, one figuré everywhere; two
// rocks of one sheet apart on a black-and-white copy.
TEST(VueRoches, OneRockOneFigureInEveryPictureAndRocksOfASheetApartInGrey) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    std::map<Roche, Lu> partout;
    std::set<Roche> vues;
    for (const std::uint32_t graine : {2026u, 44u}) {
        ReglesSerie r;
        r.graine = graine;
        r.exercices = 8;
        const std::vector<ExerciceTire> serie = TirerSerie(*a, r);
        for (std::size_t i = 0; i < serie.size(); ++i) {
            SCOPED_TRACE("graine " + std::to_string(graine) + ", exercice " + std::to_string(i + 1));
            a->DefinirGraineLettres(GraineLettresSerie(graine, static_cast<int>(i) + 1));
            a->Charger(serie[i].liste);
            const std::map<Roche, Lu> feuille = LireRoches(*a);
            for (const auto& [roche, lu] : feuille) {
                EXPECT_EQ(lu.conflits, 0) << "roche " << static_cast<int>(roche);
                vues.insert(roche);
                for (std::size_t k = 0; k < lu.px.size(); ++k)
                    if (lu.px[k]) partout[roche].Voir(static_cast<int>(k % kCote), static_cast<int>(k / kCote), *lu.px[k]);
            }
            for (auto u = feuille.begin(); u != feuille.end(); ++u)
                for (auto w = std::next(u); w != feuille.end(); ++w) {
                    int ecart = 0;
                    if (u->second.Vus() < kCote * kCote / 2 || w->second.Vus() < kCote * kCote / 2) continue;
                    EXPECT_TRUE(DistinctsEnNoirEtBlanc(u->second, w->second, &ecart))
                        << static_cast<int>(u->first) << " / " << static_cast<int>(w->first) << " gris " << ecart;
                }
        }
        a->OublierGraineLettres();
    }
    for (const auto& [roche, lu] : partout) EXPECT_EQ(lu.conflits, 0) << "roche " << static_cast<int>(roche);
    EXPECT_GE(vues.size(), 6u) << "the series show most rocks";
}

// Named cases: what each figuré must show on paper. Ink is black; ground is
// the rock's tint. Dense dots ink more than sparse ones.
struct Cas {
    const char* nom;
    Roche roche;
    int encreMin, encreMax;  // ink pixels of a 24 x 24 tile
};
constexpr Cas kCas[] = {
    {"calcaire: bricks", Roche::Calcaire, 40, 80},     {"argile: fine dashes", Roche::Argile, 40, 110},
    {"conglomérat: pebbles", Roche::Conglomerat, 20, 90}, {"grès: dense dots", Roche::Gres, 30, 45},
    {"sable: sparse dots", Roche::Sable, 8, 16},       {"marne: dashes and broken bricks", Roche::Marne, 20, 60},
    {"craie: bricks and flints", Roche::Craie, 50, 100}, {"basalte: v", Roche::Basalte, 20, 60},
    {"granite: crosses", Roche::Granite, 10, 30},
};

int Encre(Roche r) {
    int n = 0;
    for (int y = 0; y < kCote; ++y)
        for (int x = 0; x < kCote; ++x) n += PixelFigure(r, x, y) == kNoir;
    return n;
}

TEST(Figures, EachRockInksWithinItsRange) {
    for (const Cas& c : kCas) {
        SCOPED_TRACE(c.nom);
        const int n = Encre(c.roche);
        EXPECT_GE(n, c.encreMin);
        EXPECT_LE(n, c.encreMax);
        // Ground is the tint, light enough for the ink to read on a copy.
        EXPECT_GE(Gris(TeinteRoche(c.roche)), 150);
    }
    EXPECT_GT(Encre(Roche::Gres), 2 * Encre(Roche::Sable));
}

TEST(Figures, TilesJoinWithoutSeamAndNegativeCoordinatesTileToo) {
    for (const Roche r : kRoches)
        for (const auto& [x, y] : {std::pair{0, 0}, {23, 5}, {7, 23}, {-1, -1}, {-24, 3}})
            EXPECT_EQ(PixelFigure(r, x, y), PixelFigure(r, x + 3 * kCote, y - 2 * kCote)) << x << "," << y;
}

TEST(Figures, EveryTwoRocksDifferInBlackAndWhiteAndByTheirTint) {
    for (std::size_t i = 0; i < kRoches.size(); ++i)
        for (std::size_t j = i + 1; j < kRoches.size(); ++j) {
            Lu a, b;
            for (int y = 0; y < kCote; ++y)
                for (int x = 0; x < kCote; ++x) {
                    a.Voir(x, y, PixelFigure(kRoches[i], x, y));
                    b.Voir(x, y, PixelFigure(kRoches[j], x, y));
                }
            int ecart = 0;
            EXPECT_TRUE(DistinctsEnNoirEtBlanc(a, b, &ecart)) << i << " / " << j;
            EXPECT_NE(TeinteRoche(kRoches[i]), TeinteRoche(kRoches[j]));
        }
}

Session Simple() {
    Session s;
    s.DefinirTextures(test::TexturesSimples(640, 600));
    s.Reinitialiser();
    return s;
}

TEST(VueRoches, KeepsTheCoreTheSkyAndTheBlackLinesAndTouchesNeitherObserveNorVisu) {
    Session s = Simple();
    s.Charger(test::ListeDeCodes("SSDS"));
    const Raster observe = s.observe(), visu = s.vue();
    const Raster r = VueRoches(s);
    EXPECT_TRUE(s.observe() == observe);
    EXPECT_TRUE(s.vue() == visu);
    ASSERT_EQ(r.width(), visu.width());
    ASSERT_EQ(r.height(), visu.height());
    int figures = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) {
            const Couleur c = visu.Pixels(x, y);
            if (c == kBleu || c == kNoir) EXPECT_EQ(r.Pixels(x, y), c) << x << "," << y;
            figures += r.Pixels(x, y) != c;
        }
    EXPECT_GT(figures, r.width() * 40);
    EXPECT_TRUE(VueRoches(Session()).empty());
}

// The k-th layer laid is the same rock whatever line laid it: an erosion
// or a fold before it does not change it.
TEST(RocheDeCouche, TheKthLayerKeepsItsRockWhateverItsLine) {
    struct Ligne {
        const char* nom;
        const char* codes;
    };
    for (const std::uint32_t g : {0u, 5u, 2026u}) {
        std::vector<std::vector<Depot>> roches;
        for (const Ligne& l : {Ligne{"plain", "SSS"}, Ligne{"eroded first", "SESES"}, Ligne{"folded", "SCSS"}}) {
            SCOPED_TRACE(l.nom);
            Session s = Simple();
            s.DefinirGraineLettres(g);
            s.Charger(test::ListeDeCodes(l.codes));
            std::map<Formation, Depot> parLigne;
            for (const EntreeLegende& e : s.Legende()) parLigne[e.formation] = e.depot;
            std::vector<Depot> couches;
            for (std::size_t i = 1; i < s.liste().size(); ++i)
                if (s.depots()[i] == Depot::Couche && parLigne.count(static_cast<Formation>(i)))
                    couches.push_back(parLigne[static_cast<Formation>(i)]);
            roches.push_back(couches);
        }
        // The top layer of each list is seen whole: the 3rd of "plain" and "folded".
        ASSERT_FALSE(roches[0].empty());
        EXPECT_EQ(roches[0].back(), RocheDeCouche(g, 3));
        EXPECT_EQ(roches[2].back(), RocheDeCouche(g, 3));
        EXPECT_EQ(roches[1].back(), RocheDeCouche(g, 3));
    }
}

TEST(RocheDeCouche, RankCountsSedimentationLinesOnly) {
    const std::vector<Depot> d = {Depot::SerieDeDepart, Depot::Couche, Depot::SurfaceErosion, Depot::Couche,
                                  Depot::Pli, Depot::Couche};
    EXPECT_EQ(RangDeCouche(d, 1), 1);
    EXPECT_EQ(RangDeCouche(d, 3), 2);
    EXPECT_EQ(RangDeCouche(d, 5), 3);
    EXPECT_EQ(RangDeCouche(d, 2), 0);  // an erosion lays no layer
    EXPECT_EQ(RangDeCouche(d, 0), 0);  // the starting series
    EXPECT_EQ(RangDeCouche(d, 6), 0);  // no such line
    EXPECT_EQ(RangDeCouche(d, -1), 0);
}

TEST(VueRoches, AThrustPlaneCarriesTeethOnTheSection) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    a->Charger(test::ListeDeCodes("SSSH"));
    const VueLegende v = LireVueLegende(*a);
    ASSERT_FALSE(v.structures.empty());
    const Raster r = VueRoches(*a, v);
    // Above the ramp's top pixel of a column, two rows of black wider than
    // any figuré's ink gives two rows running: a tooth.
    const PlanFormations plan = FormationsDeLaVue(a->section());
    const Formation rampe = v.structures.front().formation;
    const auto noir = [&](int x0, int x1, int y) {
        for (int x = x0; x <= x1; ++x)
            if (r.Pixels(x, y) != kNoir) return false;
        return true;
    };
    int dents = 0;
    for (int x = 8; x + 8 < plan.largeur; ++x) {
        int haut = 0;
        while (haut < plan.hauteur && plan.At(x, haut) != rampe) ++haut;
        if (haut >= 3 && haut < plan.hauteur && noir(x - 3, x + 3, haut - 1) && noir(x - 2, x + 2, haut - 2)) {
            ++dents;
            x += 20;
        }
    }
    EXPECT_GE(dents, 3);
}

}  // namespace
}  // namespace section

namespace section {
namespace {

TEST(FormationsJson, EachBandAndLayerWithItsLetterRockAndLine) {
    std::optional<Session> a = SurLesTexturesLivrees();
    if (!a) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    a->Charger(test::ListeDeCodes("SD"));
    const std::string j = FormationsJson(LireVueLegende(*a));
    EXPECT_EQ(j.rfind("{\"formations\":[{\"lettre\":\"A\",", 0), 0u) << j;
    for (const char* bande : {"\"roche\":\"calcaire\",\"ligne\":0}", "\"roche\":\"argile\",\"ligne\":0}",
                              "\"roche\":\"conglomérat\",\"ligne\":0}"})
        EXPECT_NE(j.find(bande), std::string::npos) << bande << " in " << j;
    const std::string couche = "\"roche\":\"" + std::string(NomRoche(RocheDe(RocheDeCouche(0, 1)))) + "\",\"ligne\":1}";
    EXPECT_NE(j.find(couche), std::string::npos) << j;
    EXPECT_EQ(j.find("\"ligne\":2"), std::string::npos) << "the faults are no formation";
    EXPECT_EQ(FormationsJson(VueLegende{}), "{\"formations\":[]}\n");
}

}  // namespace
}  // namespace section
