// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls and menu, placed as the learner knows them.
#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "geo.h"
#include "geo_vue.h"
#include "menu_raccourcis.h"
#include "noms.h"

namespace {

QString Libelle(int tag) { return NomAffiche(section::EvenementParTag(tag)->ligne); }

}  // namespace

void TGEOLOGIE::CreerControles() {
    setWindowTitle(tr("STRATALOOM"));
    QFont gras = font();
    gras.setBold(true);
    setFont(gras);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(787, 554);
    setCentralWidget(client);

    Bevel1 = new QFrame(client);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(10, 5, 560, 510);

    // Visu and Modele share one place.
    Visu = new VueImage(client);
    Visu->setObjectName(QStringLiteral("Visu"));
    Visu->move(23, 25);
    Visu->setEnabled(false);
    Modele = new VueImage(client);
    Modele->setObjectName(QStringLiteral("Modele"));
    Modele->move(23, 25);
    Modele->hide();
    connect(Visu, &VueImage::MouseDown, this, &TGEOLOGIE::VisuMouseDown);
    connect(Visu, &VueImage::MouseUp, this, &TGEOLOGIE::VisuMouseUp);
    // The release may reach the model shown in the view's place.
    connect(Modele, &VueImage::MouseUp, this, &TGEOLOGIE::VisuMouseUp);

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(585, 3, 195, 515);

    for (const section::TypeEvenement& e : section::kEvenements) {
        const int haut = 1 + 40 * (e.tag - 1);
        auto* bouton = new QPushButton(Libelle(e.tag), Panel1);
        bouton->setObjectName(QLatin1String(e.bouton));
        bouton->setProperty("tag", e.tag);
        bouton->setGeometry(1, haut, 161, 31);
        connect(bouton, &QPushButton::clicked, this, [this, bouton] { SedimClick(bouton); });
        boutons_[static_cast<std::size_t>(e.tag)] = bouton;

        auto* aide = new QPushButton(QStringLiteral("?"), Panel1);
        aide->setObjectName(QLatin1String(e.aide));
        aide->setProperty("tag", e.contexte);
        aide->setGeometry(169, haut, 25, 31);
        connect(aide, &QPushButton::clicked, this, [this, aide] { AideBt1Click(aide); });
        BoutonsAide[static_cast<std::size_t>(e.tag)] = aide;
    }

    ListBox1 = new QListWidget(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(1, 281, 192, 151);
    ListBox1->setToolTip(tr("liste des événements géologiques"));

    Annuler = new QPushButton(tr("Annuler"), Panel1);
    Annuler->setObjectName(QStringLiteral("Annuler"));
    Annuler->setGeometry(1, 441, 192, 31);
    Annuler->setEnabled(false);
    connect(Annuler, &QPushButton::clicked, this, &TGEOLOGIE::AnnulerClick);

    Efface = new QPushButton(tr("Retour début"), Panel1);
    Efface->setObjectName(QStringLiteral("Efface"));
    Efface->setGeometry(1, 481, 192, 31);
    connect(Efface, &QPushButton::clicked, this, &TGEOLOGIE::EffaceClick);
    NommerControles();
}

void TGEOLOGIE::CreerMenu() {
    // The menu keeps the system's menu font, not the window's bold one.
    menuBar()->setFont(QGuiApplication::font());
    auto article = [this](QMenu* menu, const char* nom, const QString& texte, int tag) {
        QAction* a = menu->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        a->setData(tag);
        return a;
    };

    QMenu* fichier = new MenuRaccourcis(tr("&Fichier"), this);  // "&Quitter" has two shortcuts
    menuBar()->addMenu(fichier);
    fichier->setObjectName(QStringLiteral("Fichier1"));
    connect(article(fichier, "Importermodle1", tr("Charger une image modèle"), 0),
            &QAction::triggered, this, &TGEOLOGIE::Importermodle1Click);
    for (auto [nom, texte, tag] : {std::tuple{"Sauvercommemodle1", tr("Sauver en tant que modèle"), 1},
                                   std::tuple{"ExporterImage1", tr("Exporter l'image affichée"), 2}}) {
        QAction* a = article(fichier, nom, texte, tag);
        connect(a, &QAction::triggered, this, [this, a] { ExporterImage1Click(a); });
    }
    fichier->addSeparator();
    connect(article(fichier, "Charger1", tr("Charger une liste d'événements"), 0),
            &QAction::triggered, this, &TGEOLOGIE::Charger1Click);
    for (auto [nom, texte, tag] :
         {std::tuple{"Sauver1", tr("Sauver la liste des événements"), 1},
          std::tuple{"Exporterliste1", tr("Exporter la liste des événements"), 2}}) {
        QAction* a = article(fichier, nom, texte, tag);
        connect(a, &QAction::triggered, this, [this, a] { Sauver1Click(a); });
    }
    fichier->addSeparator();
    QAction* quitter = article(fichier, "Quitter1", tr("&Quitter"), 0);
    quitter->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(quitter, &QAction::triggered, this, &TGEOLOGIE::Quitter1Click);

    QMenu* evenements = menuBar()->addMenu(tr("Evénements"));
    evenements->setObjectName(QStringLiteral("Evnements1"));
    for (const section::TypeEvenement& e : section::kEvenements) {
        QAction* a = article(evenements, e.menu, Libelle(e.tag), e.tag);
        connect(a, &QAction::triggered, this, [this, a] { SedimClick(a); });
        menus_[static_cast<std::size_t>(e.tag)] = a;
    }
    evenements->addSeparator();
    Annuler1 = article(evenements, "Annuler1", tr("Annuler"), 0);
    Annuler1->setEnabled(false);
    connect(Annuler1, &QAction::triggered, this, &TGEOLOGIE::AnnulerClick);
    connect(article(evenements, "Retourdbut1", tr("Retour début"), 0), &QAction::triggered, this,
            &TGEOLOGIE::EffaceClick);

    CreerMenuAffichage();
    CreerMenuExercice();

    QMenu* aide = menuBar()->addMenu(tr("?"));
    aide->setObjectName(QStringLiteral("Interrogation1"));
    QAction* aide1 = article(aide, "Aide1", tr("&Aide"), 0);
    aide1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(aide1, &QAction::triggered, this, &TGEOLOGIE::Aide1Click);
    connect(article(aide, "Avertissement1", tr("Avertissement"), 0), &QAction::triggered, this,
            &TGEOLOGIE::Avertissement1Click);
    connect(article(aide, "Apropos1", tr("A &propos..."), 0), &QAction::triggered, this,
            &TGEOLOGIE::Apropos1Click);
}

// Centred on the screen with integer halves, from the outer window size.
void TGEOLOGIE::Centrer() {
    adjustSize();
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect e = ecran->geometry();
    const QSize taille = frameGeometry().size();
    move(e.x() + (e.width() - taille.width()) / 2, e.y() + (e.height() - taille.height()) / 2);
}
