// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's section marked out of 20 against an exercise's model.
#pragma once

#include <cstdint>

#include "section/chronologie.h"
#include "section/session.h"
#include "section/verification.h"

namespace section {

constexpr int kNoteMax = 20;
// What the mark is built from when the views differ: at most
// kNoteSectionDifferente, less, for each event of the model the pupil's
// list lacks (kinds matched one for one), kPenaliteStructure for a
// Compression, Chevauchement, Distension or Erosion and kPenaliteFormation
// for a layer, flow or granite; kPenaliteEnTrop per event in excess;
// kPenalitePremiereRelation for the first relation of the chronology the
// pupil's order breaks, kPenaliteRelation for each further one; and
// kPenalitePixels times the share of rock that differs. A Chevauchement in
// place of a missing Compression, or the reverse (the right stress, the
// wrong structure), costs kPenaliteStructureEchangee in all instead of a
// missing and an excess event.
constexpr int kNoteSectionDifferente = 19;
constexpr int kPenaliteStructureEchangee = 5;
constexpr int kPenaliteStructure = 10;
constexpr int kPenaliteFormation = 5;
constexpr int kPenaliteEnTrop = 3;
constexpr int kPenalitePremiereRelation = 10;
constexpr int kPenaliteRelation = 3;
constexpr int kPenalitePixels = 2;

struct Note {
    int points = 0;  // 0 .. kNoteMax
    bool memeCoupe = false;
    int evenementsReconnus = 0;     // lines 1 .. n-1 of the pupil's list naming an event
    std::int64_t pixels = 0;        // pixels compared
    std::int64_t identiques = 0;    // pixels of the same colour
    std::int64_t roche = 0;         // pixels that are rock (not blue) in either view
    std::int64_t rocheIdentique = 0;  // of those, pixels of the same colour in both
    BilanFormations formations;
    int evenementsManquants = 0;    // events of the model the pupil's list lacks, kind by kind
    int evenementsEnTrop = 0;       // the reverse
    int relationsRompues = 0;       // relations between matched events the pupil's order breaks
    int relationsTenues = 0;        // those it keeps
    // Compressions of the model the pupil made as a Chevauchement, and the
    // reverse (counted in evenementsManquants and evenementsEnTrop too).
    int plisEnChevauchement = 0;
    int chevauchementsEnPli = 0;
    // Events missing or in excess: evenementsManquants + evenementsEnTrop.
    int formationsEnEcart = 0;
};
// The mark of the pupil's session (a list loaded with Charger) against the
// model's, whole points:
//   - no recognised event: 0;
//   - the model's view, pixel for pixel: 20;
//   - otherwise the scale above, rounded to the nearest point, never below
//     0. The pupil's events of each kind are matched with the model's so as
//     to keep the most relations.
Note Noter(const Session& modele, const Session& eleve);
// The same with the model's chronology already read (a class graded at once).
Note Noter(const Session& modele, const Chronologie& c, const Session& eleve);

}  // namespace section
