// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "../src/chevauchement.h"
#include "../src/distension.h"

namespace section::reference {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

Couleur Combine(ModeCopie mode, Couleur d, Couleur s) {
    if (mode == ModeCopie::Ou) return d | s;
    if (mode == ModeCopie::Et) return d & s;
    return s;
}

}  // namespace

void CopyRect(Raster& o, Rect d, const Raster& src, Rect s) {
    bool mx = false, my = false;
    if (d.right < d.left) std::swap(d.left, d.right), mx = !mx;
    if (s.right < s.left) std::swap(s.left, s.right), mx = !mx;
    if (d.bottom < d.top) std::swap(d.top, d.bottom), my = !my;
    if (s.bottom < s.top) std::swap(s.top, s.bottom), my = !my;
    const long long dw = d.right - d.left, dh = d.bottom - d.top;
    const long long sw = s.right - s.left, sh = s.bottom - s.top;
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    // The source rectangle as it was, read before anything is written, so
    // that a copy within one raster reads its source unchanged.
    std::vector<Couleur> avant(static_cast<std::size_t>(sw * sh));
    std::vector<Formation> formations(static_cast<std::size_t>(sw * sh));
    for (int j = 0; j < sh; ++j)
        for (int i = 0; i < sw; ++i) {
            const auto k = static_cast<std::size_t>(j * sw + i);
            avant[k] = src.Pixels(s.left + i, s.top + j);
            formations[k] = src.FormationDe(s.left + i, s.top + j);
        }
    const bool plan = o.FormationsActives(), suit = src.FormationsActives();
    for (int y = std::max(d.top, 0); y < std::min(d.bottom, o.height()); ++y) {
        const long long j = my ? d.bottom - 1 - y : y - d.top;
        const long long sj = j * sh / dh;
        for (int x = std::max(d.left, 0); x < std::min(d.right, o.width()); ++x) {
            const long long i = mx ? d.right - 1 - x : x - d.left;
            const long long si = i * sw / dw;
            const long long sx = s.left + si, sy = s.top + sj;
            if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height()) continue;
            const auto k = static_cast<std::size_t>(sj * sw + si);
            Couleur& p = o.row(y)[x];
            p = Combine(o.CopyMode, p, avant[k]);
            if (!plan) continue;
            Formation& f = o.ligneFormations(y)[x];
            if (suit) f = formations[k];
            else if (o.CopyMode == ModeCopie::Copie) f = o.FormationCourante;
            else if (o.CopyMode == ModeCopie::Ou && avant[k] != kNoir) f = o.FormationCourante;
        }
    }
}

void FillRect(Raster& o, Rect r) {
    const Couleur c = o.BrushColor | kOpaque;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, o.height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, o.width()); ++x) {
            o.row(y)[x] = c;
            if (o.FormationsActives())
                o.ligneFormations(y)[x] = c == kBleu ? kSansFormation : o.FormationCourante;
        }
}

void Polyline(Raster& o, Point a, Point b) {
    Raster trace(o.width(), o.height(), kBlanc);
    trace.PenColor = kNoir;
    trace.Polyline(a, b);
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x) {
            if (trace.Pixels(x, y) != kNoir) continue;
            o.row(y)[x] = o.PenColor | kOpaque;
            if (o.FormationsActives()) o.ligneFormations(y)[x] = o.FormationCourante;
        }
}

namespace {

// Column x of Observe as sky (true) or not, row by row from the top; every
// row is "not sky" in a column outside the raster.
std::vector<bool> Ciel(const Raster& o, int x) {
    std::vector<bool> ciel(static_cast<std::size_t>(std::max(o.height(), 0)));
    for (std::size_t y = 0; y < ciel.size(); ++y) ciel[y] = o.Pixels(x, static_cast<int>(y)) == kBleu;
    return ciel;
}

// The first row at or below `depuis` whose sky state is `etat`, or the
// column's height when there is none.
int Premiere(const std::vector<bool>& ciel, int depuis, bool etat) {
    const auto debut = ciel.begin() + std::min<std::ptrdiff_t>(depuis, std::ssize(ciel));
    return static_cast<int>(std::find(debut, ciel.end(), etat) - ciel.begin());
}

}  // namespace

// The row the surface walk reaches in each column from 1 on: column 1's
// first rock row (or H), then from the row p reached in the column before:
// in sky, the first rock row at or below p (or H); in rock (or at H), the
// lowest sky row above p, or row 0 when no row from 1 up to p is sky. The
// extent is the lowest and the highest rows of that walk, plus one.
void MesureSurface(Section& s) {
    const Raster& o = s.Observe;
    std::vector<int> chemin{Premiere(Ciel(o, 1), 0, false)};
    for (int x = 2; x < o.width(); ++x) {
        const std::vector<bool> ciel = Ciel(o, x);
        const int p = chemin.back();
        if (p < std::ssize(ciel) && ciel[static_cast<std::size_t>(p)]) {
            chemin.push_back(Premiere(ciel, p, false));
            continue;
        }
        int haut = 0;
        for (int y = 1; y < p && y < std::ssize(ciel); ++y)
            if (ciel[static_cast<std::size_t>(y)]) haut = y;
        chemin.push_back(haut);
    }
    // Rows count downwards: the smallest is the highest.
    const auto [plusHaute, plusBasse] = std::minmax_element(chemin.begin(), chemin.end());
    s.SurfaceBas = *plusBasse + 1;
    s.SurfaceHaut = *plusHaute + 1;
}

// From the top: the first rock row (r1 is one below it), then the first sky
// row after it (r2), then the first rock row after that (r3); H where a
// search finds nothing.
Colonne ScruteColonne(const Section& s, int x) {
    const std::vector<bool> ciel = Ciel(s.Observe, x);
    const int surface = Premiere(ciel, 0, false);
    const int trou = Premiere(ciel, surface, true);
    return {surface + 1, trou, Premiere(ciel, trou, false)};
}

int HautSocle(const Section& s) {
    const Raster& o = s.Observe;
    int result = o.height();
    for (int x = 1; x < o.width(); ++x) {
        int y = 0;
        while (o.Pixels(x, y) != kRouge && y < o.height()) ++y;
        result = std::min(result, y);
    }
    return result;
}

void AfficheProfil(Section& s) {
    const int w = s.Visu.width(), h = s.Visu.height();
    CopyRect(s.Visu, {0, 0, w, h}, s.Observe, {0, 0, w, h});
}

void Sedimenter(Section& s) {
    Raster& o = s.Observe;
    const int w = o.width();
    if (s.SurfacePlane()) {
        const Raster& c2 = s.tex.ImSedim2;
        CopyRect(o, {0, s.SurfaceBas - c2.height(), w, s.SurfaceBas}, c2,
                 {0, 0, c2.width(), c2.height()});
        return;
    }
    const Raster& t3 = s.tex.ImSedim3;
    const int niveau = s.SurfaceHaut - 10;
    for (int x = 0; x < w; ++x) {
        Colonne c = reference::ScruteColonne(s, x);
        const int t = c.r1 - 1;
        if (s.SurfaceBas - t3.height() < c.r1 && t > niveau)
            CopyRect(o, {x, niveau, x + 1, t}, t3, {x, 0, x + 1, t - niveau});
        // A pass that leaves the hole as it was ends the column.
        for (int passes = 0; c.r2 != c.r3 && passes <= o.height(); ++passes) {
            CopyRect(o, {x, c.r2, x + 1, c.r3}, t3, {x, c.r2, x + 1, c.r3});
            const Colonne suite = reference::ScruteColonne(s, x);
            if (suite.r2 == c.r2 && suite.r3 == c.r3) break;
            c = suite;
        }
    }
    reference::Polyline(o, {0, niveau}, {w, niveau});
}

void Eroder(Section& s) {
    int a = s.SurfaceBas;
    if (s.SurfacePlane()) a += 33;
    s.Observe.BrushColor = kBleu;
    reference::FillRect(s.Observe, {0, 0, s.W(), a});
    reference::Polyline(s.Observe, {0, a - 1}, {s.W(), a - 1});
}

namespace {

// The mask by OR, then the picture by AND, both cut to the rows that both
// hold and padded below with the transparent pair (mask black, picture
// white).
void Superposer(Raster& o, Rect dst, const Raster& masque, const Raster& image, int lignes) {
    if (lignes > 0 && !masque.empty() && !image.empty()) {
        const int p = std::min({lignes, masque.height(), image.height()});
        Raster m(masque.width(), lignes, kNoir), i(image.width(), lignes, kBlanc);
        CopyRect(m, {0, 0, m.width(), p}, masque, {0, 0, m.width(), p});
        CopyRect(i, {0, 0, i.width(), p}, image, {0, 0, i.width(), p});
        o.CopyMode = ModeCopie::Ou;
        CopyRect(o, dst, m, {0, 0, m.width(), lignes});
        o.CopyMode = ModeCopie::Et;
        CopyRect(o, dst, i, {0, 0, i.width(), lignes});
    }
    o.CopyMode = ModeCopie::Copie;
}

}  // namespace

void PlacerPluton(Section& s) {
    Raster& o = s.Observe;
    const Raster& g = s.tex.ImGranit;
    const int a = std::min(g.height(), o.height() - s.SurfaceHaut - 15);
    if (a <= 0) {
        o.CopyMode = ModeCopie::Copie;
        return;
    }
    const int w = o.width(), h = o.height();
    Superposer(o, {w - g.width() - 100, h - a - 5, w - 100, h}, s.tex.ImGranit0, g, a);
}

void PlacerCoulee(Section& s) {
    Raster& o = s.Observe;
    const Raster& c = s.tex.ImCoulee;
    const int w = o.width(), h = o.height();
    Superposer(o, {w - c.width(), s.SurfaceHaut - 33, w, h}, s.tex.ImCoulee0, c,
               h - s.SurfaceHaut + 33);
}

int DecalagePli(const Section& s, int x) {
    if (s.W() <= 0) return 20;
    long double a = static_cast<long double>(x) / static_cast<long double>(s.W());
    a = a * (6.0L * static_cast<long double>(s.FacteurPli) * kPi);
    return static_cast<int>(std::nearbyint((std::sin(a) + 1.0L) * 20.0L));
}

void Plisser(Section& s) {
    s.FacteurPliPrec = s.FacteurPli;
    const int h = s.H();
    if (h - 1 > 40) {
        for (int x = 0; x < s.W(); ++x) {
            const int d = reference::DecalagePli(s, x);
            CopyRect(s.Observe, {x, 40, x + 1, h - 1}, s.Observe, {x, 40 - d, x + 1, h - 1 - d});
        }
    }
    if (s.FacteurPli + 0.75 < 2.0) s.FacteurPli += 0.75;
}

namespace {

int PremiereRoche(const Raster& o, int x) {
    int y = 0;
    while (o.Pixels(x, y) == kBleu && y < o.height()) ++y;
    return y;
}

}  // namespace

void Chevaucher(Section& sec) {
    Raster& o = sec.Observe;
    const int w = o.width(), h = o.height();
    const GeometrieChevauchement g = MesureChevauchement(sec);
    // Each column from x0 on moves s columns to the left, read as it stands
    // when its turn comes (left to right): a column of the leading edge (the
    // first s + 1) sends its rows above the ramp down onto the surface of
    // the column it lands on; a column further right slides up the ramp, its
    // rows from h down to the ramp landing from row 0.
    for (int x = g.x0; x < w; ++x) {
        const int arrivee = x - g.s;
        const bool front = x <= g.x0 + g.s;
        const int depart = front ? 0 : g.h;
        const int hauteur = g.Rampe(x) - depart;
        const int fond = front ? PremiereRoche(o, arrivee) : hauteur;
        CopyRect(o, {arrivee, fond - hauteur, arrivee + 1, fond}, o, {x, depart, x + 1, depart + hauteur});
    }
    reference::Polyline(o, {g.xA, h}, {g.xL, g.yL});
    o.BrushColor = kRouge;
    reference::FillRect(o, {0, h - Rejet, w, h});
}

void Distendre(Section& s) {
    Raster& o = s.Observe;
    const int w = o.width(), h = o.height();
    const GeometrieDistension g = MesureDistension(h);
    const int d = g.d, kk = g.kk;
    o.BrushColor = kBleu;
    if (h >= Rejet) {
        for (int y = h; y >= Rejet; --y) {
            const int r = y - 1;
            const int k = g.Decalage(h - y);
            CopyRect(o, {0, r, 200 - k - d, r + 1}, o, {d, r, 200 - k, r + 1});
            CopyRect(o, {330 + k + d, r, w, r + 1}, o, {330 + k, r, w - d, r + 1});
            reference::FillRect(o, {200 - k - d, r, 200 - k, r + 1});
            reference::FillRect(o, {331 + k, r, 331 + k + d, r + 1});
        }
    }
    if (kk >= d) {
        for (int x = 199 - kk; x <= 199 - d; ++x) {
            const int m = g.Hauteur(200 - x);
            CopyRect(o, {x, Rejet, x + 1, h - m - 1 + Rejet}, o, {x, 0, x + 1, h - m - 1});
        }
    }
    if (h > Rejet) CopyRect(o, {200 - d, Rejet, 330 + d, h}, o, {200 - d, 0, 330 + d, h - Rejet});
    if (331 + kk >= 330 + d) {
        for (int x = 330 + d; x <= 331 + kk; ++x) {
            const int m = g.Hauteur(x - 330);
            CopyRect(o, {x, Rejet, x + 1, h - m - 1 + Rejet}, o, {x, 0, x + 1, h - m - 1});
        }
    }
    reference::Polyline(o, g.P1, FinTraceGauche(o, g));
    reference::Polyline(o, g.P2, FinTraceDroite(o, g));
}

void RejouerTag(Section& s, int tag) {
    if (tag >= 1 && tag <= 4) reference::MesureSurface(s);
    switch (tag) {
    case 1: reference::Sedimenter(s); break;
    case 2: reference::PlacerCoulee(s); break;
    case 3: reference::Eroder(s); break;
    case 4: reference::PlacerPluton(s); break;
    case 5: reference::Plisser(s); break;
    case 6:
        reference::Plisser(s);
        reference::Chevaucher(s);
        break;
    case 7: reference::Distendre(s); break;
    default: break;
    }
}

}  // namespace section::reference
