// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessin/images.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <cstring>
#include <utility>

#include "section/encodage.h"

namespace dessin {

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

QString CheminDeOctets(std::string_view octets) {
    QString s;
    for (std::size_t p = 0; p < octets.size();) {
        char32_t c = 0;
        const std::size_t n = section::SequenceUtf8(octets, p, c);
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
            section::AjouterUtf8(o, QChar::surrogateToUcs4(u, chemin[i + 1].unicode()));
            ++i;
        } else if (u >= 0xDC80 && u <= 0xDCFF) {
            o += static_cast<char>(u - 0xDC00);  // a byte that was not UTF-8
        } else if (QChar::isSurrogate(u)) {
            section::AjouterUtf8(o, 0xFFFD);
        } else {
            section::AjouterUtf8(o, u);
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

}  // namespace dessin
