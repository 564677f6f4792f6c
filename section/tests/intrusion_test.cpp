// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "section/section.h"
#include "texte.h"

namespace section {
namespace {

using Corps = std::function<bool(int, int)>;

struct Paire {
    Raster masque, image;
};

// A mask and its picture: mask white and picture coloured (each cell its own
// colour, never white) where the body is, mask black and picture white around.
Paire FairePaire(int w, int h, const Corps& corps) {
    Paire p{Raster(w, h, kNoir), Raster(w, h, kBlanc)};
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (corps(i, j)) {
                p.masque.row(j)[i] = kBlanc;
                p.image.row(j)[i] = Rgb(static_cast<unsigned>(i) & 0xFFu, static_cast<unsigned>(j) & 0xFFu,
                                        77u + static_cast<unsigned>(j >> 8));
            }
    return p;
}

// Sky above row `surface`, rock of many colours below, the red band on the
// bottom 30 rows.
Raster Fond(int w, int h, int surface) {
    Raster r(w, h, kBleu);
    for (int y = std::max(surface, 0); y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.row(y)[x] = y >= h - Rejet ? kRouge
                                         : Rgb(static_cast<unsigned>(x) & 0xFFu, 40u,
                                               static_cast<unsigned>(y) & 0xFFu);
    return r;
}

// Inside D, destination row j shows picture row j * lignes / |D| where the
// body is and that row exists in both bitmaps (fewer than `presentes`);
// everywhere else the section is as it was.
void Verifie(const Raster& avant, const Raster& apres, Rect D, int lignes, int presentes,
             const Raster& image, const Corps& corps) {
    ASSERT_EQ(apres.width(), avant.width());
    ASSERT_EQ(apres.height(), avant.height());
    const int dh = D.bottom - D.top;
    for (int y = 0; y < apres.height(); ++y)
        for (int x = 0; x < apres.width(); ++x) {
            Couleur attendu = avant.Pixels(x, y);
            if (x >= D.left && x < D.right && y >= D.top && y < D.bottom) {
                const int i = x - D.left;
                const int j = static_cast<int>(static_cast<long long>(y - D.top) * lignes / dh);
                if (j < presentes && corps(i, j)) attendu = image.Pixels(i, j);
            }
            ASSERT_EQ(apres.Pixels(x, y), attendu) << x << "," << y;
        }
}

bool Disque(int i, int j) { return (i - 60) * (i - 60) + (j - 60) * (j - 60) < 55 * 55 || j >= 90; }
bool Coin(int i, int j) { return j >= 20 + i / 5; }
bool Plein(int, int) { return true; }

Section Preparer(int w, int h, int surface) {
    Section s;
    s.Observe = Fond(w, h, surface);
    s.Observe.BrushColor = kBleu;
    s.SurfaceHaut = surface;
    s.SurfaceBas = surface + 1;
    return s;
}

TEST(PlacerPluton, WholePictureStretchedOverFiveMoreRows) {
    Section s = Preparer(640, 600, 300);
    Paire p = FairePaire(120, 100, Disque);
    s.tex.ImGranit0 = p.masque;
    s.tex.ImGranit = p.image;
    const Raster avant = s.Observe;
    PlacerPluton(s);
    // a = 100, D = (420, 495, 540, 600): 100 picture rows over 105 rows.
    Verifie(avant, s.Observe, {420, 495, 540, 600}, 100, 100, p.image, Disque);
    EXPECT_EQ(s.Observe.Pixels(480, 495), avant.Pixels(480, 495));  // row 0: no body
    EXPECT_EQ(s.Observe.Pixels(480, 500), avant.Pixels(480, 500));  // row 4: no body at i = 60
    EXPECT_EQ(s.Observe.Pixels(480, 505), p.image.Pixels(60, 9));
    EXPECT_EQ(s.Observe.Pixels(480, 599), p.image.Pixels(60, 99));
    EXPECT_EQ(s.Observe.CopyMode, ModeCopie::Copie);
    EXPECT_EQ(s.Observe.BrushColor, kBleu);
}

TEST(PlacerPluton, TallPictureCutTenRowsBelowTheSurface) {
    Section s = Preparer(640, 600, 450);
    Paire p = FairePaire(120, 200, Plein);
    s.tex.ImGranit0 = p.masque;
    s.tex.ImGranit = p.image;
    const Raster avant = s.Observe;
    PlacerPluton(s);
    // a = min(200, 600 - 450 - 15) = 135: rows 460..599.
    Verifie(avant, s.Observe, {420, 460, 540, 600}, 135, 135, p.image, Plein);
    EXPECT_EQ(s.Observe.Pixels(500, 460), p.image.Pixels(80, 0));
    EXPECT_EQ(s.Observe.Pixels(500, 599), p.image.Pixels(80, 134));
    EXPECT_EQ(s.Observe.Pixels(500, 459), avant.Pixels(500, 459));
}

TEST(PlacerPluton, NoRoomDrawsNothing) {
    for (int surface : {585, 590, 601, 2000}) {
        Section s = Preparer(640, 600, surface);
        Paire p = FairePaire(120, 100, Plein);
        s.tex.ImGranit0 = p.masque;
        s.tex.ImGranit = p.image;
        const Raster avant = s.Observe;
        PlacerPluton(s);
        EXPECT_EQ(s.Observe, avant) << surface;
        EXPECT_EQ(s.Observe.CopyMode, ModeCopie::Copie);
    }
    // One row of room: a = 1, one picture row over six section rows.
    Section s = Preparer(640, 600, 584);
    Paire p = FairePaire(120, 100, Plein);
    s.tex.ImGranit0 = p.masque;
    s.tex.ImGranit = p.image;
    const Raster avant = s.Observe;
    PlacerPluton(s);
    Verifie(avant, s.Observe, {420, 594, 540, 600}, 1, 1, p.image, Plein);
}

// A mask shorter than its picture: the rows without a mask row count as
// outside the body, instead of darkening the section with the bare picture.
TEST(PlacerPluton, RowsBeyondAShortMaskLeaveTheSection) {
    Section s = Preparer(640, 600, 300);
    Paire p = FairePaire(120, 100, Disque);
    Paire court = FairePaire(120, 50, Disque);
    s.tex.ImGranit0 = court.masque;
    s.tex.ImGranit = p.image;
    const Raster avant = s.Observe;
    PlacerPluton(s);
    Verifie(avant, s.Observe, {420, 495, 540, 600}, 100, 50, p.image, Disque);
    EXPECT_EQ(s.Observe.CopyMode, ModeCopie::Copie);
}

TEST(PlacerCoulee, PictureAtItsOwnScaleRow33OnTheSurface) {
    Section s = Preparer(640, 600, 200);
    Paire p = FairePaire(150, 450, Coin);
    s.tex.ImCoulee0 = p.masque;
    s.tex.ImCoulee = p.image;
    const Raster avant = s.Observe;
    PlacerCoulee(s);
    // n = 433, D = (490, 167, 640, 600).
    Verifie(avant, s.Observe, {490, 167, 640, 600}, 433, 433, p.image, Coin);
    EXPECT_EQ(s.Observe.Pixels(540, 200), p.image.Pixels(50, 33));
    EXPECT_EQ(s.Observe.Pixels(600, 599), p.image.Pixels(110, 432));
    // Around the body, sky and red band unchanged.
    EXPECT_EQ(s.Observe.Pixels(635, 167), kBleu);
    EXPECT_EQ(s.Observe.Pixels(489, 599), kRouge);
    EXPECT_EQ(s.Observe.CopyMode, ModeCopie::Copie);
}

TEST(PlacerCoulee, AboveTheTopEdgeRowsAreClippedOneToOne) {
    Section s = Preparer(640, 600, 10);
    Paire p = FairePaire(150, 650, Coin);
    s.tex.ImCoulee0 = p.masque;
    s.tex.ImCoulee = p.image;
    const Raster avant = s.Observe;
    PlacerCoulee(s);
    // n = 623, D = (490, -23, 640, 600): row 0 shows picture row 23.
    Verifie(avant, s.Observe, {490, -23, 640, 600}, 623, 623, p.image, Coin);
    EXPECT_EQ(s.Observe.Pixels(490, 0), p.image.Pixels(0, 23));
    EXPECT_EQ(s.Observe.Pixels(490, 10), p.image.Pixels(0, 33));
}

// Pictures or masks fewer rows than n: the rows of D beyond either end keep
// the section, with both orders of shortness.
TEST(PlacerCoulee, ShortBitmapsLeaveTheRowsBeyondThem) {
    Paire p = FairePaire(150, 450, Coin);
    Paire court = FairePaire(150, 300, Coin);
    for (bool masqueCourt : {false, true}) {
        Section s = Preparer(640, 600, 200);
        s.tex.ImCoulee0 = masqueCourt ? court.masque : p.masque;
        s.tex.ImCoulee = masqueCourt ? p.image : court.image;
        const Raster avant = s.Observe;
        PlacerCoulee(s);
        Verifie(avant, s.Observe, {490, 167, 640, 600}, 433, 300, p.image, Coin);
        EXPECT_EQ(s.Observe.CopyMode, ModeCopie::Copie);
    }
}

TEST(Intrusions, EmptyBitmapsAndSectionsChangeNothing) {
    Paire p = FairePaire(120, 100, Plein);
    for (int cas = 0; cas < 3; ++cas) {
        Section s = Preparer(640, 600, 300);
        if (cas == 1) s.tex.ImGranit = p.image, s.tex.ImCoulee = p.image;    // no masks
        if (cas == 2) s.tex.ImGranit0 = p.masque, s.tex.ImCoulee0 = p.masque;  // no pictures
        const Raster avant = s.Observe;
        PlacerPluton(s);
        EXPECT_EQ(s.Observe, avant) << cas;
        PlacerCoulee(s);
        EXPECT_EQ(s.Observe, avant) << cas;
        EXPECT_EQ(s.Observe.CopyMode, ModeCopie::Copie);
    }
    Section vide;
    vide.tex.ImGranit0 = vide.tex.ImCoulee0 = p.masque;
    vide.tex.ImGranit = vide.tex.ImCoulee = p.image;
    PlacerPluton(vide);
    PlacerCoulee(vide);
    EXPECT_TRUE(vide.Observe.empty());
}

// Sections smaller than the bodies: the overlay clips to the raster and
// keeps its placement relative to the bottom and right edges.
TEST(Intrusions, SmallSectionsClipTheBody) {
    Paire p = FairePaire(120, 100, Disque);
    for (int w : {50, 120, 230}) {
        for (int h : {20, 50}) {
            Section s = Preparer(w, h, 2);
            s.tex.ImGranit0 = s.tex.ImCoulee0 = p.masque;
            s.tex.ImGranit = s.tex.ImCoulee = p.image;
            Raster avant = s.Observe;
            PlacerPluton(s);
            const int a = std::min(100, h - 2 - 15);
            if (a > 0)
                Verifie(avant, s.Observe, {w - 220, h - a - 5, w - 100, h}, a, a, p.image, Disque);
            else
                EXPECT_EQ(s.Observe, avant);
            avant = s.Observe;
            PlacerCoulee(s);
            Verifie(avant, s.Observe, {w - 120, -31, w, h}, h + 31, 100, p.image, Disque);
        }
    }
}

}  // namespace
}  // namespace section
