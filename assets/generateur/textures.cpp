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
constexpr QRgb kTrait = qRgb(58, 52, 44);  // bed boundaries

constexpr QRgb kArgile = qRgb(178, 182, 150), kArgileTiret = qRgb(104, 110, 84);
constexpr QRgb kCalcaireGris = qRgb(186, 192, 198), kCalcaireGrisJoint = qRgb(120, 128, 138);
constexpr QRgb kGresBrun = qRgb(202, 168, 122), kGresBrunPoint = qRgb(126, 94, 62);

constexpr QRgb kSable = qRgb(236, 214, 160), kSablePoint = qRgb(156, 122, 72);
constexpr QRgb kSableBord = qRgb(78, 62, 40);

constexpr QRgb kCalcaire = qRgb(228, 216, 180), kCalcaireJoint = qRgb(160, 146, 112);

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

// The base layer fills the section from row 380 down, so the starting
// surface lies inside the 480-row view; a section of fewer than 600 rows
// gets a base layer of 220/600 of its height.
QSize TailleCouche1(TailleSection t) {
    return {t.largeur, std::max(t.hauteur - 380, t.hauteur * 220 / 600)};
}
QSize TailleCouche2(TailleSection t) { return {t.largeur, HauteurCouche}; }
QSize TailleCouche3(TailleSection t) { return {t.largeur, t.hauteur}; }
QSize TailleGranit(TailleSection t) { return {t.largeur / 4, t.hauteur * 320 / 600}; }
// 150 columns for a 640-column section, of which the leftmost 50 lie in the
// view; 40 rows more than the section, so the flow fits above any surface.
QSize TailleCoulee(TailleSection t) {
    return {std::max(60, t.largeur * 150 / 640), t.hauteur + 40};
}

//  row 0      ========================  dark top: the starting surface
//             - - -  clay  - - -  - -
//  b1         ========================
//             |__|__|  limestone  |__|
//  b2         ========================
//             .  .  sandstone  .  .  .
QImage Couche1(TailleSection t) {
    const QSize taille = TailleCouche1(t);
    const int h = taille.height();
    const int b1 = h * 60 / 220, b2 = h * 130 / 220;
    return Remplir(taille, [&](int x, int y) {
        if (y == 0 || y == b1 || y == b2) return kTrait;
        if (y < b1) return Tirets(x, y, 6, 14, 8) ? kArgileTiret : kArgile;
        if (y < b2) return Briques(x, y - b1, 9, 26) ? kCalcaireGrisJoint : kCalcaireGris;
        return Points(x, y - b2, 6, 5, 2) ? kGresBrunPoint : kGresBrun;
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

// Bedded limestone. Sedimentation on an uneven surface hangs this texture
// from its top row down into the hollows, so its courses come out level
// across the section, resting on the folded or faulted beds below.
QImage Couche3(TailleSection t) {
    return Remplir(TailleCouche3(t),
                   [](int x, int y) { return Briques(x, y, 10, 30) ? kCalcaireJoint : kCalcaire; });
}

//          __
//        /    \        dome: half an ellipse over the top 35 % of the rows,
//       |      |       then walls widening slightly down to the bottom
//      /        \      edge, where the body is rooted
bool DansGranit(int x, int y, QSize taille) {
    const int w = taille.width(), h = taille.height();
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const double xc = x + 0.5, yc = y + 0.5;
    const double rayon = 0.42 * w, rayonBas = 0.46 * w, dome = 0.35 * h;
    double demi = 0;
    if (yc < dome) {
        const double u = (dome - yc) / dome;
        demi = rayon * std::sqrt(1.0 - u * u);
    } else {
        demi = rayon + (rayonBas - rayon) * (yc - dome) / (h - dome);
    }
    demi *= 1.0 + 0.015 * std::sin(yc / 7.0);  // a slightly irregular contact
    return std::abs(xc - 0.5 * w) <= demi;
}

//   row 0            /\                cone over the vent, hidden in the
//          ____----~~  ~~-.            section's last 100 columns; the flow
//        /(  flow  v v v   \           runs to the left, its front in the
//   33  ====================[]=====    50 visible columns, on the ground
//                           []  feeder  row 33, the feeder going down to the
//                           []          bottom edge
bool DansCoulee(int x, int y, QSize taille) {
    const int w = taille.width(), h = taille.height();
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const double xc = x + 0.5, yc = y + 0.5;
    const double event = w - 30.0, front = 4.0, museau = 10.0;
    if (y <= LigneSol) {
        double sommet = 3.0 + 0.55 * std::abs(xc - event);  // the cone
        if (xc >= front && xc < event) {
            const double epaisseur =
                xc < front + museau ? 18.0 * std::sqrt((xc - front) / museau)
                                    : 18.0 + 8.0 * (xc - front - museau) / (event - front - museau);
            sommet = std::min(sommet, LigneSol + 1.0 - epaisseur);
        }
        return yc >= sommet;
    }
    const double axe = event + 2.0 * std::sin(yc / 37.0);
    double demi = 6.0;
    if (yc < LigneSol + 12.0) demi += 0.5 * (LigneSol + 12.0 - yc);  // funnel
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
