// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrat.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <vector>

namespace donnees::test {

QString DossierDonnees() { return QStringLiteral(STRATALOOM_DATA_DIR); }
QString DossierIcones() { return QStringLiteral(STRATALOOM_ICONS_DIR); }
QString Generateur() { return QStringLiteral(STRATALOOM_GENERATEUR); }

QByteArray Lire(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QImage LireBmp(const QString& chemin) {
    QImage image(chemin, "BMP");
    if (image.isNull()) return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

testing::AssertionResult SansBleuNiRouge(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xffffffu;
            if (c == 0x0000ffu) return testing::AssertionFailure() << "blue at " << x << "," << y;
            if (c == 0xff0000u) return testing::AssertionFailure() << "red at " << x << "," << y;
        }
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult CoupleValide(const QImage& image, const QImage& masque) {
    if (image.size() != masque.size())
        return testing::AssertionFailure() << "picture " << image.width() << "x" << image.height()
                                           << ", mask " << masque.width() << "x" << masque.height();
    int corps = 0, autour = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb m = masque.pixel(x, y) & 0xffffffu, p = image.pixel(x, y) & 0xffffffu;
            if (m != 0 && m != 0xffffffu)
                return testing::AssertionFailure()
                       << "mask neither black nor white at " << x << "," << y;
            if ((m == 0) != (p == 0xffffffu))
                return testing::AssertionFailure() << (m == 0 ? "mask black over a coloured picture"
                                                              : "mask white over a white picture")
                                                   << " at " << x << "," << y;
            (m == 0 ? autour : corps) += 1;
        }
    }
    if (corps == 0 || autour == 0)
        return testing::AssertionFailure()
               << "body pixels " << corps << ", transparent pixels " << autour;
    return testing::AssertionSuccess();
}

double Clarte(const QImage& image, int premiere, int derniere) {
    double somme = 0;
    int n = 0;
    for (int y = premiere; y <= derniere; ++y) {
        for (int x = 0; x < image.width(); ++x, ++n) {
            const QRgb c = image.pixel(x, y);
            somme += (qRed(c) + qGreen(c) + qBlue(c)) / 3.0;
        }
    }
    return n > 0 ? somme / n : 0.0;
}

int Largeur(const QImage& masque, int y) {
    int n = 0;
    for (int x = 0; x < masque.width(); ++x) n += (masque.pixel(x, y) & 0xffffffu) == 0xffffffu;
    return n;
}

std::pair<int, int> Etendue(const QImage& masque, int y) {
    int gauche = -1, droite = -1;
    for (int x = 0; x < masque.width(); ++x) {
        if ((masque.pixel(x, y) & 0xffffffu) != 0xffffffu) continue;
        if (gauche < 0) gauche = x;
        droite = x;
    }
    return {gauche, droite};
}

Motif MotifDe(const QImage& image, QRect zone, const QImage* masque) {
    zone = zone.intersected(image.rect());
    const int w = zone.width(), h = zone.height();
    const auto dedans = [&](int x, int y) {  // picture coordinates
        if (!masque) return zone.contains(x, y);
        for (int d = -3; d <= 3; ++d)
            for (const auto& [vx, vy] : {std::pair{x + d, y}, {x, y + d}})
                if (!zone.contains(vx, vy) || (masque->pixel(vx, vy) & 0xffffffu) != 0xffffffu)
                    return false;
        return true;
    };
    std::vector<int> gris;
    std::vector<signed char> etat(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), -1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (dedans(zone.left() + x, zone.top() + y))
                gris.push_back(qGray(image.pixel(zone.left() + x, zone.top() + y)));
    Motif m;
    if (gris.empty()) return m;
    std::vector<int> tri = gris;
    std::nth_element(tri.begin(), tri.begin() + static_cast<long>(tri.size() / 2), tri.end());
    const int fond = tri[tri.size() / 2];
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int px = zone.left() + x, py = zone.top() + y;
            if (!dedans(px, py)) continue;
            etat[static_cast<std::size_t>(y * w + x)] = std::abs(qGray(image.pixel(px, py)) - fond) >= 24;
        }
    const auto marque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && etat[static_cast<std::size_t>(y * w + x)] == 1;
    };
    int encre = 0, droite = 0, dessous = 0, marques = 0;
    std::vector<char> vu(etat.size(), 0);
    std::vector<int> pile;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!marque(x, y)) continue;
            ++encre;
            droite += marque(x + 1, y);
            dessous += marque(x, y + 1);
            if (vu[static_cast<std::size_t>(y * w + x)]) continue;
            ++marques;  // a new mark: flood it
            vu[static_cast<std::size_t>(y * w + x)] = 1;
            pile.assign(1, y * w + x);
            while (!pile.empty()) {
                const int i = pile.back();
                pile.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int vx = i % w + dx, vy = i / w + dy;
                        if (!marque(vx, vy) || vu[static_cast<std::size_t>(vy * w + vx)]) continue;
                        vu[static_cast<std::size_t>(vy * w + vx)] = 1;
                        pile.push_back(vy * w + vx);
                    }
            }
        }
    m.encre = static_cast<double>(encre) / static_cast<double>(gris.size());
    if (encre > 0) {
        m.taille = static_cast<double>(encre) / marques;
        m.horizontal = static_cast<double>(droite) / encre;
        m.vertical = static_cast<double>(dessous) / encre;
    }
    return m;
}

testing::AssertionResult MotifsDifferents(const Motif& a, const Motif& b) {
    const auto rapport = [](double u, double v) {
        return std::max(u, v) / std::max(std::min(u, v), 1e-9);
    };
    if (rapport(a.encre, b.encre) >= 1.5 || rapport(a.taille, b.taille) >= 1.5 ||
        std::abs(a.horizontal - b.horizontal) >= 0.15 || std::abs(a.vertical - b.vertical) >= 0.15)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "patterns alike: " << a << " and " << b;
}

std::ostream& operator<<(std::ostream& os, const Motif& m) {
    return os << "{marks " << m.encre << " of the pixels, " << m.taille << " pixels each, sideways "
              << m.horizontal << ", downwards " << m.vertical << "}";
}

int Lancer(const QStringList& arguments, QByteArray* sortie) {
    QProcess p;
    p.start(Generateur(), arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return -1;
    if (sortie) *sortie = p.readAllStandardOutput() + p.readAllStandardError();
    return p.exitCode();
}

std::uint32_t Mot32(const QByteArray& a, int position) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<std::uint8_t>(a.at(position + k));
    return v;
}

std::uint16_t Mot16(const QByteArray& a, int position) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(a.at(position)) |
                                      (static_cast<std::uint8_t>(a.at(position + 1)) << 8));
}

}  // namespace donnees::test
