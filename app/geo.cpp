// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window and the section reset.
#include "geo.h"

#include <QAction>
#include <QApplication>
#include <QMetaObject>
#include <QPushButton>

#include "dossiers.h"
#include "geo_curseur.h"
#include "images.h"

int TagDe(const QObject* commande) {
    if (!commande) return 0;
    if (const auto* action = qobject_cast<const QAction*>(commande)) return action->data().toInt();
    return commande->property("tag").toInt();
}

TGEOLOGIE::TGEOLOGIE(const Services& services, const QString& executable, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      executable_(executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable) {
    setObjectName(QStringLiteral("GEOLOGIE"));
    CreerControles();
    CreerMenu();
    CreerRaccourcis();
    FormCreate();
    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);
}

TGEOLOGIE::~TGEOLOGIE() {
    if (curseurModele_) QApplication::restoreOverrideCursor();
}

void TGEOLOGIE::FormCreate() {
    FichierAide_ = FichierAideDe(executable_, LangueActive());
    SansSon_ = true;
    InitProfil();
    Centrer();
}

// The seven pictures must all load and make a section (the file layer's
// rules); anything else leaves the session without a section, every
// command off.
bool TGEOLOGIE::ChargerTexturesBase() {
    section::Textures t;
    const bool lues = ChargerTextures(RepBase_, t) < 0;
    session_.DefinirTextures(std::move(t));
    return lues && session_.Prete();
}

void TGEOLOGIE::InitProfil() {
    CurseurOccupe curseur;
    RepAppli_ = RepAppliDe(executable_);
    RepBase_ = RepAppli_ + QStringLiteral("Base");
    RepEvenements_ = RepAppli_ + QStringLiteral("Evenements");
    RepModeles_ = RepAppli_ + QStringLiteral("Modeles");
    RepDocuments_ = DossierDocumentsSysteme();
    RepListes_ = RepDocuments_;

    texturesOk_ = ChargerTexturesBase();
    try {
        session_.Reinitialiser();  // rasters, base layer, list, undo, view, availability
    } catch (const std::exception&) {
        texturesOk_ = false;  // a section too big for memory
    }
    if (!texturesOk_) {
        // Nothing may run on pictures that did not load: the commands stay
        // off until the program ends.
        curseur.Restaurer();
        services_.messages->Erreur(tr("Un ou plusieurs fichiers d'images sont absents"));
        DemanderFin();
    }
    Rafraichir();
    curseur.Restaurer();
    CouleursAide(0);
}

void TGEOLOGIE::DemanderFin() {
    if (finDemandee_) return;
    finDemandee_ = true;
    QMetaObject::invokeMethod(this, &TGEOLOGIE::FinDemandee, Qt::QueuedConnection);
}

void TGEOLOGIE::Quitter1Click() { close(); }
