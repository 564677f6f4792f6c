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

std::uint32_t GraineLettresDeSession(const Session& s) {
    // FNV-1a of the list's file bytes: the list alone fixes the view.
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (const unsigned char c : TexteListe(s.liste())) {
        h ^= c;
        h *= 0x100000001B3ull;
    }
    return GraineLettresParDefaut(h);
}

}  // namespace section
