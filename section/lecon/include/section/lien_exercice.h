// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise as a page address: the fragment "#exercice=" followed by a
// small binary in base64url (no padding), never the target's pixels:
//
//   offset  size
//        0     4  "SLX1"
//        4     2  n, bytes of the list file, 1 .. kOctetsListeLien (little-endian)
//        6     n  the list file's bytes
//      6+n     1  t, bytes of the title, 0 .. kTitreMax (UTF-8)
//      7+n     t  the title
//    7+n+t     4  the letter seed (little-endian)
//   11+n+t     8  the exercise's fingerprint (EmpreinteExercice, little-endian)
//
// Whoever opens the link rebuilds the target from the list with its own
// textures; the fingerprint tells whether that gives the exercise's
// section (same textures) or not, and a link whose fingerprint does not
// match is refused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "section/exercice.h"
#include "section/textures.h"

namespace section {

// The most list bytes a link carries (a page address stays a few
// kilobytes long).
constexpr std::size_t kOctetsListeLien = 4096;
// No well-formed link text is longer.
constexpr std::size_t kCaracteresLienMax = ((19 + kOctetsListeLien + kTitreMax) * 4 + 2) / 3;

// The text after "#exercice=" for `e`, or "" when its list is too long
// for a link (more than kOctetsListeLien bytes) or its title too long.
std::string TexteLienExercice(const Exercice& e);

// Reads a link's text (after "#exercice=") and rebuilds its exercise with
// `textures`. Returns the reason of a refusal, in the current language
// (textes.h), or "" when `e` holds the exercise, target included.
std::string LireLienExercice(std::string_view texte, const Textures& textures, Exercice& e);

}  // namespace section
