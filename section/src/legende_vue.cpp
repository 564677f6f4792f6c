// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/legende_vue.h"

#include <algorithm>
#include <map>

#include "section/formations.h"
#include "section/textes.h"

namespace section {

std::vector<LigneLegende> LignesLegende(const Session& s) {
    std::vector<LigneLegende> lignes;
    if (!s.Prete()) return lignes;
    const PlanFormations plan = FormationsDeLaVue(s.section());
    std::map<Formation, Rect> carres;
    for (const Etiquette& e : PlacerEtiquettes(plan)) carres.emplace(e.formation, e.boite);
    // The colours of the formations without a letter, counted over the view.
    const Raster& vue = s.vue();
    std::map<Formation, std::map<Couleur, int>> couleurs;
    for (int y = 0; y < plan.hauteur && y < vue.height(); ++y) {
        const Couleur* ligne = vue.row(y);
        for (int x = 0; x < plan.largeur && x < vue.width(); ++x) {
            const Formation f = plan.At(x, y);
            if (f >= 0 && !carres.count(f)) ++couleurs[f][ligne[x]];
        }
    }
    for (const EntreeLegende& e : s.Legende()) {
        LigneLegende l{e, TexteLegende(e)};
        if (const auto carre = carres.find(e.formation); carre != carres.end()) {
            l.carre = carre->second;
        } else {
            l.sansLettre = true;
            l.texte = Remplir(Texte("Legende", "%1 — trop mince pour porter sa lettre"), {l.texte});
            const std::map<Couleur, int>& c = couleurs[e.formation];
            const auto commune =
                std::max_element(c.begin(), c.end(), [](const auto& u, const auto& v) { return u.second < v.second; });
            if (commune != c.end()) l.couleur = commune->first & 0xFFFFFFu;
        }
        lignes.push_back(std::move(l));
    }
    return lignes;
}

std::vector<std::uint32_t> PlanTeintes(const Session& s) {
    if (!s.Prete()) return {};
    const Raster& vue = s.vue();
    const int l = std::max(vue.width(), 0), h = std::max(vue.height(), 0);
    std::vector<std::uint32_t> teintes(static_cast<std::size_t>(l) * static_cast<std::size_t>(h), 0u);
    const PlanFormations plan = FormationsDeLaVue(s.section());
    std::map<Formation, std::uint32_t> parFormation;
    for (const EntreeLegende& e : s.Legende()) parFormation[e.formation] = (kOpaciteTeinte << 24) | (e.teinte & 0xFFFFFFu);
    for (int y = 0; y < plan.hauteur && y < h; ++y)
        for (int x = 0; x < plan.largeur && x < l; ++x)
            if (const auto it = parFormation.find(plan.At(x, y)); it != parFormation.end())
                teintes[static_cast<std::size_t>(y) * static_cast<std::size_t>(l) + static_cast<std::size_t>(x)] =
                    it->second;
    return teintes;
}

}  // namespace section
