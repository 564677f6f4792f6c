// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises of a drawn series as files: each exercise built in one
// place, its title, and file names that carry the series' seed, so that a
// second series never takes the names of a first and a lost series can be
// drawn again from the seed printed on its sheets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "section/exercice.h"
#include "section/serie.h"
#include "section/session.h"

namespace section {

// "exercice-<graine>-NN<extension>", NN on two digits (numero from 1 to 99);
// `extension` with its dot: ".lst", ".bmp", ".exo".
std::string NomFichierSerie(std::uint32_t graine, int numero, std::string_view extension);
// "fiches-<graine>.pdf": the sheets of the series.
std::string NomFichesSerie(std::uint32_t graine);
// "Exercice 3 — <titre>", or "Exercice 3" without a title (UTF-8, in the
// current language).
std::string TitreExerciceSerie(int numero, std::string_view titre);

// Exercise `numero` of the series drawn from `graine`: `liste` loaded into
// `a` (which then shows it), titled by TitreExerciceSerie. Every front end
// builds the exercises of a series here; its letters are drawn from
// GraineLettresSerie(graine, numero). Returns why the exercise cannot be
// made (ExerciceDeSession), or "" when `e` holds it.
std::string ExerciceDeSerie(Session& a, const Liste& liste, std::uint32_t graine, int numero,
                            std::string_view titre, Exercice& e);

// Why a drawn series cannot be written (UTF-8, in the current language):
// no draw of one of its exercises passed every rule, so the settings
// cannot be met. "" when every exercise passed; a front end then writes
// the series, otherwise it shows this and writes nothing.
std::string RaisonSerieImpossible(const std::vector<ExerciceTire>& serie);

}  // namespace section
