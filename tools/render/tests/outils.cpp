// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "dessin/images.h"
#include "section/liste.h"

namespace essai {

using section::Raster;
using section::Rgb;

const section::Ligne kSed = "S\xE9" "dimentation";

namespace {

// Colours chosen away from pure blue, pure red and black, which the
// section reads as sky, base band and lines.
Raster Motif(int w, int h, section::Couleur a, section::Couleur b, int periode) {
    Raster r(w, h, a);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x + 2 * y) / periode % 2) r.row(y)[x] = b;
    return r;
}

}  // namespace

bool EcrireTextures(const QString& dossier) {
    Raster granit(120, 100, section::kBlanc), granit0(120, 100, section::kNoir);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) {
            const double dx = (x - 59.5) / 60.0, dy = (y - 100.0) / 100.0;
            if (dx * dx + dy * dy <= 1.0) {
                granit.row(y)[x] = (x / 7 + y / 5) % 3 ? Rgb(230, 150, 160) : Rgb(200, 120, 140);
                granit0.row(y)[x] = section::kBlanc;
            }
        }
    Raster coulee(150, 600, section::kBlanc), coulee0(150, 600, section::kNoir);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 150; ++x) {
            const bool corps = (y < 33 && x >= 150 - 4 * (y + 1)) || (y >= 33 && y < 50 && x >= 10) ||
                               (x >= 65 && x < 85);
            if (corps) {
                coulee.row(y)[x] = y % 9 ? Rgb(90, 60, 55) : Rgb(120, 70, 40);
                coulee0.row(y)[x] = section::kBlanc;
            }
        }
    const Raster textures[7] = {
        Motif(640, 300, Rgb(139, 90, 43), Rgb(160, 110, 60), 6),
        Motif(640, 40, Rgb(220, 200, 120), Rgb(200, 180, 100), 5),
        Motif(640, 600, Rgb(120, 160, 110), Rgb(100, 140, 90), 8),
        granit, granit0, coulee, coulee0};
    for (int i = 0; i < 7; ++i)
        if (!dessin::EcrireImage(textures[i], dossier + QLatin1Char('/') + QLatin1String(section::kFichiersTextures[i])))
            return false;
    return true;
}

Sortie Lancer(const QStringList& args, const QByteArray& entree) {
    QProcess p;
    p.start(QStringLiteral(STRATALOOM_RENDER), args);
    Sortie s;
    if (!p.waitForStarted(30000)) return s;
    if (!entree.isEmpty()) p.write(entree);
    p.closeWriteChannel();
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished();
        return s;
    }
    s.out = p.readAllStandardOutput();
    s.err = p.readAllStandardError();
    s.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return s;
}

QString EcrireListe(const QString& chemin, const section::Liste& liste) {
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly)) {
        const std::string t = section::TexteListe(liste);
        f.write(t.data(), static_cast<qint64>(t.size()));
    }
    return chemin;
}

QByteArray Lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray SansResolution(QByteArray bmp) {
    if (bmp.size() >= 46) bmp.replace(38, 8, QByteArray(8, '\0'));
    return bmp;
}

int PagesPdf(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int n = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext() && n < 100000; it.next()) ++n;
    return n;
}

section::Session Charge(const QString& dossier, const section::Liste& liste) {
    section::Session a;
    section::Textures t;
    dessin::ChargerTextures(dossier, t);
    a.DefinirTextures(std::move(t));
    a.Charger(liste);
    return a;
}

}  // namespace essai
