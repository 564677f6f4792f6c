// SPDX-License-Identifier: GPL-3.0-or-later
// What each formation of the view is, for the legend a pupil reads: the
// rock or the trace an event lays, and a tint that tells formations of the
// same rock apart. Never the rank of the event in the list, nor the event
// itself: the legend must not give the answer away (the teacher's answer key
// may add the event).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "section/evenements.h"
#include "section/formations.h"

namespace section {

// What one line of the list lays, or what one band of the starting series
// is. A sedimentation lays Couche; the legend names its rock
// (RocheDeCouche).
enum class Depot : std::uint8_t {
    Aucun,             // a line that is no event
    SerieDeDepart,     // the base layer of the reset, bands not told apart
    Calcaire,          // the bands of the starting series
    Argile,
    Conglomerat,
    Couche,            // a sedimentation, before its rock is chosen
    Gres,              // the rocks a sedimentation may be named
    Marne,
    Sable,
    Craie,
    Basalte,           // the lava flow and its feeder dyke
    Granite,           // the pluton
    SurfaceErosion,    // the cut line an erosion draws
    Chevauchement,     // the thrust ramp and its red band
    Failles,           // the fault traces of a distension
    Pli,               // a compression lays nothing of its own
    CalcaireDeCouche,  // a sedimentation named calcaire or argile, the rocks
    ArgileDeCouche,    // of the starting series laid again
};

// The deposit of an event (the shape of the ground plays no part).
Depot DepotDe(Evenement e);

// The rock of the k-th layer laid (k = 1 for the list's first Sédimentation
// line after the starting series, whatever its line number): drawn from the
// exercise's seed and k among grès, sable, calcaire, argile, marne and craie,
// so the pupil's section shows the model's rocks wherever it matches it.
// Strataloom does not work out which rock a sea or a river would lay; it
// only names one, and the help says so.
Depot RocheDeCouche(std::uint32_t graine, int k);
// k for the layer list line `formation` laid: the Sédimentation lines
// (Depot::Couche) among lines 1 .. formation of `depots`; 0 when that line
// laid no layer.
int RangDeCouche(const std::vector<Depot>& depots, Formation formation);

// Whether a deposit is a structure (a trace: fault, thrust plane, erosion
// surface) rather than a rock formation.
bool EstStructure(Depot d);

// In the current language (see textes.h), French without a translator.
struct DescriptionDepot {
    std::string roches;   // UTF-8: the rock, or what the trace is
    std::string origine;  // UTF-8: the kind of event that laid it
};
DescriptionDepot Decrire(Depot d);

// A tint per letter: distinct colours, by the letter's rank, not by age.
Couleur TeinteDeRang(int rang);

struct EntreeLegende {
    Formation formation;  // a formation, or a band of the starting series (see legende_vue.h)
    std::string lettre;
    Depot depot;
    Couleur teinte;
    int pixels;  // in the block
    int rang = 0;  // of the letter: 0 for A (NomDeLettre)
};

// Who a formation is, the same in every section built by lists of one
// exercise: the k-th formation laid of its kind (genre Couche, Basalte or
// Granite, k = rang from 1, counted over the list's lines), or a band of the
// starting series (its rock, rang 0; SerieDeDepart when the bands are one).
struct IdentiteFormation {
    Depot genre = Depot::Aucun;
    int rang = 0;
    auto operator<=>(const IdentiteFormation&) const = default;
};
// The identity of what list line `formation` laid, by `depots` (what each
// line laid); a band is not a line (see legende_vue.h).
IdentiteFormation IdentiteDeLigne(const std::vector<Depot>& depots, Formation formation);
// A letter's rank in the model, by identity.
struct RangModele {
    IdentiteFormation identite;
    int rang;
};

// "A : grès", UTF-8, in the current language (see textes.h): what a pupil
// reads, the rock and never the event.
std::string TexteLegende(const EntreeLegende& e);
// "A : grès (sédimentation)": the same with the kind of event, for the
// teacher's answer key.
std::string TexteLegendeCorrige(const EntreeLegende& e);

}  // namespace section
