// SPDX-License-Identifier: GPL-3.0-or-later
// How the engine names the events and formations of a section for a
// pupil: card names, "la couche B", "le plissement", and the clause that
// tells what shows a relation of the chronology.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "section/chronologie.h"

namespace section {

// The letter of each rock formation of the session's view, the label of
// each structure (F1, T, S2), for the starting series the letters of its
// bands and for a distension those of its traces (LireVueLegende): the
// names the legend gives.
struct LettresVue : std::map<Formation, std::string> {
    // Each trace of a distension that shows more than one: its label and
    // its view pixels, so that a sentence names the trace where it shows.
    std::map<Formation, std::vector<std::pair<std::string, std::vector<Point>>>> traces;
};
LettresVue Lettres(const Session& s);
// A card's name: with the letter of the formation the event laid when the
// view shows it, without when it does not.
std::string NomCarte(Evenement e, const std::string& lettre);
// "la couche B", "le granite D", "la faille F1", "les failles F1 et F2",
// "le plissement"... for the formation or event of list line f (0: the
// starting series).
std::string Designation(const Liste& l, const LettresVue& lettres, int f);
// A card's name quoted in a sentence.
std::string Cite(const std::string& s);
// What shows relation r, as a clause ending with its principle in
// parentheses, no final stop: "la couche A scelle la faille F2 (principe de
// recoupement)"; of a distension's traces, the one nearest where r shows.
std::string Clause(const Liste& l, const LettresVue& lettres, const Relation& r);

}  // namespace section
