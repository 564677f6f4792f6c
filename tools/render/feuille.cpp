// SPDX-License-Identifier: GPL-3.0-or-later
#include "feuille.h"

#include "commandes.h"
#include "dessin/fiches_pdf.h"
#include "rendu.h"

namespace rendu {

std::optional<Erreur> EcrireFiches(const QString& chemin, section::Session& a,
                                   const std::vector<section::Liste>& listes,
                                   const std::vector<QString>& titres) {
    // The document is made in memory, then written safely in one go.
    const auto octets = dessin::DocumentFiches(a, listes, titres, QStringLiteral("strataloom-render " STRATALOOM_VERSION));
    if (!octets) return ErreurEcriture(chemin, section::ErreurFichier::Ecriture);
    return EcrireFichier(*octets, chemin);
}

int CommandeFiche(const Options& o, section::Session& a) {
    const QString& chemin = o.listes.front();
    Erreur erreur;
    const auto liste = LireFichierListe(chemin, erreur);
    if (!liste) {
        Signaler(erreur.message);
        return kEchec;
    }
    constexpr std::size_t kLignesMax = 100;
    if (liste->size() > kLignesMax) {
        Signaler(QStringLiteral("la liste %1 compte plus de %2 événements : trop pour une fiche")
                     .arg(Cite(chemin), QString::number(kLignesMax - 1)));
        return kEchec;
    }
    const QString titre = o.titre.isEmpty() ? QStringLiteral("Histoire d'une coupe géologique") : o.titre;
    if (const auto e = EcrireFiches(o.fiche, a, {*liste}, {titre})) {
        Signaler(e->message);
        return kEchec;
    }
    return kSucces;
}

}  // namespace rendu
