// SPDX-License-Identifier: GPL-3.0-or-later
// An order of an exercise's events given as a list (a pupil's "Ordonner"
// typed as a list file): which card each line is, and its mark.
//
// Lines of the same kind are interchangeable for a pupil (two
// "Sédimentation" look alike), so a list is matched to the cards in the
// pupil's favour: among the ways to give each line of a kind one card of
// that kind, one that breaks no relation of the chronology, else one that
// breaks the fewest.
#pragma once

#include <vector>

#include "section/chronologie.h"
#include "section/session.h"

namespace section {

// Beyond this many ways to match lines of identical kinds, the remaining
// ones are not tried (the best among those tried is kept).
constexpr long long kAppariementsMax = 40320;

// The number of relations of `c` that the order `ids` (card ids, each once)
// puts the wrong way round; a relation whose ends are not both in `ids`
// (the starting series is always first) is kept.
int RelationsRompues(const Chronologie& c, const std::vector<int>& ids);

// The mark of an order out of kNoteMax: kNoteMax when it breaks no
// relation, else kNoteMax less kPenalitePremiereRelation for the first
// relation broken and kPenaliteRelation for each further one, never
// below 0.
int NoteOrdre(const Chronologie& c, const std::vector<int>& ids);

// The card ids (list indices of the model's events) that the events of
// `ordre` (lines 1 .. n-1; lines naming no event are skipped, as the
// cards skip them) stand for, in the order of `ordre`. Empty when the
// events are not those of the model, kind for kind and count for count.
std::vector<int> IdsDeListe(const Session& modele, const Chronologie& c, const Liste& ordre);

}  // namespace section
