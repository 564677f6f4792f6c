// The conventional patterns of geological cross-sections, as predicates on
// a pixel: true where the pattern puts ink. Every pattern is a fixed tiling
// of small cells in pixels, so a picture of any size shows marks of the same
// size, and a pattern stays readable when a nearest-neighbour stretch
// repeats some of its columns (marks are lines and dots, never dithering).
#pragma once

#include <cstdlib>

namespace donnees {

// Shift of the row of cells holding row y (cells `pas` rows high): odd rows
// of cells move by half a cell, which staggers the marks as in a brick wall.
inline int Decale(int y, int pas, int largeurCellule) {
    return ((y / pas) % 2) * (largeurCellule / 2);
}

// Sandstone: small dots on a staggered grid. `taille` is 1 or 2 pixels.
inline bool Points(int x, int y, int pasX, int pasY, int taille) {
    const int cx = (x + Decale(y, pasY, pasX)) % pasX;
    const int cy = y % pasY;
    return cx < taille && cy < taille;
}

// Limestone: brickwork, a mortar row every `hauteur` rows and a mortar
// column every `longueur` columns, shifted by half a brick on odd courses.
inline bool Briques(int x, int y, int hauteur, int longueur) {
    if (y % hauteur == 0) return true;
    return (x + Decale(y, hauteur, longueur)) % longueur == 0;
}

// Clay: short horizontal dashes on every `pas`-th row, staggered.
inline bool Tirets(int x, int y, int pas, int periode, int longueur) {
    if (y % pas != pas / 2) return false;
    return (x + Decale(y, pas, periode)) % periode < longueur;
}

// Granite: small upright crosses "+", arms of `bras` pixels.
inline bool Croix(int x, int y, int pasX, int pasY, int bras) {
    const int cx = (x + Decale(y, pasY, pasX)) % pasX - pasX / 2;
    const int cy = y % pasY - pasY / 2;
    return (cx == 0 && std::abs(cy) <= bras) || (cy == 0 && std::abs(cx) <= bras);
}

// Lava: small "v" marks, `bras` + 1 rows high and 2 * `bras` + 1 wide.
inline bool Vees(int x, int y, int pasX, int pasY, int bras) {
    const int cx = (x + Decale(y, pasY, pasX)) % pasX - pasX / 2;
    const int cy = y % pasY - (pasY - bras) / 2;
    if (cy < 0 || cy > bras) return false;
    return std::abs(cx) == bras - cy;  // the v narrows by one column per row
}

}  // namespace donnees
