// SPDX-License-Identifier: GPL-3.0-or-later
// What the strataloom-render tests share: textures of their own, running
// the program, writing list files, counting the pages of a PDF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "section/session.h"

namespace essai {

// Writes seven small but well-formed textures (a 640 x 600 section) into
// `dossier`; false when a file cannot be written.
bool EcrireTextures(const QString& dossier);

struct Sortie {
    int code = -1;
    QByteArray out, err;
};
// Runs strataloom-render with `args`, feeding `entree` on standard input.
Sortie Lancer(const QStringList& args, const QByteArray& entree = {});

// Writes the list as file bytes; returns the path.
QString EcrireListe(const QString& chemin, const section::Liste& liste);
QByteArray Lire(const QString& chemin);
// A BMP file's bytes with its two pixels-per-metre fields zeroed.
QByteArray SansResolution(QByteArray bmp);

// The number of page objects ("/Type /Page", not "/Pages") in a PDF.
int PagesPdf(const QByteArray& pdf);

// The session after loading `liste` on the textures of `dossier`.
section::Session Charge(const QString& dossier, const section::Liste& liste);

extern const section::Ligne kSed;  // "Sédimentation" in Windows-1252

}  // namespace essai
