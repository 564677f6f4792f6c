// Printable A4 exercise sheets (PDF): per exercise a page for the pupil
// with the section to rebuild and a numbered column for the events, then
// a page with the answer key and the picture of every step. Shared by the
// window and strataloom-render.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "section/session.h"

namespace dessin {

// The PDF's bytes: one two-page sheet per list, titled by `titres` (same
// count), replaying each list in `a`; `createur` names the program in the
// document's properties. Nothing when the drawing failed. Needs a
// QGuiApplication (fonts).
std::optional<QByteArray> DocumentFiches(section::Session& a, const std::vector<section::Liste>& listes,
                                         const std::vector<QString>& titres, const QString& createur);

}  // namespace dessin
