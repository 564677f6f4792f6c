// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures, drawn in code so the program depends on no file:
// its icon, a small stack of coloured strata folded into an anticline under
// a strip of sky, and the 171 x 59 logo of the about box (the same emblem
// beside the product name, its letters bedded like the strata).
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "icones.h"

inline constexpr int kLargeurLogo = donnees::LargeurLogo;
inline constexpr int kHauteurLogo = donnees::HauteurLogo;

// The emblem alone, taille x taille, transparent around its rounded tile.
QImage ImageIcone(int taille);

// The program's icon at 16, 22, 24, 32, 48, 64, 128 and 256 pixels; the
// main window and the about box show this one.
QIcon IconeProgramme();

// kLargeurLogo x kHauteurLogo, transparent background.
QPixmap LogoProgramme();
