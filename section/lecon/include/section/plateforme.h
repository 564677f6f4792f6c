// SPDX-License-Identifier: GPL-3.0-or-later
// The page inside a learning platform: the pupil's work in progress as the
// short text the platform keeps between two visits, and what the platform
// is told of a mark, a pass and an order.
//
// The kept text, printable ASCII, at most kCaracteresRepriseMax characters:
//
//   SLR1.<exercise>.<events>.<order>.<check>
//
//   exercise  the fingerprint of the exercise worked on (EmpreinteExercice),
//             16 lowercase hexadecimal digits;
//   events    one letter per line of the pupil's list after the first,
//             which must be the starting layer's "Sédimentation":
//             S V E P C H D for Sédimentation, Volcanisme, Erosion,
//             Plutonisme, Compression, Chevauchement, Distension;
//   order     empty when no order was checked in "Ordonner"; else the cards
//             from the oldest, separated by ",", each
//             <card>:<principle>:<formation> with the card a list index of
//             the exercise (1 .. kCartesMax, each once), the principle 0 .. 5
//             as in the answer file and the formation a list index of the
//             exercise (0 .. kCartesMax) or nothing for none, in decimal
//             without leading zeros;
//   check     the CRC-32 (Crc32) of every character before it, its "."
//             included, as 8 lowercase hexadecimal digits.
//
// Version 2, "SLR2", written once the pupil has checked the section or the
// order, or once the cards have a seed, adds before the check sum:
//
//   SLR2.<exercise>.<events>.<order>.<section checks>.<order checks>.<seed>.<check>
//
//   section checks, order checks
//             how many times the pupil checked each (Verifications), in
//             decimal without leading zeros, 0 .. kVerificationsMax;
//   seed      empty, or the seed the cards of "Ordonner" are dealt from
//             (GraineDeLaDonne), 8 lowercase hexadecimal digits.
//
// Version 1 is still read, its counts 0 and without a seed. The order's mark is not kept: the
// engine judges the order again when the work is taken back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/chronologie.h"
#include "section/exercice.h"
#include "section/session.h"

namespace section {

// The most characters a platform keeps for a visit's work.
constexpr std::size_t kCaracteresRepriseMax = 4096;

struct Reprise {
    std::uint64_t exercice = 0;       // fingerprint of the exercise worked on
    Liste lignes;                     // the pupil's list, its first line the starting layer
    std::optional<OrdreDonne> ordre;  // the last order checked; its note is not kept (0)
    Verifications verifications;      // how many times the pupil checked
    std::optional<std::uint32_t> graine;  // the cards' seed (GraineDeLaDonne), once drawn
    bool operator==(const Reprise&) const = default;
};

// The kept text of `r`; "" with `raison` set (in the current language,
// addressed to the pupil) when the work cannot be written so: a line that
// names no event, an order out of its bounds, or more than
// kCaracteresRepriseMax characters.
std::string TexteReprise(const Reprise& r, std::string& raison);

// Reads a kept text for the exercise of fingerprint `exercice`. Returns the
// reason of a refusal, in the current language, and `r` is untouched; or ""
// when `r` holds the work.
std::string LireReprise(std::string_view texte, std::uint64_t exercice, Reprise& r);

// A mark as the platform's score: whole points in decimal, "12".
std::string ScorePlateforme(int points);

// Whether `points` reach the pass mark: the platform's mastery score when
// it gives one (a decimal number as text, "10" or "12.5", compared with the
// points as the platform compares it with the score), else `seuil` (0 ..
// kNoteMax; half of kNoteMax when it is not a number in that range).
bool Reussi(int points, std::string_view maitrise, double seuil);

// What the platform's gradebook is told of a pupil's work. For an exercise
// of two events or more the mark is the mean of the section's and the
// order's in whole points, half up: (coupe + ordre + 1) / 2, the order
// counting 0 until it is checked; an exercise of one event has no order to
// give and its mark is the section's. Pass or fail compares that mark with
// the pass mark (Reussi).
struct BilanPlateforme {
    int coupe = 0;              // the section's mark (Noter)
    bool avecOrdre = false;     // the exercise has an order to give
    std::optional<int> ordre;   // the order's mark (NoteOrdreDonne), once checked
    int note = 0;               // the gradebook's mark
};
int NotePlateforme(int coupe, bool avecOrdre, std::optional<int> ordre);
BilanPlateforme BilanDuTravail(const Session& modele, const Chronologie& c, const Session& eleve,
                               const std::optional<OrdreDonne>& ordre);
// What "Rendre" tells the pupil, in the current language: the section's
// mark, the order's (or that it is not done) and the mark sent.
std::string TexteRendu(const BilanPlateforme& b);

// The cards of an order as a sequencing response: the letter of each card
// (its list index written with one character, 1 .. 9 then a .. z),
// separated by commas, "3,1,a,2"; "" when a card is past z (35).
std::string ReponseSequence(const std::vector<int>& cartes);

// A visit's length as a platform's time span, HH:MM:SS (hours on two to
// four digits, at most 9999:59:59).
std::string DureePlateforme(double secondes);

}  // namespace section
