// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's work as the desktop window keeps it between two starts, as
// the page keeps it between two visits: the list, the exercise worked on,
// its last order checked and the cards as last laid out in "Ordonner".
//
// The kept text, printable ASCII, lines ended by LF, at most
// kOctetsTravailGardeMax bytes:
//
//   SLTRAVAIL1
//   <work>       the kept text of the work (TexteReprise): the exercise's
//                fingerprint (0 when no exercise is open), the list, the
//                last order checked;
//   <saved>      "1" when the work, as it stands, is saved in a file (a
//                list, or an answer while an exercise is open), else "0";
//   <cards>      empty, or a kept text (TexteReprise) of the same exercise
//                whose list is the starting layer alone and whose order is
//                the cards and justifications as last laid out, checked or
//                not.
//
// The exercise itself is kept beside it as an exercise file; each kept
// text names its fingerprint, so a text kept with another exercise is
// refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/ordre.h"
#include "section/plateforme.h"

namespace section {

constexpr std::size_t kOctetsTravailGardeMax = 2 * kCaracteresRepriseMax + 64;

struct TravailGarde {
    Reprise travail;                  // exercice 0: no exercise open
    bool enregistre = false;          // saved in a file as it stands
    std::optional<OrdreDonne> cartes; // as last laid out; its note is not kept (0)
    bool operator==(const TravailGarde&) const = default;
};

// The kept text of `t`; "" with `raison` set (in the current language)
// when the work cannot be kept so (TexteReprise's reasons).
std::string TexteTravailGarde(const TravailGarde& t, std::string& raison);

// Reads a kept text for the exercise of fingerprint `exercice` (0: no
// exercise). Returns the reason of a refusal, in the current language, and
// `t` is untouched; or "" when `t` holds the work.
std::string LireTravailGarde(std::string_view texte, std::uint64_t exercice, TravailGarde& t);

// Whether work is kept at all: an exercise, an event after the starting
// layer, an order checked or cards laid out.
bool TravailAReprendre(const TravailGarde& t);

// The question that offers the work back when the program starts, in the
// current language, its lines separated by a lone CR; `titre` (UTF-8) is
// the exercise's, when one is kept. The answers are TexteFenetre::Reprendre
// and TexteFenetre::NouvelleCoupe.
std::string QuestionReprise(const TravailGarde& t, std::string_view titre);

// Whether an order kept, or read from an answer, is an order of these
// cards: each card once, a justification for each.
bool OrdreDesCartes(const OrdreDonne& o, const std::vector<Carte>& cartes);

}  // namespace section
