// SPDX-License-Identifier: GPL-3.0-or-later
// The model picture and its comparison with the section, and the saving of
// the picture in view.
#include <QApplication>

#include "dossiers.h"
#include "geo.h"
#include "geo_vue.h"
#include "images.h"

namespace {

const QString kFiltreBitmaps = QStringLiteral("Bitmaps (*.bmp)|*.bmp");

}  // namespace

void TGEOLOGIE::Importermodle1Click() {
    DemandeFichier d;  // OpenPictureDialog1
    d.filtre = kFiltreBitmaps;
    d.dossierDoitExister = true;
    d.fichierDoitExister = true;
    d.apercuImage = true;
    d.dossierInitial = RepModeles_;
    d.dossiersProposes = DossiersModeles();
    const std::optional<QString> choix = services_.fichiers->Ouvrir(d);
    if (!choix) return;
    const std::optional<section::Raster> image = LireBmp(*choix);
    if (!image) {
        services_.messages->Erreur(tr("Impossible de charger le fichier"));
        return;
    }
    modele_ = VersImage(*image);
    Modele->setImage(modele_);
    Visu->setEnabled(true);
    Visu->setToolTip(tr("Clic pour afficher le modèle..."));
}

void TGEOLOGIE::VisuMouseDown(Qt::MouseButton Button) {
    if (Button != Qt::LeftButton) return;
    if (!curseurModele_) QApplication::setOverrideCursor(Qt::BusyCursor);
    curseurModele_ = true;
    Visu->hide();
    Modele->show();
}

void TGEOLOGIE::VisuMouseUp() {
    Modele->hide();
    Visu->show();
    if (curseurModele_) QApplication::restoreOverrideCursor();
    curseurModele_ = false;
}

void TGEOLOGIE::ExporterImage1Click(QObject* Sender) {
    const int k = TagDe(Sender);
    if (k != 1 && k != 2) return;
    DemandeFichier d;  // SavePictureDialog1
    d.filtre = kFiltreBitmaps;
    d.extensionDefaut = QStringLiteral("bmp");
    d.confirmerEcrasement = true;
    d.apercuImage = true;
    d.nomFichier = nomImage_;
    d.dossierInitial = k == 1 ? DossierSauvegardeModeles() : RepDocuments_;
    const std::optional<QString> choix = services_.fichiers->Enregistrer(d);
    if (choix) {
        nomImage_ = *choix;  // offered again next time, by either command
        // Always a BMP, whatever the extension of the name.
        if (const section::ErreurFichier e = EcrireFichierImage(session_.vue(), *choix, "BMP");
            e != section::ErreurFichier::Aucune) {
            services_.messages->Erreur(
                MessageSiLien(*choix, e).value_or(tr("Impossible de créer le fichier %1").arg(*choix)));
            return;
        }
    }
    if (k == 2) RepDocuments_ = DossierDe(nomImage_);
}
