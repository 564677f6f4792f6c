// Program entry: the application's title, the main window, the about box,
// then the event loop until the main window closes.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

#include "aide_qt.h"
#include "geo.h"
#include "geo2.h"
#include "icone.h"
#include "services_qt.h"
#include "son_qt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kTitreApplication));
    app.setProperty("HelpFile", QStringLiteral("Strataloom.hlp"));
    QApplication::setWindowIcon(IconeProgramme());

    // Qt's own dialogs (file dialogs, message box buttons) in French.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    FichiersQt fichiers;
    MessagesQt messages;
    SonQt son;
    AideQt aide;
    const Services services{&fichiers, &messages, &son, &aide};

    TGEOLOGIE GEOLOGIE(services);
    // Missing pictures: the message has been shown, the program ends.
    if (GEOLOGIE.finDemandee()) return EXIT_FAILURE;
    QObject::connect(&GEOLOGIE, &TGEOLOGIE::FinDemandee, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    fichiers.setParent(&GEOLOGIE);
    messages.setParent(&GEOLOGIE);

    TAboutBox AboutBox;
    GEOLOGIE.setApropos([&AboutBox] { AboutBox.exec(); });

    GEOLOGIE.show();
    return app.exec();
}
