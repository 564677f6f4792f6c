// SPDX-License-Identifier: GPL-3.0-or-later
// The mark out of 20 of a pupil's section against the model's. It is
// earned on what the lesson assesses: the events, kind by kind, and the
// order the section shows between them; the pixels are a minor part, and
// on rock only (the sky, most of a view, agrees on almost any answer).
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "section/note.h"

#include "section/ordre.h"
#include "section/verification.h"

namespace section {

Note Noter(const Session& modele, const Session& eleve) { return Noter(modele, LireChronologie(modele), eleve); }

Note Noter(const Session& modele, const Chronologie& c, const Session& eleve) {
    Note n;
    const Liste& l = eleve.liste();
    for (std::size_t i = 1; i < l.size(); ++i)
        if (EvenementDeLigne(l[i])) ++n.evenementsReconnus;
    const Raster& m = modele.vue();
    const Raster& e = eleve.vue();
    const int w = std::min(m.width(), e.width()), h = std::min(m.height(), e.height());
    for (int y = 0; y < h; ++y) {
        const Couleur* a = m.row(y);
        const Couleur* b = e.row(y);
        for (int x = 0; x < w; ++x) {
            const bool meme = a[x] == b[x];
            n.identiques += meme;
            if (a[x] != kBleu || b[x] != kBleu) {
                ++n.roche;
                n.rocheIdentique += meme;
            }
        }
    }
    n.pixels = static_cast<std::int64_t>(std::max(0, w)) * std::max(0, h);
    n.memeCoupe = !m.empty() && m == e;
    n.formations = ComparerFormations(modele, eleve);

    const ParSorte parModele = EvenementsParSorte(modele.liste()), parEleve = EvenementsParSorte(l);
    int penalite = 0;
    for (const TypeEvenement& t : kEvenements) {
        const auto k = static_cast<std::size_t>(t.tag);
        const int manque = std::max(0, static_cast<int>(parModele[k].size()) - static_cast<int>(parEleve[k].size()));
        const int trop = std::max(0, static_cast<int>(parEleve[k].size()) - static_cast<int>(parModele[k].size()));
        const bool structure = t.evenement == Evenement::Compression || t.evenement == Evenement::Chevauchement ||
                               t.evenement == Evenement::Distension || t.evenement == Evenement::Erosion;
        n.evenementsManquants += manque;
        n.evenementsEnTrop += trop;
        penalite += manque * (structure ? kPenaliteStructure : kPenaliteFormation) + trop * kPenaliteEnTrop;
    }
    n.formationsEnEcart = n.evenementsManquants + n.evenementsEnTrop;
    const StructuresEchangees echange = CompterEchanges(parModele, parEleve);
    n.plisEnChevauchement = echange.plisEnChevauchement;
    n.chevauchementsEnPli = echange.chevauchementsEnPli;
    // Each exchange was charged as a missing structure and an excess event.
    penalite -= (echange.plisEnChevauchement + echange.chevauchementsEnPli) *
                (kPenaliteStructure + kPenaliteEnTrop - kPenaliteStructureEchangee);
    const Appariement a = Apparier(c, modele.liste(), l);
    n.relationsRompues = a.rompues;
    n.relationsTenues = a.tenues;
    if (a.rompues > 0) penalite += kPenalitePremiereRelation + kPenaliteRelation * (a.rompues - 1);

    if (n.evenementsReconnus == 0) {
        n.points = 0;
    } else if (n.memeCoupe) {
        n.points = kNoteMax;
    } else {
        const long double differente =
            n.roche == 0 ? 0.0L : static_cast<long double>(n.roche - n.rocheIdentique) / static_cast<long double>(n.roche);
        const long double note = kNoteSectionDifferente - penalite - kPenalitePixels * differente;
        n.points = static_cast<int>(std::clamp<long double>(std::nearbyint(note), 0, kNoteSectionDifferente));
    }
    return n;
}

}  // namespace section
