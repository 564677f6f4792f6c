// SPDX-License-Identifier: GPL-3.0-or-later
// Plutonism and volcanism: a ready-drawn body laid over the section through
// its mask (OR) and its picture (AND), so that the body's own pixels replace
// the section and everything around it stays as it was.
#include <algorithm>

#include "section/section.h"

namespace section {

namespace {

// The two copies of Superposer in one pass, for a mask and a picture of one
// width, the width of D, that both hold the `lignes` rows: the destination
// pixel samples the same source pixel in both copies (columns one to one,
// rows scaled by nearest neighbour as CopyRect does: source row
// floor(j * lignes / height of D)), so it becomes (pixel OR mask) AND
// picture at once. D is not reversed.
void SuperposerEnUnPassage(Raster& o, Rect dst, const Raster& masque, const Raster& image,
                           int lignes) {
    const int dh = dst.bottom - dst.top;
    const int cl = std::max(dst.left, 0), cr = std::min(dst.right, o.width());
    const int ct = std::max(dst.top, 0), cb = std::min(dst.bottom, o.height());
    for (int y = ct; y < cb && cl < cr; ++y) {
        const auto sy = static_cast<int>(static_cast<long long>(y - dst.top) * lignes / dh);
        const Couleur* m = masque.row(sy);
        const Couleur* im = image.row(sy);
        Couleur* d = o.row(y);
        // Source column x - D.left for destination column x.
        const int l = dst.left;
        for (int x = cl; x < cr; ++x) d[x] = (d[x] | m[x - l]) & im[x - l];
    }
    // The plane as the two copies write it: the current formation where the
    // mask is not black (OR), nothing more (AND).
    if (!o.FormationsActives()) return;
    const Formation f = o.FormationCourante;
    for (int y = ct; y < cb && cl < cr; ++y) {
        const auto sy = static_cast<int>(static_cast<long long>(y - dst.top) * lignes / dh);
        const Couleur* m = masque.row(sy);
        Formation* p = o.ligneFormations(y);
        const int l = dst.left;
        for (int x = cl; x < cr; ++x)
            if ((m[x - l] & 0x00FFFFFFu) != 0) p[x] = f;
    }
}

// Lays the top `lignes` rows of a mask and its picture over D:
//   pixel := (section OR mask) AND picture
// Mask black and picture white around the body leave the section unchanged;
// mask white and picture coloured inside it give the picture's colour.
//
// Both sources are read with the same rows (0 .. lignes - 1), so a
// destination row samples the same row number of each. Where that row lies
// beyond the end of the mask or of the picture, the pair counts as "body
// absent" there (mask black, picture white) and the destination row keeps
// what it held; a mask or picture without pixels leaves the whole section
// unchanged. Every copy stays within its source. Leaves CopyMode plain.
void Superposer(Raster& o, Rect dst, const Raster& masque, const Raster& image, int lignes) {
    if (lignes > 0 && !masque.empty() && !image.empty()) {
        const int mw = masque.width(), iw = image.width();
        const int presentes = std::min({lignes, masque.height(), image.height()});
        if (presentes == lignes && mw == iw && dst.right - dst.left == iw && dst.bottom > dst.top) {
            SuperposerEnUnPassage(o, dst, masque, image, lignes);
        } else if (presentes == lignes) {
            o.CopyMode = ModeCopie::Ou;
            o.CopyRect(dst, masque, {0, 0, mw, lignes});
            o.CopyMode = ModeCopie::Et;
            o.CopyRect(dst, image, {0, 0, iw, lignes});
        } else {
            // The missing rows are padded with the transparent pair; the
            // sampling of the rows that exist is the same as without padding.
            Raster m(mw, lignes, kNoir), i(iw, lignes, kBlanc);
            m.CopyRect({0, 0, mw, presentes}, masque, {0, 0, mw, presentes});
            i.CopyRect({0, 0, iw, presentes}, image, {0, 0, iw, presentes});
            o.CopyMode = ModeCopie::Ou;
            o.CopyRect(dst, m, {0, 0, mw, lignes});
            o.CopyMode = ModeCopie::Et;
            o.CopyRect(dst, i, {0, 0, iw, lignes});
        }
    }
    o.CopyMode = ModeCopie::Copie;
}

}  // namespace

// The pluton rises from the bottom edge, its right side on the right edge of
// the view (100 columns in from the section's right edge). Its top a picture
// rows, a = min(gh, H - SurfaceHaut - 15), are stretched over a + 5 rows,
// so the top never rises above SurfaceHaut + 10:
//
//          SurfaceHaut  ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~
//          H - a - 5                   +-------+
//                                      | gw    |  a + 5 rows
//          H                   --------+-------+----| 100 |
//
// Draws nothing when there is no room (a <= 0).
void PlacerPluton(Section& s) {
    Raster& o = s.Observe;
    const Raster& image = s.tex.ImGranit;
    const int w = o.width(), h = o.height();
    const int gw = image.width(), gh = image.height();
    const int a = std::min(gh, h - s.SurfaceHaut - 15);
    if (a <= 0) {
        o.CopyMode = ModeCopie::Copie;
        return;
    }
    const Rect dst{w - gw - MargeCachee, h - a - 5, w - MargeCachee, h};
    Superposer(o, dst, s.tex.ImGranit0, image, a);
}

// The lava flow fills the rightmost cw columns from 33 rows above the surface
// down to the bottom edge, at the picture's own scale: picture row 33 lies on
// row SurfaceHaut. With SurfaceHaut < 33 the rows that would fall above row 0
// are clipped and the others keep their one-to-one placement.
void PlacerCoulee(Section& s) {
    Raster& o = s.Observe;
    const Raster& image = s.tex.ImCoulee;
    const int w = o.width(), h = o.height();
    const int cw = image.width();
    const int n = h - s.SurfaceHaut + 33;
    const Rect dst{w - cw, s.SurfaceHaut - 33, w, h};
    Superposer(o, dst, s.tex.ImCoulee0, image, n);
}

}  // namespace section
