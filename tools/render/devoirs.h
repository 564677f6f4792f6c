// SPDX-License-Identifier: GPL-3.0-or-later
// The files of an exercise a pupil opens and checks, as the renderer's
// commands meet them: a key that is a list or an exercise, an answer that
// is a list or a pupil's answer file.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "rendu.h"
#include "section/copies.h"

namespace rendu {

// A key for --grade and a pupil's work, read by the engine (copies.h).
using section::Copie;
using section::Corrige;

// Told apart by their first bytes, not by their names; "-" reads standard
// input. A failure gives "Chargement impossible : « chemin » (raison)".
// `octets`, when given, receives the file's bytes as read.
std::optional<Corrige> LireCorrige(const QString& chemin, Erreur& erreur, std::string* octets = nullptr);
std::optional<Copie> LireCopie(const QString& chemin, Erreur& erreur, std::string* octets = nullptr);

}  // namespace rendu
