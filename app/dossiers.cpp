// SPDX-License-Identifier: GPL-3.0-or-later
#include "dossiers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

QString RepAppliDe(const QString& executable) {
    const QString dossier = QDir::toNativeSeparators(QFileInfo(executable).absolutePath());
    if (dossier.endsWith(QDir::separator())) return dossier;
    return dossier + QDir::separator();
}

QString FichierAideDe(const QString& executable) {
    const qsizetype sep = std::max(executable.lastIndexOf(QLatin1Char('/')),
                                   kSystemeWindows ? executable.lastIndexOf(QLatin1Char('\\'))
                                                   : qsizetype(-1));
    const qsizetype point = executable.lastIndexOf(QLatin1Char('.'));
    const QString base = point > sep ? executable.left(point) : executable;
    return base + QStringLiteral(".hlp");
}

QString FichierAideDe(const QString& executable, Langue langue) {
    const QString francais = FichierAideDe(executable);
    if (langue == Langue::Francais) return francais;
    const QString anglais = francais.chopped(4) + QStringLiteral("_en.hlp");
    return QFileInfo(anglais).isFile() ? anglais : francais;
}

QString DossierDocumentsWindows(bool lecteurPExiste, const QString& repWindows) {
    if (lecteurPExiste) return QStringLiteral("P:");
    const QString dossier = DossierDe(repWindows, true);
    const QChar lecteur = dossier.isEmpty() ? QLatin1Char('C') : dossier.front();
    return QString(lecteur) + QStringLiteral(":\\Mes documents");
}

QString DossierDocumentsSysteme() {
    if constexpr (kSystemeWindows) {
        QString windir = qEnvironmentVariable("windir");
        if (windir.isEmpty()) windir = qEnvironmentVariable("SystemRoot");
        return DossierDocumentsWindows(QFileInfo(QStringLiteral("P:/")).isDir(),
                                       QDir::toNativeSeparators(windir));
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString DossierDe(const QString& nomFichier, bool windows) {
    qsizetype sep = nomFichier.lastIndexOf(QLatin1Char('/'));
    if (windows) sep = std::max(sep, nomFichier.lastIndexOf(QLatin1Char('\\')));
    if (sep < 0) return QString();
    // "/" and "C:\" are roots: they keep their separator.
    const bool racine = sep == 0 || (windows && sep == 2 && nomFichier.at(1) == QLatin1Char(':'));
    return nomFichier.left(racine ? sep + 1 : sep);
}
