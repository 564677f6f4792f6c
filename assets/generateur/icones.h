// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, a small folded stack of coloured strata, and the
// 171 x 59 logo of the about box. Both have a transparent background.
#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <vector>

namespace donnees {

inline constexpr std::array<int, 8> kTaillesIcone = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int LargeurLogo = 171, HauteurLogo = 59;

QImage Icone(int taille);  // taille x taille, Format_ARGB32
QImage Logo();             // LargeurLogo x HauteurLogo, Format_ARGB32

struct Image {
    QString nom;  // "strataloom-16.png" ... "strataloom-256.png", "logo.png"
    QImage image;
};
std::vector<Image> FabriquerIcones();

}  // namespace donnees
