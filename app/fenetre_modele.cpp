// SPDX-License-Identifier: GPL-3.0-or-later
// The model picture and its comparison with the section, and the saving of
// the picture in view.
#include <QApplication>

#include "dossiers.h"
#include "fenetre_principale.h"
#include "vue_image.h"
#include "dessin/images.h"
#include "langue.h"

namespace {

const QString kFiltreBitmaps = QStringLiteral("Bitmaps (*.bmp)|*.bmp");

}  // namespace

void FenetrePrincipale::ChargerModele() {
    DemandeFichier d;  // OpenPictureDialog1
    d.filtre = kFiltreBitmaps;
    d.dossierDoitExister = true;
    d.fichierDoitExister = true;
    d.apercuImage = true;
    d.dossierInitial = repModeles_;
    d.dossiersProposes = DossiersModeles();
    const std::optional<QString> choix = services_.fichiers->Ouvrir(d);
    if (!choix) return;
    const std::optional<section::Raster> image = dessin::LireBmp(*choix);
    if (!image) {
        services_.messages->Erreur(TexteCatalogue(section::TexteFenetre::ImpossibleDeCharger));
        return;
    }
    imageModele_ = dessin::VersImage(*image);
    vueModele_->setImage(imageModele_);
    vue_->setEnabled(true);
    vue_->setToolTip(TexteCatalogue(section::TexteFenetre::ClicModele));
}

void FenetrePrincipale::MontrerModele(Qt::MouseButton bouton) {
    if (bouton != Qt::LeftButton) return;
    if (!curseurModele_) QApplication::setOverrideCursor(Qt::BusyCursor);
    curseurModele_ = true;
    modeleEnVue_ = true;
    vue_->hide();
    vueModele_->show();
    // Letters, tints and legend follow the picture in view.
    AfficherFormations();
}

void FenetrePrincipale::MontrerCoupe() {
    const bool modele = modeleEnVue_;
    modeleEnVue_ = false;
    vueModele_->hide();
    vue_->show();
    if (curseurModele_) QApplication::restoreOverrideCursor();
    curseurModele_ = false;
    if (modele) AfficherFormations();
}

void FenetrePrincipale::EnregistrerModele() { SauverImage(true); }

void FenetrePrincipale::ExporterImage() { SauverImage(false); }

// The picture in view, into the models folder or the documents folder.
void FenetrePrincipale::SauverImage(bool commeModele) {
    DemandeFichier d;  // SavePictureDialog1
    d.filtre = kFiltreBitmaps;
    d.extensionDefaut = QStringLiteral("bmp");
    d.confirmerEcrasement = true;
    d.apercuImage = true;
    d.nomFichier = nomImage_;
    d.dossierInitial = commeModele ? DossierSauvegardeModeles() : repDocuments_;
    const std::optional<QString> choix = services_.fichiers->Enregistrer(d);
    if (choix) {
        nomImage_ = *choix;  // offered again next time, by either command
        // Always a BMP, whatever the extension of the name.
        if (const section::ErreurFichier e = dessin::EcrireFichierImage(session_.vue(), *choix, "BMP");
            e != section::ErreurFichier::Aucune) {
            services_.messages->Erreur(
                dessin::MessageSiLien(*choix, e).value_or(tr("Impossible de créer le fichier %1").arg(*choix)));
            return;
        }
    }
    if (!commeModele) repDocuments_ = DossierDe(nomImage_);
}
