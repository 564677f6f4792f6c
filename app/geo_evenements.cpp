// SPDX-License-Identifier: GPL-3.0-or-later
// The event commands, undo, return to start, and the controls that show the
// engine's state: list, view, availability, undo, help-button colours.
#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "geo.h"
#include "geo_curseur.h"
#include "geo_vue.h"
#include "images.h"
#include "section/encodage.h"

void TGEOLOGIE::SedimClick(QObject* Sender) {
    const std::optional<section::Evenement> e = section::EvenementDeTag(TagDe(Sender));
    if (!e || !texturesOk_) return;
    CurseurOccupe curseur;
    try {
        // The sound of the previous event stops here, even when silent.
        services_.son->Fermer();
        CouleursAide(section::Tag(*e));
        JoueSon(QLatin1String(section::Type(*e).son));
        session_.Appliquer(*e);  // snapshot, operations, list line, view, availability
    } catch (const std::exception&) {
        // Out of memory in the middle of an operation: show what the
        // section holds; undo stays available if the snapshot was taken.
    }
    Rafraichir();
}

void TGEOLOGIE::AnnulerClick() {
    CouleursAide(0);
    bool fait = false;
    try {
        fait = session_.Annuler();  // picture, fold factor, last line, availability, view
    } catch (const std::exception&) {
        fait = false;
    }
    Rafraichir();
    if (!fait) services_.messages->Simple(tr("Retour impossible"));
}

void TGEOLOGIE::EffaceClick() { InitProfil(); }

void TGEOLOGIE::Rafraichir() {
    Annuler->setEnabled(session_.annulable());
    Annuler1->setEnabled(session_.annulable());
    AfficherListe();
    AfficherProfil();
    AppliquerDisponibilite();
}

// A button and its menu item always share their state. Distension is never
// disabled while the section can be worked on.
void TGEOLOGIE::AppliquerDisponibilite() {
    for (std::size_t k = 1; k <= 7; ++k) {
        const bool actif = texturesOk_ && session_.disponibilite().ParTag(static_cast<int>(k));
        boutons_[k]->setEnabled(actif);
        menus_[k]->setEnabled(actif);
    }
    MajBulles();
    DecrireControles();
    MajMenuExercice();
}

void TGEOLOGIE::AfficherListe() {
    ListBox1->clear();
    for (const section::Ligne& l : session_.liste())
        ListBox1->addItem(QString::fromStdString(section::Utf8DeLigne(l)));
    ListBox1->scrollToBottom();
}

void TGEOLOGIE::AfficherProfil() {
    const section::Raster& vue = session_.vue();
    Visu->setFixedSize(vue.width(), vue.height());
    Modele->setFixedSize(vue.width(), vue.height());
    Visu->setImage(VersImage(vue));
    AfficherFormations();
}

// Black captions, except red for the help button of tag `rouge` (1..7).
void TGEOLOGIE::CouleursAide(int rouge) {
    for (std::size_t k = 1; k <= 7; ++k) {
        QPalette p = BoutonsAide[k]->palette();
        p.setColor(QPalette::ButtonText,
                   static_cast<int>(k) == rouge ? QColor(Qt::red) : QColor(Qt::black));
        BoutonsAide[k]->setPalette(p);
    }
}
