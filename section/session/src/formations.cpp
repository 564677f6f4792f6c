// SPDX-License-Identifier: GPL-3.0-or-later
// Counts, letters and label places of the formations of a block of the
// plane. Each function reads the block a few times in memory order; a
// 540 x 480 view takes a millisecond or two.
#include "section/formations.h"

#include <algorithm>
#include <limits>
#include <map>
#include <random>

namespace section {

namespace {

bool Roche(Formation f) { return f >= 0; }

}  // namespace

PlanFormations BlocFormations(const Raster& r, int largeur, int hauteur) {
    PlanFormations p;
    if (!r.FormationsActives()) return p;
    p.largeur = std::clamp(largeur, 0, r.width());
    p.hauteur = std::clamp(hauteur, 0, r.height());
    p.pas = r.width();
    p.plan = p.largeur > 0 && p.hauteur > 0 ? r.formations() : nullptr;
    return p;
}

PlanFormations FormationsDeLaVue(const Section& s) {
    return BlocFormations(s.Observe, s.W() - MargeCachee, HauteurVue);
}

namespace {

// Calls vu(f, x, y, n) for each run of n pixels of one formation f that is
// rock, starting at (x, y), row by row: one call a run, not a pixel.
template <typename F>
void ParPlages(const PlanFormations& p, F&& vu) {
    if (p.empty()) return;
    for (int y = 0; y < p.hauteur; ++y) {
        const Formation* ligne = p.plan + y * p.pas;
        int x = 0;
        while (x < p.largeur) {
            const Formation f = ligne[x];
            int fin = x + 1;
            while (fin < p.largeur && ligne[fin] == f) ++fin;
            if (Roche(f)) vu(f, x, y, fin - x);
            x = fin;
        }
    }
}

}  // namespace

std::vector<Effectif> CompterFormations(const PlanFormations& p) {
    std::map<Formation, int> n;
    ParPlages(p, [&](Formation f, int, int, int longueur) { n[f] += longueur; });
    std::vector<Effectif> e;
    e.reserve(n.size());
    for (const auto& [f, pixels] : n) e.push_back({f, pixels});
    return e;
}

std::string NomDeLettre(int rang) {
    // Bijective base 26, as spreadsheet columns: rank 26 is AA.
    std::string s;
    for (long long n = static_cast<long long>(std::max(rang, 0)) + 1; n > 0; n = (n - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (n - 1) % 26));
    return s;
}

// The first pixel met in the column-by-column reading is the one with the
// smallest x * hauteur + y; on each run of one formation along a row, its
// first pixel.
std::vector<Formation> OrdreDeLecture(const PlanFormations& p) {
    std::map<Formation, long long> premier;
    ParPlages(p, [&](Formation f, int x, int y, int) {
        const long long cle = static_cast<long long>(x) * p.hauteur + y;
        auto [it, neuf] = premier.emplace(f, cle);
        if (!neuf && cle < it->second) it->second = cle;
    });
    std::vector<std::pair<long long, Formation>> ordre;
    ordre.reserve(premier.size());
    for (const auto& [f, cle] : premier) ordre.emplace_back(cle, f);
    std::sort(ordre.begin(), ordre.end());
    std::vector<Formation> o;
    o.reserve(ordre.size());
    for (const auto& [cle, f] : ordre) o.push_back(f);
    return o;
}

std::vector<int> PermutationLettres(std::size_t n, std::uint32_t graine) {
    std::vector<int> p(n);
    for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<int>(i);
    std::mt19937 g(graine);
    for (std::size_t i = n; i > 1; --i) {
        // A draw in [0, i) by rejection: no bias, and no library-specific
        // distribution.
        const std::uint32_t borne = static_cast<std::uint32_t>(i);
        const std::uint32_t limite = 0xFFFFFFFFu - 0xFFFFFFFFu % borne;
        std::uint32_t t = static_cast<std::uint32_t>(g());
        while (t >= limite) t = static_cast<std::uint32_t>(g());
        std::swap(p[i - 1], p[t % borne]);
    }
    return p;
}

std::vector<Lettre> LettresFormations(const PlanFormations& p, std::uint32_t graine) {
    const std::vector<Formation> ordre = OrdreDeLecture(p);
    const std::vector<int> rangs = PermutationLettres(ordre.size(), graine);
    std::vector<Lettre> l(ordre.size());
    for (std::size_t i = 0; i < ordre.size(); ++i)
        l[static_cast<std::size_t>(rangs[i])] = {ordre[i], NomDeLettre(rangs[i])};
    return l;
}

namespace {

// Side of the largest square of one formation whose bottom-right pixel is
// (x, y), for every pixel (0 on empty pixels).
std::vector<int> Carres(const PlanFormations& p) {
    const int w = p.largeur, h = p.hauteur;
    std::vector<int> c(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Formation f = p.At(x, y);
            if (!Roche(f)) continue;
            int k = 1;
            if (x > 0 && y > 0 && p.At(x - 1, y) == f && p.At(x, y - 1) == f && p.At(x - 1, y - 1) == f) {
                const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x;
                k = 1 + std::min({c[i - 1], c[i - static_cast<std::size_t>(w)],
                                  c[i - static_cast<std::size_t>(w) - 1]});
            }
            c[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x] = k;
        }
    }
    return c;
}

struct Morceau {
    Formation formation = kSansFormation;
    int pixels = 0;
    long long sommeX = 0, sommeY = 0;
    // The square kept so far: its bottom-right pixel and side, its score.
    int x = -1, y = -1, cote = 0;
    double distance = 0.0;
};

// Pieces numbered in reading order of their first pixel; -1 on empty pixels.
std::vector<int> Morceaux(const PlanFormations& p, std::vector<Morceau>& morceaux) {
    const int w = p.largeur, h = p.hauteur;
    std::vector<int> n(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), -1);
    std::vector<int> pile;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            const std::size_t i0 = static_cast<std::size_t>(y0) * static_cast<std::size_t>(w) + x0;
            const Formation f = p.At(x0, y0);
            if (!Roche(f) || n[i0] >= 0) continue;
            const int numero = static_cast<int>(morceaux.size());
            Morceau m;
            m.formation = f;
            n[i0] = numero;
            pile.assign(1, static_cast<int>(i0));
            while (!pile.empty()) {
                const int i = pile.back();
                pile.pop_back();
                const int x = i % w, y = i / w;
                ++m.pixels;
                m.sommeX += x;
                m.sommeY += y;
                const auto voisin = [&](int vx, int vy) {
                    if (vx < 0 || vy < 0 || vx >= w || vy >= h) return;
                    const int j = vy * w + vx;
                    if (n[static_cast<std::size_t>(j)] >= 0 || p.At(vx, vy) != f) return;
                    n[static_cast<std::size_t>(j)] = numero;
                    pile.push_back(j);
                };
                voisin(x - 1, y);
                voisin(x + 1, y);
                voisin(x, y - 1);
                voisin(x, y + 1);
            }
            morceaux.push_back(m);
        }
    }
    return n;
}

}  // namespace

std::vector<Etiquette> PlacerEtiquettes(const PlanFormations& p, const std::vector<Lettre>& lettres, int cote) {
    std::vector<Etiquette> e;
    if (p.empty() || cote <= 0 || static_cast<long long>(p.largeur) * p.hauteur >
                                      std::numeric_limits<int>::max())
        return e;
    const int w = p.largeur, h = p.hauteur;
    const int plafond = 2 * cote;
    const std::vector<int> carres = Carres(p);
    std::vector<Morceau> morceaux;
    const std::vector<int> numeros = Morceaux(p, morceaux);

    // Squares are compared in doubled coordinates: a square of side k with
    // bottom-right pixel (x, y) has its centre at (2x + 2 - k) / 2, and the
    // centre of mass of pixel centres is (2 * mean + 1) / 2.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x;
            const int k = std::min(carres[i], plafond);
            if (k < cote) continue;
            Morceau& m = morceaux[static_cast<std::size_t>(numeros[i])];
            const double cx = 2.0 * static_cast<double>(m.sommeX) / m.pixels + 1.0;
            const double cy = 2.0 * static_cast<double>(m.sommeY) / m.pixels + 1.0;
            const double dx = (2 * x + 2 - k) - cx, dy = (2 * y + 2 - k) - cy;
            const double d = dx * dx + dy * dy;
            if (k > m.cote || (k == m.cote && d < m.distance)) {
                m.x = x;
                m.y = y;
                m.cote = k;
                m.distance = d;
            }
        }
    }

    std::map<Formation, std::size_t> rang;
    for (std::size_t r = 0; r < lettres.size(); ++r) rang[lettres[r].formation] = r;
    std::vector<std::pair<std::pair<std::size_t, long long>, Etiquette>> tri;
    for (const Morceau& m : morceaux) {
        if (m.cote < cote || !rang.count(m.formation)) continue;
        // The label's square, centred in the square kept.
        const int gauche = m.x - m.cote + 1 + (m.cote - cote) / 2;
        const int haut = m.y - m.cote + 1 + (m.cote - cote) / 2;
        const std::size_t r = rang[m.formation];
        Etiquette t{m.formation, lettres[r].lettre, {gauche + cote / 2, haut + cote / 2},
                    {gauche, haut, gauche + cote, haut + cote}, m.pixels};
        tri.push_back({{r, static_cast<long long>(m.y) * w + m.x}, t});
    }
    std::sort(tri.begin(), tri.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    e.reserve(tri.size());
    for (auto& [cle, t] : tri) e.push_back(std::move(t));
    return e;
}

}  // namespace section
