// SPDX-License-Identifier: GPL-3.0-or-later
// What the geological operations act on: the working raster, the view,
// the seven textures, the surface extent and the fold factors.
#pragma once

#include "section/raster.h"

namespace section {

constexpr int AmplitudePli = 40;  // rows: range of fold offsets, untouched top band
constexpr int Rejet = 30;         // rows: throw of a distension, red band height
constexpr int HauteurVue = 480;   // rows shown by the view
constexpr int MargeCachee = 100;  // rightmost columns of Observe never shown

// The seven texture holders, as loaded from the Base folder.
struct Textures {
    Raster ImSedim1;   // Couche1.bmp: base layer; its width is the section width
    Raster ImSedim2;   // Couche2.bmp: layer of a flat-surface sedimentation
    Raster ImSedim3;   // Couche3.bmp: infill texture; its height is the section height
    Raster ImGranit;   // Granit.bmp
    Raster ImGranit0;  // Granit0.bmp: its mask
    Raster ImCoulee;   // Coulee.bmp
    Raster ImCoulee0;  // Coulee0.bmp: its mask
};

// The texture file names in loading order, matching the fields above.
inline constexpr const char* kFichiersTextures[7] = {
    "Couche1.bmp", "Couche2.bmp", "Couche3.bmp", "Granit.bmp",
    "Granit0.bmp", "Coulee.bmp",  "Coulee0.bmp"};

Raster& TextureNumero(Textures& t, int i);  // i = 0..6 in the order above
const Raster& TextureNumero(const Textures& t, int i);

struct Section {
    Raster Observe;  // W x H working section, never shown
    Raster Visu;     // (W - 100) x 480 visible view
    Textures tex;
    int SurfaceBas = 0;
    int SurfaceHaut = 0;
    double FacteurPli = 1.0;
    double FacteurPliPrec = 0.0;  // survives resets

    // The formation the next operations lay: the index of the list line of
    // the event about to run.
    void DebuterEvenement(Formation indice) { Observe.FormationCourante = indice; }

    int W() const { return Observe.width(); }
    int H() const { return Observe.height(); }
    bool SurfacePlane() const { return SurfaceBas == SurfaceHaut + 1; }
};

// The section reset's raster work: size Observe (width of Couche1, height of
// Couche3) and Visu, blue everywhere, base layer on the bottom edge, blue
// brush and black pen, FacteurPli back to 1.0. The textures must be loaded.
// When Observe's formation plane is on (ActiverFormations, before the
// reset), it comes out kSansFormation everywhere but on the base layer,
// formation 0, and FormationCourante is left at 0.
void InitSection(Section& s);

// Probes (the surface extent, one column's surface and first hole, the top
// of the red base band) and the display copy.
void MesureSurface(Section& s);
struct Colonne {
    int r1, r2, r3;
};
Colonne ScruteColonne(const Section& s, int x);
int HautSocle(const Section& s);
void AfficheProfil(Section& s);

// The seven operations.
void Sedimenter(Section& s);
void Eroder(Section& s);
void PlacerPluton(Section& s);
void PlacerCoulee(Section& s);
int DecalagePli(const Section& s, int x);
void Plisser(Section& s);
void Chevaucher(Section& s);
void Distendre(Section& s);

// Round to nearest, ties to even (the default rounding mode), and Trunc.
int ArrondiEntier(long double v);
int Tronque(long double v);

}  // namespace section
