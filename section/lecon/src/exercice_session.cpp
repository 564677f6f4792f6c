// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/exercice_session.h"
#include "section/liste.h"

namespace section {

bool ChargerExercice(Session& modele, const Exercice& e) {
    if (!modele.SuitFormations()) modele.SuivreFormations(true);
    modele.DefinirGraineLettres(e.graineLettres);
    modele.Charger(e.lignes);
    return modele.vue() == e.cible;
}

std::string ExerciceDeSession(const Session& s, std::string_view titre, Exercice& e) {
    e.titre = std::string(titre);
    e.lignes = s.liste();
    e.cible = s.vue();
    e.graineLettres = s.GraineLettres();
    return VerifierExercice(e);
}

}  // namespace section
