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

#include "section/legende_vue.h"
#include "section/roches.h"
#include "section/session.h"

class QPainter;

namespace dessin {

struct Affichage {
    bool lettres = true;      // a letter on each piece large enough
    bool teintes = false;     // a tint per formation
    bool impression = false;  // the sky white, for paper
    bool roches = false;      // the rock view (VueRoches) instead of the core's picture
};

// The picture the view shows under the overlay: the core's picture, or the
// rock view when `a.roches`; the sky white when `a.impression`.
QImage ImageDeBase(const section::Session& s, const section::VueLegende& v, const Affichage& a);

// A legend swatch of rock r across `zone`: its figuré laid from the zone's
// top-left corner, `echelle` device pixels per section pixel, as the rock
// view shows it. The one routine every legend draws its rock samples with.
void DessinerEchantillon(QPainter& p, const QRect& zone, section::Roche r, double echelle = 1.0);

// A transparent picture of the view's size holding what `a` asks for
// (tints and letters; the print palette is not an overlay). With
// `a.roches` it is opaque: the rock view, the tints and letters over it.
// The same from a reading of the view already made.
QImage SurcoucheFormations(const section::Session& s, const Affichage& a);
QImage SurcoucheFormations(const section::Session& s, const section::VueLegende& v, const Affichage& a);

// Draws the letters and the structures' labels in the view's coordinates
// (the painter's transform may scale them, as on paper).
void DessinerLettres(QPainter& p, const section::Session& s);
void DessinerLettres(QPainter& p, const section::VueLegende& v);

// The legend's symbol of a kind of structure, across `zone`: a thick solid
// line for a fault, a line with teeth for a thrust plane, a wavy line for
// an erosion surface (told apart in black and white).
void DessinerSymbole(QPainter& p, const QRectF& zone, section::SorteStructure sorte);

// The print palette: the sky (and every empty pixel) white.
void BlanchirCiel(QImage& image);

// A copy of the view with the print palette when asked and the overlay
// painted over it.
QImage VueAnnotee(const section::Session& s, const Affichage& a);
QImage VueAnnotee(const section::Session& s, const section::VueLegende& v, const Affichage& a);

// Each function below that reads the view's formations comes in two forms:
// from the session alone, or from a reading of its view already made
// (section::LireVueLegende), so that one picture reads its view once.

// The legend's lines, by letter: "A : grès", with a note on a formation too
// thin to carry its letter; then the structures, "F1 : faille normale".
QStringList TextesLegende(const section::Session& s);
QStringList TextesLegende(const section::Session& s, const section::VueLegende& v);
// The lines DessinerLegende draws: the letters, then the structures under
// their heading.
int LignesDeLegende(const section::Session& s);
int LignesDeLegende(const section::VueLegende& v);
// The width the legend needs in that font.
int LargeurLegende(const section::Session& s, const QFontMetrics& m);
int LargeurLegende(const section::Session& s, const section::VueLegende& v, const QFontMetrics& m);

// Draws the legend in `zone`, one line per letter: a sample of the
// formation as the picture shows it, its letter and its rock; then the
// structures, each with its symbol and label. Returns the height used.
int DessinerLegende(QPainter& p, const QRect& zone, const section::Session& s, const Affichage& a,
                    const QFont& police);
int DessinerLegende(QPainter& p, const QRect& zone, const section::Session& s, const section::VueLegende& v,
                    const Affichage& a, const QFont& police);
// The whole legend as a picture on `fond`, at least `largeurMin` wide and
// tall enough for every line; a null image when the section shows none.
QImage ImageLegende(const section::Session& s, const Affichage& a, const QFont& police, const QColor& fond,
                    int largeurMin = 360);

// The annotated view with its legend below it, for a worksheet.
QImage FeuilleFormations(const section::Session& s, const Affichage& a);

}  // namespace dessin
