// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says to a screen reader: a name for every control and
// a description that follows the section (the reason a command is off,
// the list's length and last event, the formations in view).
#include <QAccessible>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>

#include "geo.h"
#include "geo_vue.h"
#include "noms.h"

void TGEOLOGIE::NommerControles() {
    setAccessibleName(tr("Strataloom"));
    Bevel1->setAccessibleName(tr("Cadre de la coupe"));
    Panel1->setAccessibleName(tr("Commandes"));
    Visu->setAccessibleName(tr("Coupe géologique"));
    Modele->setAccessibleName(tr("Image modèle"));
    Modele->setAccessibleDescription(tr("L'image modèle, montrée à la place de la coupe pour la comparer"));
    ListBox1->setAccessibleName(tr("Liste des événements"));
    Annuler->setAccessibleDescription(tr("Annule le dernier événement de la liste"));
    Efface->setAccessibleDescription(tr("Revient à la coupe de départ et vide la liste"));
    for (const section::TypeEvenement& e : section::kEvenements) {
        const QString nom = NomAffiche(e.ligne);
        BoutonsAide[static_cast<std::size_t>(e.tag)]->setAccessibleName(tr("Aide : %1").arg(nom));
    }
}

void TGEOLOGIE::DecrireControles() {
    for (std::size_t k = 1; k <= 7; ++k) {
        boutons_[k]->setAccessibleDescription(boutons_[k]->toolTip());
        BoutonsAide[k]->setAccessibleDescription(BoutonsAide[k]->toolTip());
    }
    const section::Liste& liste = session_.liste();
    const QString dernier = liste.empty() ? QString() : NomAffiche(liste.back());
    const int n = static_cast<int>(liste.size()) - 1;
    ListBox1->setAccessibleDescription(n <= 0   ? tr("Aucun événement appliqué depuis le départ")
                                       : n == 1 ? tr("Un événement après le départ : %1").arg(dernier)
                                                : tr("%1 événements après le départ, le dernier : %2")
                                                      .arg(n)
                                                      .arg(dernier));
    const QStringList formations = LignesLegende();
    Visu->setAccessibleDescription(formations.isEmpty()
                                       ? tr("Aucune formation visible")
                                       : tr("Formations visibles, de gauche à droite : %1")
                                             .arg(formations.join(QStringLiteral(" ; "))));
    if (isVisible()) {
        QAccessibleEvent e(Visu, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&e);
    }
}
