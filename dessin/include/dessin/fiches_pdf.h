// SPDX-License-Identifier: GPL-3.0-or-later
// Printable A4 exercise sheets (PDF): a page per exercise for the pupil
// with the section to rebuild and a table of the events to order and
// justify, then a page per exercise with its answer key (the accepted
// orders, the relations and their principles, the picture of every step).
// Shared by the window and strataloom-render.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "section/session.h"

namespace dessin {

// The PDF's bytes: the pupils' pages of every list, then their answer
// keys, titled by `titres` (same count), replaying each list in `a`;
// `createur` names the program in the document's properties; `graine`, the
// series' seed, is printed at the foot of every page and letters list i as
// exercise i + 1 of the series (GraineLettresSerie). Nothing when the
// drawing failed. Needs a QGuiApplication (fonts).
std::optional<QByteArray> DocumentFiches(section::Session& a, const std::vector<section::Liste>& listes,
                                         const std::vector<QString>& titres, const QString& createur,
                                         std::optional<std::uint32_t> graine = std::nullopt);

}  // namespace dessin
