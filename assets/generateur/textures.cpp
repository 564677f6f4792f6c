// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures.h"

#include "motifs.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace donnees {

namespace {

constexpr QRgb kBlanc = 0xffffffff;
constexpr QRgb kNoirMasque = 0xff000000;

// Palette: soft, slightly greyed tones. None is pure white, blue or red.
// In grey, every rock of the set has its own pattern (the size, density and
// direction of its marks), so a boundary shows without the colours.
constexpr QRgb kTrait = qRgb(58, 52, 44);  // bed boundaries

constexpr QRgb kCalcaire = qRgb(204, 208, 212), kCalcaireJoint = qRgb(112, 120, 132);
constexpr QRgb kArgile = qRgb(172, 180, 148), kArgileTiret = qRgb(88, 96, 72);
constexpr QRgb kPoudingue = qRgb(188, 152, 120), kGalet = qRgb(222, 200, 168);
constexpr QRgb kGaletBord = qRgb(96, 70, 50);

constexpr QRgb kSable = qRgb(236, 214, 160), kSablePoint = qRgb(156, 122, 72);
constexpr QRgb kSableBord = qRgb(78, 62, 40);

constexpr QRgb kCraie = qRgb(240, 236, 222), kSilex = qRgb(84, 84, 92);

constexpr QRgb kGranit = qRgb(218, 184, 178), kGranitCroix = qRgb(150, 96, 104);
constexpr QRgb kGranitBord = qRgb(112, 76, 84);

constexpr QRgb kLave = qRgb(132, 56, 36), kLaveVe = qRgb(214, 114, 54);
constexpr QRgb kLaveCroute = qRgb(72, 36, 28);

QImage Remplir(QSize taille, const std::function<QRgb(int, int)>& couleur) {
    QImage image(taille, QImage::Format_RGB32);
    for (int y = 0; y < taille.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < taille.width(); ++x) ligne[x] = couleur(x, y);
    }
    return image;
}

// A body pixel lies on the body's edge when one of the pixels beside it, or
// above it when `dessus`, up to `epaisseur` away, is outside the body (the
// picture's top edge counts as outside).
using Forme = bool (*)(int, int, QSize);
bool AuBord(Forme forme, int x, int y, QSize taille, int epaisseur, bool dessus) {
    for (int d = 1; d <= epaisseur; ++d) {
        if (!forme(x - d, y, taille) || !forme(x + d, y, taille)) return true;
        if (dessus && !forme(x, y - d, taille)) return true;
    }
    return false;
}

// Picture or mask of an overlay pair from its body shape and body colours.
QImage Couple(QSize taille, Forme forme, bool masque, const std::function<QRgb(int, int)>& corps) {
    return Remplir(taille, [&](int x, int y) {
        const bool dedans = forme(x, y, taille);
        if (masque) return dedans ? kBlanc : kNoirMasque;
        return dedans ? corps(x, y) : kBlanc;
    });
}

}  // namespace

bool TailleValide(TailleSection t) {
    return t.largeur >= LargeurMin && t.largeur <= LargeurMax && t.hauteur >= HauteurMin &&
           t.hauteur <= HauteurMax;
}

// The base layer fills the section from row 264 down, so that it fills
// 45 % of the 480-row view at the start and its surface leaves room for
// every event; a section of fewer than 600 rows gets a base layer of
// 336/600 of its height.
QSize TailleCouche1(TailleSection t) {
    return {t.largeur, std::max(t.hauteur - SurfaceDepart, t.hauteur * 336 / 600)};
}
QSize TailleCouche2(TailleSection t) { return {t.largeur, HauteurCouche}; }
QSize TailleCouche3(TailleSection t) { return {t.largeur, t.hauteur}; }
QSize TailleGranit(TailleSection t) { return {t.largeur / 4, t.hauteur * 320 / 600}; }
// 420 columns for a 640-column section, of which the leftmost 320 lie in
// the view; 40 rows more than the section, so the flow fits above any
// surface.
QSize TailleCoulee(TailleSection t) {
    return {std::max(60, t.largeur * 420 / 640), t.hauteur + 40};
}

BandesCouche1 Bandes(TailleSection t) {
    const int h = TailleCouche1(t).height();
    return {h * 70 / 336, h * 140 / 336};
}

// The starting series, 336 rows in a 600-row section, of which the top 216
// show in the view; each contact is a dark row:
//  row 0      ========================  the starting surface
//             |__|__|  limestone  |__|    rows 1 .. 69
//  b1         ========================
//             - - -  clay   - - -  - -    rows 71 .. 139
//  b2         ========================
//             (o) ( ) conglomerate (o)    rows 141 .. down to the bottom
QImage Couche1(TailleSection t) {
    const BandesCouche1 b = Bandes(t);
    return Remplir(TailleCouche1(t), [&](int x, int y) {
        if (y == 0 || y == b.calcaire || y == b.argile) return kTrait;
        if (y < b.calcaire) return Briques(x, y, 9, 26) ? kCalcaireJoint : kCalcaire;
        if (y < b.argile) return Tirets(x, y - b.calcaire, 6, 14, 8) ? kArgileTiret : kArgile;
        switch (Galets(x, y - b.argile, 18, 12)) {
        case 1: return kGaletBord;
        case 2: return kGalet;
        default: return kPoudingue;
        }
    });
}

// A sandstone bed, coarse at its base and fine at its top (graded bedding).
// Both its top row and its bottom row are dark: a flat-surface sedimentation
// lays the bottom row on the old surface row, so the boundary line of the
// layer below, or the black line of an erosion, stays visible.
QImage Couche2(TailleSection t) {
    return Remplir(TailleCouche2(t), [](int x, int y) {
        if (y == 0 || y == HauteurCouche - 1) return kSableBord;
        const bool grossier = y >= HauteurCouche / 2;
        const bool point = grossier ? Points(x, y, 7, 6, 2) : Points(x, y, 5, 4, 1);
        return point ? kSablePoint : kSable;
    });
}

// Chalk with flint nodules. Sedimentation on an uneven surface hangs this
// texture from its top row down into the hollows, so its rows of flints
// come out level across the section, resting on the folded or faulted beds
// below.
QImage Couche3(TailleSection t) {
    return Remplir(TailleCouche3(t), [](int x, int y) { return Silex(x, y, 12, 22, 9) ? kSilex : kCraie; });
}

//           ___
//         /     \        a dome, half an ellipse over the top 25 % of the
//        (       )       rows, then walls widening down to the bottom edge,
//       (         \      where the body is rooted; both margins wander in
//      /           )     and out by a few pixels (lobes of the intrusion),
//                        each with its own rhythm
bool DansGranit(int x, int y, QSize taille) {
    const int w = taille.width(), h = taille.height();
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const double xc = x + 0.5, yc = y + 0.5;
    const double rayon = 0.38 * w, rayonBas = 0.42 * w, dome = 0.25 * h;
    const double milieu = 0.5 * w;
    double demi = 0;
    if (yc < dome) {
        const double u = (dome - yc) / dome;
        demi = rayon * std::sqrt(1.0 - u * u);
    } else {
        demi = rayon + (rayonBas - rayon) * (yc - dome) / (h - dome);
    }
    // Lobes: full below the dome's shoulder, fading out towards its top.
    const double poids = std::min(1.0, yc / dome);
    const bool gauche = xc < milieu;
    const double lobes =
        gauche ? 0.070 * std::sin(yc / 23.0) + 0.040 * std::sin(yc / 9.7 + 1.0) + 0.015 * std::sin(yc / 3.1)
               : 0.060 * std::sin(yc / 29.0 + 2.0) + 0.045 * std::sin(yc / 11.3) +
                     0.015 * std::sin(yc / 3.7 + 0.5);
    demi *= 1.0 + poids * lobes;
    return std::abs(xc - milieu) <= demi;
}

//   row 0                  /\                a cone over the vent, its
//          .~~~~~~~~~~~~~~/  \~~~~~~~~~~~.    crater at the top; the flow
//        (  flow   v v v        v v v     )   runs both ways along the
//   33  ===================[ ]================ ground, row 33, its left front
//                          [ ]  feeder       in the view, 200 columns from
//                          [ ]               the vent; the feeder goes down
//                                            to the bottom edge
bool DansCoulee(int x, int y, QSize taille) {
    const int w = taille.width(), h = taille.height();
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const double xc = x + 0.5, yc = y + 0.5;
    const double event = w * 250.0 / 420.0, front = w * 50.0 / 420.0, museau = 10.0;
    if (y <= LigneSol) {
        const double ecart = std::abs(xc - event);
        double sommet = 6.0 + 0.5 * ecart;     // the cone
        if (ecart < 4.0) sommet += 4.0 - ecart;  // its crater
        if (xc >= front) {
            // 18 rows thick by the cone, 9 at the front, rounded snout.
            const double loin = std::min(1.0, ecart / (event - front));
            double epaisseur = 18.0 - 9.0 * loin;
            if (xc < front + museau) epaisseur *= std::sqrt((xc - front) / museau);
            sommet = std::min(sommet, LigneSol + 1.0 - epaisseur);
        }
        return yc >= sommet;
    }
    const double axe = event + 2.0 * std::sin(yc / 37.0);
    double demi = 6.5;
    if (yc < LigneSol + 10.0) demi += 0.6 * (LigneSol + 10.0 - yc);  // funnel
    return std::abs(xc - axe) <= demi;
}

QImage Granit(TailleSection t, bool masque) {
    const QSize taille = TailleGranit(t);
    return Couple(taille, DansGranit, masque, [&](int x, int y) {
        if (AuBord(DansGranit, x, y, taille, 2, true)) return kGranitBord;
        return Croix(x, y, 12, 10, 2) ? kGranitCroix : kGranit;
    });
}

QImage Coulee(TailleSection t, bool masque) {
    const QSize taille = TailleCoulee(t);
    return Couple(taille, DansCoulee, masque, [&](int x, int y) {
        if (y == LigneSol && DansCoulee(x, y - 1, taille)) return kLaveCroute;  // chilled base
        if (AuBord(DansCoulee, x, y, taille, 1, y <= LigneSol)) return kLaveCroute;
        return Vees(x, y, 10, 8, 3) ? kLaveVe : kLave;
    });
}

std::vector<Texture> FabriquerTextures(TailleSection t) {
    return {
        {QStringLiteral("Couche1.bmp"), Couche1(t)},
        {QStringLiteral("Couche2.bmp"), Couche2(t)},
        {QStringLiteral("Couche3.bmp"), Couche3(t)},
        {QStringLiteral("Granit.bmp"), Granit(t, false)},
        {QStringLiteral("Granit0.bmp"), Granit(t, true)},
        {QStringLiteral("Coulee.bmp"), Coulee(t, false)},
        {QStringLiteral("Coulee0.bmp"), Coulee(t, true)},
    };
}

}  // namespace donnees
