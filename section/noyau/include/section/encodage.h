// SPDX-License-Identifier: GPL-3.0-or-later
// The character encodings the files use: UTF-8 (list files typed in another
// editor, file paths) and Windows-1252 (list lines).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace section {

// The characters that Windows-1252 puts at 0x80..0x9F; U+FFFD for the five
// unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D).
inline constexpr char16_t kCp1252De80[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// The character of a Windows-1252 byte: the byte itself outside
// 0x80..0x9F, U+FFFD for the five unassigned bytes.
constexpr char32_t CaractereCp1252(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kCp1252De80[b - 0x80] : b;
}

// Decodes the UTF-8 sequence that starts at byte `i` of `t` (i < t.size())
// into `cp`; returns its length, or 0 when the bytes there are not a
// well-formed sequence (overlong forms, surrogates, code points past
// U+10FFFF and sequences cut short are refused; `cp` is then unspecified).
std::size_t SequenceUtf8(std::string_view t, std::size_t i, char32_t& cp);

// Appends the UTF-8 form of `c` (at most U+10FFFF) to `o`.
void AjouterUtf8(std::string& o, char32_t c);

// True when the bytes are well-formed UTF-8 holding at least one multi-byte
// sequence, or begin with the UTF-8 byte-order mark and are well-formed
// after it. Pure ASCII, and any byte string that is not well-formed UTF-8
// (every Windows-1252 list with an accented letter before a plain one),
// is not. A Windows-1252 text whose non-ASCII bytes happen to pair up as
// UTF-8 ("\xC3\xA9", that is "Ã©") is read as UTF-8: no event name holds
// such a pair.
bool LuEnUtf8(std::string_view octets);
// UTF-8 to Windows-1252, without its byte-order mark; a character that has
// no Windows-1252 form becomes "?", which keeps the line visible and
// matches no event name.
std::string Cp1252DeUtf8(std::string_view octets);
// Converts a list line for display (Windows-1252 to UTF-8).
std::string Utf8DeLigne(std::string_view ligne);

}  // namespace section
