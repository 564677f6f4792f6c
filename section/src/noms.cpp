// SPDX-License-Identifier: GPL-3.0-or-later
// Pupils' names: refused characters, and the key two names compare by.
#include "section/noms.h"

#include <algorithm>
#include <cstdio>

#include "section/exercice.h"
#include "section/textes.h"

namespace section {

namespace {

struct Plage {
    char32_t debut, fin;
};

#include "unicode_noms.inc"

template <std::size_t N>
bool Dans(const Plage (&plages)[N], char32_t c) {
    const auto* p = std::upper_bound(plages, plages + N, c, [](char32_t v, const Plage& q) { return v < q.debut; });
    return p != plages && c <= (p - 1)->fin;
}

bool Espace(char32_t c) {
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// Simple lower case of the Latin, Greek and Cyrillic letters pupils' names
// use; other characters stay as they are.
char32_t Minuscule(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c >= 0x100 && c <= 0x137 && c % 2 == 0) return c + 1;      // Ā .. Ķ
    if (c >= 0x139 && c <= 0x148 && c % 2 == 1) return c + 1;      // Ĺ .. Ň
    if (c >= 0x14A && c <= 0x177 && c % 2 == 0) return c + 1;      // Ŋ .. Ŷ
    if (c == 0x178) return 0xFF;                                    // Ÿ
    if (c >= 0x179 && c <= 0x17E && c % 2 == 1) return c + 1;      // Ź .. Ž
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;   // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                 // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

void Utf8(std::string& r, char32_t c) {
    if (c < 0x80) {
        r += static_cast<char>(c);
    } else if (c < 0x800) {
        r += static_cast<char>(0xC0 | (c >> 6));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        r += static_cast<char>(0xE0 | (c >> 12));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        r += static_cast<char>(0xF0 | (c >> 18));
        r += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string VerifierNomEleve(std::string_view nom) {
    if (nom.find_first_not_of(' ') == std::string_view::npos) return Texte("Exercice", "le nom de l'élève est vide");
    if (nom.size() > kNomEleveMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "le nom de l'élève dépasse %1 octets"), {std::to_string(kNomEleveMax)});
    bool lettre = false;
    for (std::string_view reste = nom; !reste.empty();) {
        char32_t c = 0;
        const std::size_t n = LongueurUtf8(reste, c);
        if (n == 0 || c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return Texte("Exercice", "le nom de l'élève n'est pas un texte UTF-8 sans caractère de contrôle");
        if (Dans(kRefuses, c)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            //: %1 is a character's code, such as U+202E.
            return Remplir(Texte("Exercice", "le nom de l'élève contient un caractère invisible ou de contrôle (%1)"),
                           {code});
        }
        lettre = lettre || Dans(kLettresChiffres, c);
        reste.remove_prefix(n);
    }
    if (!lettre) return Texte("Exercice", "le nom de l'élève ne contient ni lettre ni chiffre");
    return {};
}

bool CaractereDeFormat(char32_t c) { return Dans(kFormats, c); }

std::string CleNomEleve(std::string_view nom) {
    std::string r;
    bool espace = false;
    for (std::string_view reste = nom; !reste.empty();) {
        char32_t c = 0;
        std::size_t n = LongueurUtf8(reste, c);
        if (n == 0) c = 0xFFFD, n = 1;
        reste.remove_prefix(n);
        if (Espace(c)) {
            espace = true;
            continue;
        }
        if (espace && !r.empty()) r += ' ';
        espace = false;
        Utf8(r, Minuscule(c));
    }
    return r;
}

}  // namespace section
