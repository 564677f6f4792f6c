// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the check for a display, the application's title, the
// main window, the about box, then the event loop until the main window
// closes.
#include <QApplication>
#include <QMetaObject>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "aide_qt.h"
#include "dossiers.h"
#include "fenetre_principale.h"
#include "a_propos.h"
#include "icone.h"
#include "langue.h"
#include "services_qt.h"
#include "son_qt.h"

namespace {

// A display to open, or a platform named in QT_QPA_PLATFORM or by
// -platform (offscreen, for the tests), that needs none.
bool EcranDisponible(int argc, char* argv[]) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable)) return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Without a display, QApplication could only abort with a message of
    // its own: say what is missing, and how to start anyway.
    if (!EcranDisponible(argc, argv)) {
        const QString message = QCoreApplication::translate(
            "main",
            "strataloom : aucun écran n'est disponible (ni DISPLAY ni WAYLAND_DISPLAY ne sont "
            "définies).\n"
            "Lancez Strataloom depuis le bureau, ou sur un écran virtuel avec :\n"
            "  xvfb-run -a -s '-screen 0 1024x768x24' strataloom\n");
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kTitreApplication));
    QApplication::setWindowIcon(IconeProgramme());

    // English for an English system, French for every other language (and
    // when the English texts cannot be read).
    Traductions traductions;
    const QString dossierTraductions = DossierTraductionsDe(RepAppliDe(QCoreApplication::applicationFilePath()));
    if (!traductions.Installer(LangueDuSysteme(), dossierTraductions))
        traductions.Installer(Langue::Francais, dossierTraductions);

    FichiersQt fichiers;
    MessagesQt messages;
    SonQt son;
    AideQt aide;
    QuestionsQt questions;
    const Services services{&fichiers, &messages, &son, &aide, &questions};

    FenetrePrincipale fenetre(services);
    // Missing pictures: the message has been shown, the program ends.
    if (fenetre.finDemandee()) return EXIT_FAILURE;
    QObject::connect(&fenetre, &FenetrePrincipale::FinDemandee, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    fenetre.MemoriserAffichage();
    fichiers.setParent(&fenetre);
    messages.setParent(&fenetre);
    questions.setParent(&fenetre);

    BoiteAPropos aPropos;
    fenetre.setApropos([&aPropos] { aPropos.exec(); });

    // The pupil's work is kept in the user's application data folder.
    fenetre.GarderTravailDans(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    fenetre.show();
    // Once the event loop runs, one step: the warning, then the file named
    // ("strataloom liste.lst", "strataloom exercice.exo", a double click on
    // the file) or the work kept at the last start offered back.
    QMetaObject::invokeMethod(
        &fenetre, [&fenetre] { fenetre.Commencer(QApplication::arguments()); }, Qt::QueuedConnection);
    return app.exec();
}
