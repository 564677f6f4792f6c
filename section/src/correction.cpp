// SPDX-License-Identifier: GPL-3.0-or-later
// "Vérifier" and "Ordonner": what differs between a pupil's section and the
// model's, told from the views and their formation planes, and the events
// of the model as cards to put in order.
#include "section/correction.h"

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <utility>

#include "designations.h"
#include "section/formations.h"
#include "section/textes.h"

namespace section {

GenreFormation GenreDe(Evenement e) {
    switch (e) {
    case Evenement::Volcanisme: return GenreFormation::Coulee;
    case Evenement::Plutonisme: return GenreFormation::Granite;
    case Evenement::Erosion: return GenreFormation::SurfaceErosion;
    case Evenement::Chevauchement:
    case Evenement::Distension: return GenreFormation::Faille;
    default: return GenreFormation::Couche;
    }
}

bool ChargerExercice(Session& modele, const Exercice& e) {
    if (!modele.SuitFormations()) modele.SuivreFormations(true);
    modele.Charger(e.lignes);
    return modele.vue() == e.cible;
}

namespace {

// One formation per event that lays one (a compression lays none).
void Compter(const Session& s, int (&n)[kGenresFormation]) {
    const Liste& l = s.liste();
    for (std::size_t i = 1; i < l.size(); ++i)
        if (const auto e = EvenementDeLigne(l[i]); e && *e != Evenement::Compression) ++n[static_cast<int>(GenreDe(*e))];
}

// "une couche de roche", "2 coulées de lave"... in a pupil's words.
std::string Quantite(int n, GenreFormation g) {
    if (n == 1) {
        switch (g) {
        case GenreFormation::Couche: return Texte("Correction", "une couche de roche");
        case GenreFormation::Coulee: return Texte("Correction", "une coulée de lave");
        case GenreFormation::Granite: return Texte("Correction", "un granite");
        case GenreFormation::Faille: return Texte("Correction", "une faille");
        case GenreFormation::SurfaceErosion: return Texte("Correction", "une surface d'érosion");
        }
        return {};
    }
    const std::string nombre = std::to_string(n);
    switch (g) {
    //: %1 is a number, 2 or more.
    case GenreFormation::Couche: return Remplir(Texte("Correction", "%1 couches de roche"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::Coulee: return Remplir(Texte("Correction", "%1 coulées de lave"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::Granite: return Remplir(Texte("Correction", "%1 granites"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::Faille: return Remplir(Texte("Correction", "%1 failles"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::SurfaceErosion: return Remplir(Texte("Correction", "%1 surfaces d'érosion"), {nombre});
    }
    return {};
}

bool Ciel(Couleur c) { return c == kBleu; }

}  // namespace

BilanFormations ComparerFormations(const Session& modele, const Session& eleve) {
    BilanFormations b;
    Compter(modele, b.modele);
    Compter(eleve, b.eleve);
    for (int g = 0; g < kGenresFormation; ++g) {
        b.manquantes += std::max(0, b.modele[g] - b.eleve[g]);
        b.enTrop += std::max(0, b.eleve[g] - b.modele[g]);
    }
    return b;
}

Verification VerifierCoupe(const Session& modele, const Session& eleve) {
    Verification v;
    const Raster& m = modele.vue();
    const Raster& e = eleve.vue();
    v.largeur = std::min(m.width(), e.width());
    v.hauteur = std::min(m.height(), e.height());
    v.masque.assign(static_cast<std::size_t>(std::max(0, v.largeur)) * static_cast<std::size_t>(std::max(0, v.hauteur)), 0);
    std::int64_t surface = 0;
    for (int y = 0; y < v.hauteur; ++y)
        for (int x = 0; x < v.largeur; ++x) {
            const Couleur a = m.Pixels(x, y), b = e.Pixels(x, y);
            if (a == b) continue;
            v.masque[static_cast<std::size_t>(y) * static_cast<std::size_t>(v.largeur) + static_cast<std::size_t>(x)] = 1;
            ++v.pixelsDifferents;
            if (Ciel(a) != Ciel(b)) ++surface;
        }
    v.memeCoupe = v.pixelsDifferents == 0 && m.width() == e.width() && m.height() == e.height() &&
                  !m.empty();
    if (v.memeCoupe) return v;
    const BilanFormations f = ComparerFormations(modele, eleve);
    for (int g = 0; g < kGenresFormation; ++g) {
        const auto genre = static_cast<GenreFormation>(g);
        if (f.modele[g] > f.eleve[g])
            v.remarques.push_back(
                {Ecart::FormationManquante,
                 //: %1 says how many formations of a kind: "une couche de roche", "2 failles"...
                 Remplir(Texte("Correction", "Il manque à ta coupe %1 que montre le modèle."),
                         {Quantite(f.modele[g] - f.eleve[g], genre)})});
        if (f.eleve[g] > f.modele[g])
            v.remarques.push_back(
                {Ecart::FormationEnTrop,
                 //: %1 says how many formations of a kind: "une couche de roche", "2 failles"...
                 Remplir(Texte("Correction", "Ta coupe montre %1 de plus que le modèle."),
                         {Quantite(f.eleve[g] - f.modele[g], genre)})});
    }
    if (surface > 0)
        v.remarques.push_back({Ecart::SurfaceDifferente,
                               Texte("Correction",
                                     "La surface du sol n'a pas la même forme que dans le modèle : là où "
                                     "l'un montre du ciel, l'autre montre de la roche (zones en couleur).")});
    if (v.pixelsDifferents > surface && f.manquantes == 0 && f.enTrop == 0)
        v.remarques.push_back({Ecart::StructureDeplacee,
                               Texte("Correction",
                                     "Tes formations sont les bonnes, mais une structure n'est pas à sa place : "
                                     "compare les plis, les failles et les épaisseurs dans les zones en couleur.")});
    if (v.remarques.empty())
        v.remarques.push_back(
            {Ecart::StructureDeplacee,
             Texte("Correction", "Ta coupe n'est pas tout à fait celle du modèle : regarde les zones en couleur.")});
    return v;
}

std::vector<Carte> CartesDuModele(const Session& modele, std::uint64_t graine) {
    const std::map<Formation, std::string> lettres = Lettres(modele);
    std::vector<Carte> cartes;
    const Liste& l = modele.liste();
    for (std::size_t i = 1; i < l.size(); ++i) {
        const auto e = EvenementDeLigne(l[i]);
        if (!e) continue;
        const auto it = lettres.find(static_cast<Formation>(i));
        cartes.push_back({static_cast<int>(i), *e, NomCarte(*e, it == lettres.end() ? std::string() : it->second)});
    }
    std::mt19937_64 tirage(graine);
    for (std::size_t i = cartes.size(); i > 1; --i)
        std::swap(cartes[i - 1], cartes[static_cast<std::size_t>(tirage() % i)]);
    const bool dansLOrdre = std::is_sorted(cartes.begin(), cartes.end(),
                                           [](const Carte& a, const Carte& b) { return a.id < b.id; });
    if (cartes.size() >= 2 && dansLOrdre) std::rotate(cartes.begin(), cartes.begin() + 1, cartes.end());
    return cartes;
}

Liste ListeDesCartes(const Session& modele, const std::vector<int>& ids) {
    const Liste& l = modele.liste();
    Liste r{l.empty() ? Ligne(kLigneInitiale) : l.front()};
    for (const int id : ids)
        if (id >= 1 && static_cast<std::size_t>(id) < l.size()) r.push_back(l[static_cast<std::size_t>(id)]);
    return r;
}

VerificationOrdre VerifierOrdre(const Session& modele, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai) {
    return VerifierOrdre(modele, LireChronologie(modele), cartes, ids, essai);
}

VerificationOrdre VerifierOrdre(const Session& modele, const Chronologie& c, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai) {
    VerificationOrdre v;
    std::vector<int> attendus, donnes = ids;
    for (const Carte& carte : cartes) attendus.push_back(carte.id);
    std::sort(attendus.begin(), attendus.end());
    std::sort(donnes.begin(), donnes.end());
    if (attendus != donnes) {
        v.complet = false;
        v.texte = Texte("Ordre", "Place toutes les cartes, chacune une seule fois, avant de vérifier.");
        return v;
    }
    essai.Charger(ListeDesCartes(modele, ids));
    const bool memeVue = essai.vue() == modele.vue() && !modele.vue().empty();
    std::map<int, std::string> noms;
    for (const Carte& carte : cartes) noms[carte.id] = carte.nom;
    const LettresVue lettres = Lettres(modele);
    const Liste& l = modele.liste();
    const Relation* rompue = c.lue ? PremiereRelationRompue(c, ids) : nullptr;
    v.juste = c.lue ? rompue == nullptr : memeVue;
    if (v.juste) {
        v.texte = memeVue ? Texte("Ordre", "Bravo : cet ordre redonne exactement la coupe du modèle.")
                          : Texte("Ordre", "Bravo : cet ordre respecte tout ce que montre la coupe.");
        // Where the pupil's order differs from the model's in a pair the
        // section does not date, say that it cannot be dated.
        for (std::size_t i = 0; i < ids.size(); ++i)
            for (std::size_t j = i + 1; j < ids.size(); ++j)
                if (ids[i] > ids[j] && !c.Avant(ids[j], ids[i]) && !c.Avant(ids[i], ids[j])) {
                    const std::string a = Designation(l, lettres, ids[j]), b = Designation(l, lettres, ids[i]);
                    v.texte = memeVue
                                  //: %1 and %2 name formations or events ("la couche B", "le plissement").
                                  ? Remplir(Texte("Ordre", "Bravo : cet ordre redonne exactement la coupe du modèle. La "
                                                           "coupe ne permet pas de dater %1 et %2 l'un par rapport à l'autre."),
                                            {a, b})
                                  //: %1 and %2 name formations or events ("la couche B", "le plissement").
                                  : Remplir(Texte("Ordre", "Bravo : cet ordre respecte tout ce que montre la coupe. La "
                                                           "coupe ne permet pas de dater %1 et %2 l'un par rapport à l'autre."),
                                            {a, b});
                    return v;
                }
        return v;
    }
    if (!rompue) {
        v.texte = Texte("Ordre", "Cet ordre ne redonne pas la coupe du modèle.");
        return v;
    }
    v.avant = rompue->ancien;
    v.apres = rompue->recent;
    v.principe = rompue->principe;
    //: %1 and %2 quoted cards, %1 to put after %2; %3 says what the section shows and its principle.
    v.texte = Remplir(Texte("Ordre", "%1 doit venir après %2 : %3."),
                      {Cite(noms[v.apres]), Cite(noms[v.avant]), Clause(l, lettres, *rompue)});
    return v;
}

}  // namespace section
