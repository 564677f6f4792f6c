// strataloom-render: replays event lists without a window and writes the
// pictures, state reports, scores and exercise sheets that teachers need.
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <memory>

#include "commandes.h"
#include "options.h"

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QFile::decodeName(argv[i]);
    const auto analyse = rendu::Analyser(args);
    if (const QString* erreur = std::get_if<QString>(&analyse)) {
        rendu::Signaler(*erreur + QStringLiteral("\nEssayez « strataloom-render --help »."));
        return rendu::kUsage;
    }
    const rendu::Options& o = std::get<rendu::Options>(analyse);
    if (o.mode == rendu::Mode::Aide) {
        rendu::Afficher(rendu::TexteAide());
        return rendu::kSucces;
    }
    if (o.mode == rendu::Mode::Version) {
        rendu::Afficher(QStringLiteral("strataloom-render " STRATALOOM_VERSION));
        return rendu::kSucces;
    }
    // Only the PDF sheets need fonts, hence a GUI application; without a
    // display it runs on the offscreen platform.
    std::unique_ptr<QCoreApplication> app;
    if (!o.fiche.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return rendu::Executer(o, QCoreApplication::applicationDirPath() + QStringLiteral("/Base"));
}
