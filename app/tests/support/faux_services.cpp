// SPDX-License-Identifier: GPL-3.0-or-later
#include "faux_services.h"

#include <QApplication>
#include <QDir>

std::optional<QString> FauxFichiers::Suivante() {
    if (reponses.empty()) {
        ++sansReponse;
        return std::nullopt;
    }
    std::optional<QString> r = reponses.front();
    reponses.pop_front();
    return r;
}

std::optional<QString> FauxFichiers::Ouvrir(const DemandeFichier& d) {
    ouvertures.push_back(d);
    return Suivante();
}

std::optional<QString> FauxFichiers::Enregistrer(const DemandeFichier& d) {
    enregistrements.push_back(d);
    return Suivante();
}

std::optional<QString> FauxFichiers::ChoisirDossier(const DemandeFichier& d) {
    dossiers.push_back(d);
    return Suivante();
}

void FauxMessages::Noter(Genre g, const QString& t) {
    messages.push_back({g, t, QApplication::overrideCursor() != nullptr});
}

int FauxMessages::Nombre(Genre g, const QString& texte) const {
    int n = 0;
    for (const Message& m : messages)
        if (m.genre == g && m.texte == texte) ++n;
    return n;
}

QImage TextureUnie(int largeur, int hauteur, QRgb couleur) {
    QImage img(largeur, hauteur, QImage::Format_RGB32);
    img.fill(couleur);
    return img;
}

namespace {

// A pair of overlay pictures: a disc, white in the mask and coloured in the
// picture; black mask and white picture around it.
QImage Corps(int largeur, int hauteur, bool masque, QRgb couleur) {
    QImage img(largeur, hauteur, QImage::Format_RGB32);
    const int cx = largeur / 2, cy = hauteur / 2;
    const long long r2 = static_cast<long long>(std::min(cx, cy)) * std::min(cx, cy);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const long long d2 = static_cast<long long>(x - cx) * (x - cx) +
                                 static_cast<long long>(y - cy) * (y - cy);
            const bool dedans = d2 <= r2;
            img.setPixel(x, y, masque ? (dedans ? 0xFFFFFFFFu : 0xFF000000u)
                                      : (dedans ? couleur : 0xFFFFFFFFu));
        }
    return img;
}

}  // namespace

QString CreerDossierAppli(const QString& racine, TaillesTextures t) {
    QDir d(racine);
    d.mkpath(QStringLiteral("Base"));
    d.mkpath(QStringLiteral("Evenements"));
    d.mkpath(QStringLiteral("Modeles"));
    const QString base = d.filePath(QStringLiteral("Base")) + QLatin1Char('/');
    // Bands of two colours, so that folds and faults move visible pixels.
    QImage c1(t.largeur, t.hautCouche1, QImage::Format_RGB32);
    for (int y = 0; y < c1.height(); ++y)
        for (int x = 0; x < c1.width(); ++x)
            c1.setPixel(x, y, (y / 20) % 2 ? qRgb(200, 160, 90) : qRgb(120, 90, 60));
    c1.save(base + QStringLiteral("Couche1.bmp"), "BMP");
    TextureUnie(t.largeur, 40, qRgb(230, 200, 120)).save(base + QStringLiteral("Couche2.bmp"), "BMP");
    TextureUnie(t.largeur, t.hauteur, qRgb(180, 180, 160))
        .save(base + QStringLiteral("Couche3.bmp"), "BMP");
    const int gw = t.largeur / 4, gh = t.hauteur * 320 / 600;
    Corps(gw, gh, false, qRgb(240, 120, 170)).save(base + QStringLiteral("Granit.bmp"), "BMP");
    Corps(gw, gh, true, 0).save(base + QStringLiteral("Granit0.bmp"), "BMP");
    Corps(t.largeur / 3, 60, false, qRgb(60, 60, 60)).save(base + QStringLiteral("Coulee.bmp"), "BMP");
    Corps(t.largeur / 3, 60, true, 0).save(base + QStringLiteral("Coulee0.bmp"), "BMP");
    return d.filePath(QStringLiteral("strataloom"));
}
