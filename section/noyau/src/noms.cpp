// SPDX-License-Identifier: GPL-3.0-or-later
// Pupils' names: refused characters, and the key two names compare by.
#include "section/noms.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <cstdio>

#include "section/textes.h"

namespace section {

namespace {

struct Plage {
    char32_t debut, fin;
};
struct PlageValuee {
    char32_t debut, fin;
    int valeur;
};
struct Decomposition {
    char32_t cp;
    std::uint16_t debut, longueur;
};
struct Pliage {
    char32_t cp;
    char32_t en[3];
};

#include "unicode_noms.inc"

template <std::size_t N>
bool Dans(const Plage (&plages)[N], char32_t c) {
    const auto* p = std::upper_bound(plages, plages + N, c, [](char32_t v, const Plage& q) { return v < q.debut; });
    return p != plages && c <= (p - 1)->fin;
}

template <std::size_t N>
int Valeur(const PlageValuee (&plages)[N], char32_t c) {
    const auto* p =
        std::upper_bound(plages, plages + N, c, [](char32_t v, const PlageValuee& q) { return v < q.debut; });
    return p != plages && c <= (p - 1)->fin ? (p - 1)->valeur : 0;
}

// Hangul syllables decompose by rule into their jamo.
constexpr char32_t kSyllabe = 0xAC00, kInitiale = 0x1100, kMediane = 0x1161, kFinale = 0x11A7;
constexpr int kMedianes = 21, kFinales = 28, kSyllabes = 19 * kMedianes * kFinales;

void Decomposer(char32_t c, std::u32string& r) {
    if (c >= kSyllabe && c < kSyllabe + kSyllabes) {
        const int s = static_cast<int>(c - kSyllabe);
        r += kInitiale + s / (kMedianes * kFinales);
        r += kMediane + (s % (kMedianes * kFinales)) / kFinales;
        if (s % kFinales) r += kFinale + s % kFinales;
        return;
    }
    const auto* d = std::lower_bound(std::begin(kDecompositions), std::end(kDecompositions), c,
                                     [](const Decomposition& x, char32_t v) { return x.cp < v; });
    if (d != std::end(kDecompositions) && d->cp == c)
        r.append(kReserveDecompositions + d->debut, d->longueur);
    else
        r += c;
}

// Marks of one base in the order of their combining classes (stable).
void Ordonner(std::u32string& r) {
    for (std::size_t i = 0; i < r.size();) {
        if (Valeur(kClassesCombinantes, r[i]) == 0) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < r.size() && Valeur(kClassesCombinantes, r[j]) != 0) ++j;
        std::stable_sort(r.begin() + static_cast<std::ptrdiff_t>(i), r.begin() + static_cast<std::ptrdiff_t>(j),
                         [](char32_t a, char32_t b) { return Valeur(kClassesCombinantes, a) < Valeur(kClassesCombinantes, b); });
        i = j;
    }
}

void Plier(char32_t c, std::u32string& r) {
    const auto* p = std::lower_bound(std::begin(kPliages), std::end(kPliages), c,
                                     [](const Pliage& x, char32_t v) { return x.cp < v; });
    if (p == std::end(kPliages) || p->cp != c) {
        r += c;
        return;
    }
    for (const char32_t x : p->en)
        if (x) r += x;
}

// Cyrillic and Greek letters (folded to lower case) that look like a Latin
// letter, written as that letter: « Zоé » with a Cyrillic о is « Zoé ». A
// capital's look counts, since names are often typed in capitals: к for К
// (K), н for Н (H).
char32_t Latine(char32_t c) {
    struct Sosie {
        char32_t de, en;
    };
    static constexpr Sosie kSosies[] = {
        {0x3B1, 'a'}, {0x3B2, 'b'}, {0x3B5, 'e'}, {0x3B6, 'z'}, {0x3B7, 'h'}, {0x3B9, 'i'}, {0x3BA, 'k'},
        {0x3BC, 'm'}, {0x3BD, 'v'}, {0x3BF, 'o'}, {0x3C1, 'p'}, {0x3C4, 't'}, {0x3C5, 'u'}, {0x3C7, 'x'},
        {0x430, 'a'}, {0x432, 'b'}, {0x435, 'e'}, {0x43A, 'k'}, {0x43C, 'm'}, {0x43D, 'h'}, {0x43E, 'o'},
        {0x440, 'p'}, {0x441, 'c'}, {0x442, 't'}, {0x443, 'y'}, {0x445, 'x'}, {0x455, 's'}, {0x456, 'i'},
        {0x458, 'j'}, {0x4BB, 'h'}, {0x4CF, 'l'}, {0x501, 'd'}, {0x51B, 'q'}, {0x51D, 'w'},
    };
    const auto* s = std::lower_bound(std::begin(kSosies), std::end(kSosies), c,
                                     [](const Sosie& x, char32_t v) { return x.de < v; });
    return s != std::end(kSosies) && s->de == c ? s->en : c;
}

std::u32string Points(std::string_view texte) {
    std::u32string r;
    for (std::string_view reste = texte; !reste.empty();) {
        char32_t c = 0;
        std::size_t n = LongueurUtf8(reste, c);
        if (n == 0) c = 0xFFFD, n = 1;
        reste.remove_prefix(n);
        r += c;
    }
    return r;
}

bool Espace(char32_t c) {
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
           c == 0x3000;
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

std::u32string DecompositionCompatible(std::u32string_view texte) {
    std::u32string r;
    for (const char32_t c : texte) Decomposer(c, r);
    Ordonner(r);
    return r;
}

std::string CleNomEleve(std::string_view nom) {
    std::u32string plie;
    for (const char32_t c : DecompositionCompatible(Points(nom))) Plier(c, plie);
    std::string r;
    bool espace = false;
    for (const char32_t c : DecompositionCompatible(plie)) {
        if (Espace(c)) {
            espace = true;
            continue;
        }
        if (espace && !r.empty()) r += ' ';
        espace = false;
        Utf8(r, Latine(c));
    }
    return r;
}

bool AlphabetsMeles(std::string_view nom) {
    int vu = 0;
    for (const char32_t c : Points(nom)) {
        const int e = Valeur(kEcritures, c);
        if (e == 0) continue;
        if (vu != 0 && e != vu) return true;
        vu = e;
    }
    return false;
}

}  // namespace section
