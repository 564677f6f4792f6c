// SPDX-License-Identifier: GPL-3.0-or-later
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

// A fixed pseudo-random number for a cell of a tiling, the same on every
// run: the pebbles and the contacts vary from cell to cell without noise.
inline unsigned Hachage(int a, int b) {
    unsigned h = static_cast<unsigned>(a) * 0x9E3779B1u ^ static_cast<unsigned>(b) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

// Conglomerate: rounded pebbles of many sizes, one in most cells of a
// staggered grid, each shifted a little in its cell and drawn as an outline
// (1) around a lighter core (2); 0 between.
inline int Galets(int x, int y, int pasX, int pasY) {
    const int decale = Decale(y, pasY, pasX);
    const int i = (x + decale) / pasX, j = y / pasY;
    const unsigned h = Hachage(i, j);
    if (h % 7u == 0u) return 0;  // a cell without pebble
    const int rx = pasX / 2 - 1 - static_cast<int>((h >> 3) % 4u);  // half-width, 3 and up
    const int ry = pasY / 2 - 1 - static_cast<int>((h >> 6) % 3u);  // half-height, 2 and up
    const int jeuX = pasX / 2 - rx - 1, jeuY = pasY / 2 - ry - 1;  // room to move in the cell
    const int dx = jeuX > 0 ? static_cast<int>((h >> 9) % static_cast<unsigned>(2 * jeuX + 1)) - jeuX : 0;
    const int dy = jeuY > 0 ? static_cast<int>((h >> 13) % static_cast<unsigned>(2 * jeuY + 1)) - jeuY : 0;
    const int cx = (x + decale) % pasX - pasX / 2 - dx, cy = y % pasY - pasY / 2 - dy;
    const double u = static_cast<double>(cx) / rx, v = static_cast<double>(cy) / ry;
    if (u * u + v * v > 1.0) return 0;
    const double ui = static_cast<double>(cx) / (rx - 1), vi = static_cast<double>(cy) / (ry - 1);
    return ui * ui + vi * vi > 1.0 ? 1 : 2;
}

// Chalk: flint nodules, small dark lenses lying in rows every `pas` rows,
// one every `periode` columns, staggered and shifted a little from cell to
// cell; the lenses are `longueur` wide and three rows high.
inline bool Silex(int x, int y, int pas, int periode, int longueur) {
    const int j = y / pas;
    const int decale = Decale(y, pas, periode);
    const int i = (x + decale) / periode;
    const unsigned h = Hachage(i, j);
    if (h % 5u == 0u) return false;  // here and there no nodule
    const int cx = (x + decale) % periode - periode / 2 - static_cast<int>(h >> 4) % 5 + 2;
    const int cy = y % pas - pas / 2;
    const int demi = longueur / 2 - (cy == 0 ? 0 : 2);
    return std::abs(cy) <= 1 && std::abs(cx) <= demi;
}

}  // namespace donnees
