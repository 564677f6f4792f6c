// Reading and writing pictures for the section: BMP through QImage, with
// the checks QImage does not make (a truncated file loads silently).
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "section/section.h"

// The raster as an image sharing no memory with it (Format_RGB32).
QImage VersImage(const section::Raster& r);
section::Raster DeImage(const QImage& image);

// Reads a BMP file. Refuses a missing, unreadable, non-BMP or truncated
// file, and one beyond the reader's allocation limit.
std::optional<section::Raster> LireBmp(const QString& chemin);

// Writes through QSaveFile: a failed write leaves an existing file as it
// was. `format` is "BMP" or "PNG". Returns false on failure.
bool EcrireImage(const section::Raster& r, const QString& chemin, const char* format = "BMP");

// Loads the seven textures from `dossier` in their order. Returns the index
// of the first file that failed (holders before it keep their pictures), or
// -1 when all loaded.
int ChargerTextures(const QString& dossier, section::Textures& t);
