// SPDX-License-Identifier: GPL-3.0-or-later
#include "icones.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace donnees {

namespace {

constexpr std::array<QRgb, 5> kStrates = {qRgb(226, 182, 96), qRgb(150, 164, 96),
                                          qRgb(112, 134, 168), qRgb(196, 104, 72),
                                          qRgb(236, 214, 156)};
constexpr QRgb kJoint = qRgb(70, 58, 48);  // the thin dark top of every bed
constexpr QRgb kBord = qRgb(62, 50, 44);

// In the unit square, v growing downwards. The ground lies at v = 0.36 and
// the beds are 0.13 thick; the fold lifts them by up to 0.2 in the middle,
// the deeper ones a little less:
//
//        sky    __
//      ________/  \________   ground
//      ______/  __  \______   beds
//      ____/  /    \  \____
double Pli(double u) { return 0.2 * std::exp(-std::pow((u - 0.5) / 0.24, 2.0)); }

// Row of the boundary that lies at depth `niveau` before folding.
double Limite(double u, double niveau) {
    const double p = Pli(u);
    return (niveau - p - 0.35 * p * (0.36 - p)) / (1.0 - 0.35 * p);
}

// Everything below the boundary at `niveau`, down past the tile's bottom.
QPainterPath Dessous(double niveau) {
    constexpr int kPas = 48;
    QPainterPath chemin;
    chemin.moveTo(0.0, Limite(0.0, niveau));
    for (int i = 1; i <= kPas; ++i) {
        const double u = static_cast<double>(i) / kPas;
        chemin.lineTo(u, Limite(u, niveau));
    }
    chemin.lineTo(1.0, 1.2);
    chemin.lineTo(0.0, 1.2);
    chemin.closeSubpath();
    return chemin;
}

void PeindreEmbleme(QPainter& p, double taille) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille, taille);
    p.setPen(Qt::NoPen);

    QPainterPath tuile;
    tuile.addRoundedRect(QRectF(0.03, 0.03, 0.94, 0.94), 0.2, 0.2);
    p.fillPath(tuile, QColor(kBord));
    QPainterPath interieur;
    interieur.addRoundedRect(QRectF(0.08, 0.08, 0.84, 0.84), 0.15, 0.15);
    p.setClipPath(interieur);

    QLinearGradient ciel(0.0, 0.0, 0.0, 0.36);
    ciel.setColorAt(0.0, QColor(196, 222, 240));
    ciel.setColorAt(1.0, QColor(236, 246, 248));
    p.fillRect(QRectF(0.0, 0.0, 1.0, 1.0), ciel);

    constexpr double kEpaisseur = 0.13, kJointRelatif = 0.12;
    for (int k = 0; k < 7; ++k) {
        const double niveau = 0.36 + kEpaisseur * k;
        p.fillPath(Dessous(niveau), QColor(kJoint));
        p.fillPath(Dessous(niveau + kJointRelatif * kEpaisseur),
                   QColor(kStrates[static_cast<std::size_t>(k) % kStrates.size()]));
    }
    p.restore();
}

// Capital letters in 5 x 7 cells, row by row.
const char* Glyphe(char c) {
    switch (c) {
        case 'S': return ".###.#...##.....###.....##...#.###.";
        case 'T': return "#####..#....#....#....#....#....#..";
        case 'R': return "####.#...##...#####.#.#..#..#.#...#";
        case 'A': return ".###.#...##...#######...##...##...#";
        case 'L': return "#....#....#....#....#....#....#####";
        case 'O': return ".###.#...##...##...##...##...#.###.";
        case 'M': return "#...###.###.#.##.#.##...##...##...#";
        default: return "...................................";
    }
}

// Writes `texte` in cells of `echelle` pixels (one pixel wider, for bolder
// strokes) over a soft shadow; each pair of cell rows takes the colour of a
// bed, so the letters are bedded like the emblem.
void Ecrire(QPainter& p, int x0, int y0, const char* texte, int echelle) {
    constexpr std::array<QRgb, 4> kBandes = {qRgb(190, 136, 48), qRgb(112, 128, 58),
                                             qRgb(76, 98, 138), qRgb(164, 76, 48)};
    const QColor ombre(60, 48, 40, 150);
    for (int passe = 0; passe < 2; ++passe) {
        // The shadow replaces what lies under it, so overlapping cells do not
        // darken one another.
        p.setCompositionMode(passe == 0 ? QPainter::CompositionMode_Source
                                        : QPainter::CompositionMode_SourceOver);
        const int decalage = passe == 0 ? 1 : 0;
        for (int k = 0; texte[k] != 0; ++k) {
            const char* g = Glyphe(texte[k]);
            for (int cy = 0; cy < 7; ++cy) {
                for (int cx = 0; cx < 5; ++cx) {
                    if (g[cy * 5 + cx] != '#') continue;
                    const QColor c = passe == 0 ? ombre : QColor(kBandes[cy / 2]);
                    p.fillRect(x0 + decalage + (k * 6 + cx) * echelle,
                               y0 + decalage + cy * echelle, echelle + 1, echelle, c);
                }
            }
        }
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace

QImage Icone(int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PeindreEmbleme(p, taille);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

//  +--------+  S T R A T A
//  | emblem |
//  +--------+    L O O M
QImage Logo() {
    QImage image(LargeurLogo, HauteurLogo, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.drawImage(2, 2, Icone(55));
    const int echelle = 3, avance = 6 * echelle;  // 5 cells and a gap
    const int largeurHaut = 6 * avance - echelle, largeurBas = 4 * avance - echelle;
    Ecrire(p, 62, 6, "STRATA", echelle);
    Ecrire(p, 62 + (largeurHaut - largeurBas) / 2, 32, "LOOM", echelle);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::vector<Image> FabriquerIcones() {
    std::vector<Image> images;
    for (int t : kTaillesIcone)
        images.push_back({QStringLiteral("strataloom-%1.png").arg(t), Icone(t)});
    images.push_back({QStringLiteral("logo.png"), Logo()});
    return images;
}

}  // namespace donnees
