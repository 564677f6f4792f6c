// SPDX-License-Identifier: GPL-3.0-or-later
// The texture set: the rules a set of seven pictures must meet to make a
// section, checked once for every front end.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "section/bmp.h"
#include "section/section.h"

namespace section {

// The seven pictures together, and the section they size, stay within this
// many pixels; the shipped set, even enlarged, is a few million. A model
// picture is held to the same budget.
constexpr std::int64_t kBudgetPixels = 32LL * 1024 * 1024;

enum class DefautTextures {
    Vide,           // a picture with no pixel
    TropEtroite,    // Couche1 no wider than the hidden margin
    TropGrande,     // over the pixel budget
};

// Checks the declared sizes of the seven headers, in loading order, before
// any is decoded. Nothing when they can make a section.
std::optional<DefautTextures> VerifierEntetes(const std::array<EnteteBmp, 7>& entetes);
// The same rules on decoded pictures.
std::optional<DefautTextures> VerifierTextures(const Textures& t);

}  // namespace section
