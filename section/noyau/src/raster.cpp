// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace section {

namespace {

Couleur Combine(ModeCopie mode, Couleur d, Couleur s) {
    switch (mode) {
    case ModeCopie::Ou: return d | s;
    case ModeCopie::Et: return d & s;
    case ModeCopie::Copie: break;
    }
    return s;
}

bool Intersect(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The source index of each destination index debut .. fin - 1 along one
// axis of a scaled copy from the ordered destination dDebut .. dFin onto a
// source of `longueur` from sDebut: index i (0-based within the
// destination) samples floor(i * longueur / (dFin - dDebut)); a mirrored
// axis runs it backwards.
std::vector<int> Echantillons(int debut, int fin, int dDebut, int dFin, int sDebut, int longueur, bool miroir) {
    std::vector<int> v(static_cast<std::size_t>(fin - debut));
    const long long d = dFin - dDebut;
    for (int x = debut; x < fin; ++x) {
        const long long i = miroir ? (dFin - 1 - x) : (x - dDebut);
        v[static_cast<std::size_t>(x - debut)] = sDebut + static_cast<int>(i * longueur / d);
    }
    return v;
}

}  // namespace

Raster::Raster(int width, int height, Couleur fond) { Reset(width, height, fond); }

Raster::Raster(int width, int height, std::vector<Couleur> pixels)
    : w_(std::max(width, 0)), h_(std::max(height, 0)), px_(std::move(pixels)) {
    px_.resize(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), kBlanc);
    for (Couleur& c : px_) c |= kOpaque;
}

void Raster::Reset(int width, int height, Couleur fond) {
    w_ = std::max(width, 0);
    h_ = std::max(height, 0);
    px_.assign(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), fond | kOpaque);
    if (formations_) fm_.assign(px_.size(), kSansFormation);
    ResetDrawingState();
}

void Raster::ActiverFormations() {
    if (formations_) return;
    formations_ = true;
    fm_.assign(px_.size(), kSansFormation);
}

void Raster::RetirerFormations() {
    formations_ = false;
    std::vector<Formation>().swap(fm_);
}

void Raster::ResetDrawingState() {
    CopyMode = ModeCopie::Copie;
    BrushColor = kBlanc;
    PenColor = kNoir;
}

void Raster::ReplacePicture(const Raster& src) {
    if (&src != this) {
        w_ = src.w_;
        h_ = src.h_;
        px_ = src.px_;
        formations_ = src.formations_;
        if (formations_) fm_ = src.fm_;
        else std::vector<Formation>().swap(fm_);
    }
    ResetDrawingState();
}

void Raster::FillRect(Rect r) {
    const int l = std::max(r.left, 0), t = std::max(r.top, 0);
    const int rt = std::min(r.right, w_), b = std::min(r.bottom, h_);
    if (rt <= l || b <= t) return;
    const Couleur c = BrushColor | kOpaque;
    for (int y = t; y < b; ++y) std::fill(row(y) + l, row(y) + rt, c);
    if (formations_) {
        const Formation f = c == kBleu ? kSansFormation : FormationCourante;
        for (int y = t; y < b; ++y) std::fill(ligneFormations(y) + l, ligneFormations(y) + rt, f);
    }
}

void Raster::Polyline(Point a, Point b) {
    const Couleur c = PenColor | kOpaque;
    if (a.y == b.y) {  // horizontal: the common case, painted as a span
        if (a.y < 0 || a.y >= h_ || a.x == b.x) return;
        // From a towards b, b excluded.
        int l = a.x < b.x ? a.x : b.x + 1;
        int r = a.x < b.x ? b.x : a.x + 1;
        l = std::max(l, 0);
        r = std::min(r, w_);
        if (l < r) std::fill(row(a.y) + l, row(a.y) + r, c);
        if (l < r && formations_)
            std::fill(ligneFormations(a.y) + l, ligneFormations(a.y) + r, FormationCourante);
        return;
    }
    // 8-connected Bresenham; where the ideal line passes exactly between two
    // pixels, the error test below takes the step in both axes together.
    int x = a.x, y = a.y;
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    while (x != b.x || y != b.y) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) {
            row(y)[x] = c;
            if (formations_) ligneFormations(y)[x] = FormationCourante;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Raster::CopyRect(Rect d, const Raster& src, Rect s) {
    bool mx = false, my = false;
    if (d.right < d.left) std::swap(d.left, d.right), mx = !mx;
    if (s.right < s.left) std::swap(s.left, s.right), mx = !mx;
    if (d.bottom < d.top) std::swap(d.top, d.bottom), my = !my;
    if (s.bottom < s.top) std::swap(s.top, s.bottom), my = !my;
    const int dw = d.right - d.left, dh = d.bottom - d.top;
    const int sw = s.right - s.left, sh = s.bottom - s.top;
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;

    // Destination pixels inside this raster.
    const int cl = std::max(d.left, 0), ct = std::max(d.top, 0);
    const int cr = std::min(d.right, w_), cb = std::min(d.bottom, h_);
    if (cr <= cl || cb <= ct) return;

    // The plane first: it reads the source's plane, or the colours of a
    // source without one, which is then another raster; the colour copy
    // below reads neither.
    if (formations_) CopierFormations(d, src, s, mx, my);

    const ModeCopie mode = CopyMode;

    if (!mx && !my && dw == sw && dh == sh) {
        // A translation. Pixels whose source lies outside `src` are left as
        // they were. Overlap within one raster is handled by running rows and
        // columns away from the direction of the move, so every source pixel
        // is read before it is overwritten.
        const int ox = s.left - d.left, oy = s.top - d.top;
        const int l = std::max(cl, -ox), r = std::min(cr, src.w_ - ox);
        const int t = std::max(ct, -oy), b = std::min(cb, src.h_ - oy);
        if (r <= l || b <= t) return;
        const bool down = oy < 0;  // destination below source: bottom row first
        for (int k = 0; k < b - t; ++k) {
            const int y = down ? b - 1 - k : t + k;
            Couleur* dst = row(y) + l;
            const Couleur* from = src.row(y + oy) + l + ox;
            const int n = r - l;
            if (mode == ModeCopie::Copie) {
                if (n == 1) *dst = *from;
                else std::memmove(dst, from, static_cast<std::size_t>(n) * sizeof(Couleur));
            } else if (ox < 0) {
                for (int i = n - 1; i >= 0; --i) dst[i] = Combine(mode, dst[i], from[i]);
            } else {
                for (int i = 0; i < n; ++i) dst[i] = Combine(mode, dst[i], from[i]);
            }
        }
        return;
    }

    // General case: per-axis nearest-neighbour sampling, with mirroring.
    const std::vector<int> colSrc = Echantillons(cl, cr, d.left, d.right, s.left, sw, mx);
    const std::vector<int> rowSrc = Echantillons(ct, cb, d.top, d.bottom, s.top, sh, my);

    // Within one raster, read the overlapping source as it was: copy the
    // part of it that lies inside the raster aside first.
    const Raster* from = &src;
    Raster aside;
    int offX = 0, offY = 0;
    if (&src == this && Intersect(Rect{cl, ct, cr, cb}, s)) {
        const int al = std::max(s.left, 0), at = std::max(s.top, 0);
        const int ar = std::min(s.right, w_), ab = std::min(s.bottom, h_);
        if (ar <= al || ab <= at) return;
        aside.Reset(ar - al, ab - at);
        for (int y = at; y < ab; ++y)
            std::memcpy(aside.row(y - at), row(y) + al,
                        static_cast<std::size_t>(ar - al) * sizeof(Couleur));
        from = &aside;
        offX = al;
        offY = at;
    }

    for (int y = ct; y < cb; ++y) {
        const int sy = rowSrc[static_cast<std::size_t>(y - ct)] - offY;
        if (sy < 0 || sy >= from->h_) continue;
        const Couleur* srow = from->row(sy);
        Couleur* drow = row(y);
        for (int x = cl; x < cr; ++x) {
            const int sx = colSrc[static_cast<std::size_t>(x - cl)] - offX;
            if (sx < 0 || sx >= from->w_) continue;
            drow[x] = Combine(mode, drow[x], srow[sx]);
        }
    }
}

// The plane's part of CopyRect, on the ordered rectangles: the same
// destination pixels, each from the same source pixel as its colour.
void Raster::CopierFormations(Rect d, const Raster& src, Rect s, bool mx, bool my) {
    const int dw = d.right - d.left, dh = d.bottom - d.top;
    const int sw = s.right - s.left, sh = s.bottom - s.top;
    const int cl = std::max(d.left, 0), ct = std::max(d.top, 0);
    const int cr = std::min(d.right, w_), cb = std::min(d.bottom, h_);
    if (cr <= cl || cb <= ct) return;
    const bool suit = src.formations_;  // the source's formations travel
    const ModeCopie mode = CopyMode;
    if (!suit && mode == ModeCopie::Et) return;
    const Formation f = FormationCourante;
    // Destination pixel p from source pixel q of row `from`.
    const auto ecrire = [&](Formation& p, const Formation* plan, const Couleur* from, int q) {
        if (suit) p = plan[q];
        else if (mode == ModeCopie::Copie || (from[q] & 0x00FFFFFFu) != 0) p = f;
    };

    if (!mx && !my && dw == sw && dh == sh) {
        const int ox = s.left - d.left, oy = s.top - d.top;
        const int l = std::max(cl, -ox), r = std::min(cr, src.w_ - ox);
        const int t = std::max(ct, -oy), b = std::min(cb, src.h_ - oy);
        if (r <= l || b <= t) return;
        const bool down = oy < 0;
        const int n = r - l;
        for (int k = 0; k < b - t; ++k) {
            const int y = down ? b - 1 - k : t + k;
            Formation* dst = ligneFormations(y) + l;
            if (suit) {
                std::memmove(dst, src.ligneFormations(y + oy) + l + ox,
                             static_cast<std::size_t>(n) * sizeof(Formation));
            } else if (mode == ModeCopie::Copie) {
                std::fill(dst, dst + n, f);
            } else {
                const Couleur* from = src.row(y + oy) + l + ox;
                for (int i = 0; i < n; ++i) ecrire(dst[i], nullptr, from, i);
            }
        }
        return;
    }

    const std::vector<int> colSrc = Echantillons(cl, cr, d.left, d.right, s.left, sw, mx);
    const std::vector<int> rowSrc = Echantillons(ct, cb, d.top, d.bottom, s.top, sh, my);

    // The source read as it was, as the colours are: the part of the plane
    // that lies inside this raster is copied aside first.
    int fw = src.w_, fh = src.h_, offX = 0, offY = 0;
    std::vector<Formation> aside;
    const Formation* plan = suit ? src.fm_.data() : nullptr;
    if (&src == this && Intersect(Rect{cl, ct, cr, cb}, s)) {
        const int al = std::max(s.left, 0), at = std::max(s.top, 0);
        const int ar = std::min(s.right, w_), ab = std::min(s.bottom, h_);
        if (ar <= al || ab <= at) return;
        fw = ar - al;
        fh = ab - at;
        aside.resize(static_cast<std::size_t>(fw) * static_cast<std::size_t>(fh));
        for (int y = at; y < ab; ++y)
            std::memcpy(aside.data() + static_cast<std::size_t>(y - at) * static_cast<std::size_t>(fw),
                        ligneFormations(y) + al, static_cast<std::size_t>(fw) * sizeof(Formation));
        plan = aside.data();
        offX = al;
        offY = at;
    }

    for (int y = ct; y < cb; ++y) {
        const int sy = rowSrc[static_cast<std::size_t>(y - ct)] - offY;
        if (sy < 0 || sy >= fh) continue;
        const std::size_t debut = static_cast<std::size_t>(sy) * static_cast<std::size_t>(fw);
        const Formation* ligne = suit ? plan + debut : nullptr;
        const Couleur* from = suit ? nullptr : src.row(sy);
        Formation* drow = ligneFormations(y);
        for (int x = cl; x < cr; ++x) {
            const int sx = colSrc[static_cast<std::size_t>(x - cl)] - offX;
            if (sx < 0 || sx >= fw) continue;
            ecrire(drow[x], ligne, from, sx);
        }
    }
}

}  // namespace section
