// SPDX-License-Identifier: GPL-3.0-or-later
// Pupils' names: the one check a name passes before an answer holds it
// (the window, the page and --make-answer) and before a class's grading
// trusts it, and the form in which two names are compared.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace section {

// The most bytes of a pupil's name (UTF-8), in an answer file and anywhere
// a name is given.
constexpr std::size_t kNomEleveMax = 100;

// The reason a name is refused, in the current language, or an empty
// string. Refused: an empty name or one of spaces only, one over
// kNomEleveMax bytes, one that is not UTF-8, one holding a control,
// format (right-to-left override, zero-width space...), private-use,
// unassigned or default-ignorable character (U+034F, U+3164, variation
// selectors...) or a line or paragraph separator, and one with no letter or digit (only no-break
// spaces, only punctuation). A name beginning with '=', '+', '-' or '@' is
// a name: the CSV neutralises it.
std::string VerifierNomEleve(std::string_view nom);

// The name as two names are compared to find one pupil twice: its
// compatibility decomposition (NFKD) with every letter case-folded, the
// Cyrillic and Greek letters that look like Latin ones (а, о, р, ο, ν...)
// written as those, every run of spaces of any kind one space, none at
// either end. "  ALICE  Martin" and "alice martin" give the same, as do
// « Zoé » with a combining accent and « Zoé » with a Cyrillic о; « Léa »
// and « Lea » stay two.
std::string CleNomEleve(std::string_view nom);

// The compatibility decomposition of a text (NFKD): two texts that show
// alike in every way Unicode says give the same.
std::u32string DecompositionCompatible(std::u32string_view texte);

// Whether the name's letters come from two alphabets (Latin and Cyrillic,
// Greek and Latin...): a name that can pass for another. Kanji and kana
// (one Japanese name), or Hangul and hanja, count as one alphabet.
bool AlphabetsMeles(std::string_view nom);

// Whether a code point is a format character or a line or paragraph
// separator (general categories Cf, Zl, Zp: U+200B, U+202E, U+FEFF,
// U+2028...), which SansControles writes as an escape.
bool CaractereDeFormat(char32_t c);

}  // namespace section
