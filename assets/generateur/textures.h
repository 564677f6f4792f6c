// SPDX-License-Identifier: GPL-3.0-or-later
// The seven texture bitmaps of the Base folder, drawn as the pictures of a
// geology textbook: conventional patterns in calm colours.
//
// Contract shared with the section engine:
// - no pixel is pure blue (0,0,255), the empty colour, or pure red
//   (255,0,0), the base-band marker;
// - each overlay pair (Granit/Granit0, Coulee/Coulee0) has one size; where
//   the body is absent the picture is white (255,255,255) and the mask
//   black, where it is present the mask is white and the picture carries a
//   colour that is never pure white;
// - the same section size always gives the same pixels.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace donnees {

// The section the textures are made for: the width of Couche1 and the
// height of Couche3.
struct TailleSection {
    int largeur = 640;
    int hauteur = 600;
};

constexpr int LargeurMin = 120, LargeurMax = 8000;
constexpr int HauteurMin = 60, HauteurMax = 8000;
bool TailleValide(TailleSection t);

// Rows of a flat-surface layer (Couche2); it does not follow the section
// height, since the margins it is measured against (the 480-row view, the
// 30-row margin of the availability rules) do not either.
constexpr int HauteurCouche = 40;
// Row of the lava picture that lies on the ground surface.
constexpr int LigneSol = 33;
// Row of the starting surface in a section of 600 rows or more: the top
// row of the base layer.
constexpr int SurfaceDepart = 264;

// Sizes, in pixels, of each picture for a section. Couche1 is the base
// layer, whose top lies at row 264 of a 600-row section, inside the view.
QSize TailleCouche1(TailleSection t);
QSize TailleCouche2(TailleSection t);
QSize TailleCouche3(TailleSection t);
QSize TailleGranit(TailleSection t);
QSize TailleCoulee(TailleSection t);

// One picture of Base, under its file name.
struct Texture {
    QString nom;
    QImage image;  // Format_RGB32
};

// The seven pictures in the order the program loads them: Couche1.bmp,
// Couche2.bmp, Couche3.bmp, Granit.bmp, Granit0.bmp, Coulee.bmp, Coulee0.bmp.
std::vector<Texture> FabriquerTextures(TailleSection t);

// The two dark contact rows inside the starting series, in Couche1's rows:
// limestone over clay, clay over conglomerate. Row 0 is the surface's.
struct BandesCouche1 {
    int calcaire;  // contact limestone / clay
    int argile;    // contact clay / conglomerate
};
BandesCouche1 Bandes(TailleSection t);

QImage Couche1(TailleSection t);  // starting series: limestone, clay, conglomerate
QImage Couche2(TailleSection t);  // one graded sandstone bed, dark top and base
QImage Couche3(TailleSection t);  // infill: chalk with flint nodules

// Body shapes of the overlay pairs, in picture coordinates.
bool DansGranit(int x, int y, QSize taille);
bool DansCoulee(int x, int y, QSize taille);

// Picture (false) or mask (true) of each pair.
QImage Granit(TailleSection t, bool masque);
QImage Coulee(TailleSection t, bool masque);

}  // namespace donnees
