// SPDX-License-Identifier: GPL-3.0-or-later
// "Vérifier": what differs between a pupil's section and the model's, told
// from the views and their formation planes, in a pupil's words.
//
// The model is a session in which the exercise's list was loaded with the
// formation plane on (ChargerExercice); the pupil's work is judged the same
// way, by loading the pupil's list in a session on the same textures. "The
// same section" means the same view, pixel for pixel: every list that
// gives the model's view is right, in whatever order and whether or not
// each step was enabled when it came.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "section/session.h"

namespace section {

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

enum class Ecart {
    FormationManquante,  // the model shows a formation of a kind the pupil's lacks
    FormationEnTrop,     // the reverse
    SurfaceDifferente,   // sky where the model has rock, or rock where it has sky
    StructureDeplacee,   // the same formations, not in the same places
    StructureEchangee,   // a thrust where the model has a folding, or the reverse
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

}  // namespace section
