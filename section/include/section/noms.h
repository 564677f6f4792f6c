// SPDX-License-Identifier: GPL-3.0-or-later
// Pupils' names: the one check a name passes before an answer holds it
// (the window, the page and --make-answer) and before a class's grading
// trusts it, and the form in which two names are compared.
#pragma once

#include <string>
#include <string_view>

namespace section {

// The reason a name is refused, in the current language, or an empty
// string. Refused: an empty name or one of spaces only, one over
// kNomEleveMax bytes, one that is not UTF-8, one holding a control,
// format (right-to-left override, zero-width space...), private-use or
// unassigned character, and one with no letter or digit (only no-break
// spaces, only punctuation). A name beginning with '=', '+', '-' or '@' is
// a name: the CSV neutralises it.
std::string VerifierNomEleve(std::string_view nom);

// The name as two names are compared to find one pupil twice: letters in
// lower case (Latin, Greek and Cyrillic), every run of spaces of any kind
// one space, none at either end. "  ALICE  Martin" and "alice martin"
// give the same.
std::string CleNomEleve(std::string_view nom);

// Whether a code point is a format character or a line or paragraph
// separator (general categories Cf, Zl, Zp: U+200B, U+202E, U+FEFF,
// U+2028...), which SansControles writes as an escape.
bool CaractereDeFormat(char32_t c);

}  // namespace section
