// SPDX-License-Identifier: GPL-3.0-or-later
// The event kinds: one constant table that dispatch, replay, availability,
// help, sounds and every front end's commands read. List lines are
// Windows-1252 byte strings and are compared exactly.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/section.h"

namespace section {

using Ligne = std::string;  // Windows-1252 bytes
using Liste = std::vector<Ligne>;

// The seven kinds of event. The value is the tag that the buttons and menu
// items carry; help contexts are 10 + tag.
enum class Evenement : int {
    Sedimentation = 1,
    Volcanisme = 2,
    Erosion = 3,
    Plutonisme = 4,
    Compression = 5,
    Chevauchement = 6,
    Distension = 7,
};

constexpr int Tag(Evenement e) { return static_cast<int>(e); }

struct TypeEvenement {
    Evenement evenement;
    int tag;                  // 1..7, carried by the button and the menu item
    std::string_view ligne;   // exact list line, Windows-1252
    const char* bouton;       // button component name
    const char* menu;         // menu item component name
    const char* aide;         // help button name
    int contexte;             // help context
    const char* son;          // wave file in Base
    std::string_view description;  // what the command does, for a pupil (UTF-8, French)
};

// "S\xE9dimentation" holds the single byte 0xE9 for the accented e; the
// descriptions are UTF-8, like the reasons below, and French: a front end
// shows them through DescriptionEvenement.
inline constexpr std::array<TypeEvenement, 7> kEvenements = {{
    {Evenement::Sedimentation, 1, "S\xE9" "dimentation", "Sedim", "Sdimentation1", "AideBt1", 11, "Sedime.Wav",
     "Une nouvelle couche se dépose sur la surface ; sur un relief, elle comble d'abord les creux."},
    {Evenement::Volcanisme, 2, "Volcanisme", "Coulee", "Coulevolcanique1", "AideBt2", 12, "Coulee.Wav",
     "Une coulée de lave sort d'un petit volcan près du bord droit et s'étale sur la surface ; son filon recoupe les "
     "couches."},
    {Evenement::Erosion, 3, "Erosion", "Nivele", "Erosion1", "AideBt3", 13, "Erode.Wav",
     "Le haut de la coupe est raboté : il reste une surface plane."},
    {Evenement::Plutonisme, 4, "Plutonisme", "Granite", "Plutongranitique1", "AideBt4", 14, "Granite.Wav",
     "Un magma granitique s'injecte en profondeur, près du bord droit, et y cristallise."},
    {Evenement::Compression, 5, "Compression", "Plissa", "Compression1", "AideBt5", 15, "Plisse.Wav",
     "Les couches sont serrées et se plissent."},
    {Evenement::Chevauchement, 6, "Chevauchement", "Chevauche", "Chevauchement1", "AideBt6", 16, "Chevauche.Wav",
     "Les couches se plissent, puis un paquet de couches glisse sur ses voisines le long d'une faille."},
    {Evenement::Distension, 7, "Distension", "Casse", "Distension1", "AideBt7", 17, "Casse.Wav",
     "La région s'étire : un bloc s'effondre entre deux failles."},
}};

// The table row of a kind.
constexpr const TypeEvenement& Type(Evenement e) {
    return kEvenements[static_cast<std::size_t>(Tag(e) - 1)];
}
// The description of kind `e` in the current language (see textes.h):
// without a translator, Type(e).description word for word.
std::string DescriptionEvenement(Evenement e);
// The name of kind `e` as a command shows it, in the current language (see
// textes.h); the list files keep the French word in every language.
std::string NomEvenement(Evenement e);
// The name of a list line's event the same way ("S\xE9dimentation", the
// list files' Windows-1252, gives "Sédimentation" in French, UTF-8); a
// line that names no event, as it reads.
std::string NomEvenement(std::string_view ligne);
// The table row of tag 1..7, or nullptr.
const TypeEvenement* EvenementParTag(int tag);
// The kind of tag 1..7, or nothing.
std::optional<Evenement> EvenementDeTag(int tag);
// The kind whose list line equals `ligne` byte for byte, or nothing.
std::optional<Evenement> EvenementDeLigne(std::string_view ligne);
// The tag whose list line equals `ligne` byte for byte, or 0.
int TagDeLigne(std::string_view ligne);

inline constexpr std::string_view kLigneInitiale = Type(Evenement::Sedimentation).ligne;

// The four kinds whose operations read SurfaceBas/SurfaceHaut.
constexpr bool LitLaSurface(Evenement e) {
    return e == Evenement::Sedimentation || e == Evenement::Volcanisme || e == Evenement::Erosion ||
           e == Evenement::Plutonisme;
}
// A fold, whose step of the fold factor an undo takes back.
constexpr bool Plie(Evenement e) { return e == Evenement::Compression || e == Evenement::Chevauchement; }

// Runs the section operations of kind `e` as they stand: the operations read
// SurfaceBas/SurfaceHaut as the last MesureSurface left them.
void OperationsEvenement(Section& s, Evenement e);

}  // namespace section
