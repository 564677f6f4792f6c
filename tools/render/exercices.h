// Random exercises: event sequences that the window would have let a pupil
// build, drawn reproducibly from a seed.
#pragma once

#include <QString>
#include <cstdint>
#include <random>

#include "section/session.h"

namespace rendu {

// Resets the session and applies k events, each chosen uniformly among the
// commands enabled at its turn, never the same kind three times in a row
// when another command is enabled. std::mt19937's output is the same on
// every library, and the choice is its output modulo the number of
// candidates, so a seed gives the same lists everywhere. Returns the list,
// the session left after its last event.
section::Liste TirerExercice(section::Session& a, std::mt19937& tirage, int k);

// "exercice-S-NN" followed by `extension` (".lst", ".bmp").
QString NomExercice(std::uint32_t graine, int numero, const char* extension);

}  // namespace rendu
