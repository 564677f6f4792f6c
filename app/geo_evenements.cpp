// The event commands, undo, return to start, and the controls that show the
// engine's state: list, view, availability, undo, help-button colours.
#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "geo.h"
#include "geo_curseur.h"
#include "geo_vue.h"
#include "images.h"

void TGEOLOGIE::SedimClick(QObject* Sender) {
    const int k = TagDe(Sender);
    const section::TypeEvenement* e = section::EvenementParTag(k);
    if (!e || !texturesOk_) return;
    CurseurOccupe curseur;
    try {
        // The sound of the previous event stops here, even when silent.
        services_.son->Fermer();
        CouleursAide(k);
        JoueSon(QLatin1String(e->son));
        atelier_.Appliquer(k);  // snapshot, operations, list line, view, availability
    } catch (const std::exception&) {
        // Out of memory in the middle of an operation: show what the
        // section holds; undo stays available if the snapshot was taken.
    }
    ActiverAnnuler(atelier_.annulable);
    AfficherListe();
    AfficherProfil();
    AppliquerDisponibilite();
}

void TGEOLOGIE::AnnulerClick() {
    ActiverAnnuler(false);
    CouleursAide(0);
    bool fait = false;
    try {
        fait = atelier_.Annuler();  // picture, fold factor, last line, availability, view
    } catch (const std::exception&) {
        fait = false;
    }
    AfficherListe();
    AfficherProfil();
    AppliquerDisponibilite();
    if (!fait) services_.messages->Simple(tr("Retour impossible"));
}

void TGEOLOGIE::EffaceClick() { InitProfil(); }

void TGEOLOGIE::MajBoutons() {
    if (texturesOk_) atelier_.dispo = section::MajBoutons(atelier_.sec, atelier_.liste);
    AppliquerDisponibilite();
}

// A button and its menu item always share their state. Distension is never
// disabled while the section can be worked on.
void TGEOLOGIE::AppliquerDisponibilite() {
    for (std::size_t k = 1; k <= 7; ++k) {
        const bool actif = texturesOk_ && (atelier_.dispo[k] || k == 7);
        boutons_[k]->setEnabled(actif);
        menus_[k]->setEnabled(actif);
    }
}

void TGEOLOGIE::AfficherListe() {
    ListBox1->clear();
    for (const section::Ligne& l : atelier_.liste)
        ListBox1->addItem(QString::fromStdString(section::Utf8DeLigne(l)));
    ListBox1->scrollToBottom();
}

void TGEOLOGIE::AfficherProfil() {
    const section::Section& s = atelier_.sec;
    Observe->setFixedSize(s.Observe.width(), s.Observe.height());
    Visu->setFixedSize(s.Visu.width(), s.Visu.height());
    Modele->setFixedSize(s.Visu.width(), s.Visu.height());
    Visu->setImage(VersImage(s.Visu));
}

void TGEOLOGIE::ActiverAnnuler(bool actif) {
    Annuler->setEnabled(actif);
    Annuler1->setEnabled(actif);
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
