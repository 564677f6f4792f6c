// SPDX-License-Identifier: GPL-3.0-or-later
// BMP pictures without any toolkit: the header read and checked before a
// single pixel is decoded, the decoder, and the writer whose bytes every
// front end shares.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "section/raster.h"

namespace section {

// The largest side a picture may declare.
constexpr int kCoteBmpMax = 16384;
// The pixel data starts within this many bytes: past the headers, the
// palette and the masks, a writer leaves no more than a small gap, and an
// offset of gigabytes would have the reader take in a sparse file whole.
constexpr std::uint32_t kDebutDonneesMax = 64 * 1024;

struct EnteteBmp {
    int largeur = 0;
    int hauteur = 0;       // always positive; see basEnHaut
    bool basEnHaut = true;  // rows stored bottom-up (the usual order)
    int bits = 0;           // 1, 4, 8, 16, 24 or 32 bits per pixel
    int compression = 0;    // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    std::uint32_t debutDonnees = 0;
    std::uint32_t tailleEntete = 0;  // 12 (OS/2) or 40 and more
    std::int64_t Pixels() const { return std::int64_t{largeur} * hauteur; }
};

// The header alone, from the first bytes of a file: a known layout, sides
// from 1 to kCoteBmpMax, known bits and compression, pixel data starting
// within kDebutDonneesMax bytes. The pixel rows are not looked at.
std::optional<EnteteBmp> AnalyserEnteteBmp(std::string_view debut);
// The most bytes a file with this header can use: header, palette and
// rows, or the worst case of run-length data.
std::int64_t OctetsUtilesBmp(const EnteteBmp& e);

// Reads and checks the header: a known layout, sides from 1 to kCoteBmpMax,
// pixel data that starts inside the file and, when uncompressed, rows that
// all lie in the file (a truncated picture is refused, not shown with black
// rows). Nothing when the bytes are not such a BMP.
std::optional<EnteteBmp> LireEnteteBmp(std::string_view octets);

// Decodes a BMP whose header LireEnteteBmp accepts; `pixelsMax` bounds the
// declared size before anything is allocated. Nothing when the bytes are
// not a BMP this reader knows, or declare more pixels than pixelsMax.
std::optional<Raster> LireBmp(std::string_view octets, std::int64_t pixelsMax);

// The raster as a 24-bit uncompressed BMP, bottom-up, at 96 dpi.
std::string EcrireBmp(const Raster& r);

}  // namespace section
