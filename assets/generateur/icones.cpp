#include "icones.h"

#include <algorithm>
#include <cmath>

namespace donnees {

namespace {

struct Rvba {
    double r = 0, v = 0, b = 0, a = 0;  // colour 0..255, opacity 0..1
};

constexpr Rvba kCouleursStrates[] = {
    {226, 182, 96, 1}, {150, 164, 96, 1}, {112, 134, 168, 1}, {196, 104, 72, 1}, {236, 214, 156, 1},
};

// The emblem at a point (u, v) of the unit square, v growing downwards:
// a rounded tile with a dark rim, sky above, and five strata folded into an
// anticline whose crest, in the middle, reaches up into the sky.
Rvba Embleme(double u, double v) {
    // Rounded square: signed distance to its edge, negative inside.
    const double demi = 0.47, rayon = 0.2;
    const double qx = std::abs(u - 0.5) - (demi - rayon), qy = std::abs(v - 0.5) - (demi - rayon);
    const double ext = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    const double distance = ext + std::min(std::max(qx, qy), 0.0) - rayon;
    if (distance > 0) return {};
    if (distance > -0.05) return {62, 50, 44, 1};

    const double pli = 0.2 * std::exp(-std::pow((u - 0.5) / 0.24, 2.0));
    const double sol = 0.36 - pli;
    if (v < sol) {  // sky, paler towards the horizon
        const double k = std::clamp(v / 0.36, 0.0, 1.0);
        return {196 + 40 * k, 222 + 24 * k, 240 + 8 * k, 1};
    }
    // Deeper beds are folded a little less, as in a real anticline.
    const double aplati = v + pli * (1.0 - 0.35 * (v - sol));
    const double rang = (aplati - 0.36) / 0.13;
    const double reste = rang - std::floor(rang);
    if (reste < 0.12) return {70, 58, 48, 1};
    const auto n = static_cast<std::size_t>(std::max(0.0, std::floor(rang)));
    return kCouleursStrates[n % std::size(kCouleursStrates)];
}

// Averages n x n samples per pixel: smooth edges at every size.
template <typename F>
void Peindre(QImage& image, int x0, int y0, int taille, F&& echantillon) {
    const int n = 6;
    for (int y = 0; y < taille; ++y) {
        for (int x = 0; x < taille; ++x) {
            Rvba somme;
            for (int j = 0; j < n; ++j) {
                for (int i = 0; i < n; ++i) {
                    const Rvba c =
                        echantillon((x + (i + 0.5) / n) / taille, (y + (j + 0.5) / n) / taille);
                    somme.r += c.r * c.a;
                    somme.v += c.v * c.a;
                    somme.b += c.b * c.a;
                    somme.a += c.a;
                }
            }
            if (somme.a <= 0) continue;
            const auto canal = [&](double s) {
                return std::clamp(static_cast<int>(std::lround(s / somme.a)), 0, 255);
            };
            const int alpha =
                std::clamp(static_cast<int>(std::lround(255.0 * somme.a / (n * n))), 0, 255);
            image.setPixel(x0 + x, y0 + y,
                           qRgba(canal(somme.r), canal(somme.v), canal(somme.b), alpha));
        }
    }
}

// Capital letters of 5 x 7 cells, for the name on the logo.
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

// Writes `texte` with cells of `echelle` pixels; each pair of cell rows
// takes the colour of a stratum, so the letters are bedded like the icon.
void Ecrire(QImage& image, int x0, int y0, const char* texte, int echelle) {
    const QRgb ombre = qRgba(60, 48, 40, 150);
    constexpr QRgb kBandes[] = {qRgb(190, 136, 48), qRgb(112, 128, 58), qRgb(76, 98, 138),
                                qRgb(164, 76, 48)};
    for (int passe = 0; passe < 2; ++passe) {
        for (int k = 0; texte[k] != 0; ++k) {
            const char* g = Glyphe(texte[k]);
            for (int cy = 0; cy < 7; ++cy) {
                for (int cx = 0; cx < 5; ++cx) {
                    if (g[cy * 5 + cx] != '#') continue;
                    const QRgb c = passe == 0 ? ombre : kBandes[cy / 2];
                    const int decalage = passe == 0 ? 1 : 0;
                    for (int j = 0; j < echelle; ++j)
                        for (int i = 0; i <= echelle; ++i)  // one column more: bolder strokes
                            image.setPixel(x0 + decalage + (k * 6 + cx) * echelle + i,
                                           y0 + decalage + cy * echelle + j, c);
                }
            }
        }
    }
}

}  // namespace

QImage Icone(int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    Peindre(image, 0, 0, taille, Embleme);
    return image;
}

//  +--------+  S T R A T A
//  | emblem |
//  +--------+    L O O M
QImage Logo() {
    QImage image(LargeurLogo, HauteurLogo, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    Peindre(image, 2, 2, 55, Embleme);
    const int echelle = 3, avance = 6 * echelle;  // 5 cells and a gap
    const int largeurHaut = 6 * avance - echelle, largeurBas = 4 * avance - echelle;
    Ecrire(image, 62, 6, "STRATA", echelle);
    Ecrire(image, 62 + (largeurHaut - largeurBas) / 2, 32, "LOOM", echelle);
    return image;
}

std::vector<Image> FabriquerIcones() {
    std::vector<Image> images;
    for (int t : kTaillesIcone)
        images.push_back({QStringLiteral("strataloom-%1.png").arg(t), Icone(t)});
    images.push_back({QStringLiteral("logo.png"), Logo()});
    return images;
}

}  // namespace donnees
