// SPDX-License-Identifier: GPL-3.0-or-later
// strataloom-render: replays event lists without a window and writes the
// pictures, state reports, scores and exercise sheets that teachers need.
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "commandes.h"
#include "dessin/images.h"
#include "options.h"

namespace {

// Qt 6.4 looks for flatpak-info in $XDG_RUNTIME_DIR each time a GUI
// application starts, to choose a desktop portal theme, and warns on the
// console when the variable is not set (cron, su, ssh). The sheets want the
// GUI application for its fonts, never for a desktop: that one warning is
// left out while it starts, every other message goes through.
QtMessageHandler messagesQt = nullptr;

void MessagesDuDemarrage(QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
    if (type == QtWarningMsg && texte.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    messagesQt(type, contexte, texte);
}

std::unique_ptr<QGuiApplication> ApplicationGraphique(int& argc, char** argv) {
    messagesQt = qInstallMessageHandler(MessagesDuDemarrage);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(messagesQt);
    return app;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    // Names keep their bytes, whatever they are and whatever the locale.
    for (int i = 1; i < argc; ++i) args << dessin::CheminDeOctets(argv[i]);
    const auto analyse = rendu::Analyser(args);
    if (const QString* erreur = std::get_if<QString>(&analyse)) {
        rendu::Signaler(*erreur);
        std::fputs("Essayez « strataloom-render --help ».\n", stderr);
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
    // Only the PDF sheets and the lettered pictures need fonts, hence a GUI
    // application; without a display it runs on the offscreen platform.
    std::unique_ptr<QCoreApplication> app;
    if (!o.fiche.isEmpty() || !o.formations.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = ApplicationGraphique(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (o.mode == rendu::Mode::Scorm) return rendu::TerminerSortie(rendu::CommandeScorm(o, QCoreApplication::applicationDirPath()));
    const int code = rendu::Executer(o, QCoreApplication::applicationDirPath() + QStringLiteral("/Base"));
    return rendu::TerminerSortie(code);
}
