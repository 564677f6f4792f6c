// SPDX-License-Identifier: GPL-3.0-or-later
// strataloom-capture: the main window as a learner sees it after loading a
// sample event list, saved as a PNG picture (the screenshot shown by
// software centres). Runs without a display, on the offscreen platform.
//
//   strataloom-capture PROGRAMME LISTE SORTIE.png
//
// PROGRAMME is the program's full file name: the window finds Base/ and the
// help file beside it, as the installed program does.
#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTextStream>
#include <cstdio>
#include <optional>

#include "fenetre_principale.h"
#include "icone.h"
#include "services.h"
#include "services_qt.h"

namespace {

// Every dialog answered without a window: the open dialog picks the list.
class FichiersCapture : public ServiceFichiers {
public:
    explicit FichiersCapture(QString liste) : liste_(std::move(liste)) {}
    std::optional<QString> Ouvrir(const DemandeFichier&) override { return liste_; }
    std::optional<QString> Enregistrer(const DemandeFichier&) override { return std::nullopt; }

private:
    QString liste_;
};

class MessagesCapture : public ServiceMessages {
public:
    void Erreur(const QString& texte) override { Ecrire(texte); }
    void Information(const QString& texte) override { Ecrire(texte); }
    void Simple(const QString&) override {}  // the start-up warning

    static void Ecrire(const QString& texte) {
        std::fprintf(stderr, "strataloom-capture : %s\n", texte.toLocal8Bit().constData());
    }
};

class SonMuet : public ServiceSon {
public:
    void Fermer() override {}
    bool Jouer(const QString&) override { return false; }
};

class AideMuette : public ServiceAide {
public:
    void Montrer(const QString&, int) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        MessagesCapture::Ecrire(QStringLiteral("usage : strataloom-capture PROGRAMME LISTE SORTIE.png"));
        return 2;
    }
    QApplication::setApplicationName(QString::fromLatin1(kTitreApplication));
    QApplication::setWindowIcon(IconeProgramme());

    FichiersCapture fichiers(args.at(2));
    MessagesCapture messages;
    SonMuet son;
    AideMuette aide;
    const Services services{&fichiers, &messages, &son, &aide};

    FenetrePrincipale fenetre(services, args.at(1));
    if (fenetre.finDemandee()) return 1;
    fenetre.ChargerListe();
    if (fenetre.session().liste().size() < 2) {
        MessagesCapture::Ecrire(QStringLiteral("la liste %1 n'a pas été rejouée").arg(args.at(2)));
        return 1;
    }
    fenetre.show();
    QApplication::processEvents();
    const QPixmap image = fenetre.grab();
    if (image.isNull() || !image.save(args.at(3), "PNG")) {
        MessagesCapture::Ecrire(QStringLiteral("impossible d'écrire %1").arg(args.at(3)));
        return 1;
    }
    return 0;
}
