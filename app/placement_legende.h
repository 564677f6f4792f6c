// SPDX-License-Identifier: GPL-3.0-or-later
// Where the legend's window goes beside the main window, on the screen's
// free area: never over the section nor over a control.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

struct PlaceLegende {
    QPoint legende;                 // the legend window's top left corner (frame)
    std::optional<QPoint> fenetre;  // where the main window moves to make room, when it must
};

// `libre`: the screen's free area; `cadre`: the main window's frame;
// `taille`: the legend window's frame size. In order: to the right, to the
// left, below or above the main window where the screen has room; else the
// main window moved along the screen so that both stand side by side (or
// one above the other); else, when the screen is too small for both,
// against the screen's edge on the side with the most room.
PlaceLegende PlacerLegendeACote(const QRect& libre, const QRect& cadre, const QSize& taille, int ecart = 8);
