// SPDX-License-Identifier: GPL-3.0-or-later
// "Vérifier": what differs between a pupil's section and the model's.
#include "section/verification.h"

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <utility>

#include "designations.h"
#include "section/formations.h"
#include "section/ordre.h"
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
    BilanFormations f = ComparerFormations(modele, eleve);
    // A thrust where the model folds (or the reverse) is named as such, not
    // as a fault in excess or missing.
    const StructuresEchangees echange =
        CompterEchanges(EvenementsParSorte(modele.liste()), EvenementsParSorte(eleve.liste()));
    const int faille = static_cast<int>(GenreFormation::Faille);
    f.eleve[faille] -= echange.plisEnChevauchement;
    f.modele[faille] -= echange.chevauchementsEnPli;
    if (echange.plisEnChevauchement > 0)
        v.remarques.push_back({Ecart::StructureEchangee,
                               Texte("Correction", "À la place du plissement, ta coupe montre un chevauchement.")});
    if (echange.chevauchementsEnPli > 0)
        v.remarques.push_back({Ecart::StructureEchangee,
                               Texte("Correction", "À la place du chevauchement, ta coupe montre un plissement.")});
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
    if (v.pixelsDifferents > surface && f.manquantes == 0 && f.enTrop == 0 && echange.plisEnChevauchement == 0 &&
        echange.chevauchementsEnPli == 0)
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

}  // namespace section
