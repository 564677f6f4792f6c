// SPDX-License-Identifier: GPL-3.0-or-later
// The legend of the formations: deposits, their words and their tints.
#include "section/legende.h"

#include <algorithm>
#include <array>

#include "section/textes.h"

namespace section {

Depot DepotDe(Evenement e, bool surfacePlane) {
    switch (e) {
    case Evenement::Sedimentation: return surfacePlane ? Depot::Gres : Depot::Craie;
    case Evenement::Volcanisme: return Depot::Basalte;
    case Evenement::Erosion: return Depot::SurfaceErosion;
    case Evenement::Plutonisme: return Depot::Granite;
    case Evenement::Compression: return Depot::Pli;
    case Evenement::Chevauchement: return Depot::Chevauchement;
    case Evenement::Distension: return Depot::Failles;
    }
    return Depot::Aucun;
}

DescriptionDepot Decrire(Depot d) {
    switch (d) {
    case Depot::Aucun: break;
    case Depot::SerieDeDepart:
        return {Texte("Legende", "calcaire, argile, conglomérat"), Texte("Legende", "série de départ, sédimentaire")};
    case Depot::Gres: return {Texte("Legende", "grès"), Texte("Legende", "sédimentation sur une surface plane")};
    case Depot::Craie:
        return {Texte("Legende", "craie à silex"), Texte("Legende", "sédimentation qui comble un relief")};
    case Depot::Basalte: return {Texte("Legende", "basalte : coulée et filon"), Texte("Legende", "volcanisme")};
    case Depot::Granite: return {Texte("Legende", "granite"), Texte("Legende", "plutonisme")};
    case Depot::SurfaceErosion: return {Texte("Legende", "surface d'érosion"), Texte("Legende", "érosion")};
    case Depot::Chevauchement:
        return {Texte("Legende", "plan de chevauchement"), Texte("Legende", "chevauchement")};
    case Depot::Failles: return {Texte("Legende", "failles normales"), Texte("Legende", "distension")};
    case Depot::Pli: return {Texte("Legende", "pli"), Texte("Legende", "compression")};
    }
    return {Texte("Legende", "formation inconnue"), Texte("Legende", "événement inconnu")};
}

Couleur TeinteDeRang(int rang) {
    // Twelve hues far apart, then the same a shade darker for each round.
    static constexpr std::array<Couleur, 12> kTeintes = {
        Rgb(230, 159, 0),  Rgb(86, 180, 233),  Rgb(0, 158, 115),  Rgb(240, 228, 66),
        Rgb(0, 114, 178),  Rgb(213, 94, 0),    Rgb(204, 121, 167), Rgb(127, 60, 141),
        Rgb(17, 165, 121), Rgb(57, 105, 172),  Rgb(242, 183, 1),  Rgb(231, 63, 116)};
    if (rang < 0) rang = 0;
    const Couleur c = kTeintes[static_cast<std::size_t>(rang) % kTeintes.size()];
    const unsigned tour = static_cast<unsigned>(std::min(rang / static_cast<int>(kTeintes.size()), 3));
    auto sombre = [tour](Couleur v) { return v * (4 - tour) / 4; };
    return Rgb(sombre(c >> 16 & 0xFF), sombre(c >> 8 & 0xFF), sombre(c & 0xFF));
}

std::vector<EntreeLegende> Legende(const PlanFormations& p, const std::vector<Depot>& depots) {
    std::vector<EntreeLegende> l;
    const std::vector<Effectif> effectifs = CompterFormations(p);
    const std::vector<Lettre> lettres = LettresFormations(p);
    l.reserve(lettres.size());
    for (std::size_t r = 0; r < lettres.size(); ++r) {
        const Formation f = lettres[r].formation;
        const auto i = static_cast<std::size_t>(f);
        int pixels = 0;
        for (const Effectif& e : effectifs)
            if (e.formation == f) pixels = e.pixels;
        l.push_back({f, lettres[r].lettre, i < depots.size() ? depots[i] : Depot::Aucun,
                     TeinteDeRang(static_cast<int>(r)), pixels});
    }
    return l;
}

std::string TexteLegende(const EntreeLegende& e) {
    const DescriptionDepot d = Decrire(e.depot);
    //: A line of the legend: %1 the letter, %2 the rocks, %3 the kind of event.
    return Remplir(Texte("Legende", "%1 : %2 (%3)"), {e.lettre, d.roches, d.origine});
}

}  // namespace section
