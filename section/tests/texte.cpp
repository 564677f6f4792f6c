// SPDX-License-Identifier: GPL-3.0-or-later
#include "texte.h"

#include <cstring>

namespace section::test {

namespace {
struct Entree {
    char c;
    Couleur col;
};
constexpr Entree kTable[] = {
    {'B', kBleu},           {'R', kRouge},          {'K', kNoir},
    {'W', kBlanc},          {'.', kBlanc},          {'G', Rgb(0, 128, 0)},
    {'Y', Rgb(255, 255, 0)}, {'M', Rgb(255, 0, 255)}, {'C', Rgb(0, 255, 255)},
    {'O', Rgb(255, 128, 0)}, {'S', Rgb(200, 170, 110)},
};
}  // namespace

Couleur CouleurDe(char c) {
    for (const Entree& e : kTable)
        if (e.c == c) return e.col;
    return Rgb(1, 2, 3);
}

char LettreDe(Couleur c) {
    for (const Entree& e : kTable)
        if (e.col == c && e.c != '.') return e.c;
    return '?';
}

Raster DeTexte(std::initializer_list<const char*> lignes) {
    const int h = static_cast<int>(lignes.size());
    const int w = h ? static_cast<int>(std::strlen(*lignes.begin())) : 0;
    std::vector<Couleur> px;
    for (const char* l : lignes)
        for (int x = 0; x < w; ++x) px.push_back(CouleurDe(l[x]));
    return Raster(w, h, std::move(px));
}

std::string EnTexte(const Raster& r) {
    std::string s;
    for (int y = 0; y < r.height(); ++y) {
        if (y) s += '\n';
        for (int x = 0; x < r.width(); ++x) s += LettreDe(r.Pixels(x, y));
    }
    return s;
}

namespace {
Formation FormationDe(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return 10 + (c - 'a');
    return kSansFormation;
}
char LettreDeFormation(Formation f) {
    if (f == kSansFormation) return '.';
    if (f >= 0 && f <= 9) return static_cast<char>('0' + f);
    if (f >= 10 && f <= 35) return static_cast<char>('a' + (f - 10));
    return '?';
}
}  // namespace

void PoserPlan(Raster& r, std::initializer_list<const char*> lignes) {
    r.ActiverFormations();
    int y = 0;
    for (const char* l : lignes) {
        for (int x = 0; x < r.width() && l[x] != 0; ++x) r.ligneFormations(y)[x] = FormationDe(l[x]);
        if (++y >= r.height()) break;
    }
}

std::string PlanEnTexte(const Raster& r) {
    std::string s;
    for (int y = 0; y < r.height(); ++y) {
        if (y) s += '\n';
        for (int x = 0; x < r.width(); ++x) s += LettreDeFormation(r.FormationDe(x, y));
    }
    return s;
}

Raster Coupe(int w, int h, const std::vector<int>& surface, Couleur roche) {
    Raster r(w, h, kBleu);
    for (int x = 0; x < w; ++x) {
        const int t = surface.size() == 1 ? surface[0] : surface[static_cast<std::size_t>(x)];
        for (int y = t < 0 ? 0 : t; y < h; ++y) r.row(y)[x] = roche;
    }
    return r;
}

}  // namespace section::test
