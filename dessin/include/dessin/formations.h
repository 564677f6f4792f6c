// SPDX-License-Identifier: GPL-3.0-or-later
// The formations drawn for a pupil, around the section and never in it:
// a letter on each piece, a tint per formation, the print palette, and the
// legend. The view's own pixels are never changed: the letters and tints
// are a transparent picture painted over a copy.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QImage>
#include <QRect>
#include <vector>

#include "section/session.h"

class QPainter;

namespace dessin {

struct Affichage {
    bool lettres = true;      // a letter on each piece large enough
    bool teintes = false;     // a tint per formation
    bool impression = false;  // the sky white, for paper
};

// A transparent picture of the view's size holding what `a` asks for
// (tints and letters; the print palette is not an overlay).
QImage SurcoucheFormations(const section::Session& s, const Affichage& a);

// Draws the letters in the view's coordinates (the painter's transform
// may scale them, as on paper).
void DessinerLettres(QPainter& p, const section::Session& s);

// The print palette: the sky (and every empty pixel) white.
void BlanchirCiel(QImage& image);

// A copy of the view with the print palette when asked and the overlay
// painted over it.
QImage VueAnnotee(const section::Session& s, const Affichage& a);

// The legend's lines, by letter: "A : grès (sédimentation sur une surface
// plane)", with a note on a formation too thin to carry its letter.
QStringList TextesLegende(const section::Session& s);
// The width the legend needs in that font.
int LargeurLegende(const section::Session& s, const QFontMetrics& m);

// Draws the legend in `zone`, one line per letter: a sample of the
// formation as the picture shows it, its letter, its rock types and the
// kind of event. Returns the height used.
int DessinerLegende(QPainter& p, const QRect& zone, const section::Session& s, const Affichage& a,
                    const QFont& police);

// The annotated view with its legend below it, for a worksheet.
QImage FeuilleFormations(const section::Session& s, const Affichage& a);

}  // namespace dessin
