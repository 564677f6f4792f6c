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
};

// "S\xE9dimentation" holds the single byte 0xE9 for the accented e.
inline constexpr std::array<TypeEvenement, 7> kEvenements = {{
    {Evenement::Sedimentation, 1, "S\xE9" "dimentation", "Sedim", "Sdimentation1", "AideBt1", 11, "Sedime.Wav"},
    {Evenement::Volcanisme, 2, "Volcanisme", "Coulee", "Coulevolcanique1", "AideBt2", 12, "Coulee.Wav"},
    {Evenement::Erosion, 3, "Erosion", "Nivele", "Erosion1", "AideBt3", 13, "Erode.Wav"},
    {Evenement::Plutonisme, 4, "Plutonisme", "Granite", "Plutongranitique1", "AideBt4", 14, "Granite.Wav"},
    {Evenement::Compression, 5, "Compression", "Plissa", "Compression1", "AideBt5", 15, "Plisse.Wav"},
    {Evenement::Chevauchement, 6, "Chevauchement", "Chevauche", "Chevauchement1", "AideBt6", 16, "Chevauche.Wav"},
    {Evenement::Distension, 7, "Distension", "Casse", "Distension1", "AideBt7", 17, "Casse.Wav"},
}};

// The table row of a kind.
constexpr const TypeEvenement& Type(Evenement e) {
    return kEvenements[static_cast<std::size_t>(Tag(e) - 1)];
}
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

// Enabled state of the seven commands.
class Disponibilite {
public:
    bool operator[](Evenement e) const { return actif_[static_cast<std::size_t>(Tag(e))]; }
    bool& operator[](Evenement e) { return actif_[static_cast<std::size_t>(Tag(e))]; }
    // By tag; false for a tag that names no kind.
    bool ParTag(int tag) const { return tag >= 1 && tag <= 7 && actif_[static_cast<std::size_t>(tag)]; }
    void Tout(bool actif) { actif_.fill(actif); }
    bool operator==(const Disponibilite&) const = default;

private:
    std::array<bool, 8> actif_{};  // indexed by tag, index 0 unused
};

// Runs MesureSurface, then applies the availability rules.
Disponibilite MajBoutons(Section& s, const Liste& liste);

// The list as file bytes: each line followed by CR LF.
std::string TexteListe(const Liste& liste);
// Splits file bytes at CR LF, lone CR and lone LF; a NUL ends the text; a
// final break adds no line. Text that LuEnUtf8 recognises is converted to
// Windows-1252 first (Cp1252DeUtf8), so a list saved in UTF-8 by another
// editor gives the same lines as its Windows-1252 twin.
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

// Converts a list line for display (Windows-1252 to UTF-8).
std::string Utf8DeLigne(std::string_view ligne);

}  // namespace section
