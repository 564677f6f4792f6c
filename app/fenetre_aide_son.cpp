// SPDX-License-Identifier: GPL-3.0-or-later
// Help, the warning, the sound effects with their key chord, the about box.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>

#include "fenetre_principale.h"
#include "langue.h"

void FenetrePrincipale::JouerSon(const QString& nom) {
    if (sansSon_) return;
    if (!services_.son->Jouer(repBase_ + QDir::separator() + nom)) services_.son->Fermer();
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* e) {
    if (ComparaisonClavier(objet, e)) return true;
    if (e->type() == QEvent::KeyPress) BasculerSon(objet, static_cast<QKeyEvent*>(e));
    // The press that shows the model hides the view it went to, and Qt then
    // forgets the control the press belonged to: the release of that press
    // reaches the window alone, and no control. Wherever a release lands,
    // it ends a comparison in progress.
    if (e->type() == QEvent::MouseButtonRelease && curseurModele_) MontrerCoupe();
    return QMainWindow::eventFilter(objet, e);  // the event goes on to its receiver
}

// Ctrl+Alt+Shift+S, those three modifiers exactly, switches the sounds on or
// off. A key travels from the focused control up to the window, passing the
// filter at each step: it is looked at only at its first receiver.
bool FenetrePrincipale::BasculerSon(QObject* cible, QKeyEvent* e) {
    auto* widget = qobject_cast<QWidget*>(cible);
    if (!widget || widget->window() != this) return false;
    QWidget* focus = QApplication::focusWidget();
    QWidget* premier = focus && focus->window() == this ? focus : this;
    if (widget != premier) return false;
    constexpr Qt::KeyboardModifiers kTous =
        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier;
    constexpr Qt::KeyboardModifiers kAccord =
        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    if (e->key() != Qt::Key_S || (e->modifiers() & kTous) != kAccord) return false;
    ActiverSons(sansSon_);
    return true;
}

void FenetrePrincipale::ActiverSons(bool actif) {
    sansSon_ = !actif;
    if (articleSons_ && articleSons_->isChecked() != actif) articleSons_->setChecked(actif);
}

void FenetrePrincipale::Aide() { services_.aide->Montrer(fichierAide_, 0); }

void FenetrePrincipale::AideEvenement(section::Evenement e) {
    services_.aide->Montrer(fichierAide_, section::Type(e).contexte);
}

void FenetrePrincipale::Avertissement() {
    services_.messages->Information(
        TexteCatalogue(section::TexteFenetre::Avertissement));
}

// Shown for the first time, the window asks for the focus, as a new main
// window does. The warning is the start-up step's (Commencer), not the
// activation's: a window manager that activates the window only on the
// pupil's first click would put the warning over that click.
void FenetrePrincipale::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!dejaActivee_) QTimer::singleShot(0, this, [this] { activateWindow(); });
}

void FenetrePrincipale::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) dejaActivee_ = true;
    // Space released in another window: the comparison ends with the focus.
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) FinComparaisonClavier();
    QMainWindow::changeEvent(e);
}

void FenetrePrincipale::APropos() {
    if (apropos_) apropos_();
}
