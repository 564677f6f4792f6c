// SPDX-License-Identifier: GPL-3.0-or-later
// The "Affichage" menu: each rock's figuré, the letter of each formation
// and a tint per formation painted over the view, and the legend in a window of its own
// (the main window keeps its fixed size). None of it touches the view's
// pixels, the saved pictures or the list.
#include <QAction>
#include <algorithm>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include "fenetre_principale.h"
#include "placement_legende.h"
#include "vue_image.h"
#include "langue.h"

void FenetrePrincipale::AfficherLettres(bool oui) {
    affichage_.lettres = oui;
    if (memoriserAffichage_) QSettings(QStringLiteral("Strataloom"), QStringLiteral("strataloom")).setValue(QStringLiteral("affichage/lettres"), oui);
    if (articleLettres_ && articleLettres_->isChecked() != oui) articleLettres_->setChecked(oui);
    AfficherFormations();
}

void FenetrePrincipale::AfficherTeintes(bool oui) {
    affichage_.teintes = oui;
    if (articleTeintes_ && articleTeintes_->isChecked() != oui) articleTeintes_->setChecked(oui);
    AfficherFormations();
}

void FenetrePrincipale::AfficherRoches(bool oui) {
    affichage_.roches = oui;
    if (articleRoches_ && articleRoches_->isChecked() != oui) articleRoches_->setChecked(oui);
    AfficherFormations();
}

void FenetrePrincipale::MemoriserAffichage() {
    memoriserAffichage_ = true;
    AfficherLettres(QSettings(QStringLiteral("Strataloom"), QStringLiteral("strataloom")).value(QStringLiteral("affichage/lettres"), affichage_.lettres).toBool());
}

void FenetrePrincipale::MontrerLegende() {
    if (!fenetreLegende_) {
        fenetreLegende_ = new QDialog(this);
        fenetreLegende_->setObjectName(QStringLiteral("Legende"));
        fenetreLegende_->setWindowTitle(TexteCatalogue(section::TexteFenetre::TitreLegende));
        fenetreLegende_->setModal(false);
        auto* disposition = new QVBoxLayout(fenetreLegende_);
        auto* note = new QLabel(TexteCatalogue(section::TexteFenetre::NoteLegende),
                                fenetreLegende_);
        note->setWordWrap(true);
        imageLegende_ = new QLabel(fenetreLegende_);
        imageLegende_->setObjectName(QStringLiteral("ImageLegende"));
        disposition->addWidget(note);
        disposition->addWidget(imageLegende_);
        AfficherFormations();
        fenetreLegende_->adjustSize();
        PlacerLegende();
    }
    AfficherFormations();
    fenetreLegende_->show();
    fenetreLegende_->raise();
}

// Beside the main window, never over the section nor a control; the main
// window makes room on a screen too narrow for both where they stand.
void FenetrePrincipale::PlacerLegende() {
    const QScreen* ecran = screen();
    if (!ecran || !fenetreLegende_) return;
    const QSize taille = fenetreLegende_->frameGeometry().size().expandedTo(fenetreLegende_->sizeHint());
    const PlaceLegende p = PlacerLegendeACote(ecran->availableGeometry(), frameGeometry(), taille);
    if (p.fenetre) move(*p.fenetre);
    fenetreLegende_->move(p.legende);
}

const section::Session& FenetrePrincipale::SessionAffichee() const {
    return exercice_ && modeleEnVue_ ? modeleExercice_ : session_;
}

QStringList FenetrePrincipale::LignesLegende() const { return dessin::TextesLegende(SessionAffichee()); }

void FenetrePrincipale::AfficherFormations() {
    if (!vue_) return;
    const bool surcouche = texturesOk_ && (affichage_.lettres || affichage_.teintes || affichage_.roches);
    vue_->setSurcouche(surcouche ? dessin::SurcoucheFormations(session_, affichage_) : QImage());
    // The model of an exercise is a section too: its letters while it is
    // pressed. A model picture alone has none.
    if (vueModele_)
        vueModele_->setSurcouche(surcouche && exercice_ && modeleEnVue_
                                     ? dessin::SurcoucheFormations(modeleExercice_, affichage_)
                                     : QImage());
    if (!imageLegende_) return;
    const section::Session& affichee = SessionAffichee();
    const QStringList lignes = LignesLegende();
    imageLegende_->setAccessibleDescription(lignes.join(QLatin1Char('\n')));
    if (lignes.isEmpty()) {
        imageLegende_->setText(TexteCatalogue(section::TexteFenetre::AucuneFormation));
        return;
    }
    QFont normale = font();
    normale.setBold(false);
    const QImage image = dessin::ImageLegende(affichee, affichage_, normale, palette().color(QPalette::Window));
    imageLegende_->setPixmap(QPixmap::fromImage(image));
    // The window grows with its text: never a clipped line.
    const QSize voulue = fenetreLegende_->sizeHint();
    if (fenetreLegende_->width() < voulue.width() || fenetreLegende_->height() < voulue.height())
        fenetreLegende_->resize(fenetreLegende_->size().expandedTo(voulue));
}
