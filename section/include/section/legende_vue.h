// SPDX-License-Identifier: GPL-3.0-or-later
// The legend as every front end lays it out, and the tints painted over the
// view: one line per letter with its sample, and a tint per formation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "section/legende.h"
#include "section/session.h"

namespace section {

// The tints' opacity over the view, out of 255.
constexpr std::uint32_t kOpaciteTeinte = 120;

struct LigneLegende {
    EntreeLegende entree;
    // TexteLegende, with a note for a formation too thin to carry its letter;
    // in the current language (see textes.h).
    std::string texte;
    bool sansLettre = false;
    // The sample a pupil compares with the view: with a letter, the square
    // its first label sits on (view pixels); without, the formation's
    // commonest colour in the view (white when none is seen).
    Rect carre{};
    Couleur couleur = 0xFFFFFFu;
};
// One line per entry of Session::Legende, in its order.
std::vector<LigneLegende> LignesLegende(const Session& s);

// For each pixel of the view, row after row, the tint of its formation as
// 0xAARRGGBB with kOpaciteTeinte as alpha, or 0 (transparent) outside every
// formation of the legend. Empty when the session has no section.
std::vector<std::uint32_t> PlanTeintes(const Session& s);

}  // namespace section
