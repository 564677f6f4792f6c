// SPDX-License-Identifier: GPL-3.0-or-later
// Between exercises and sessions: an exercise's list made the model a
// pupil's work is judged against, and a session made an exercise.
#pragma once

#include <string>
#include <string_view>

#include "section/exercice.h"
#include "section/session.h"

namespace section {

// Makes `modele` the model of an exercise: its letter seed set, its list
// loaded, formation plane on. True when the view this gives is the exercise's target picture;
// false when the session's textures are not those the exercise was made
// with (the checks then compare with the section these textures give).
bool ChargerExercice(Session& modele, const Exercice& e);

// An exercise titled `titre` (UTF-8) from the session as
// it stands: its list and its view as the target, its letter seed. Returns why such an
// exercise cannot be made (VerifierExercice), or "" when `e` holds it.
std::string ExerciceDeSession(const Session& s, std::string_view titre, Exercice& e);

}  // namespace section
