// SPDX-License-Identifier: GPL-3.0-or-later
// The section reset's raster work, the surface probes and the display copy.
#include <cmath>

#include "section/section.h"

namespace section {

int ArrondiEntier(long double v) { return static_cast<int>(std::nearbyint(v)); }
// Towards zero. On x86 the plain conversion switches the x87 rounding mode
// twice, which some processors (and virtual machines) make very slow; with
// SSE3 the same conversion is one instruction (fisttp) that leaves the mode
// alone. Same result either way.
#if defined(__GNUC__) && !defined(__clang__) && (defined(__x86_64__) || defined(__i386__))
__attribute__((target_clones("sse3", "default")))
#endif
int Tronque(long double v) {
    return static_cast<int>(v);
}

Raster& TextureNumero(Textures& t, int i) {
    Raster* all[7] = {&t.ImSedim1, &t.ImSedim2, &t.ImSedim3, &t.ImGranit,
                      &t.ImGranit0, &t.ImCoulee, &t.ImCoulee0};
    return *all[i];
}

const Raster& TextureNumero(const Textures& t, int i) {
    return TextureNumero(const_cast<Textures&>(t), i);
}

void InitSection(Section& s) {
    const Raster& c1 = s.tex.ImSedim1;
    const int w = c1.width();
    const int h = s.tex.ImSedim3.height();
    s.Observe.Reset(w, h);
    s.Visu.Reset(w - MargeCachee, HauteurVue);
    s.Observe.BrushColor = kBleu;
    s.Observe.PenColor = kNoir;
    s.Observe.FillRect({0, 0, w, h});
    // Base layer on the bottom edge, unscaled: the formation of the list's
    // first line.
    s.Observe.FormationCourante = 0;
    s.Observe.CopyRect({0, h - c1.height(), w, h}, c1, {0, 0, w, c1.height()});
    s.FacteurPli = 1.0;
}

// Walks column 1 down to its surface, then follows the surface from column
// to column, down through sky or up through rock, keeping the lowest and the
// highest rows reached. Column 0 is never examined.
void MesureSurface(Section& s) {
    const Raster& o = s.Observe;
    const int w = o.width(), h = o.height();
    int i = 0;
    while (o.Pixels(1, i) == kBleu && i < h) ++i;
    int low = i, high = i;
    for (int x = 2; x < w; ++x) {
        if (o.Pixels(x, i) == kBleu) {
            while (o.Pixels(x, i) == kBleu && i < h) ++i;
            if (i > low) low = i;
        } else {
            while (o.Pixels(x, i) != kBleu && i > 0) --i;
            if (i < high) high = i;
        }
    }
    s.SurfaceBas = low + 1;
    s.SurfaceHaut = high + 1;
}

// r1: one below the surface row; r2: top of the first hole below it (or H);
// r3: first rock below that hole (or H).
Colonne ScruteColonne(const Section& s, int x) {
    const Raster& o = s.Observe;
    const int h = o.height();
    int b = 0;
    while (o.Pixels(x, b) == kBleu && b < h) ++b;
    Colonne c{};
    c.r1 = b + 1;
    while (o.Pixels(x, b) != kBleu && b < h) ++b;
    c.r2 = b;
    while (o.Pixels(x, b) == kBleu && b < h) ++b;
    c.r3 = b;
    return c;
}

// The topmost red row over columns 1 .. W - 1, or H. That is the smallest of
// the columns' first red rows, so the raster is read row by row from the
// top, in memory order, and the first row holding red in those columns ends
// the search.
int HautSocle(const Section& s) {
    const Raster& o = s.Observe;
    const int w = o.width(), h = o.height();
    if (w < 2) return h;
    for (int y = 0; y < h; ++y) {
        const Couleur* p = o.row(y);
        unsigned rouge = 0;
        for (int x = 1; x < w; ++x) rouge |= p[x] == kRouge ? 1u : 0u;
        if (rouge != 0) return y;
    }
    return h;
}

void AfficheProfil(Section& s) {
    const int w = s.Visu.width(), h = s.Visu.height();
    s.Visu.CopyRect({0, 0, w, h}, s.Observe, {0, 0, w, h});
}

}  // namespace section
