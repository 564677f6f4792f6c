// SPDX-License-Identifier: GPL-3.0-or-later
// The legend as every front end lays it out, and the tints painted over the
// view: one line per letter with its sample, the structures with their
// labels, and a tint per formation. All of it comes from one reading of the
// view (VueLegende), computed once per picture.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "section/legende.h"
#include "section/session.h"

namespace section {

// The tints' opacity over the view, out of 255.
constexpr std::uint32_t kOpaciteTeinte = 120;

// The bands of the starting series are legend entries of their own, though
// the section keeps formation 0 for the whole series (and the chronology
// reads it as one formation). In the legend plane band k of formation 0 is
// kPremiereBande + k, a number no list line reaches.
constexpr Formation kPremiereBande = 0x40000000;

// The bands of a base-layer texture: its rows split by the rows all of the
// colour of its top row (the surface line and the contact lines), each band
// the set of colours (0xRRGGBB) its rows hold, sorted. Empty when the top row is not of
// one colour or the texture does not split into at least two bands of
// colours no other band uses: the series is then one entry.
std::vector<std::vector<Couleur>> BandesDeDepart(const Raster& couche1);

enum class SorteStructure : std::uint8_t { Faille, Chevauchement, SurfaceErosion };

// A structure of the view: one fault trace (a distension leaves two, each
// with its label: F1, F2...), a thrust plane (T, or T1, T2... when there are
// several), an erosion surface (S1, S2...). Numbers within a kind come from
// the letter seed, then for the traces of one distension from left to
// right, never from the order of the events.
//
// The label is drawn on its structure: a box of kCoteEtiquette rows whose
// middle row is place.y, starting 2 columns right of place.x on a fault or
// a thrust plane, centred on place.x on an erosion surface; moved inside
// the view where it would leave it.
struct Structure {
    Formation formation;
    SorteStructure sorte;
    std::string etiquette;  // "F1", "T", "S2"
    Point place;            // a pixel of the trace near its middle, for the label
    int pixels;
    std::vector<Point> trace;  // the view pixels of this trace
};
// A piece of fault trace smaller than this is not labelled (the end of a
// trace at the view's edge), unless its distension shows no larger one.
constexpr int kPixelsTraceMin = 12;

// "F1 : faille normale", in the current language (see textes.h).
std::string TexteStructure(const Structure& s);
// The heading of the structures' part of the legend: "Structures".
std::string TitreStructures();

// One reading of the session's view for the legend.
struct VueLegende {
    // The legend plane of the view: rock formations as in the section's
    // plane, bands of the starting series as kPremiereBande + k, structures
    // and empty pixels as kSansFormation.
    std::vector<Formation> cases;
    PlanFormations plan;  // onto `cases`, the view's size
    std::vector<EntreeLegende> entrees;  // by letter
    std::vector<Etiquette> etiquettes;   // the letters' places
    std::vector<Structure> structures;   // by kind, then number
    // The label of each formation of the section for the chronology's
    // sentences: rock letters, structure labels, for formation 0 the
    // letters of its bands ("A, D, E"), for a distension the labels of its
    // traces ("F1, F2").
    std::map<Formation, std::string> designations;
};
// Empty when the session has no section or no formation plane.
VueLegende LireVueLegende(const Session& s);

struct LigneLegende {
    EntreeLegende entree;
    // TexteLegende, with a note for a formation too thin to carry its letter;
    // in the current language (see textes.h).
    std::string texte;
    bool sansLettre = false;
    // The sample a pupil compares with the view: with a letter, the square
    // its first label sits on (view pixels); without, the formation's
    // commonest colour in the view (white when none is seen).
    Rect carre{};
    Couleur couleur = 0xFFFFFFu;
};
// The model's letters by identity, for a pupil's session of its exercise
// (Session::DefinirLettresDuModele): each entry of its legend.
std::vector<RangModele> RangsDesLettres(const Session& modele);

// One line per entry of the legend, by letter.
std::vector<LigneLegende> LignesLegende(const Session& s, const VueLegende& v);
std::vector<LigneLegende> LignesLegende(const Session& s);

// For each pixel of the view, row after row, the tint of its entry as
// 0xAARRGGBB with kOpaciteTeinte as alpha, or 0 (transparent) outside every
// entry of the legend. Empty when the session has no section.
std::vector<std::uint32_t> PlanTeintes(const Session& s, const VueLegende& v);
std::vector<std::uint32_t> PlanTeintes(const Session& s);

}  // namespace section
