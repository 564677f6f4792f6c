// SPDX-License-Identifier: GPL-3.0-or-later
// The mark out of 20 of a pupil's section against the model's. It is
// earned on rock: the sky, most of a view, agrees on almost any answer and
// so counts for nothing.
#include <algorithm>

#include "section/correction.h"

namespace section {

Note Noter(const Session& modele, const Session& eleve) {
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
    // A formation the model's list lays and the pupil's does not counts as
    // missing even where the view hides it: per kind, the larger of the two
    // shortfalls (formations seen, events laying them) is taken off.
    int evenementsModele[kGenresFormation] = {}, evenementsEleve[kGenresFormation] = {};
    const auto compter = [](const Liste& liste, int (&k)[kGenresFormation]) {
        for (std::size_t i = 1; i < liste.size(); ++i)
            if (const auto ev = EvenementDeLigne(liste[i]); ev && *ev != Evenement::Compression)
                ++k[static_cast<int>(GenreDe(*ev))];
    };
    compter(modele.liste(), evenementsModele);
    compter(l, evenementsEleve);
    int ecarts = 0;
    for (int g = 0; g < kGenresFormation; ++g)
        ecarts += std::max({0, n.formations.modele[g] - n.formations.eleve[g], evenementsModele[g] - evenementsEleve[g]}) +
                  std::max({0, n.formations.eleve[g] - n.formations.modele[g], evenementsEleve[g] - evenementsModele[g]});
    n.formationsEnEcart = ecarts;
    if (n.evenementsReconnus == 0) {
        n.points = 0;
    } else if (n.memeCoupe) {
        n.points = kNoteMax;
    } else {
        const std::int64_t base =
            n.roche == 0 ? 0 : kNoteSectionDifferente * n.rocheIdentique / n.roche;  // rounded down
        const std::int64_t penalite =
            static_cast<std::int64_t>(kPenaliteFormation) * ecarts;
        n.points = static_cast<int>(std::clamp<std::int64_t>(base - penalite, 0, kNoteSectionDifferente));
    }
    return n;
}

}  // namespace section
