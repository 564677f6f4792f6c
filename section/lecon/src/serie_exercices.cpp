// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises of a drawn series as files.
#include "section/serie_exercices.h"

#include <cstdio>

#include "section/exercice_session.h"
#include "section/serie.h"
#include "section/textes.h"

namespace section {

std::string NomFichierSerie(std::uint32_t graine, int numero, std::string_view extension) {
    char nn[16];
    std::snprintf(nn, sizeof nn, "%02d", numero);
    return "exercice-" + std::to_string(graine) + "-" + nn + std::string(extension);
}

std::string NomFichesSerie(std::uint32_t graine) { return "fiches-" + std::to_string(graine) + ".pdf"; }

std::string TitreExerciceSerie(int numero, std::string_view titre) {
    const std::string n = std::to_string(numero);
    if (titre.empty()) return Remplir(Texte("Serie", "Exercice %1"), {n});
    //: %1 is the number of the exercise in the series, %2 the series' title.
    return Remplir(Texte("Serie", "Exercice %1 — %2"), {n, titre});
}

std::string ExerciceDeSerie(Session& a, const Liste& liste, std::uint32_t graine, int numero,
                            std::string_view titre, Exercice& e) {
    // The series' seed also draws each exercise's letters, so that drawing
    // the series again gives the same sheets.
    a.DefinirGraineLettres(GraineLettresSerie(graine, numero));
    a.Charger(liste);
    return ExerciceDeSession(a, TitreExerciceSerie(numero, titre), e);
}

std::string RaisonSerieImpossible(const std::vector<ExerciceTire>& serie) {
    for (std::size_t i = 0; i < serie.size(); ++i)
        if (!serie[i].conforme)
            //: %1 is the number of the exercise in the series, %2 how many lists were drawn for it.
            return Remplir(Texte("Serie", "Ces réglages ne permettent pas de tirer l'exercice %1 : aucune des %2 listes "
                                          "tirées ne donne une coupe lisible et vraisemblable où chaque événement se "
                                          "voit. Essayez un autre nombre d'événements ou d'autres types d'événements."),
                           {std::to_string(i + 1), std::to_string(kEssaisSerie)});
    return {};
}

}  // namespace section
