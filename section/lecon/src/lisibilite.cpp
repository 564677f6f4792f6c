// SPDX-License-Identifier: GPL-3.0-or-later
// Whether an exercise is legible: every order its chronology allows gives
// its picture. The orders are walked depth first; the section after each
// prefix is kept, so lists sharing a prefix replay it once, and one working
// section (with its textures) serves every branch.
#include <algorithm>
#include <optional>
#include <set>

#include "designations.h"
#include "section/chronologie.h"
#include "section/textes.h"
#include "section/liste.h"
#include "section/vraisemblance.h"

namespace section {

namespace {

// What an event changes in a section.
struct Etat {
    Raster observe;
    int surfaceBas = 0, surfaceHaut = 0;
    double facteurPli = 1.0, facteurPliPrec = 0.0;

    void Garder(const Section& s) {
        observe = s.Observe;
        surfaceBas = s.SurfaceBas;
        surfaceHaut = s.SurfaceHaut;
        facteurPli = s.FacteurPli;
        facteurPliPrec = s.FacteurPliPrec;
    }
    void Rendre(Section& s) const {
        s.Observe = observe;
        s.SurfaceBas = surfaceBas;
        s.SurfaceHaut = surfaceHaut;
        s.FacteurPli = facteurPli;
        s.FacteurPliPrec = facteurPliPrec;
    }
};

struct Parcours {
    const Liste& lignes;
    const Raster& cible;
    std::vector<int> cartes;              // list indices of the events
    std::vector<std::vector<int>> avant;  // per card rank: ranks that must come first
    Section& travail;
    std::set<Liste> vues;                 // complete lists already compared
    int compatibles = 0;
    bool trop = false;
    std::vector<int> difference;          // the first consistent order that gives another view
    std::vector<int> ordre;

    // `etat` is the section after `ordre`.
    void Explorer(const Etat& etat, std::uint64_t places) {
        if (trop || !difference.empty()) return;
        if (ordre.size() == cartes.size()) {
            Liste l{lignes.front()};
            for (const int i : ordre) l.push_back(lignes[static_cast<std::size_t>(i)]);
            if (!vues.insert(l).second) return;
            if (++compatibles > kOrdresCompatiblesMax) {
                trop = true;
                return;
            }
            etat.Rendre(travail);
            AfficheProfil(travail);
            if (!(travail.Visu == cible)) difference = ordre;
            return;
        }
        // Children grouped by line: one replay per distinct line.
        std::vector<std::pair<Ligne, Etat>> faits;
        for (std::size_t k = 0; k < cartes.size(); ++k) {
            if (places >> k & 1) continue;
            bool libre = true;
            for (const int a : avant[k]) libre = libre && (places >> a & 1);
            if (!libre) continue;
            const Ligne& ligne = lignes[static_cast<std::size_t>(cartes[k])];
            auto it = std::find_if(faits.begin(), faits.end(), [&](const auto& f) { return f.first == ligne; });
            if (it == faits.end()) {
                etat.Rendre(travail);
                RejouerLigne(travail, ligne);
                Etat suite;
                suite.Garder(travail);
                faits.emplace_back(ligne, std::move(suite));
                it = faits.end() - 1;
            }
            ordre.push_back(cartes[k]);
            Explorer(it->second, places | (std::uint64_t{1} << k));
            ordre.pop_back();
            if (trop || !difference.empty()) return;
        }
    }
};

}  // namespace

void EvaluerLisibilite(const Textures& textures, const Liste& lignes, Chronologie& c) {
    c.evaluee = true;
    c.lisible = false;
    c.ordresCompatibles = 0;
    c.ecarts.clear();
    if (!c.lue || lignes.empty()) return;
    // The letters are read only when a sentence needs them.
    std::optional<LettresVue> lettres;
    const auto lire = [&]() -> const LettresVue& {
        if (!lettres) {
            Session modele;
            modele.DefinirTextures(textures);
            modele.Charger(lignes);
            lettres = Lettres(modele);
        }
        return *lettres;
    };
    const auto nom = [&](int i) {
        const auto e = EvenementDeLigne(lignes[static_cast<std::size_t>(i)]);
        const LettresVue& l = lire();
        const auto it = l.find(static_cast<Formation>(i));
        return Cite(NomCarte(*e, it == l.end() ? std::string() : it->second));
    };
    std::vector<int> cartes;
    for (std::size_t i = 1; i < lignes.size(); ++i)
        if (EvenementDeLigne(lignes[i])) cartes.push_back(static_cast<int>(i));
    bool contraire = false;
    for (const Relation& r : c.relations)
        if (r.ancien > r.recent) {
            contraire = true;
            c.ecarts.push_back(
                {r.recent, r.ancien,
                 //: %1 and %2 quoted cards; %3 says what the picture shows.
                 Remplir(Texte("Lisibilite", "La liste place %1 avant %2, mais la coupe montre le contraire : %3."),
                         {nom(r.recent), nom(r.ancien), Clause(lignes, lire(), r)})});
        }
    for (const int i : cartes)
        if (static_cast<std::size_t>(i) < c.visible.size() && !c.visible[static_cast<std::size_t>(i)])
            c.ecarts.push_back({i, -1,
                                //: %1 a quoted card.
                                Remplir(Texte("Lisibilite", "%1 ne se voit pas sur la coupe."), {nom(i)})});
    // A section that could not have formed so, step by step.
    if (const Invraisemblance v = PremiereInvraisemblance(textures, lignes)) {
        if (v.genre == Invraisemblance::Genre::GraniteAuJour)
            c.ecarts.push_back({v.ligne, -1,
                                //: %1 a quoted card (a granite).
                                Remplir(Texte("Lisibilite", "%1 affleure dès sa mise en place : un granite se forme "
                                                            "en profondeur et n'affleure qu'après une érosion."),
                                        {nom(v.ligne)})});
        else
            c.ecarts.push_back({v.granite, v.ligne,
                                //: %1 a quoted card (a layer or a flow), %2 a quoted granite.
                                Remplir(Texte("Lisibilite", "%1 repose sur %2, qu'aucune érosion n'a encore mis à "
                                                            "l'affleurement : un granite se forme en profondeur."),
                                        {nom(v.ligne), nom(v.granite)})});
    }
    if (c.cycle) {
        c.ecarts.push_back({-1, -1, Texte("Lisibilite", "La coupe montre des relations qui se contredisent.")});
        return;
    }
    if (contraire || cartes.size() > 63) return;
    Section travail;
    travail.tex = textures;
    InitSection(travail);
    Etat depart;
    depart.Garder(travail);
    // The list's own view, the one every consistent order must give.
    Rejouer(travail, lignes);
    AfficheProfil(travail);
    const Raster cible = travail.Visu;
    Parcours p{lignes, cible, cartes, {}, travail, {}, 0, false, {}, {}};
    p.avant.resize(cartes.size());
    for (const Relation& r : c.relations) {
        const auto a = std::find(cartes.begin(), cartes.end(), r.ancien);
        const auto b = std::find(cartes.begin(), cartes.end(), r.recent);
        if (a != cartes.end() && b != cartes.end())
            p.avant[static_cast<std::size_t>(b - cartes.begin())].push_back(static_cast<int>(a - cartes.begin()));
    }
    p.Explorer(depart, 0);
    c.ordresCompatibles = p.compatibles;
    if (p.trop) {
        c.ecarts.push_back({-1, -1,
                            Remplir(Texte("Lisibilite", "La coupe permet plus de %1 ordres : elle ne date pas assez "
                                                        "d'événements."),
                                    {std::to_string(kOrdresCompatiblesMax)})});
        return;
    }
    if (!p.difference.empty()) {
        // The first pair this order puts the other way round from the list.
        for (std::size_t i = 0; i < p.difference.size(); ++i)
            for (std::size_t j = i + 1; j < p.difference.size(); ++j)
                if (p.difference[i] > p.difference[j]) {
                    const int a = p.difference[j], b = p.difference[i];
                    c.ecarts.push_back(
                        {a, b,
                         //: %1 and %2 quoted cards.
                         Remplir(Texte("Lisibilite", "La coupe ne permet pas de dater %1 et %2 l'un par rapport à "
                                                     "l'autre, mais les échanger change la coupe."),
                                 {nom(a), nom(b)})});
                    return;
                }
        return;
    }
    c.lisible = c.ecarts.empty();
}

}  // namespace section
