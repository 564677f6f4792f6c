// SPDX-License-Identifier: GPL-3.0-or-later
// Character encodings: one UTF-8 sequence decoded or a character encoded,
// and list files typed in another editor (UTF-8) read as Windows-1252 lines.
#include "section/encodage.h"
#include "section/evenements.h"

namespace section {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

std::size_t SequenceUtf8(std::string_view t, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(t[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t n = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) { n = 2; cp = b0 & 0x1F; min = 0x80; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { n = 3; cp = b0 & 0x0F; min = 0x800; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { n = 4; cp = b0 & 0x07; min = 0x10000; }
    else return 0;
    if (i + n > t.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(t[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void AjouterUtf8(std::string& o, char32_t c) {
    if (c < 0x80) {
        o += static_cast<char>(c);
    } else if (c < 0x800) {
        o += static_cast<char>(0xC0 | c >> 6);
        o += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        o += static_cast<char>(0xE0 | c >> 12);
        o += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        o += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        o += static_cast<char>(0xF0 | c >> 18);
        o += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        o += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        o += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool LuEnUtf8(std::string_view octets) {
    const bool bom = octets.substr(0, kBom.size()) == kBom;
    bool multi = bom;
    char32_t cp = 0;
    for (std::size_t i = 0; i < octets.size();) {
        const std::size_t n = SequenceUtf8(octets, i, cp);
        if (n == 0) return false;
        multi = multi || n > 1;
        i += n;
    }
    return multi;
}

std::string Cp1252DeUtf8(std::string_view octets) {
    if (octets.substr(0, kBom.size()) == kBom) octets.remove_prefix(kBom.size());
    std::string out;
    out.reserve(octets.size());
    char32_t cp = 0;
    for (std::size_t i = 0; i < octets.size();) {
        const std::size_t n = SequenceUtf8(octets, i, cp);
        if (n == 0) {  // not reached after LuEnUtf8; kept safe all the same
            out += '?';
            ++i;
            continue;
        }
        i += n;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char c = '?';  // no Windows-1252 form
        if (cp != 0xFFFD)
            for (unsigned b = 0x80; b < 0xA0; ++b)
                if (CaractereCp1252(static_cast<unsigned char>(b)) == cp) c = static_cast<char>(b);
        out += c;
    }
    return out;
}

std::string Utf8DeLigne(std::string_view ligne) {
    // Windows-1252 to UTF-8; the five unassigned bytes become U+FFFD.
    std::string out;
    out.reserve(ligne.size() + 8);
    for (const char ch : ligne) AjouterUtf8(out, CaractereCp1252(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace section
