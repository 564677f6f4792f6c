// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of strataloom-render, one function each. Each returns the
// program's exit code.
#pragma once

#include <QString>
#include <string_view>

#include "options.h"
#include "section/session.h"

namespace rendu {

constexpr int kSucces = 0;
constexpr int kEchec = 1;   // a file could not be read or written
constexpr int kUsage = 2;   // the command line is wrong

// Writes "strataloom-render : message" on standard error, its control
// characters escaped (section::SansControles): one line whatever it quotes.
void Signaler(const QString& message);
// Writes a line of UTF-8 text on standard output, control characters
// escaped; a '\n' in `ligne` starts another line.
void Afficher(const QString& ligne);
// Writes bytes already made safe (the class's CSV) on standard output.
void AfficherOctets(std::string_view octets);

// Flushes standard output: a CSV or a score that could not be written is a
// failure (exit 1, with a message), never a silent success.
int TerminerSortie(int code);

// Loads the textures (from o.base, or `baseParDefaut` when it is empty)
// into a session and runs the command of o.mode.
int Executer(const Options& o, const QString& baseParDefaut);

// Creates `dossier` and its parents when missing; false (with a message)
// when impossible.
bool PreparerDossier(const QString& dossier);

int CommandeRendu(const Options& o, section::Session& a);
int CommandeDossier(const Options& o, section::Session& a);
int CommandeComparer(const Options& o, section::Session& a);
int CommandeNoter(const Options& o, section::Session& a);
int CommandeEtapes(const Options& o, section::Session& a);
int CommandeExercices(const Options& o, section::Session& a);
int CommandeFiche(const Options& o, section::Session& a);
int CommandeDevoir(const Options& o, section::Session& a);
int CommandeCopie(const Options& o, section::Session& a);
int CommandeVerifier(const Options& o, section::Session& a);
int CommandeChronologie(const Options& o, section::Session& a);
int CommandeOrdre(const Options& o, section::Session& a);
// Needs no textures: the page is looked for beside the program, in
// `dossierProgramme` (section::TrouverPage), unless --page names it.
int CommandeScorm(const Options& o, const QString& dossierProgramme);

}  // namespace rendu
