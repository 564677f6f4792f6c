// SPDX-License-Identifier: GPL-3.0-or-later
// The "Affichage" menu: the letter of each formation and a tint per
// formation painted over the view, and the legend in a window of its own
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
        // Beside the main window where the screen has room, so the section
        // stays in sight.
        fenetreLegende_->adjustSize();
        const QScreen* ecran = screen();
        const QRect cadre = frameGeometry();
        const QPoint place(cadre.right() + 8, cadre.top());
        if (ecran && ecran->availableGeometry().contains(QRect(place, fenetreLegende_->size())))
            fenetreLegende_->move(place);
    }
    AfficherFormations();
    fenetreLegende_->show();
    fenetreLegende_->raise();
}

QStringList FenetrePrincipale::LignesLegende() const { return dessin::TextesLegende(session_); }

void FenetrePrincipale::AfficherFormations() {
    if (!vue_) return;
    const bool surcouche = texturesOk_ && (affichage_.lettres || affichage_.teintes);
    vue_->setSurcouche(surcouche ? dessin::SurcoucheFormations(session_, affichage_) : QImage());
    if (!imageLegende_) return;
    const QStringList lignes = LignesLegende();
    imageLegende_->setAccessibleDescription(lignes.join(QLatin1Char('\n')));
    if (lignes.isEmpty()) {
        imageLegende_->setText(TexteCatalogue(section::TexteFenetre::AucuneFormation));
        return;
    }
    const QFont police = font();
    QFont normale = police;
    normale.setBold(false);
    const QFontMetrics m(normale);
    const int hauteurLigne = m.height() + m.height() / 4;
    QImage image(std::max(360, dessin::LargeurLegende(session_, m)), dessin::LignesDeLegende(session_) * hauteurLigne + 2,
                 QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    dessin::DessinerLegende(p, QRect(0, 1, image.width(), image.height() - 1), session_, affichage_, normale);
    p.end();
    imageLegende_->setPixmap(QPixmap::fromImage(image));
}
