// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, placed as the learner knows them.
#include <QFrame>
#include <QLabel>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "fenetre_principale.h"
#include "vue_image.h"
#include "dessin/noms.h"
#include "langue.h"

void FenetrePrincipale::CreerControles() {
    setWindowTitle(tr("STRATALOOM"));
    QFont gras = font();
    gras.setBold(true);
    setFont(gras);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(787, 554);
    setCentralWidget(client);

    cadreVue_ = new QFrame(client);
    cadreVue_->setObjectName(QStringLiteral("Bevel1"));
    cadreVue_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    cadreVue_->setGeometry(10, 5, 560, 510);

    // vue_ and vueModele_ share one place.
    vue_ = new VueImage(client);
    vue_->setObjectName(QStringLiteral("Visu"));
    vue_->move(23, 25);
    vue_->setEnabled(false);
    // Once a model is loaded, the view takes the focus from a click or Tab;
    // the space bar held down then shows the model.
    vue_->setFocusPolicy(Qt::StrongFocus);
    vueModele_ = new VueImage(client);
    vueModele_->setObjectName(QStringLiteral("Modele"));
    vueModele_->move(23, 25);
    vueModele_->hide();
    // The open exercise named in the frame's strip above the section.
    ligneExercice_ = new QLabel(client);
    ligneExercice_->setObjectName(QStringLiteral("TitreExercice"));
    ligneExercice_->setGeometry(23, 6, 540, 18);
    ligneExercice_->setTextFormat(Qt::PlainText);
    ligneExercice_->hide();
    connect(vue_, &VueImage::MouseDown, this, &FenetrePrincipale::MontrerModele);
    connect(vue_, &VueImage::MouseUp, this, &FenetrePrincipale::MontrerCoupe);
    // The release may reach the model shown in the view's place.
    connect(vueModele_, &VueImage::MouseUp, this, &FenetrePrincipale::MontrerCoupe);

    panneauCommandes_ = new QFrame(client);
    panneauCommandes_->setObjectName(QStringLiteral("Panel1"));
    panneauCommandes_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panneauCommandes_->setGeometry(585, 3, 195, 515);

    // One row per event, 40 pixels apart: the command and its "?".
    for (std::size_t i = 0; i < section::kEvenements.size(); ++i) {
        const section::TypeEvenement& t = section::kEvenements[i];
        const int haut = 1 + 40 * static_cast<int>(i);
        auto* bouton = new QPushButton(dessin::NomAffiche(t.ligne), panneauCommandes_);
        bouton->setObjectName(QLatin1String(t.bouton));
        bouton->setGeometry(1, haut, 161, 31);
        connect(bouton, &QPushButton::clicked, this, [this, e = t.evenement] { AppliquerEvenement(e); });
        boutonsEvenements_[i] = bouton;

        auto* aide = new QPushButton(QStringLiteral("?"), panneauCommandes_);
        aide->setObjectName(QLatin1String(t.aide));
        aide->setGeometry(169, haut, 25, 31);
        connect(aide, &QPushButton::clicked, this, [this, e = t.evenement] { AideEvenement(e); });
        boutonsAide_[i] = aide;
    }

    listeEvenements_ = new QListWidget(panneauCommandes_);
    listeEvenements_->setObjectName(QStringLiteral("ListBox1"));
    listeEvenements_->setGeometry(1, 281, 192, 151);
    listeEvenements_->setToolTip(TexteCatalogue(section::TexteFenetre::ListeEvenements));

    boutonAnnuler_ = new QPushButton(tr("Annuler"), panneauCommandes_);
    boutonAnnuler_->setObjectName(QStringLiteral("Annuler"));
    boutonAnnuler_->setGeometry(1, 441, 192, 31);
    boutonAnnuler_->setEnabled(false);
    connect(boutonAnnuler_, &QPushButton::clicked, this, &FenetrePrincipale::Annuler);

    boutonRetourDebut_ = new QPushButton(tr("Retour début"), panneauCommandes_);
    boutonRetourDebut_->setObjectName(QStringLiteral("Efface"));
    boutonRetourDebut_->setGeometry(1, 481, 192, 31);
    connect(boutonRetourDebut_, &QPushButton::clicked, this, &FenetrePrincipale::RetourDebut);

    // The status line, in the free strip under the view and the panel: what
    // the program just wrote.
    ligneEtat_ = new QLabel(client);
    ligneEtat_->setObjectName(QStringLiteral("LigneEtat"));
    ligneEtat_->setGeometry(12, 524, 766, 24);
    QFont normale = font();
    normale.setBold(false);
    ligneEtat_->setFont(normale);
    ligneEtat_->setTextFormat(Qt::PlainText);
    ligneEtat_->setAccessibleName(tr("Ligne d'état"));
    NommerControles();
}

void FenetrePrincipale::Annoncer(const QString& texte) {
    ligneEtat_->setText(ligneEtat_->fontMetrics().elidedText(texte, Qt::ElideMiddle, ligneEtat_->width()));
    ligneEtat_->setToolTip(texte);
    ligneEtat_->setAccessibleDescription(texte);
}

// Centred on the screen with integer halves, from the outer window size.
void FenetrePrincipale::Centrer() {
    adjustSize();
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect e = ecran->geometry();
    const QSize taille = frameGeometry().size();
    move(e.x() + (e.width() - taille.width()) / 2, e.y() + (e.height() - taille.height()) / 2);
}
