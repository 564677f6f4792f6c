// SPDX-License-Identifier: GPL-3.0-or-later
// List files typed in another editor: UTF-8 read as Windows-1252 lines.
#include "section/evenements.h"

namespace section {

namespace {

// The 32 characters that Windows-1252 puts at 0x80..0x9F (0 where the byte
// is unassigned).
constexpr char16_t k80[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Decodes one UTF-8 sequence at `i`; returns its length, 0 when the bytes
// there are not a well-formed sequence (overlong forms, surrogates and code
// points past U+10FFFF are refused).
std::size_t Sequence(std::string_view t, std::size_t i, char32_t& cp) {
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

}  // namespace

bool LuEnUtf8(std::string_view octets) {
    const bool bom = octets.substr(0, kBom.size()) == kBom;
    bool multi = bom;
    char32_t cp = 0;
    for (std::size_t i = 0; i < octets.size();) {
        const std::size_t n = Sequence(octets, i, cp);
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
        const std::size_t n = Sequence(octets, i, cp);
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
        for (std::size_t k = 0; k < 32; ++k)
            if (k80[k] != 0 && k80[k] == cp) c = static_cast<char>(0x80 + k);
        out += c;
    }
    return out;
}

}  // namespace section
