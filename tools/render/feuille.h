// SPDX-License-Identifier: GPL-3.0-or-later
// Printable A4 exercise sheets (PDF): per exercise a page for the pupil
// with the section to rebuild and a numbered column for the events, then
// a page with the answer key and the picture of every step.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "rendu.h"

namespace rendu {

// Writes one two-page sheet per list, titled by `titres` (same count),
// replaying each list in `a`. Needs a QGuiApplication (fonts).
std::optional<Erreur> EcrireFiches(const QString& chemin, section::Session& a,
                                   const std::vector<section::Liste>& listes,
                                   const std::vector<QString>& titres);

}  // namespace rendu
