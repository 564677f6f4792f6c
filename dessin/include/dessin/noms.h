// SPDX-License-Identifier: GPL-3.0-or-later
// An event's name as the window shows it. The list files keep the French
// word in every language; only the captions are translated.
#pragma once

#include <QString>
#include <string_view>

namespace dessin {

// `ligne`: a list line, in the list files' encoding ("Sédimentation"...).
QString NomAffiche(std::string_view ligne);

}  // namespace dessin
