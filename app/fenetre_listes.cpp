// SPDX-License-Identifier: GPL-3.0-or-later
// Event list files: save and text export of the list, load and replay.
#include <QFileInfo>

#include "dossiers.h"
#include "fenetre_principale.h"
#include "curseur_occupe.h"
#include "dessin/images.h"
#include "section/liste.h"
#include "langue.h"

bool FenetrePrincipale::EnregistrerListe() { return SauverListe(false); }

void FenetrePrincipale::ExporterListe() { SauverListe(true); }

// The list as a list file or, `texte`, as a text export; true when it was
// written.
bool FenetrePrincipale::SauverListe(bool texte) {
    DemandeFichier d;  // SaveDialog2
    d.titre = tr("Sauvegarde de la liste des évennements géologiques");
    d.extensionDefaut = QStringLiteral("lst");
    d.confirmerEcrasement = true;
    d.dossierDoitExister = true;
    d.dossierInitial = repListes_;
    if (!texte) {
        d.nomFichier = QStringLiteral("Exemple.lst");
        d.filtre = tr("Fichier Strataloom (*.lst)|*.lst");
    } else {
        d.nomFichier = QStringLiteral("Liste.txt");
        d.filtre = tr("Fichier texte (*.txt)|*.txt");
    }
    if (session_.liste().empty()) return false;

    const std::optional<QString> choix = services_.fichiers->Enregistrer(d);
    if (choix) {
        const section::ErreurFichier e =
            section::EcrireFichierSur(dessin::OctetsDeChemin(*choix), section::TexteListe(session_.liste()));
        if (e != section::ErreurFichier::Aucune) {
            services_.messages->Erreur(
                dessin::MessageSiLien(*choix, e).value_or(tr("Impossible de créer le fichier %1").arg(*choix)));
            return false;
        }
    }
    // The dialog's file name: the chosen one, or the preset bare name.
    repListes_ = DossierDe(choix ? *choix : d.nomFichier);
    // The text export is no save of the list.
    if (choix && !texte) {
        listeEnregistree_ = session_.liste();
        GarderTravail();
    }
    return choix.has_value();
}

void FenetrePrincipale::ChargerListe() {
    if (!ConfirmerAbandon()) return;
    DemandeFichier d;  // OpenDialog1
    d.titre = tr("Chargement d'une liste d'évennements géologiques");
    d.filtre = tr("Géologie|*.lst");
    d.extensionDefaut = QStringLiteral("lst");
    d.dossierDoitExister = true;
    d.fichierDoitExister = true;
    d.dossierInitial = repEvenements_;
    d.nomFichier = nomListeOuverte_;
    const std::optional<QString> choix = services_.fichiers->Ouvrir(d);
    if (!choix) return;
    nomListeOuverte_ = *choix;
    // Only a name with the dialog's own extension goes on, in any case.
    if (QFileInfo(*choix).suffix().compare(d.extensionDefaut, Qt::CaseInsensitive) != 0) return;
    ChargerListe(*choix);
}

// Reset, read, replay; what the list then holds counts as saved.
void FenetrePrincipale::ChargerListe(const QString& chemin) {
    repaint();
    Reinitialiser();
    if (!texturesOk_) return;
    section::Liste lignes;
    const bool lue = section::LireFichierListe(dessin::OctetsDeChemin(chemin), lignes) == section::ErreurFichier::Aucune;
    // On failure the list keeps the "Sédimentation" of the reset section it shows.
    if (!lue) services_.messages->Information(TexteCatalogue(section::TexteFenetre::ChargementImpossible));
    CurseurOccupe curseur;
    try {
        if (lue) session_.Charger(std::move(lignes));  // reset, list, replay, view, availability
    } catch (const std::exception&) {
        // Out of memory during the replay: the section shows how far it got.
    }
    listeEnregistree_ = session_.liste();
    Rafraichir();
}
