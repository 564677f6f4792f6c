// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing random exercises, and the --exercise command that saves each
// list with its model picture (and, with --sheet, the printable sheets).
#include "exercices.h"

#include <QDir>
#include <vector>

#include "commandes.h"
#include "feuille.h"
#include "rendu.h"
#include "section/serie.h"

namespace rendu {

QString NomExercice(std::uint32_t graine, int numero, const char* extension) {
    return QStringLiteral("exercice-%1-%2%3")
        .arg(QString::number(graine), QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0')),
             QLatin1String(extension));
}

int CommandeExercices(const Options& o, section::Session& a) {
    if (!PreparerDossier(o.dossier)) return kEchec;
    const QDir dossier(o.dossier);
    section::ReglesSerie regles;
    regles.exercices = o.exercices;
    regles.evenements = o.evenements;
    regles.graine = o.graine;
    const std::vector<section::ExerciceTire> serie = section::TirerSerie(a, regles);
    std::vector<section::Liste> listes;
    for (int i = 1; i <= static_cast<int>(serie.size()); ++i) {
        const section::Liste& liste = serie[static_cast<std::size_t>(i - 1)].liste;
        if (!serie[static_cast<std::size_t>(i - 1)].conforme)
            Signaler(QStringLiteral("exercice %1 : aucun tirage ne laisse une trace de chaque événement sur une "
                                    "coupe assez rocheuse et nouvelle ; le dernier est gardé")
                         .arg(i));
        // The model is what loading the saved list shows.
        a.Charger(liste);
        std::optional<Erreur> e =
            EcrireFichier(section::TexteListe(liste), dossier.filePath(NomExercice(o.graine, i, ".lst")));
        if (!e) e = EcrireImageSelonNom(a.vue(), dossier.filePath(NomExercice(o.graine, i, ".bmp")), true);
        if (e) {
            Signaler(e->message);
            return kEchec;
        }
        listes.push_back(liste);
    }
    if (o.fiche.isEmpty()) return kSucces;
    std::vector<QString> titres;
    for (int i = 1; i <= o.exercices; ++i)
        titres.push_back(QStringLiteral("Exercice %1 (série %2)").arg(QString::number(i), QString::number(o.graine)));
    if (const auto e = EcrireFiches(o.fiche, a, listes, titres)) {
        Signaler(e->message);
        return kEchec;
    }
    return kSucces;
}

}  // namespace rendu
