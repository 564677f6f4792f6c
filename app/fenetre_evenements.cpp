// SPDX-License-Identifier: GPL-3.0-or-later
// The event commands, undo, return to start, and the controls that show the
// engine's state: list, view, availability, undo, help-button colours.
#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "fenetre_principale.h"
#include "curseur_occupe.h"
#include "vue_image.h"
#include "dessin/images.h"
#include "section/encodage.h"
#include "langue.h"

void FenetrePrincipale::AppliquerEvenement(section::Evenement e) {
    if (!texturesOk_) return;
    CurseurOccupe curseur;
    try {
        // The sound of the previous event stops here, even when silent.
        services_.son->Fermer();
        CouleursAide(e);
        JouerSon(QLatin1String(section::Type(e).son));
        session_.Appliquer(e);  // snapshot, operations, list line, view, availability
    } catch (const std::exception&) {
        // Out of memory in the middle of an operation: show what the
        // section holds; undo stays available if the snapshot was taken.
    }
    Rafraichir();
}

void FenetrePrincipale::Annuler() {
    CouleursAide(std::nullopt);
    bool fait = false;
    try {
        fait = session_.Annuler();  // picture, fold factor, last line, availability, view
    } catch (const std::exception&) {
        fait = false;
    }
    Rafraichir();
    if (!fait) services_.messages->Simple(TexteCatalogue(section::TexteFenetre::RetourImpossible));
}

void FenetrePrincipale::RetourDebut() { Reinitialiser(); }

void FenetrePrincipale::Rafraichir() {
    boutonAnnuler_->setEnabled(session_.annulable());
    articleAnnuler_->setEnabled(session_.annulable());
    AfficherListe();
    AfficherCoupe();
    AppliquerDisponibilite();
    GarderTravail();
}

// A button and its menu item always share their state. Distension is never
// disabled while the section can be worked on.
void FenetrePrincipale::AppliquerDisponibilite() {
    for (std::size_t k = 0; k < section::kEvenements.size(); ++k) {
        const section::Evenement e = section::kEvenements[k].evenement;
        const std::string_view raison = texturesOk_ ? session_.RaisonRefus(e) : section::raison::SansCoupe;
        boutonsEvenements_[k]->setEnabled(raison.empty());
        articlesEvenements_[k]->setEnabled(raison.empty());
        MajBulles(k, raison);
    }
    DecrireControles();
    MajMenuExercice();
}

void FenetrePrincipale::AfficherListe() {
    listeEvenements_->clear();
    for (const section::Ligne& l : session_.liste())
        listeEvenements_->addItem(QString::fromStdString(section::Utf8DeLigne(l)));
    listeEvenements_->scrollToBottom();
}

void FenetrePrincipale::AfficherCoupe() {
    const section::Raster& vue = session_.vue();
    vue_->setFixedSize(vue.width(), vue.height());
    vueModele_->setFixedSize(vue.width(), vue.height());
    vue_->setImage(dessin::VersImage(vue));
    AfficherFormations();
}

// Black captions, except red for the help button of event `rouge`, whose
// tooltip says why.
void FenetrePrincipale::CouleursAide(std::optional<section::Evenement> rouge) {
    aideRouge_ = rouge;
    for (std::size_t k = 0; k < section::kEvenements.size(); ++k) {
        const section::Evenement e = section::kEvenements[k].evenement;
        QPalette p = boutonsAide_[k]->palette();
        p.setColor(QPalette::ButtonText, e == rouge ? QColor(Qt::red) : QColor(Qt::black));
        boutonsAide_[k]->setPalette(p);
        MajBulles(k, texturesOk_ ? session_.RaisonRefus(e) : section::raison::SansCoupe);
    }
}
