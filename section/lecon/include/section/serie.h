// SPDX-License-Identifier: GPL-3.0-or-later
// A series of exercises drawn from a seed: each one a list a pupil could
// have built by clicking enabled commands, in which every event leaves a
// trace in the view, whose view is mostly rock, and whose section no other
// exercise of the series gives. The same seed and rules give the same
// series on every machine.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "section/session.h"

namespace section {

struct ReglesSerie {
    int exercices = 10;
    int evenements = 6;
    std::uint32_t graine = 0;
    std::array<bool, 8> permis{false, true, true, true, true, true, true, true};  // by tag
    // Share of the view that must be rock, in hundredths.
    int rocheMin = 40;
};

// Draws from `r.graine` with std::mt19937 (the same output everywhere),
// its output taken modulo the total weight. A step picks among the
// enabled, allowed kinds, never the same kind three times in a row when
// another is possible, never a Compression, an Erosion or a Plutonisme
// right after another of its kind, the kinds the series has used least so
// far weighing 4, one use more 2, the others 1 (all alike after
// kEssaisPonderes draws of one exercise); a kind that would make the
// section implausible at that step (vraisemblance.h) is taken back and
// another drawn among those left. A drawn list is kept when every click
// changed the view, the view holds at least rocheMin % rock, the section is
// plausible (Plausible), no exercise before it shows the same view, every
// event changes the view (the list without it shows another view) and its
// chronology is legible (EvaluerLisibilite: the order the picture shows is
// the list's, up to events it cannot date and that commute); otherwise it
// is drawn again, at most kEssaisSerie times. Only when no draw passes do
// the settings fail: that exercise keeps its last draw with `conforme`
// false, and so does every exercise after it, drawn once. A list may come
// out shorter when nothing is enabled.
constexpr int kEssaisSerie = 1000;
// After this many draws of one exercise, every kind weighs the same.
constexpr int kEssaisPonderes = 15;

struct ExerciceTire {
    Liste liste;
    bool conforme = true;  // false when the settings could not be met: the last draw was kept
};
std::vector<ExerciceTire> TirerSerie(Session& a, const ReglesSerie& r);

// The letter seed of exercise `numero` (1, 2, ...) of the series drawn from
// `graineSerie`: the same series gives the same letters, and two exercises
// of one series shuffle their letters differently.
std::uint32_t GraineLettresSerie(std::uint32_t graineSerie, int numero);

// The checks one draw must pass, for tests and for a list a teacher made:
// whether leaving out line i (1 .. n-1) gives the same view as the whole
// list, for each i; true where the event leaves no trace.
std::vector<bool> EvenementsSansTrace(Session& a, const Liste& liste);
// Whether a pupil can read the section (a session with its formation
// plane): every layer, lava flow and granite keeps at least
// kPixelsFormationMin view pixels and a patch kEpaisseurMin rows thick over
// kLargeurMin columns, no granite lies under the sky unless an Erosion
// came after it (a granite cools at depth), and no step of the list breaks
// the rules of vraisemblance.h (PremiereInvraisemblance).
constexpr int kPixelsFormationMin = 1000;
constexpr int kEpaisseurMin = 4;
constexpr int kLargeurMin = 30;
bool Plausible(const Session& a);
// Rock share of the session's view, in hundredths (sky and holes are not
// rock).
int PartDeRoche(const Session& a);

}  // namespace section
