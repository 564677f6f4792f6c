// SPDX-License-Identifier: GPL-3.0-or-later
// When each event command is possible: the rules read the surface and the
// list, and each command off carries the reason of the first rule it fails,
// in a pupil's words; the tooltips every front end shows are built here.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "section/evenements.h"
#include "section/section.h"

namespace section {

// The margins of the availability rules, in rows (rows grow downwards, so a
// large SurfaceHaut is a low surface).
// An eroded surface stays this far above the bottom of the view.
constexpr int kMargeErosion = 15;
// Rows that an erosion removes from a flat surface.
constexpr int kEpaisseurErosionPlane = 33;
// Room above an uneven surface that a sedimentation needs, above Rejet.
constexpr int kHauteurComblement = 20;
// A lava flow needs a flat surface lower than this row.
constexpr int kFondVolcanisme = 82;
// A pluton needs the surface this far above the bottom of the view.
constexpr int kMargePluton = 15;

// Why a command is off, in a pupil's words (UTF-8, French); where the limit
// is the program's and not nature's, the reason says so ("Strataloom ne sait
// pas..."). Every front end shows these words (through TexteRaison, in its
// language), and the help's "Quand est-ce possible ?" paragraphs quote them.
// Each rule of MajBoutons that can fail has its own reason.
namespace raison {
inline constexpr std::string_view PasDePlaceCouche = "plus de place pour une nouvelle couche : fais d'abord une érosion";
// The program lays a flow only on flat ground; lava itself spreads on any.
inline constexpr std::string_view PasPlane =
    "Strataloom ne sait poser une coulée que sur une surface plane : fais d'abord une érosion";
inline constexpr std::string_view TropHautePourCoulee =
    "la surface est trop près du haut de l'image pour y dessiner la coulée : fais d'abord une érosion";
inline constexpr std::string_view TropBasPourEroder =
    "la surface est déjà trop près du bas de l'image : une érosion la ferait disparaître";
inline constexpr std::string_view TropBasPourPluton =
    "la surface est trop près du bas de l'image : il ne reste plus assez de couches à traverser";
// The three below are limits of the program: a stretched region can very
// well be intruded, compressed or thrust later in nature.
inline constexpr std::string_view DistensionPluton =
    "une distension figure dans la liste : Strataloom ne sait pas mettre en place un granite dans une région "
    "déjà étirée";
inline constexpr std::string_view DistensionCompression =
    "une distension figure dans la liste : Strataloom ne sait pas comprimer une région déjà étirée";
inline constexpr std::string_view DistensionChevauchement =
    "une distension figure dans la liste : Strataloom ne sait pas faire chevaucher une région déjà étirée";
inline constexpr std::string_view TropHautPourChevaucher =
    "la surface est trop près du haut de l'image : les couches qui montent n'auraient plus de place";
// The base of the thrust sheet, which Chevaucher marks below the view; each
// thrust lifts it a little.
inline constexpr std::string_view BaseDeLaNappe =
    "la base de la nappe d'un chevauchement précédent remonterait dans l'image : Strataloom ne sait pas faire un "
    "chevauchement de plus";
// Every command is off because the section could not be made.
inline constexpr std::string_view SansCoupe = "les images de la coupe manquent : aucun événement n'est possible";
}  // namespace raison

// Every reason the rules can give for kind `e` (none for Distension).
std::vector<std::string_view> RaisonsPossibles(Evenement e);
// One of the reasons above in the current language (see textes.h): the
// reason itself without a translator. Any other text comes back as it is.
// The reasons stay French where they are compared (Disponibilite::Raison,
// RaisonsPossibles); this is what is shown.
std::string TexteRaison(std::string_view raison);

// Enabled state of the seven commands, with the reason of each one off.
class Disponibilite {
public:
    bool operator[](Evenement e) const { return actif_[static_cast<std::size_t>(Tag(e))]; }
    bool& operator[](Evenement e) { return actif_[static_cast<std::size_t>(Tag(e))]; }
    // By tag; false for a tag that names no kind.
    bool ParTag(int tag) const { return tag >= 1 && tag <= 7 && actif_[static_cast<std::size_t>(tag)]; }
    void Tout(bool actif) {
        actif_.fill(actif);
        raisons_.fill({});
    }
    // Turns kind `e` off for `pourquoi` (one of the reasons above).
    void Refuser(Evenement e, std::string_view pourquoi) {
        actif_[static_cast<std::size_t>(Tag(e))] = false;
        raisons_[static_cast<std::size_t>(Tag(e))] = pourquoi;
    }
    // Why kind `e` is off; empty when it is on. A command turned off with no
    // rule's reason (every command, when the section could not be made)
    // gives raison::SansCoupe.
    std::string_view Raison(Evenement e) const {
        if ((*this)[e]) return {};
        const std::string_view r = raisons_[static_cast<std::size_t>(Tag(e))];
        return r.empty() ? raison::SansCoupe : r;
    }
    // The same reason in the current language, for a pupil to read:
    // TexteRaison(Raison(e)); empty when the command is on.
    std::string Pourquoi(Evenement e) const {
        if ((*this)[e]) return {};
        return TexteRaison(Raison(e));
    }
    bool operator==(const Disponibilite&) const = default;

private:
    std::array<bool, 8> actif_{};  // indexed by tag, index 0 unused
    std::array<std::string_view, 8> raisons_{};
};

// The tooltips of kind `e`'s command and of its "?" button, in the current
// language: what the command does, what its help holds, and, when
// `raison` (one of the reasons above, or empty) is given, why it is off.
// `dernier`: this "?" is the one in red, that of the last event applied,
// which its tooltip then says.
struct Bulles {
    std::string commande;
    std::string aide;
};
Bulles BullesEvenement(Evenement e, std::string_view raison, bool dernier = false);

// Runs MesureSurface, then applies the availability rules; each command
// off carries the reason of the first rule it fails.
Disponibilite MajBoutons(Section& s, const Liste& liste);

}  // namespace section
