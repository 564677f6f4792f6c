// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and files between Qt and the engine's file layer: rasters as
// QImage for painting, file names as the bytes the system knows, and the
// BMP and PNG files every front end writes the same way.
#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <string>

#include "section/fichiers.h"

namespace dessin {

// The raster as an image sharing no memory with it (Format_RGB32).
QImage VersImage(const section::Raster& r);
section::Raster DeImage(const QImage& image);

// File names as the bytes the system knows, whatever their encoding: a
// name read from the command line keeps each byte that is not UTF-8 as a
// lone surrogate U+DC80..U+DCFF, and turns back into the same bytes; any
// other name is its UTF-8.
QString CheminDeOctets(std::string_view octets);
std::string OctetsDeChemin(const QString& chemin);

// Reads a BMP file, refusing anything that is not a regular file holding a
// whole BMP within the pixel budget.
std::optional<section::Raster> LireBmp(const QString& chemin);

// Writes a BMP (the engine's bytes) or a PNG safely: a failed write leaves
// an existing file as it was. `format` is "BMP" or "PNG".
section::ErreurFichier EcrireFichierImage(const section::Raster& r, const QString& chemin,
                                          const char* format = "BMP",
                                          const section::OptionsEcriture& options = {});
// The same, true when written.
bool EcrireImage(const section::Raster& r, const QString& chemin, const char* format = "BMP");

// For a write refused because the name chosen is a symbolic link, the
// engine's message naming it (« … est un lien symbolique : choisissez un
// autre nom »); nothing for any other outcome. `raison` is the reason an
// engine write returned as text.
std::optional<QString> MessageSiLien(const QString& chemin, section::ErreurFichier e);
std::optional<QString> MessageSiLien(const QString& chemin, const std::string& raison);

// Loads the seven textures from `dossier` in their order. Returns the index
// of the first file that failed (holders before it keep their pictures),
// 7 when the set as a whole is refused, or -1 when all loaded.
int ChargerTextures(const QString& dossier, section::Textures& t);

}  // namespace dessin
