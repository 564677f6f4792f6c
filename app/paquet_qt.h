// SPDX-License-Identifier: GPL-3.0-or-later
// "Exporter pour l'ENT (SCORM)...", the part the main window and the
// teacher's space share: the pass mark asked, the browser page found beside
// the program (section::TrouverPage, as strataloom-render looks for it) or,
// when none is, asked for once and remembered,
// the package made by the engine and saved where the teacher says, an
// existing file replaced only once the save dialog has confirmed it.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "section/paquet_scorm.h"
#include "services.h"

// The page put in packages: $STRATALOOM_PAGE when set (the tests give a
// page of their own; set and empty, none is looked for beside the
// program), else the one installed with the program or built beside it
// (section::TrouverPage), else the one the teacher chose last time if it is
// still there; "" when none is found.
QString CheminPageStrataloom();

// Asks, makes and saves the package of `exercices`; `nomPropose` is the
// file name offered (without ".zip"), `dossier` the folder the dialog
// opens in. The path written, or nothing when cancelled or refused (said).
std::optional<QString> ExporterPaquetScorm(const Services& services,
                                           const std::vector<section::ExercicePaquet>& exercices,
                                           const QString& titre, const QString& nomPropose,
                                           const QString& dossier);
