// SPDX-License-Identifier: GPL-3.0-or-later
// List files saved in UTF-8 by another editor read as their Windows-1252 twins.
#include <gtest/gtest.h>

#include "section/evenements.h"
#include "section/fichiers.h"
#include "section/liste.h"
#include "section/encodage.h"

using namespace section;

namespace {
const std::string kSed1252 = "S\xE9" "dimentation";
const std::string kSedUtf8 = "S\xC3\xA9" "dimentation";
}  // namespace

TEST(ListeUtf8, GivesTheSameLinesAsItsWindows1252Twin) {
    const std::string utf8 = kSedUtf8 + "\r\nCompression\n" + kSedUtf8 + "\n";
    const std::string cp = kSed1252 + "\r\nCompression\r\n" + kSed1252 + "\r\n";
    EXPECT_EQ(LireListe(utf8), LireListe(cp));
    EXPECT_EQ(LireListe(utf8), (Liste{kSed1252, "Compression", kSed1252}));
    Liste lignes;
    ASSERT_EQ(LignesDeListe(utf8, lignes), ErreurFichier::Aucune);
    EXPECT_EQ(lignes, LireListe(cp));
}

TEST(ListeUtf8, ByteOrderMarkIsDroppedEvenOnPureAscii) {
    EXPECT_EQ(LireListe("\xEF\xBB\xBF" "Erosion\r\nDistension\r\n"), (Liste{"Erosion", "Distension"}));
    EXPECT_EQ(LireListe("\xEF\xBB\xBF" + kSedUtf8), Liste{kSed1252});
    EXPECT_EQ(LireListe("\xEF\xBB\xBF"), Liste{});
}

TEST(ListeUtf8, PureAsciiReadsAsBefore) {
    EXPECT_FALSE(LuEnUtf8("Erosion\r\nVolcanisme\r\n"));
    EXPECT_EQ(LireListe("Erosion\r\nVolcanisme\r\n"), (Liste{"Erosion", "Volcanisme"}));
}

TEST(ListeUtf8, InvalidUtf8StaysWindows1252) {
    // What the program writes: 0xE9 followed by 'd' is no UTF-8 sequence.
    EXPECT_FALSE(LuEnUtf8(kSed1252 + "\r\n"));
    EXPECT_EQ(LireListe(kSed1252 + "\r\n"), Liste{kSed1252});
    // One valid pair does not make a file UTF-8 when another byte is not.
    const std::string melange = kSedUtf8 + "\r\n" + kSed1252 + "\r\n";
    EXPECT_FALSE(LuEnUtf8(melange));
    EXPECT_EQ(LireListe(melange), (Liste{kSedUtf8, kSed1252}));
    // A BOM followed by invalid bytes: read as before, BOM bytes included.
    EXPECT_EQ(LireListe("\xEF\xBB\xBF\xE9"), Liste{"\xEF\xBB\xBF\xE9"});
}

TEST(ListeUtf8, MalformedSequencesAreRefused) {
    EXPECT_FALSE(LuEnUtf8("\xC0\xA9"));          // overlong
    EXPECT_FALSE(LuEnUtf8("\xE0\x80\xA9"));      // overlong, three bytes
    EXPECT_FALSE(LuEnUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(LuEnUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(LuEnUtf8("S\xC3"));             // cut short
    EXPECT_TRUE(LuEnUtf8("\xF0\x9F\x8C\x8B"));   // a volcano, four bytes
}

TEST(ListeUtf8, Windows1252BytesThatPairUpAreReadAsUtf8) {
    // "Ã©" in Windows-1252 is C3 A9: well-formed UTF-8 for "é". Chosen and
    // pinned: such a line matches no event name either way.
    EXPECT_TRUE(LuEnUtf8("\xC3\xA9"));
    EXPECT_EQ(LireListe("\xC3\xA9\r\n"), Liste{"\xE9"});
}

TEST(ListeUtf8, DecodedOnceOnly) {
    // "Ã©" typed in UTF-8 is C3 83 C2 A9; it becomes the two bytes C3 A9,
    // which must not be decoded a second time into "é".
    EXPECT_EQ(LireListe("\xC3\x83\xC2\xA9"), Liste{"\xC3\xA9"});
}

TEST(ListeUtf8, CharactersWithoutWindows1252FormBecomeQuestionMarks) {
    EXPECT_EQ(Cp1252DeUtf8("\xE2\x82\xAC \xC5\x93 \xE2\x80\x99"), "\x80 \x9C \x92");  // € œ ’
    EXPECT_EQ(LireListe("Erosion \xF0\x9F\x8C\x8B\r\n\xE2\x80\x8B" "Distension"),
              (Liste{"Erosion ?", "?Distension"}));
    // U+0081 has no Windows-1252 form (0x81 is unassigned).
    EXPECT_EQ(Cp1252DeUtf8("\xC2\x81"), "?");
}

TEST(ListeUtf8, WhatTheProgramWritesStaysWindows1252) {
    const std::string t = TexteListe(LireListe(kSedUtf8 + "\nErosion\n"));
    EXPECT_EQ(t, kSed1252 + "\r\nErosion\r\n");
}
