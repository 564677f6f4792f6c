// SPDX-License-Identifier: GPL-3.0-or-later
// The legend of the formations: deposits, their words and their tints.
#include "section/legende.h"

#include <algorithm>
#include <array>

#include "section/textes.h"

namespace section {

Depot DepotDe(Evenement e) {
    switch (e) {
    case Evenement::Sedimentation: return Depot::Couche;
    case Evenement::Volcanisme: return Depot::Basalte;
    case Evenement::Erosion: return Depot::SurfaceErosion;
    case Evenement::Plutonisme: return Depot::Granite;
    case Evenement::Compression: return Depot::Pli;
    case Evenement::Chevauchement: return Depot::Chevauchement;
    case Evenement::Distension: return Depot::Failles;
    }
    return Depot::Aucun;
}

Depot RocheDeCouche(std::uint32_t graine, int k) {
    static constexpr std::array<Depot, 6> kRoches = {Depot::Gres,           Depot::Sable, Depot::CalcaireDeCouche,
                                                     Depot::ArgileDeCouche, Depot::Marne, Depot::Craie};
    // splitmix64 of the seed and the rank: any seed spreads the rocks.
    std::uint64_t z = (static_cast<std::uint64_t>(graine) << 32 | static_cast<std::uint32_t>(k)) +
                      0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return kRoches[static_cast<std::size_t>(z % kRoches.size())];
}

int RangDeCouche(const std::vector<Depot>& depots, Formation formation) {
    if (formation < 1 || static_cast<std::size_t>(formation) >= depots.size() ||
        depots[static_cast<std::size_t>(formation)] != Depot::Couche)
        return 0;
    return static_cast<int>(std::count(depots.begin() + 1, depots.begin() + formation + 1, Depot::Couche));
}

IdentiteFormation IdentiteDeLigne(const std::vector<Depot>& depots, Formation formation) {
    if (formation < 0 || static_cast<std::size_t>(formation) >= depots.size()) return {};
    const Depot d = depots[static_cast<std::size_t>(formation)];
    if (formation == 0) return {d, 0};
    return {d, static_cast<int>(std::count(depots.begin() + 1, depots.begin() + formation + 1, d))};
}

bool EstStructure(Depot d) {
    return d == Depot::SurfaceErosion || d == Depot::Chevauchement || d == Depot::Failles;
}

DescriptionDepot Decrire(Depot d) {
    const auto depart = [] { return Texte("Legende", "série de départ"); };
    const auto sedimentation = [] { return Texte("Legende", "sédimentation"); };
    switch (d) {
    case Depot::Aucun: break;
    case Depot::SerieDeDepart:
        return {Texte("Legende", "calcaire, argile, conglomérat"), Texte("Legende", "série de départ, sédimentaire")};
    case Depot::Calcaire: return {Texte("Legende", "calcaire"), depart()};
    case Depot::Argile: return {Texte("Legende", "argile"), depart()};
    case Depot::Conglomerat: return {Texte("Legende", "conglomérat"), depart()};
    case Depot::Couche: return {Texte("Legende", "roche sédimentaire"), sedimentation()};
    case Depot::Gres: return {Texte("Legende", "grès"), sedimentation()};
    case Depot::Marne: return {Texte("Legende", "marne"), sedimentation()};
    case Depot::Sable: return {Texte("Legende", "sable"), sedimentation()};
    case Depot::Craie: return {Texte("Legende", "craie à silex"), sedimentation()};
    case Depot::CalcaireDeCouche: return {Texte("Legende", "calcaire"), sedimentation()};
    case Depot::ArgileDeCouche: return {Texte("Legende", "argile"), sedimentation()};
    case Depot::Basalte: return {Texte("Legende", "basalte : coulée et filon"), Texte("Legende", "volcanisme")};
    case Depot::Granite: return {Texte("Legende", "granite"), Texte("Legende", "plutonisme")};
    case Depot::SurfaceErosion: return {Texte("Legende", "surface d'érosion"), Texte("Legende", "érosion")};
    case Depot::Chevauchement:
        return {Texte("Legende", "plan de chevauchement"), Texte("Legende", "chevauchement")};
    case Depot::Failles: return {Texte("Legende", "faille normale"), Texte("Legende", "distension")};
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

std::string TexteLegende(const EntreeLegende& e) {
    //: A line of the pupils' legend: %1 the letter, %2 the rock.
    return Remplir(Texte("Legende", "%1 : %2"), {e.lettre, Decrire(e.depot).roches});
}

std::string TexteLegendeCorrige(const EntreeLegende& e) {
    const DescriptionDepot d = Decrire(e.depot);
    //: A line of the legend: %1 the letter, %2 the rocks, %3 the kind of event.
    return Remplir(Texte("Legende", "%1 : %2 (%3)"), {e.lettre, d.roches, d.origine});
}

}  // namespace section
