// SPDX-License-Identifier: GPL-3.0-or-later
// "Ordonner les événements": the cards in a list the pupil reorders with
// the mouse (drag and drop), the buttons or Alt+Up / Alt+Down; "Vérifier"
// hands the order to the engine and shows its sentence.
#include "ordonner.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dessin/formations.h"
#include "section/ordre.h"
#include "section/exercice_session.h"
#include "langue.h"

namespace {

constexpr int kRoleCarte = Qt::UserRole + 1;

// The legend as a picture on the window's background, one line per letter.
QImage ImageLegende(const section::Session& s, const QFont& police, const QColor& fond) {
    const QStringList lignes = dessin::TextesLegende(s);
    if (lignes.isEmpty()) return {};
    const QFontMetrics m(police);
    const int hauteurLigne = m.height() + m.height() / 4;
    QImage image(std::max(360, dessin::LargeurLegende(s, m)), static_cast<int>(lignes.size()) * hauteurLigne + 2,
                 QImage::Format_RGB32);
    image.fill(fond);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    dessin::Affichage a;
    a.lettres = true;
    dessin::DessinerLegende(p, QRect(0, 1, image.width(), image.height() - 1), s, a, police);
    return image;
}

}  // namespace

FenetreOrdonner::FenetreOrdonner(const section::Exercice& e, const section::Textures& textures,
                                 std::uint64_t graine, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Ordonner"));
    setWindowTitle(tr("Ordonner les événements"));
    setModal(false);

    modele_.DefinirTextures(textures);
    memesTextures_ = section::ChargerExercice(modele_, e);
    essai_.DefinirTextures(textures);
    cartes_ = section::CartesDuModele(modele_, graine);

    // The section and its legend on the left.
    dessin::Affichage a;
    a.lettres = true;
    image_ = dessin::VueAnnotee(modele_, a);
    auto* coupe = new QLabel(this);
    coupe->setObjectName(QStringLiteral("Coupe"));
    coupe->setPixmap(QPixmap::fromImage(image_));
    coupe->setAccessibleName(tr("Coupe à expliquer"));
    coupe->setAccessibleDescription(tr("La coupe du modèle, avec la lettre de chaque formation."));
    auto* legende = new QLabel(this);
    legende->setObjectName(QStringLiteral("Legende"));
    legende->setAccessibleName(TexteCatalogue(section::TexteFenetre::TitreLegende));
    const QStringList lignes = dessin::TextesLegende(modele_);
    legende->setAccessibleDescription(lignes.join(QLatin1Char('\n')));
    QFont normale = font();
    normale.setBold(false);
    const QImage imageLegende = ImageLegende(modele_, normale, palette().color(QPalette::Window));
    if (imageLegende.isNull())
        legende->setText(TexteCatalogue(section::TexteFenetre::AucuneFormation));
    else
        legende->setPixmap(QPixmap::fromImage(imageLegende));
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(coupe);
    gauche->addWidget(legende);
    gauche->addStretch();

    // The cards on the right, oldest at the top.
    auto* consigne = new QLabel(tr("Range les événements du plus ancien (en haut) au plus récent (en bas). "
                                   "Fais glisser une carte, ou choisis-la puis appuie sur « Monter » ou "
                                   "« Descendre » (Alt+Haut, Alt+Bas)."),
                                this);
    consigne->setObjectName(QStringLiteral("Consigne"));
    consigne->setWordWrap(true);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("Cartes"));
    liste_->setAccessibleName(tr("Événements à ranger"));
    liste_->setAccessibleDescription(tr("Du plus ancien, en haut, au plus récent, en bas. "
                                        "Alt+Haut et Alt+Bas déplacent la carte choisie."));
    liste_->setDragDropMode(QAbstractItemView::InternalMove);
    liste_->setDefaultDropAction(Qt::MoveAction);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setMinimumWidth(liste_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    for (const section::Carte& c : cartes_) {
        auto* item = new QListWidgetItem(QString::fromStdString(c.nom), liste_);
        item->setData(kRoleCarte, c.id);
    }
    if (liste_->count() > 0) liste_->setCurrentRow(0);
    liste_->installEventFilter(this);
    consigne->setBuddy(liste_);

    monter_ = new QPushButton(tr("Monter"), this);
    monter_->setObjectName(QStringLiteral("Monter"));
    monter_->setAccessibleName(tr("Monter la carte choisie"));
    descendre_ = new QPushButton(tr("Descendre"), this);
    descendre_->setObjectName(QStringLiteral("Descendre"));
    descendre_->setAccessibleName(tr("Descendre la carte choisie"));
    connect(monter_, &QPushButton::clicked, this, &FenetreOrdonner::Monter);
    connect(descendre_, &QPushButton::clicked, this, &FenetreOrdonner::Descendre);
    auto* deplacement = new QHBoxLayout;
    deplacement->addWidget(monter_);
    deplacement->addWidget(descendre_);

    resultat_ = new QLabel(this);
    resultat_->setObjectName(QStringLiteral("Resultat"));
    resultat_->setAccessibleName(tr("Résultat de la vérification"));
    resultat_->setWordWrap(true);
    resultat_->setTextFormat(Qt::PlainText);
    // Room for the longest sentence, so the window does not jump when it comes.
    resultat_->setMinimumHeight(resultat_->fontMetrics().lineSpacing() * 5);
    resultat_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!memesTextures_)
        resultat_->setText(tr("Cet exercice a été préparé avec d'autres images de roches : la coupe "
                              "montrée est celle que donnent les images d'ici."));

    auto* boutons = new QDialogButtonBox(this);
    QPushButton* verifier = boutons->addButton(tr("Vérifier"), QDialogButtonBox::ActionRole);
    verifier->setObjectName(QStringLiteral("Verifier"));
    verifier->setAccessibleName(tr("Vérifier l'ordre des événements"));
    verifier->setEnabled(modele_.Prete() && !cartes_.empty());
    QPushButton* fermer = boutons->addButton(TexteCatalogue(section::TexteFenetre::Fermer), QDialogButtonBox::RejectRole);
    fermer->setObjectName(QStringLiteral("Fermer"));
    fermer->setAccessibleName(tr("Fermer la fenêtre"));
    verifier->setAutoDefault(false);
    fermer->setAutoDefault(false);
    connect(verifier, &QPushButton::clicked, this, &FenetreOrdonner::Verifier);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* droite = new QVBoxLayout;
    droite->addWidget(consigne);
    droite->addWidget(liste_, 1);
    droite->addLayout(deplacement);
    droite->addWidget(resultat_);
    droite->addWidget(boutons);

    auto* disposition = new QHBoxLayout(this);
    disposition->addLayout(gauche);
    disposition->addLayout(droite, 1);

    // A drop, like a button, makes the last sentence out of date.
    connect(liste_->model(), &QAbstractItemModel::rowsMoved, this, &FenetreOrdonner::OrdreChange);
    connect(liste_->model(), &QAbstractItemModel::rowsInserted, this, &FenetreOrdonner::OrdreChange);
}

std::vector<int> FenetreOrdonner::ordre() const {
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(liste_->count()));
    for (int i = 0; i < liste_->count(); ++i) ids.push_back(liste_->item(i)->data(kRoleCarte).toInt());
    return ids;
}

void FenetreOrdonner::Monter() { Deplacer(-1); }
void FenetreOrdonner::Descendre() { Deplacer(+1); }

void FenetreOrdonner::Deplacer(int pas) {
    const int depuis = liste_->currentRow();
    const int vers = depuis + pas;
    if (depuis < 0 || vers < 0 || vers >= liste_->count()) return;
    QListWidgetItem* item = liste_->takeItem(depuis);
    liste_->insertItem(vers, item);
    liste_->setCurrentRow(vers);
    OrdreChange();
}

void FenetreOrdonner::OrdreChange() {
    verification_ = {};
    if (memesTextures_) resultat_->clear();
}

void FenetreOrdonner::Verifier() {
    if (!modele_.Prete() || cartes_.empty()) return;
    verification_ = section::VerifierOrdre(modele_, cartes_, ordre(), essai_);
    resultat_->setText(QString::fromStdString(verification_.texte));
    resultat_->setAccessibleDescription(resultat_->text());
}

bool FenetreOrdonner::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == liste_ && evenement->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if ((touche->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier &&
            (touche->key() == Qt::Key_Up || touche->key() == Qt::Key_Down)) {
            Deplacer(touche->key() == Qt::Key_Up ? -1 : +1);
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}
