// SPDX-License-Identifier: GPL-3.0-or-later
// The chronology a pupil can read in the view: the direct relations
// "X is older than Y" that the 540 x 480 picture shows, each with the
// principle that dates it, the formations that show it and where.
//
// The list is replayed once with every pixel followed: for each pixel of
// the final section, the formation that laid it, how far each later
// Compression, Chevauchement or Distension moved it, whether it lay just
// under the cut of an erosion, and whether a lava pixel belongs to the
// feeder (below the surface of the eruption). The relations are then read
// from contacts in the view only; the list says how pixels moved, never
// which event came first. Checks, marks, cards and the series generator
// all read these relations.
//
// Witnesses: a relation needs kTemoinsMin contact columns (or rows along a
// trace) inside the view.
//   superposition  a layer or a lava flow resting on a formation, both
//                  moved alike by every later event (never carried rock on
//                  uncarried rock, never an older roof over a later fill);
//   recoupement    a fault trace or thrust plane with one formation on both
//                  sides within kEcartTrace columns; the formation just
//                  above a trace's topmost view pixel (within 2 rows) seals
//                  it, where both lie kMargeVue columns from the view's
//                  sides and rows below its top; a lava feeder or a granite cutting what it touches;
//                  an erosion surface truncating what lies under it; an
//                  intrusion crossing a contact folded by an event;
//   deformation    a contact between two layered formations folded by a
//                  Compression or offset by a Chevauchement (offsets varying
//                  by kVariationPli rows within kFenetrePli columns): both
//                  are older;
//   discordance    a layer resting on formations an event had deformed
//                  before it was laid (the layer is younger than the event),
//                  and a layer on an erosion surface that truncates folded
//                  or faulted formations, and the folding or faulting it seals.
// A relation X < Y is dropped when the list replayed with Y moved to just
// before X gives the very same view: a pupil may put them either way.
// The section never folds an intrusion: a granite or a feeder laid before
// a fold still crosses the folded layers, and the picture reads it as
// younger. Such an exercise is not legible (see EvaluerLisibilite).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "section/session.h"

namespace section {

constexpr int kTemoinsMin = 8;
constexpr int kEcartTrace = 3;
constexpr int kVariationPli = 10;
constexpr int kFenetrePli = 60;
// A trace is truncated or sealed only where its top meets the surface or
// the layer this many columns from the view's sides and rows below its top.
constexpr int kMargeVue = 8;
// Beyond this many consistent lists an exercise is not legible.
constexpr int kOrdresCompatiblesMax = 120;
// Lists longer than this are not read (the relations come out empty).
constexpr int kEvenementsChronologieMax = 60;

enum class Principe {
    Aucun,          // the section shows nothing that dates the pair
    Superposition,  // one formation rests on the other: the upper one is younger
    Recoupement,    // a trace or a body cuts a formation, or a layer seals a trace
    Deformation,    // an event folded or offset a formation: the formation is older
    Discordance,    // a layer on an erosion surface that truncates deformed formations
};
// "superposition", "recoupement", "deformation", "discordance" (file words).
const char* NomPrincipe(Principe p);

// What shows a relation, for the sentence a pupil reads.
enum class Temoin {
    Repose,          // recent (layer or flow) rests on ancien
    ReposeSurSurface,  // recent rests on the erosion surface ancien
    TraceRecoupe,    // the trace recent (fault, thrust) cuts ancien
    Scelle,          // recent (a layer or a flow) seals the trace ancien
    Filon,           // the feeder of the flow recent cuts ancien
    Granite,         // the granite recent cuts ancien
    Tronque,         // the erosion surface recent truncates ancien
    Plisse,          // the event recent folds (or offsets) ancien
    ReposeSurPli,    // recent was laid on what the event ancien had deformed (a discordance)
    IntrusionPli,    // the intrusion recent crosses what the event ancien folded
    DiscordancePli,  // the erosion surface recent truncates what ancien deformed
    Discordance,     // recent rests on the erosion surface ancien that truncates deformed formations
};

struct Relation {
    int ancien = 0;  // index in the list; 0 is the starting series
    int recent = 0;
    Principe principe = Principe::Aucun;
    Temoin temoin = Temoin::Repose;
    std::vector<Formation> formations;  // the formations whose contacts show it
    Point ou{0, 0};                     // a view pixel where it shows
    int temoins = 0;                    // contact columns or rows seen
};

struct EcartChronologie {
    int ancien = -1;  // list indices of the pair, -1 when it names none
    int recent = -1;
    std::string texte;  // UTF-8, for the teacher, in the current language
};

struct Chronologie {
    bool lue = false;  // false when the list could not be read (no section, too long)
    std::vector<Relation> relations;  // direct relations, each pair once
    // Per list line: whether the event shows in the view (an erosion that
    // left no trace, a layer wholly removed, an event of no effect do not).
    std::vector<bool> visible;
    bool cycle = false;
    // Filled by EvaluerLisibilite.
    bool evaluee = false;
    bool lisible = false;
    int ordresCompatibles = 0;
    std::vector<EcartChronologie> ecarts;

    // The relation between two events, in either direction; nullptr when
    // the section does not date them directly.
    const Relation* Entre(int a, int b) const;
    // Whether `ancien` must come before `recent`, directly or through other
    // relations.
    bool Avant(int ancien, int recent) const;
};

// The relations the view of `lignes` shows, replayed on `textures`.
Chronologie LireChronologie(const Textures& textures, const Liste& lignes);
// The same for a session's list and textures.
Chronologie LireChronologie(const Session& s);

// Whether the exercise is legible: the relations have no cycle, the list's
// own order satisfies them, and every distinct list consistent with them
// (identical lines merged) gives the list's view pixel for pixel, at most
// kOrdresCompatiblesMax of them. Fills lisible, ordresCompatibles and the
// ecarts that say, naming the letters, which pair the picture does not date
// or shows the wrong way round.
void EvaluerLisibilite(const Textures& textures, const Liste& lignes, Chronologie& c);

// Whether the order of events `ordre` (list indices, each card once)
// keeps every relation; the first relation broken (in the order's sense:
// the earliest position, then the next) or nullptr.
const Relation* PremiereRelationRompue(const Chronologie& c, const std::vector<int>& ordre);

// The chronology as JSON (UTF-8), as the renderer's --chronologie writes it:
// the cards, the relations, legibility and the ecarts.
std::string ChronologieJson(const Session& modele, const Chronologie& c);

}  // namespace section
