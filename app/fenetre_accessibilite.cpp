// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says to a screen reader: a name for every control and
// a description that follows the section (the reason a command is off,
// the list's length and last event, the formations in view).
#include <QAccessible>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>

#include "fenetre_principale.h"
#include "vue_image.h"
#include "dessin/noms.h"
#include "langue.h"

void FenetrePrincipale::NommerControles() {
    setAccessibleName(TexteCatalogue(section::TexteFenetre::TitreApplication));
    cadreVue_->setAccessibleName(tr("Cadre de la coupe"));
    panneauCommandes_->setAccessibleName(tr("Commandes"));
    vue_->setAccessibleName(TexteCatalogue(section::TexteFenetre::CoupeGeologique));
    vueModele_->setAccessibleName(TexteCatalogue(section::TexteFenetre::ImageModele));
    vueModele_->setAccessibleDescription(tr("L'image modèle, montrée à la place de la coupe pour la comparer"));
    listeEvenements_->setAccessibleName(tr("Liste des événements"));
    boutonAnnuler_->setAccessibleDescription(tr("Annule le dernier événement de la liste"));
    boutonRetourDebut_->setAccessibleDescription(tr("Revient à la coupe de départ et vide la liste"));
    for (std::size_t k = 0; k < section::kEvenements.size(); ++k)
        boutonsAide_[k]->setAccessibleName(tr("Aide : %1").arg(dessin::NomAffiche(section::kEvenements[k].ligne)));
    // The formations in view are read from the legend only when a screen
    // reader asks: building it on every click would slow every click.
    vue_->DefinirDescription([this] {
        const QStringList formations = LignesLegende();
        return formations.isEmpty() ? tr("Aucune formation visible")
                                    : tr("Formations visibles : %1").arg(formations.join(QStringLiteral(" ; ")));
    });
}

void FenetrePrincipale::DecrireControles() {
    for (std::size_t k = 0; k < section::kEvenements.size(); ++k) {
        boutonsEvenements_[k]->setAccessibleDescription(boutonsEvenements_[k]->toolTip());
        boutonsAide_[k]->setAccessibleDescription(boutonsAide_[k]->toolTip());
    }
    const section::Liste& liste = session_.liste();
    const QString dernier = liste.empty() ? QString() : dessin::NomAffiche(liste.back());
    const int n = static_cast<int>(liste.size()) - 1;
    listeEvenements_->setAccessibleDescription(n <= 0   ? tr("Aucun événement appliqué depuis le départ")
                                       : n == 1 ? tr("Un événement après le départ : %1").arg(dernier)
                                                : tr("%1 événements après le départ, le dernier : %2")
                                                      .arg(n)
                                                      .arg(dernier));
    if (isVisible()) {
        QAccessibleEvent e(vue_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&e);
    }
}
