// SPDX-License-Identifier: GPL-3.0-or-later
// Counts, letters and label places on small planes written as text, and on
// random planes against a plain search of the pieces.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "aleatoire.h"
#include "section/formations.h"
#include "texte.h"

namespace section {
namespace {

using test::PoserPlan;

Raster Plan(std::initializer_list<const char*> lignes) {
    Raster r(static_cast<int>(std::strlen(*lignes.begin())), static_cast<int>(lignes.size()), kBleu);
    PoserPlan(r, lignes);
    return r;
}

PlanFormations Tout(const Raster& r) { return BlocFormations(r, r.width(), r.height()); }

TEST(CompterFormations, CountsEachFormationByIndexAndNoEmptyPixel) {
    const Raster r = Plan({"0013", "0.23", "1123"});
    const std::vector<Effectif> e = CompterFormations(Tout(r));
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].formation, 0);
    EXPECT_EQ(e[0].pixels, 3);
    EXPECT_EQ(e[1].formation, 1);
    EXPECT_EQ(e[1].pixels, 3);
    EXPECT_EQ(e[2].formation, 2);
    EXPECT_EQ(e[2].pixels, 2);
    EXPECT_EQ(e[3].formation, 3);
    EXPECT_EQ(e[3].pixels, 3);
}

TEST(CompterFormations, ReadsOnlyTheViewsBlock) {
    Section s;
    s.Observe.Reset(640, 600, kBleu);
    EXPECT_TRUE(FormationsDeLaVue(s).empty());  // no plane
    EXPECT_TRUE(CompterFormations(FormationsDeLaVue(s)).empty());
    s.Observe.ActiverFormations();
    s.Observe.FormationCourante = 2;
    s.Observe.BrushColor = kBlanc;
    s.Observe.FillRect({0, 400, 640, 600});  // 540 x 80 of it in the view
    s.Observe.FormationCourante = 5;
    s.Observe.FillRect({540, 0, 640, 400});  // hidden margin only
    const std::vector<Effectif> e = CompterFormations(FormationsDeLaVue(s));
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].formation, 2);
    EXPECT_EQ(e[0].pixels, 540 * 80);
}

TEST(NomDeLettre, RunsFromAToZThenOnTwoAndThreeLetters) {
    EXPECT_EQ(NomDeLettre(0), "A");
    EXPECT_EQ(NomDeLettre(1), "B");
    EXPECT_EQ(NomDeLettre(25), "Z");
    EXPECT_EQ(NomDeLettre(26), "AA");
    EXPECT_EQ(NomDeLettre(27), "AB");
    EXPECT_EQ(NomDeLettre(51), "AZ");
    EXPECT_EQ(NomDeLettre(52), "BA");
    EXPECT_EQ(NomDeLettre(701), "ZZ");
    EXPECT_EQ(NomDeLettre(702), "AAA");
}

// The letters of the reading order, A first: what the labels' tests below
// place, whatever the seed would draw.
std::vector<Lettre> ParLecture(const PlanFormations& p) {
    std::vector<Lettre> l;
    for (const Formation f : OrdreDeLecture(p)) l.push_back({f, NomDeLettre(static_cast<int>(l.size()))});
    return l;
}

// Formation 2 is younger than 1 and 0 but is met first: the reading order
// goes column by column from the left, each column from the top.
TEST(OrdreDeLecture, FollowsTheFirstColumnWhereEachFormationShows) {
    const Raster r = Plan({"2200",
                           "1100",
                           "1.33"});
    EXPECT_EQ(OrdreDeLecture(Tout(r)), (std::vector<Formation>{2, 1, 0, 3}));
}

TEST(OrdreDeLecture, AColumnIsReadDownBeforeTheNextOne) {
    // Formation 4 shows in row 0 of column 1, formation 3 in row 2 of column 0.
    const Raster r = Plan({".4", "..", "3."});
    EXPECT_EQ(OrdreDeLecture(Tout(r)), (std::vector<Formation>{3, 4}));
}

// With squares of 3: formation 5 in two pieces that each hold one, 7 too
// thin for one, the band 0 three rows high, 9 in bits.
TEST(PlacerEtiquettes, OneLabelPerPieceThatHoldsTheSquareSameLetterOnEach) {
    const Raster r = Plan({"555..777.555",
                           "555..777.555",
                           "555..7...555",
                           "000000000000",
                           "000000000000",
                           "000000000000",
                           "9.........99"});
    const std::vector<Etiquette> e = PlacerEtiquettes(Tout(r), ParLecture(Tout(r)), 3);
    // Letters: 5 A, 0 B, 9 C, 7 D.
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].formation, 5);
    EXPECT_EQ(e[0].lettre, "A");
    EXPECT_EQ(e[0].boite.left, 0);
    EXPECT_EQ(e[0].boite.top, 0);
    EXPECT_EQ(e[0].boite.right, 3);
    EXPECT_EQ(e[0].boite.bottom, 3);
    EXPECT_EQ(e[0].centre.x, 1);
    EXPECT_EQ(e[0].centre.y, 1);
    EXPECT_EQ(e[0].pixels, 9);
    EXPECT_EQ(e[1].formation, 5);
    EXPECT_EQ(e[1].lettre, "A");
    EXPECT_EQ(e[1].boite.left, 9);
    EXPECT_EQ(e[1].centre.x, 10);
    // The band's centre of mass is at column 6.0 (of 12): squares whose
    // centres lie at 5.5 and 6.5 tie, the one read first wins.
    EXPECT_EQ(e[2].formation, 0);
    EXPECT_EQ(e[2].lettre, "B");
    EXPECT_EQ(e[2].boite.left, 4);
    EXPECT_EQ(e[2].boite.top, 3);
    EXPECT_EQ(e[2].centre.x, 5);
    EXPECT_EQ(e[2].centre.y, 4);
    EXPECT_EQ(e[2].pixels, 36);
}

// A wide piece: squares are taken up to twice the label's side, so the
// label goes to the middle of the piece, not to the corner of its largest
// square.
TEST(PlacerEtiquettes, ALabelGoesToTheMiddleOfALargePiece) {
    Raster r(100, 60, kBleu);
    r.ActiverFormations();
    r.FormationCourante = 0;
    r.BrushColor = kBlanc;
    r.FillRect({0, 0, 100, 60});
    const std::vector<Etiquette> e = PlacerEtiquettes(Tout(r), ParLecture(Tout(r)));
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].boite.right - e[0].boite.left, kCoteEtiquette);
    EXPECT_EQ(e[0].boite.bottom - e[0].boite.top, kCoteEtiquette);
    EXPECT_EQ(e[0].centre.x, 50);
    EXPECT_EQ(e[0].centre.y, 30);
}

TEST(PlacerEtiquettes, NothingWithoutAPlaneOrOnEmptyPixels) {
    const Raster sans(20, 20, kBleu);
    EXPECT_TRUE(PlacerEtiquettes(Tout(sans), ParLecture(Tout(sans))).empty());
    Raster vide(20, 20, kBleu);
    vide.ActiverFormations();
    EXPECT_TRUE(PlacerEtiquettes(Tout(vide), ParLecture(Tout(vide))).empty());
    EXPECT_TRUE(LettresFormations(Tout(vide), 7).empty());
}

// --- Random planes against a plain search -----------------------------------

// Pieces by a flood fill from each pixel, and whether each holds a square.
struct Recherche {
    std::vector<int> morceau;  // per pixel, -1 on empty
    std::vector<bool> carre;   // per piece
};

Recherche Chercher(const PlanFormations& p, int cote) {
    const int w = p.largeur, h = p.hauteur;
    Recherche r{std::vector<int>(static_cast<std::size_t>(w * h), -1), {}};
    for (int i0 = 0; i0 < w * h; ++i0) {
        if (p.At(i0 % w, i0 / w) < 0 || r.morceau[static_cast<std::size_t>(i0)] >= 0) continue;
        const int n = static_cast<int>(r.carre.size());
        std::vector<int> file{i0};
        r.morceau[static_cast<std::size_t>(i0)] = n;
        for (std::size_t k = 0; k < file.size(); ++k) {
            const int x = file[k] % w, y = file[k] / w;
            for (const auto& [vx, vy] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
                if (vx < 0 || vy < 0 || vx >= w || vy >= h) continue;
                const auto j = static_cast<std::size_t>(vy * w + vx);
                if (r.morceau[j] >= 0 || p.At(vx, vy) != p.At(x, y)) continue;
                r.morceau[j] = n;
                file.push_back(vy * w + vx);
            }
        }
        r.carre.push_back(false);
    }
    for (int y = 0; y + cote <= h; ++y)
        for (int x = 0; x + cote <= w; ++x) {
            const int m = r.morceau[static_cast<std::size_t>(y * w + x)];
            if (m < 0) continue;
            bool plein = true;
            for (int j = 0; j < cote && plein; ++j)
                for (int i = 0; i < cote && plein; ++i)
                    plein = r.morceau[static_cast<std::size_t>((y + j) * w + x + i)] == m;
            if (plein) r.carre[static_cast<std::size_t>(m)] = true;
        }
    return r;
}

TEST(PlacerEtiquettes, RandomPlanesGetOneLabelOnEachPieceThatHoldsASquare) {
    for (std::uint32_t graine = 1; graine <= 300; ++graine) {
        SCOPED_TRACE("seed " + std::to_string(graine));
        test::Alea a(graine);
        const int w = a.Entier(1, 40), h = a.Entier(1, 30), cote = a.Entier(1, 5);
        Raster r(w, h, kBleu);
        r.ActiverFormations();
        for (int n = a.Entier(0, 12); n > 0; --n) {  // rectangles of a few formations
            r.FormationCourante = a.Entier(0, 5);
            r.BrushColor = a.Pile(0.15) ? kBleu : kBlanc;
            const int l = a.Entier(-3, w), t = a.Entier(-3, h);
            r.FillRect({l, t, l + a.Entier(1, 20), t + a.Entier(1, 15)});
        }
        const PlanFormations p = Tout(r);
        const Recherche attendue = Chercher(p, cote);
        const std::vector<Lettre> lettres = LettresFormations(p, graine);
        const std::vector<Etiquette> e = PlacerEtiquettes(p, lettres, cote);
        std::set<int> etiquetes;
        for (const Etiquette& t : e) {
            ASSERT_EQ(t.boite.right - t.boite.left, cote);
            ASSERT_EQ(t.boite.bottom - t.boite.top, cote);
            ASSERT_GE(t.centre.x, t.boite.left);
            ASSERT_LT(t.centre.x, t.boite.right);
            ASSERT_GE(t.centre.y, t.boite.top);
            ASSERT_LT(t.centre.y, t.boite.bottom);
            const int m = attendue.morceau[static_cast<std::size_t>(t.boite.top * w + t.boite.left)];
            for (int y = t.boite.top; y < t.boite.bottom; ++y)
                for (int x = t.boite.left; x < t.boite.right; ++x)
                    ASSERT_EQ(attendue.morceau[static_cast<std::size_t>(y * w + x)], m);
            ASSERT_EQ(p.At(t.boite.left, t.boite.top), t.formation);
            ASSERT_TRUE(etiquetes.insert(m).second) << "two labels on one piece";
            bool trouvee = false;
            for (const Lettre& l : lettres) trouvee |= l.formation == t.formation && l.lettre == t.lettre;
            ASSERT_TRUE(trouvee) << "label letter " << t.lettre;
        }
        for (std::size_t m = 0; m < attendue.carre.size(); ++m)
            ASSERT_EQ(attendue.carre[m], etiquetes.count(static_cast<int>(m)) == 1) << "piece " << m;
        int total = 0;
        for (const Effectif& f : CompterFormations(p)) total += f.pixels;
        int roche = 0;
        for (const int m : attendue.morceau) roche += m >= 0;
        ASSERT_EQ(total, roche);
        ASSERT_EQ(lettres.size(), CompterFormations(p).size());
    }
}

}  // namespace
}  // namespace section
