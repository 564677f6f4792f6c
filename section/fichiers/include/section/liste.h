// SPDX-License-Identifier: GPL-3.0-or-later
// The list files: their text (Windows-1252 lines, CR LF) and the replay of
// a list on a section.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "section/evenements.h"
#include "section/section.h"

namespace section {

// The list as file bytes: each line followed by CR LF.
std::string TexteListe(const Liste& liste);
// Splits file bytes at CR LF, lone CR and lone LF; a NUL ends the text; a
// final break adds no line. Text that LuEnUtf8 recognises is converted to
// Windows-1252 first (Cp1252DeUtf8), so a list saved in UTF-8 by another
// editor gives the same lines as its Windows-1252 twin.
//
// Written back by TexteListe and read again, a list gives the same lines
// only when its text is not taken for UTF-8; when it is (bytes such as
// "\xC3\xA9", "Ã©" in Windows-1252), the same number of lines comes back,
// each converted as Cp1252DeUtf8 converts it (a byte-order mark counting as
// one only at the start of the text). Either way every line names the same
// event as before, or none: a saved list replays the same.
Liste LireListe(std::string_view octets);
// Replays lines 1..n-1 of the list on a section just reset: the line with
// index 0 is never replayed, unknown lines are skipped. The display and the
// availability are the caller's (AfficheProfil, MajBoutons).
void Rejouer(Section& s, const Liste& liste);
// Replays one line as the list replay does: MesureSurface first for the
// four operations that read the surface; an unknown line does nothing.
// Returns the tag replayed, or 0.
int RejouerLigne(Section& s, std::string_view ligne);

// The indices (from 0) of the list lines that a replay does not apply: a
// first line other than "Sédimentation" (line 0 is never replayed; the
// base layer stands for it), and every later line that names no event.
std::vector<std::size_t> LignesNonRejouees(const Liste& liste);

}  // namespace section
