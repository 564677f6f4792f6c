// SPDX-License-Identifier: GPL-3.0-or-later
// How bytes and pixels cross to JavaScript. Bytes cross as Uint8Array:
// into a std::string (embind copies a typed array byte for byte), out
// through a typed_memory_view of a buffer kept on this side, which the page
// copies at once. Text for display crosses as UTF-8.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "section/raster.h"

namespace passage {

// 0xFFRRGGBB words (bytes B G R FF in memory) to the R G B A bytes of a
// canvas ImageData, a word at a time: on a little-endian machine those
// bytes are the word 0xFFBBGGRR.
inline void VersRgba(const section::Raster& r, int largeur, int hauteur, std::vector<std::uint32_t>& rgba) {
    rgba.resize(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur));
    std::uint32_t* o = rgba.data();
    for (int y = 0; y < hauteur; ++y) {
        const section::Couleur* ligne = r.row(y);
        for (int x = 0; x < largeur; ++x) {
            const std::uint32_t c = ligne[x];
            o[x] = 0xFF000000u | (c & 0x0000FF00u) | ((c >> 16) & 0xFFu) | ((c & 0xFFu) << 16);
        }
        o += largeur;
    }
}

inline emscripten::val Rgba(const std::vector<std::uint32_t>& rgba) {
    return emscripten::val(
        emscripten::typed_memory_view(rgba.size() * 4, reinterpret_cast<const std::uint8_t*>(rgba.data())));
}

inline emscripten::val Octets(const std::string& octets) {
    return emscripten::val(
        emscripten::typed_memory_view(octets.size(), reinterpret_cast<const std::uint8_t*>(octets.data())));
}

}  // namespace passage
