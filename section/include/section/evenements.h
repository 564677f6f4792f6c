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

struct TypeEvenement {
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
    {1, "S\xE9" "dimentation", "Sedim", "Sdimentation1", "AideBt1", 11, "Sedime.Wav"},
    {2, "Volcanisme", "Coulee", "Coulevolcanique1", "AideBt2", 12, "Coulee.Wav"},
    {3, "Erosion", "Nivele", "Erosion1", "AideBt3", 13, "Erode.Wav"},
    {4, "Plutonisme", "Granite", "Plutongranitique1", "AideBt4", 14, "Granite.Wav"},
    {5, "Compression", "Plissa", "Compression1", "AideBt5", 15, "Plisse.Wav"},
    {6, "Chevauchement", "Chevauche", "Chevauchement1", "AideBt6", 16, "Chevauche.Wav"},
    {7, "Distension", "Casse", "Distension1", "AideBt7", 17, "Casse.Wav"},
}};

// The table row of tag 1..7, or nullptr.
const TypeEvenement* EvenementParTag(int tag);
// The tag whose list line equals `ligne` byte for byte, or 0.
int TagDeLigne(std::string_view ligne);

inline constexpr std::string_view kLigneInitiale = kEvenements[0].ligne;

// Runs the section operations of kind `tag` as the event command does:
// the operations read SurfaceBas/SurfaceHaut as the last MesureSurface left them.
void OperationsEvenement(Section& s, int tag);

// Enabled state of the seven commands, indexed by tag (index 0 unused).
using Disponibilite = std::array<bool, 8>;
// Runs MesureSurface, then applies the availability rules.
Disponibilite MajBoutons(Section& s, const Liste& liste);

// The list as file bytes: each line followed by CR LF.
std::string TexteListe(const Liste& liste);
// Splits file bytes at CR LF, lone CR and lone LF; a NUL ends the text; a
// final break adds no line.
Liste LireListe(std::string_view octets);
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

// The interactive road of one event without widgets: snapshot, operations,
// list line, display, availability; single-level undo; reset; replay.
class Atelier {
public:
    // Resets the section (textures must be loaded in sec.tex), list and undo.
    void InitProfil();
    // Applies kind `tag` as the event command does.
    void Appliquer(int tag);
    // Undoes the last event; false when undo is not available.
    bool Annuler();
    // Reset then replay of `liste`, which becomes the event list.
    void Charger(const Liste& liste);

    Section sec;
    Liste liste;
    Raster tempo;            // undo snapshot
    bool annulable = false;  // undo enabled
    Disponibilite dispo{};
};

}  // namespace section
