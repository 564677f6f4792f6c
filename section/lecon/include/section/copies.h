// SPDX-License-Identifier: GPL-3.0-or-later
// The files a teacher grades a class with, read from their bytes the same
// way by every front end: the model (an exercise file or a plain list) and
// each pupil's work (an answer file or a plain list), told apart by their
// first bytes, never by their names; the reason a file is refused; and
// the order of a class's rows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/exercice.h"
#include "section/notation_classe.h"

namespace section {

// The model of a grading: a plain list, or an exercise (its list with it).
struct Corrige {
    Liste lignes;
    std::optional<Exercice> exercice;
};
// A pupil's work: a plain list, or an answer file (the pupil's name, the
// fingerprint of the exercise answered and the order given with it).
struct Copie {
    Liste lignes;
    std::string eleve;
    std::optional<std::uint64_t> exercice;
    std::optional<OrdreDonne> ordre;
    std::optional<Verifications> verifications;  // an answer file of version 3
};

// The most bytes either reader looks at: no well-formed exercise, answer
// or list file is larger.
constexpr std::size_t kOctetsCopieMax = kOctetsListeMax;
// The reason given for a file over kOctetsCopieMax: "le fichier dépasse 16 Mio".
std::string RaisonCopieTropGrosse();

// Each returns the reason of a refusal in the current language, or ""
// when the second argument was filled.
std::string LireCorrige(std::string_view octets, Corrige& c);
std::string LireCopie(std::string_view octets, Copie& c);

// The fingerprint answers must carry for this model: the exercise's, none
// for a plain list.
std::optional<std::uint64_t> EmpreinteCorrige(const Corrige& c);

// Marks one file of a class: its row is refused with the reason when the
// bytes cannot be read, else marked. Returns false when the file is
// refused or answers another exercise.
bool NoterCopie(NotationClasse& classe, std::string nom, std::string_view octets);

// The order in which a class's files are marked when a front end chooses
// it (a folder, a set of files picked or dropped): by name, letters
// compared without their case (ASCII), then byte for byte.
bool AvantDansLaClasse(std::string_view a, std::string_view b);
void TrierCopies(std::vector<std::string>& noms);

}  // namespace section
