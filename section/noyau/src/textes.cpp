// SPDX-License-Identifier: GPL-3.0-or-later
// The translator of the engine's texts and the filling of templates.
#include "section/textes.h"

#include <atomic>

#include "section/noms.h"

namespace section {

namespace {

// Read at every call, possibly from another thread than the one that
// installs it.
std::atomic<Traducteur> traducteur_{nullptr};

}  // namespace

void DefinirTraducteur(Traducteur traducteur) { traducteur_.store(traducteur); }

std::string Texte(const char* contexte, const char* francais) {
    if (const Traducteur t = traducteur_.load()) return t(contexte, francais);
    return francais;
}

std::string Remplir(std::string_view modele, std::initializer_list<std::string_view> valeurs) {
    std::string r;
    r.reserve(modele.size());
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const char c = modele[i];
        if (c == '%' && i + 1 < modele.size() && modele[i + 1] >= '1' && modele[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(modele[i + 1] - '1');
            if (n < valeurs.size()) {
                r += valeurs.begin()[n];
                ++i;
                continue;
            }
        }
        r += c;
    }
    return r;
}

std::size_t LongueurUtf8(std::string_view t, char32_t& point) {
    if (t.empty()) return 0;
    const auto o = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    const unsigned char c = o(0);
    if (c < 0x80) {
        point = c;
        return 1;
    }
    std::size_t n = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) n = 2, point = c & 0x1Fu, min = 0x80;
    else if (c >= 0xE0 && c <= 0xEF) n = 3, point = c & 0x0Fu, min = 0x800;
    else if (c >= 0xF0 && c <= 0xF4) n = 4, point = c & 0x07u, min = 0x10000;
    else return 0;
    if (t.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((o(i) & 0xC0u) != 0x80u) return 0;
        point = (point << 6) | (o(i) & 0x3Fu);
    }
    if (point < min || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
    return n;
}

namespace {

void Hexa(std::string& r, const char* prefixe, unsigned v, int chiffres) {
    static constexpr char kChiffres[] = "0123456789abcdef";
    r += prefixe;
    for (int i = chiffres - 1; i >= 0; --i) r += kChiffres[(v >> (4 * i)) & 0xFu];
}

}  // namespace

std::string AutresLignesIgnorees(std::size_t n) {
    if (n == 1) return Texte("Listes", "… et 1 autre ligne ignorée");
    //: %1 is a number of lines, more than one.
    return Remplir(Texte("Listes", "… et %1 autres lignes ignorées"), {std::to_string(n)});
}

std::string SansControles(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    while (!texte.empty()) {
        char32_t point = 0;
        const std::size_t n = LongueurUtf8(texte, point);
        if (n == 0) {
            Hexa(r, "\\x", static_cast<unsigned char>(texte.front()), 2);
            texte.remove_prefix(1);
            continue;
        }
        // Format characters (a right-to-left override, a zero-width space,
        // a byte order mark) and line separators would hide or reorder
        // what follows: "\u202E", "\U000E0001".
        if (point < 0x20 || point == 0x7F) Hexa(r, "\\x", point, 2);
        else if ((point >= 0x80 && point <= 0x9F) || (point <= 0xFFFF && CaractereDeFormat(point)))
            Hexa(r, "\\u", point, 4);
        else if (CaractereDeFormat(point)) Hexa(r, "\\U", point, 8);
        else r.append(texte.substr(0, n));
        texte.remove_prefix(n);
    }
    return r;
}

}  // namespace section
