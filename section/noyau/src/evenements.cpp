// SPDX-License-Identifier: GPL-3.0-or-later
// The event table's dispatch and names.
#include "section/evenements.h"

#include "section/encodage.h"
#include "section/textes.h"

namespace section {

const TypeEvenement* EvenementParTag(int tag) {
    if (tag < 1 || tag > static_cast<int>(kEvenements.size())) return nullptr;
    return &kEvenements[static_cast<std::size_t>(tag - 1)];
}

std::optional<Evenement> EvenementDeTag(int tag) {
    if (const TypeEvenement* e = EvenementParTag(tag)) return e->evenement;
    return std::nullopt;
}

std::optional<Evenement> EvenementDeLigne(std::string_view ligne) {
    for (const TypeEvenement& e : kEvenements)
        if (e.ligne == ligne) return e.evenement;
    return std::nullopt;
}

int TagDeLigne(std::string_view ligne) {
    const std::optional<Evenement> e = EvenementDeLigne(ligne);
    return e ? Tag(*e) : 0;
}

// The words of the table, each written again whole for the translator;
// the tests check that they match the table.
std::string DescriptionEvenement(Evenement e) {
    switch (e) {
    case Evenement::Sedimentation:
        return Texte("Evenements",
                     "Une nouvelle couche se dépose sur la surface ; sur un relief, elle comble d'abord les creux.");
    case Evenement::Volcanisme:
        return Texte("Evenements",
                     "Une coulée de lave sort d'un petit volcan près du bord droit et s'étale sur la surface ; son "
                     "filon recoupe les couches.");
    case Evenement::Erosion: return Texte("Evenements", "Le haut de la coupe est raboté : il reste une surface plane.");
    case Evenement::Plutonisme:
        return Texte("Evenements",
                     "Un magma granitique s'injecte en profondeur, près du bord droit, et y cristallise.");
    case Evenement::Compression: return Texte("Evenements", "Les couches sont serrées et se plissent.");
    case Evenement::Chevauchement:
        return Texte("Evenements",
                     "Les couches se plissent, puis un paquet de couches glisse sur ses voisines le long d'une "
                     "faille.");
    case Evenement::Distension: return Texte("Evenements", "La région s'étire : un bloc s'effondre entre deux failles.");
    }
    return std::string(Type(e).description);
}

std::string NomEvenement(Evenement e) {
    switch (e) {
    case Evenement::Sedimentation: return Texte("Evenements", "Sédimentation");
    case Evenement::Volcanisme: return Texte("Evenements", "Volcanisme");
    case Evenement::Erosion: return Texte("Evenements", "Erosion");
    case Evenement::Plutonisme: return Texte("Evenements", "Plutonisme");
    case Evenement::Compression: return Texte("Evenements", "Compression");
    case Evenement::Chevauchement: return Texte("Evenements", "Chevauchement");
    case Evenement::Distension: return Texte("Evenements", "Distension");
    }
    return {};
}

std::string NomEvenement(std::string_view ligne) {
    if (const std::optional<Evenement> e = EvenementDeLigne(ligne)) return NomEvenement(*e);
    return Utf8DeLigne(ligne);
}

void OperationsEvenement(Section& s, Evenement e) {
    switch (e) {
    case Evenement::Sedimentation: Sedimenter(s); break;
    case Evenement::Volcanisme: PlacerCoulee(s); break;
    case Evenement::Erosion: Eroder(s); break;
    case Evenement::Plutonisme: PlacerPluton(s); break;
    case Evenement::Compression: Plisser(s); break;
    case Evenement::Chevauchement:
        Plisser(s);
        Chevaucher(s);
        break;
    case Evenement::Distension: Distendre(s); break;
    }
}

}  // namespace section
