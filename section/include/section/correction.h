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

#include "section/chronologie.h"
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
    int manquantes = 0;  // formations of the model, by kind, the pupil's section lacks
    int enTrop = 0;      // formations of the pupil's section, by kind, the model lacks
    // Per kind (indexed by GenreFormation), the formations laid.
    int modele[kGenresFormation] = {};
    int eleve[kGenresFormation] = {};
};
// Counts the formations each section holds, kind by kind: one per event
// that lays one, whether the view still shows it or not (a buried erosion
// surface, a layer wholly eroded), so that a remark never claims one
// missing or extra when both lists lay as many.
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
// Judges the order `ids` by the chronology the model's view shows: an
// order that keeps every relation is right, whatever the hidden list says
// (where it differs from the model's in a pair the section does not date,
// the sentence says so). A wrong order names the first relation it breaks,
// by the pupil's order, with its principle and the letters. `essai` (a
// session on the model's textures) tells whether a right order also gives
// the model's view, for the sentence.
VerificationOrdre VerifierOrdre(const Session& modele, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai);
VerificationOrdre VerifierOrdre(const Session& modele, const Chronologie& c, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai);

// ---- The mark ----

constexpr int kNoteMax = 20;
// What the mark is built from when the views differ: at most
// kNoteSectionDifferente, less, for each event of the model the pupil's
// list lacks (kinds matched one for one), kPenaliteStructure for a
// Compression, Chevauchement, Distension or Erosion and kPenaliteFormation
// for a layer, flow or granite; kPenaliteEnTrop per event in excess;
// kPenalitePremiereRelation for the first relation of the chronology the
// pupil's order breaks, kPenaliteRelation for each further one; and
// kPenalitePixels times the share of rock that differs.
constexpr int kNoteSectionDifferente = 19;
constexpr int kPenaliteStructure = 10;
constexpr int kPenaliteFormation = 5;
constexpr int kPenaliteEnTrop = 3;
constexpr int kPenalitePremiereRelation = 10;
constexpr int kPenaliteRelation = 3;
constexpr int kPenalitePixels = 2;

struct Note {
    int points = 0;  // 0 .. kNoteMax
    bool memeCoupe = false;
    int evenementsReconnus = 0;     // lines 1 .. n-1 of the pupil's list naming an event
    std::int64_t pixels = 0;        // pixels compared
    std::int64_t identiques = 0;    // pixels of the same colour
    std::int64_t roche = 0;         // pixels that are rock (not blue) in either view
    std::int64_t rocheIdentique = 0;  // of those, pixels of the same colour in both
    BilanFormations formations;
    int evenementsManquants = 0;    // events of the model the pupil's list lacks, kind by kind
    int evenementsEnTrop = 0;       // the reverse
    int relationsRompues = 0;       // relations between matched events the pupil's order breaks
    int relationsTenues = 0;        // those it keeps
    // Events missing or in excess: evenementsManquants + evenementsEnTrop.
    int formationsEnEcart = 0;
};
// The mark of the pupil's session (a list loaded with Charger) against the
// model's, whole points:
//   - no recognised event: 0;
//   - the model's view, pixel for pixel: 20;
//   - otherwise the scale above, rounded to the nearest point, never below
//     0. The pupil's events of each kind are matched with the model's so as
//     to keep the most relations.
Note Noter(const Session& modele, const Session& eleve);
// The same with the model's chronology already read (a class graded at once).
Note Noter(const Session& modele, const Chronologie& c, const Session& eleve);

}  // namespace section
