// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement_legende.h"

#include <algorithm>

namespace {

// `debut` moved so that a length `longueur` starting there stays within
// [bas, haut] when it can.
int Borner(int debut, int longueur, int bas, int haut) {
    return std::max(bas, std::min(debut, haut - longueur + 1));
}

}  // namespace

PlaceLegende PlacerLegendeACote(const QRect& libre, const QRect& cadre, const QSize& taille, int ecart) {
    const QPoint places[] = {{cadre.right() + 1 + ecart, cadre.top()},
                             {cadre.left() - ecart - taille.width(), cadre.top()},
                             {cadre.left(), cadre.bottom() + 1 + ecart},
                             {cadre.left(), cadre.top() - ecart - taille.height()}};
    for (const QPoint& p : places)
        if (libre.contains(QRect(p, taille))) return {p, std::nullopt};
    // Side by side, the pair centred across the screen.
    const int large = cadre.width() + ecart + taille.width();
    if (large <= libre.width() && taille.height() <= libre.height() && cadre.height() <= libre.height()) {
        const int x = libre.left() + (libre.width() - large) / 2;
        const int y = Borner(cadre.top(), std::max(cadre.height(), taille.height()), libre.top(), libre.bottom());
        return {{x + cadre.width() + ecart, y}, QPoint(x, y)};
    }
    // One above the other, the pair centred down the screen.
    const int haut = cadre.height() + ecart + taille.height();
    if (haut <= libre.height() && taille.width() <= libre.width() && cadre.width() <= libre.width()) {
        const int y = libre.top() + (libre.height() - haut) / 2;
        const int x = Borner(cadre.left(), std::max(cadre.width(), taille.width()), libre.left(), libre.right());
        return {{x, y + cadre.height() + ecart}, QPoint(x, y)};
    }
    const bool droite = libre.right() - cadre.right() >= cadre.left() - libre.left();
    return {{droite ? libre.right() + 1 - taille.width() : libre.left(), std::max(libre.top(), cadre.top())},
            std::nullopt};
}
