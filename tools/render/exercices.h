// SPDX-License-Identifier: GPL-3.0-or-later
// Random exercises (drawn by the engine's series, section/serie.h): their
// file names, and the --exercise command.
#pragma once

#include <QString>
#include <cstdint>

#include "section/session.h"

namespace rendu {

// "exercice-S-NN" followed by `extension` (".lst", ".bmp", ".exo"):
// section::NomFichierSerie.
QString NomExercice(std::uint32_t graine, int numero, const char* extension);

}  // namespace rendu
