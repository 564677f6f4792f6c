#include "images.h"

#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <cstring>

namespace {

quint32 Le32(const QByteArray& b, int at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<quint8>(b[at + i]);
    return v;
}

quint16 Le16(const QByteArray& b, int at) {
    return static_cast<quint16>(static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8);
}

constexpr qint64 kCoteMax = 16384;               // the reader's own limit per side
constexpr qint64 kOctetsMax = 128LL * 1024 * 1024;  // the reader's allocation limit

// Checks the header against the file: a BMP whose pixel rows are not all in
// the file would load without error, with black rows.
bool EnteteCoherente(const QByteArray& b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
    const qint64 donnees = Le32(b, 10);
    const quint32 tailleEntete = Le32(b, 14);
    qint64 w = 0, h = 0, bpp = 0, compression = 0;
    if (tailleEntete == 12) {
        w = Le16(b, 18);
        h = Le16(b, 20);
        bpp = Le16(b, 24);
    } else if (tailleEntete >= 40 && b.size() >= 34) {
        w = static_cast<qint32>(Le32(b, 18));
        h = static_cast<qint32>(Le32(b, 22));
        bpp = Le16(b, 28);
        compression = Le32(b, 30);
    } else {
        return false;
    }
    if (h < 0) h = -h;
    if (w <= 0 || h <= 0 || w > kCoteMax || h > kCoteMax) return false;
    if (w * h * 4 > kOctetsMax) return false;
    if (donnees > b.size()) return false;
    // 0: uncompressed; 3 and 6: bit fields. RLE data has no fixed size.
    if (compression == 0 || compression == 3 || compression == 6) {
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
        const qint64 ligne = (w * bpp + 31) / 32 * 4;
        if (donnees + ligne * h > b.size()) return false;
    }
    return true;
}

}  // namespace

QImage VersImage(const section::Raster& r) {
    QImage img(r.width(), r.height(), QImage::Format_RGB32);
    if (img.isNull()) return img;
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(img.scanLine(y), r.row(y), static_cast<std::size_t>(r.width()) * 4);
    return img;
}

section::Raster DeImage(const QImage& source) {
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    std::vector<section::Couleur> px(static_cast<std::size_t>(img.width()) *
                                     static_cast<std::size_t>(img.height()));
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(px.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(img.width()),
                    img.constScanLine(y), static_cast<std::size_t>(img.width()) * 4);
    return section::Raster(img.width(), img.height(), std::move(px));
}

std::optional<section::Raster> LireBmp(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    if (f.size() > kOctetsMax + 1024 * 1024) return std::nullopt;
    const QByteArray octets = f.readAll();
    if (!EnteteCoherente(octets)) return std::nullopt;
    QImage img;
    if (!img.loadFromData(octets, "BMP") || img.isNull()) return std::nullopt;
    return DeImage(img);
}

bool EcrireImage(const section::Raster& r, const QString& chemin, const char* format) {
    QImage img = VersImage(r);
    if (img.isNull()) return false;
    // A fixed resolution (96 dpi), so the same picture gives the same bytes
    // whichever process writes it.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (!img.save(&f, format)) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

int ChargerTextures(const QString& dossier, section::Textures& t) {
    for (int i = 0; i < 7; ++i) {
        auto r = LireBmp(dossier + QLatin1Char('/') + QLatin1String(section::kFichiersTextures[i]));
        if (!r) return i;
        section::TextureNumero(t, i) = std::move(*r);
    }
    return -1;
}
