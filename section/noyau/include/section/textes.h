// SPDX-License-Identifier: GPL-3.0-or-later
// The words the engine writes for people (reasons, descriptions, legend,
// remarks, card names, file messages) in the language of the program that
// shows them. Each text is written in French, whole, in a call
// Texte("Contexte", "texte") with two literals, so that the tools that
// collect texts to translate find every one with its context; a sentence
// built around names or numbers is one template with %1 ... %9, filled by
// Remplir once translated. Without a translator every text stays French,
// byte for byte. The words of the list files ("Sédimentation"...) are
// never translated.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text kept in a table to be translated where it is shown
// (Texte(contexte, texte) at that point): it stands for the text itself.
#define TEXTE_NOOP(contexte, texte) texte

namespace section {

// Texts the engine writes for people go through one translator, which a
// program may install once at start-up; without one they stay French.
// It receives the context and the French text (UTF-8 literals) and gives
// the text to show, UTF-8.
using Traducteur = std::string (*)(const char* contexte, const char* francais);
void DefinirTraducteur(Traducteur traducteur);  // nullptr: French again
// The text `francais` (UTF-8, a literal) in the current language. The
// translator is read at every call: none of its answers is kept.
std::string Texte(const char* contexte, const char* francais);
// `modele` with %1 ... %9 replaced by `valeurs` (in one pass: a value that
// holds "%2" is not replaced again). A %n without a value (n larger than
// the values given) stays as it is, and a % followed by anything but 1 .. 9
// is copied: "%10" is the first value then "0".
std::string Remplir(std::string_view modele, std::initializer_list<std::string_view> valeurs);

// Text from a file (a title, a name, a list line, a file name), made safe
// to print on a terminal or in a table: its valid UTF-8 is kept, except
// the C0 control characters and DEL, written "\x1b", the C1 ones
// (U+0080 .. U+009F) and the format characters and line separators
// (CaractereDeFormat), written "\u009b", "\u202e" or "\U000e0001"; a byte
// that is not part of valid UTF-8 is written "\xe9". Nothing it returns can
// move a cursor, change a colour or a title, end a line, or hide or
// reorder what follows.
std::string SansControles(std::string_view texte);

// The length of the valid UTF-8 sequence at the start of `t` (shortest
// form, no surrogate, at most U+10FFFF) with its code point, or 0.
std::size_t LongueurUtf8(std::string_view t, char32_t& point);

// A file's ignored lines are named at most this many times; the rest are
// counted in one line (AutresLignesIgnorees), so that a junk file cannot
// flood a terminal.
constexpr std::size_t kLignesIgnoreesNommees = 5;
// "… et 9 995 autres lignes ignorées" (n > 0).
std::string AutresLignesIgnorees(std::size_t n);

}  // namespace section
