// SPDX-License-Identifier: GPL-3.0-or-later
#include "images.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <cstring>
#include <utility>

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

namespace {

void Utf8(std::string& o, char32_t c) {
    if (c < 0x80) {
        o += static_cast<char>(c);
    } else if (c < 0x800) {
        o += static_cast<char>(0xC0 | c >> 6);
        o += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        o += static_cast<char>(0xE0 | c >> 12);
        o += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        o += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        o += static_cast<char>(0xF0 | c >> 18);
        o += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        o += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        o += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point of a well-formed UTF-8 sequence at `p` and its length, or
// a length of 0.
std::pair<char32_t, std::size_t> Sequence(std::string_view s, std::size_t p) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[p + i]); };
    const unsigned c0 = b(0);
    std::size_t n = 0;
    char32_t c = 0, min = 0;
    if (c0 < 0x80) return {c0, 1};
    if (c0 >= 0xC2 && c0 <= 0xDF) n = 2, c = c0 & 0x1F, min = 0x80;
    else if (c0 >= 0xE0 && c0 <= 0xEF) n = 3, c = c0 & 0x0F, min = 0x800;
    else if (c0 >= 0xF0 && c0 <= 0xF4) n = 4, c = c0 & 0x07, min = 0x10000;
    else return {0, 0};
    if (p + n > s.size()) return {0, 0};
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return {0, 0};
        c = c << 6 | (b(i) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
    return {c, n};
}

}  // namespace

QString CheminDeOctets(std::string_view octets) {
    QString s;
    for (std::size_t p = 0; p < octets.size();) {
        const auto [c, n] = Sequence(octets, p);
        if (n == 0) {
            s += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(octets[p])));
            ++p;
            continue;
        }
        if (c >= 0x10000) {
            s += QChar(QChar::highSurrogate(c));
            s += QChar(QChar::lowSurrogate(c));
        } else {
            s += QChar(static_cast<char16_t>(c));
        }
        p += n;
    }
    return s;
}

std::string OctetsDeChemin(const QString& chemin) {
    std::string o;
    const qsizetype n = chemin.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = chemin[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(chemin[i + 1].unicode())) {
            Utf8(o, QChar::surrogateToUcs4(u, chemin[i + 1].unicode()));
            ++i;
        } else if (u >= 0xDC80 && u <= 0xDCFF) {
            o += static_cast<char>(u - 0xDC00);  // a byte that was not UTF-8
        } else if (QChar::isSurrogate(u)) {
            Utf8(o, 0xFFFD);
        } else {
            Utf8(o, u);
        }
    }
    return o;
}

std::optional<section::Raster> LireBmp(const QString& chemin) {
    section::Raster r;
    if (section::LireFichierBmp(OctetsDeChemin(chemin), r) != section::ErreurFichier::Aucune) return std::nullopt;
    return r;
}

section::ErreurFichier EcrireFichierImage(const section::Raster& r, const QString& chemin, const char* format,
                                          const section::OptionsEcriture& options) {
    if (qstrcmp(format, "PNG") != 0) return section::EcrireFichierSur(OctetsDeChemin(chemin), section::EcrireBmp(r), options);
    QImage img = VersImage(r);
    if (img.isNull()) return section::ErreurFichier::Ecriture;
    // A fixed resolution (96 dpi), so the same picture gives the same bytes
    // whichever process writes it.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    QByteArray octets;
    QBuffer tampon(&octets);
    if (!tampon.open(QIODevice::WriteOnly) || !img.save(&tampon, "PNG")) return section::ErreurFichier::Ecriture;
    return section::EcrireFichierSur(OctetsDeChemin(chemin),
                                     std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())),
                                     options);
}

std::optional<QString> MessageSiLien(const QString& chemin, section::ErreurFichier e) {
    if (e != section::ErreurFichier::LienSymbolique) return std::nullopt;
    return QString::fromStdString(section::MessageLienSymbolique(QDir::toNativeSeparators(chemin).toStdString()));
}

std::optional<QString> MessageSiLien(const QString& chemin, const std::string& raison) {
    if (raison.empty() || raison != section::RaisonErreur(section::ErreurFichier::LienSymbolique)) return std::nullopt;
    return MessageSiLien(chemin, section::ErreurFichier::LienSymbolique);
}

bool EcrireImage(const section::Raster& r, const QString& chemin, const char* format) {
    return EcrireFichierImage(r, chemin, format) == section::ErreurFichier::Aucune;
}

int ChargerTextures(const QString& dossier, section::Textures& t) {
    int fautif = -1;
    if (section::ChargerTextures(OctetsDeChemin(dossier), t, fautif) == section::ErreurFichier::Aucune) return -1;
    return fautif < 0 ? 7 : fautif;
}
