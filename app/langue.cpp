// SPDX-License-Identifier: GPL-3.0-or-later
#include "langue.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

#include "section/textes.h"

namespace {

Langue langueActive = Langue::Francais;

// The engine's texts, through the same translations as the window's.
std::string TraduireMoteur(const char* contexte, const char* francais) {
    return QCoreApplication::translate(contexte, francais).toStdString();
}

}  // namespace

Langue LangueDe(const QStringList& languesPreferees) {
    for (const QString& nom : languesPreferees) {
        // "C" and "POSIX" say nothing of a language: look further.
        if (nom.isEmpty() || nom == QLatin1String("C") || nom == QLatin1String("POSIX")) continue;
        const QString code = nom.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        return code == QLatin1String("en") ? Langue::Anglais : Langue::Francais;
    }
    return Langue::Francais;
}

Langue LangueDuSysteme() {
    // uiLanguages() follows LANGUAGE, then LC_ALL, LC_MESSAGES and LANG.
    return LangueDe(QLocale::system().uiLanguages());
}

Langue LangueActive() { return langueActive; }

QString TexteCatalogue(section::TexteFenetre cle) { return QString::fromStdString(section::TexteDeFenetre(cle)); }

QString CodeDe(Langue langue) {
    return langue == Langue::Anglais ? QStringLiteral("en") : QStringLiteral("fr");
}

QString DossierTraductionsDe(const QString& repAppli) {
    return QDir(repAppli).filePath(QStringLiteral("traductions"));
}

Traductions::Traductions() = default;

Traductions::~Traductions() { Retirer(); }

void Traductions::Retirer() {
    for (auto& t : traducteurs_) QCoreApplication::removeTranslator(t.get());
    traducteurs_.clear();
    section::DefinirTraducteur(nullptr);
    langueActive = Langue::Francais;
}

bool Traductions::Installer(Langue langue, const QString& dossier) {
    Retirer();
    if (langue == Langue::Francais) {
        // Qt's own dialogs (file dialogs, message box buttons) in French too.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            traducteurs_.push_back(std::move(qt));
        }
        // What that catalogue leaves in English ("Folder" in file dialogs),
        // installed last so that it is asked first.
        auto complements = std::make_unique<QTranslator>();
        if (complements->load(QStringLiteral("qt_complements_fr"), dossier)) {
            QCoreApplication::installTranslator(complements.get());
            traducteurs_.push_back(std::move(complements));
        }
        // The program's texts that depend on a count, for one and for several
        // (« 1 copie notée », « 5 copies notées »).
        auto nombres = std::make_unique<QTranslator>();
        if (nombres->load(QStringLiteral("strataloom_fr"), dossier)) {
            QCoreApplication::installTranslator(nombres.get());
            traducteurs_.push_back(std::move(nombres));
        }
        return true;
    }
    // Qt's own texts are English already.
    auto programme = std::make_unique<QTranslator>();
    if (!programme->load(QStringLiteral("strataloom_") + CodeDe(langue), dossier)) return false;
    QCoreApplication::installTranslator(programme.get());
    traducteurs_.push_back(std::move(programme));
    section::DefinirTraducteur(&TraduireMoteur);
    langueActive = langue;
    return true;
}
