// SPDX-License-Identifier: GPL-3.0-or-later
// The event kinds, the availability rules, the list-file text and replay.
// List lines are Windows-1252 byte strings and are compared exactly.
#pragma once

#include <array>
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
     "Une coulée de lave arrive par la droite et s'étale sur la surface."},
    {Evenement::Erosion, 3, "Erosion", "Nivele", "Erosion1", "AideBt3", 13, "Erode.Wav",
     "Le haut de la coupe est raboté : il reste une surface plane."},
    {Evenement::Plutonisme, 4, "Plutonisme", "Granite", "Plutongranitique1", "AideBt4", 14, "Granite.Wav",
     "Un massif de granite monte en profondeur, près du bord droit."},
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

// Why a command is off, in a pupil's words (UTF-8, French). Every front end
// shows these words (through TexteRaison, in its language), and the help's
// "Quand est-ce possible ?" paragraphs quote them. Each rule of MajBoutons
// that can fail has its own reason.
namespace raison {
inline constexpr std::string_view PasDePlaceCouche = "plus de place pour une nouvelle couche : fais d'abord une érosion";
inline constexpr std::string_view PasPlane = "la surface doit être plane : fais d'abord une érosion";
inline constexpr std::string_view TropHautePourCoulee =
    "la surface est trop haute pour que la lave s'y étale : fais d'abord une érosion";
inline constexpr std::string_view TropBasPourEroder =
    "la surface est déjà trop près du bas de l'image : une érosion la ferait disparaître";
inline constexpr std::string_view TropBasPourPluton =
    "la surface est trop près du bas de l'image : il ne reste plus assez de couches à traverser";
inline constexpr std::string_view DistensionPluton =
    "une distension figure dans la liste : une région étirée ne reçoit plus de granite";
inline constexpr std::string_view DistensionCompression =
    "une distension figure dans la liste : une région étirée ne peut plus être comprimée";
inline constexpr std::string_view DistensionChevauchement =
    "une distension figure dans la liste : une région étirée ne peut plus chevaucher";
inline constexpr std::string_view TropHautPourChevaucher =
    "la surface est trop près du haut de l'image : les couches qui montent n'auraient plus de place";
inline constexpr std::string_view BandeRouge =
    "la bande rouge du fond remonterait dans l'image : plus de chevauchement possible";
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

// Runs MesureSurface, then applies the availability rules; each command
// off carries the reason of the first rule it fails.
Disponibilite MajBoutons(Section& s, const Liste& liste);

// The list as file bytes: each line followed by CR LF.
std::string TexteListe(const Liste& liste);
// Splits file bytes at CR LF, lone CR and lone LF; a NUL ends the text; a
// final break adds no line. Text that LuEnUtf8 recognises is converted to
// Windows-1252 first (Cp1252DeUtf8), so a list saved in UTF-8 by another
// editor gives the same lines as its Windows-1252 twin.
//
// Written back by TexteListe and read again, a list gives the same lines
// only when its text is not taken for UTF-8; when it is (bytes such as
// "\xC3\xA9", "Ã©" in Windows-1252), the same number of lines comes back,
// each converted as Cp1252DeUtf8 converts it (a byte-order mark counting as
// one only at the start of the text). Either way every line names the same
// event as before, or none: a saved list replays the same.
Liste LireListe(std::string_view octets);
// True when the bytes are well-formed UTF-8 holding at least one multi-byte
// sequence, or begin with the UTF-8 byte-order mark and are well-formed
// after it. Pure ASCII, and any byte string that is not well-formed UTF-8
// (every Windows-1252 list with an accented letter before a plain one),
// is not. A Windows-1252 text whose non-ASCII bytes happen to pair up as
// UTF-8 ("\xC3\xA9", that is "Ã©") is read as UTF-8: no event name holds
// such a pair.
bool LuEnUtf8(std::string_view octets);
// UTF-8 to Windows-1252, without its byte-order mark; a character that has
// no Windows-1252 form becomes "?", which keeps the line visible and
// matches no event name.
std::string Cp1252DeUtf8(std::string_view octets);
// Replays lines 1..n-1 of the list on a section just reset: the line with
// index 0 is never replayed, unknown lines are skipped. The display and the
// availability are the caller's (AfficheProfil, MajBoutons).
void Rejouer(Section& s, const Liste& liste);
// Replays one line as the list replay does: MesureSurface first for the
// four operations that read the surface; an unknown line does nothing.
// Returns the tag replayed, or 0.
int RejouerLigne(Section& s, std::string_view ligne);

// The indices (from 0) of the list lines that a replay does not apply: a
// first line other than "Sédimentation" (line 0 is never replayed; the
// base layer stands for it), and every later line that names no event.
std::vector<std::size_t> LignesNonRejouees(const Liste& liste);

// Converts a list line for display (Windows-1252 to UTF-8).
std::string Utf8DeLigne(std::string_view ligne);

}  // namespace section
