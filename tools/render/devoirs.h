// SPDX-License-Identifier: GPL-3.0-or-later
// The files of an exercise a pupil opens and checks, as the renderer's
// commands meet them: a key that is a list or an exercise, an answer that
// is a list or a pupil's answer file.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "rendu.h"
#include "section/exercice.h"

namespace rendu {

// A key for --grade: a plain list, or an exercise file (its list with it).
struct Corrige {
    section::Liste lignes;
    std::optional<section::Exercice> exercice;
};
// A pupil's work: a plain list, or an answer file (its name and the
// fingerprint of the exercise it answers with it).
struct Copie {
    section::Liste lignes;
    QString eleve;
    std::optional<std::uint64_t> exercice;
    std::optional<section::OrdreDonne> ordre;  // the order given in "Ordonner", if any
};

// Told apart by their first bytes, not by their names; "-" reads standard
// input. A failure gives "Chargement impossible : « chemin » (raison)".
std::optional<Corrige> LireCorrige(const QString& chemin, Erreur& erreur);
std::optional<Copie> LireCopie(const QString& chemin, Erreur& erreur);

}  // namespace rendu
