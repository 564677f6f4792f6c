#include "contrat.h"

#include <QFile>
#include <QProcess>

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
