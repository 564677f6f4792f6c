// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a pupil's work against an exercise's model: the section rebuilt
// ("Vérifier"), the events put in order ("Ordonner") and the mark out of 20.
//
// The model is a session in which the exercise's list was loaded
// (Session::Charger) with the formation plane on; the pupil's work is
// judged the same way, by loading the pupil's list in a session on the
// same textures. "The same section" means the same view, pixel for pixel:
// every list that gives the model's view is right, in whatever order and
// whether or not each step was enabled when it came.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "section/exercice.h"
#include "section/session.h"

namespace section {

// Makes `modele` the model of an exercise: its list loaded, formation plane
// on. True when the view this gives is the exercise's target picture;
// false when the session's textures are not those the exercise was made
// with (the checks then compare with the section these textures give).
bool ChargerExercice(Session& modele, const Exercice& e);

// ---- What the formations of two sections tell apart ----

// The kinds of formation a pupil tells apart on a section.
enum class GenreFormation { Couche, Coulee, Granite, Faille, SurfaceErosion };
constexpr int kGenresFormation = 5;
// The kind of the formation laid by an event of this kind (a sedimentation
// lays a layer, a distension or an overthrust draws fault traces, an
// erosion its cut line; a compression lays nothing and counts as a layer).
GenreFormation GenreDe(Evenement e);

struct BilanFormations {
    int manquantes = 0;  // formations of the model, by kind, the pupil's view lacks
    int enTrop = 0;      // formations of the pupil's view, by kind, the model lacks
    // Per kind (indexed by GenreFormation), the counts of visible formations.
    int modele[kGenresFormation] = {};
    int eleve[kGenresFormation] = {};
};
// Counts the formations each view shows, kind by kind: a formation is an
// event whose pixels show in the view.
BilanFormations ComparerFormations(const Session& modele, const Session& eleve);

// ---- "Vérifier": the rebuilt section ----

enum class Ecart {
    FormationManquante,  // the model shows a formation of a kind the pupil's lacks
    FormationEnTrop,     // the reverse
    SurfaceDifferente,   // sky where the model has rock, or rock where it has sky
    StructureDeplacee,   // the same formations, not in the same places
};

struct Remarque {
    Ecart ecart;
    std::string texte;  // UTF-8, addressed to the pupil, in the current language (textes.h)
};

struct Verification {
    bool memeCoupe = false;
    // The block compared (the common top-left block of the two views) and,
    // over it, row by row, 1 where the pixels differ and 0 elsewhere.
    int largeur = 0;
    int hauteur = 0;
    std::vector<std::uint8_t> masque;
    std::int64_t pixelsDifferents = 0;
    // What differs, in a pupil's words, without naming any event to add or
    // move: empty when memeCoupe.
    std::vector<Remarque> remarques;
};
Verification VerifierCoupe(const Session& modele, const Session& eleve);

// ---- "Ordonner": the events as cards ----

struct Carte {
    int id = 0;            // index of the event in the model's list (never shown)
    Evenement evenement{};
    std::string nom;       // UTF-8, in the current language: "Dépôt de la couche B", "Érosion"...
};
// The model's recognised events (lines 1 .. n-1) as cards, named after the
// letters of the model's view (LettresFormations), in an order shuffled by
// `graine` so that the cards never come in the answer's order unless the
// draw happens to give it (never for two cards or more when another order
// exists).
std::vector<Carte> CartesDuModele(const Session& modele, std::uint64_t graine);
// The list that puts the model's events in the order of `ids` (card ids):
// the model's first line, then each card's line.
Liste ListeDesCartes(const Session& modele, const std::vector<int>& ids);

enum class Principe {
    Aucun,          // the section shows no contact that dates the pair
    Superposition,  // one formation rests on the other: the upper one is younger
    Recoupement,    // a trace or a body cuts a formation: it is younger
};

struct VerificationOrdre {
    bool juste = false;
    bool complet = true;  // false when `ids` is not an order of all the cards
    // For a wrong order: the first pair, in the pupil's order, that the
    // pupil put the wrong way round; `avant` must come before `apres`.
    int avant = -1;
    int apres = -1;
    Principe principe = Principe::Aucun;
    std::string texte;  // UTF-8, addressed to the pupil, in the current language (textes.h)
};
// Loads the order in `essai` (a session on the model's textures) and
// compares its view with the model's. Every order giving the model's
// view is right. For a wrong one, among the pairs the pupil reversed, the
// first (by the pupil's order) that a principle dates is named, else the
// first whose exchange in the model's order changes the section, else the
// first reversed one.
VerificationOrdre VerifierOrdre(const Session& modele, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai);

// ---- The mark ----

constexpr int kNoteMax = 20;
// The most a section that is not the model's can earn, and what each
// formation missing or in excess takes off.
constexpr int kNoteSectionDifferente = 18;
constexpr int kPenaliteFormation = 3;

struct Note {
    int points = 0;  // 0 .. kNoteMax
    bool memeCoupe = false;
    int evenementsReconnus = 0;     // lines 1 .. n-1 of the pupil's list naming an event
    std::int64_t pixels = 0;        // pixels compared
    std::int64_t identiques = 0;    // pixels of the same colour
    std::int64_t roche = 0;         // pixels that are rock (not blue) in either view
    std::int64_t rocheIdentique = 0;  // of those, pixels of the same colour in both
    BilanFormations formations;
    // Formations missing or in excess, kind by kind: the larger of the
    // difference in formations seen and the difference in events of the
    // lists that lay formations of that kind (so a layer left out counts
    // even where the model's view no longer shows it).
    int formationsEnEcart = 0;
};
// The mark of the pupil's session (a list loaded with Charger) against the
// model's:
//   - no recognised event: 0;
//   - the model's view, pixel for pixel: 20;
//   - otherwise kNoteSectionDifferente times the share of rock pixels that
//     agree (pixels that are sky in both views count for nothing), rounded
//     down, less kPenaliteFormation per formation in excess or missing
//     (formationsEnEcart), never below 0. One layer left out thus scores at
//     most 15.
Note Noter(const Session& modele, const Session& eleve);

}  // namespace section
