// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the window's texts. English is chosen only when the
// system's language is English; any other language gets French, the
// program's own language. List files are written in French words in
// every language, so that they move between classes unchanged.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

#include "section/catalogue.h"

enum class Langue { Francais, Anglais };

// The language for the user's preferred languages, most preferred first
// (QLocale::uiLanguages(): "en-GB", "fr_FR", "C"...).
Langue LangueDe(const QStringList& languesPreferees);

// The language for the system's settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
Langue LangueDuSysteme();

// The language the texts are in: French until Traductions::Installer has
// installed another one.
Langue LangueActive();

// A text of the window's catalogue (section/catalogue.h), the one the
// browser page shows too, in the current language.
QString TexteCatalogue(section::TexteFenetre cle);

// "en" or "fr", as in file names.
QString CodeDe(Langue langue);

// The translators of one language, installed in the application for as
// long as this object lives: Qt's own texts (dialog buttons) and the
// program's, read from `dossier` (strataloom_en.qm...). The engine's texts
// (reasons, legend, remarks) are translated too. French needs no file of
// the program's.
class Traductions {
public:
    Traductions();
    ~Traductions();
    Traductions(const Traductions&) = delete;
    Traductions& operator=(const Traductions&) = delete;

    // False when the program's translation could not be read: the texts
    // then stay French.
    bool Installer(Langue langue, const QString& dossier);

private:
    void Retirer();
    std::vector<std::unique_ptr<QTranslator>> traducteurs_;
};

// Where the translations are beside the program: <folder>/traductions/.
QString DossierTraductionsDe(const QString& repAppli);
