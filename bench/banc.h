// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks share: the texture sets of the three section sizes,
// section states reached by a few events, the restore of a state between
// two timed runs, and event lists a learner could have made.
#pragma once

#include <string>
#include <vector>

#include "section/session.h"

namespace banc {

struct Taille {
    int largeur, hauteur;
    std::string Nom() const;  // "640x600"
    long long Pixels() const { return static_cast<long long>(largeur) * hauteur; }
};

inline const std::vector<Taille> kTailles = {{640, 600}, {1280, 1200}, {2560, 2400}};

// The seven textures made for a section of this size, loaded once.
const section::Textures& TexturesPour(const Taille& t);

// The event kinds, by their names in the engine.
using E = section::Evenement;

// States in which the operations are timed, each reached from a reset by
// events applied as the window applies them:
//   Plat    two sedimentations: a flat surface at row 302
//   Plisse  the same, then a compression: an uneven, folded surface
//   Rempli  the same, then a sedimentation that levels the folds
enum class Etat { Plat, Plisse, Rempli };
std::vector<section::Evenement> EvenementsDe(Etat e);
const char* NomEtat(Etat e);

// Whether the sessions keep the formation of every pixel, as the window's
// do: yes, unless STRATALOOM_BENCH_SANS_FORMATIONS is set (to measure the
// colours alone).
bool SuivreFormations();

// A session on the textures of `t`, reset, after `evenements`.
section::Session SessionApres(const Taille& t, const std::vector<section::Evenement>& evenements);

// Puts back into `s` what the operations change (pixels of Observe and its
// drawing state, surface extent, fold factors) from `ref`, of the same
// size, without allocating: one copy of Observe.
void Restaurer(section::Section& s, const section::Section& ref);

// A list of 1 + n lines that a learner could have made: every event is
// picked from a fixed cycle of preferences among the commands enabled at
// that moment, so the section stays inside the view. Distension, which
// disables folds and intrusions for good, only comes in the last tenth.
section::Liste ListeRealiste(const Taille& t, int n);

// One reference state at a time, kept between the calls of a benchmark:
// a session after the events of `e`, and its section, with a fold applied
// directly when `plier` (the state in which an overthrust runs).
const section::Session& EtatReference(const Taille& t, Etat e);
const section::Section& SectionReference(const Taille& t, Etat e, bool plier = false);

// The benchmarks of each file, registered in the order they are run.
void EnregistrerOperations();
void EnregistrerEvenements();
void EnregistrerFenetre();
void EnregistrerEnseignant();
void EnregistrerChronologie();

}  // namespace banc
