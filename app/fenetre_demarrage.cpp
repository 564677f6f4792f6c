// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window and the section reset.
#include "fenetre_principale.h"

#include <QApplication>
#include <QMetaObject>

#include "dossiers.h"
#include "curseur_occupe.h"
#include "dessin/images.h"
#include "langue.h"

FenetrePrincipale::FenetrePrincipale(const Services& services, const QString& executable, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      executable_(executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable) {
    setObjectName(QStringLiteral("GEOLOGIE"));
    CreerControles();
    CreerMenu();
    Demarrer();
    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);
}

FenetrePrincipale::~FenetrePrincipale() {
    if (curseurModele_) QApplication::restoreOverrideCursor();
}

void FenetrePrincipale::Demarrer() {
    fichierAide_ = FichierAideDe(executable_, LangueActive());
    ActiverSons(false);
    Reinitialiser();
    Centrer();
}

// The seven pictures must all load and make a section (the file layer's
// rules); anything else leaves the session without a section, every
// command off.
bool FenetrePrincipale::ChargerTexturesBase() {
    section::Textures t;
    const bool lues = dessin::ChargerTextures(repBase_, t) < 0;
    session_.DefinirTextures(std::move(t));
    return lues && session_.Prete();
}

void FenetrePrincipale::Reinitialiser() {
    CurseurOccupe curseur;
    repAppli_ = RepAppliDe(executable_);
    repBase_ = repAppli_ + QStringLiteral("Base");
    repEvenements_ = repAppli_ + QStringLiteral("Evenements");
    repModeles_ = repAppli_ + QStringLiteral("Modeles");
    repDocuments_ = DossierDocumentsSysteme();
    repListes_ = repDocuments_;

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
        services_.messages->Erreur(TexteCatalogue(section::TexteFenetre::TexturesAbsentes));
        DemanderFin();
    }
    Rafraichir();
    curseur.Restaurer();
    CouleursAide(std::nullopt);
}

void FenetrePrincipale::DemanderFin() {
    if (finDemandee_) return;
    finDemandee_ = true;
    QMetaObject::invokeMethod(this, &FenetrePrincipale::FinDemandee, Qt::QueuedConnection);
}

void FenetrePrincipale::Quitter() { close(); }
