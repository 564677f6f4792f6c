// The commands of strataloom-render, one function each. Each returns the
// program's exit code.
#pragma once

#include <QString>

#include "options.h"
#include "section/evenements.h"

namespace rendu {

constexpr int kSucces = 0;
constexpr int kEchec = 1;   // a file could not be read or written
constexpr int kUsage = 2;   // the command line is wrong

// Writes "strataloom-render : message" on standard error.
void Signaler(const QString& message);
// Writes a line of UTF-8 text on standard output.
void Afficher(const QString& ligne);

// Loads the textures (from o.base, or `baseParDefaut` when it is empty)
// into a workshop and runs the command of o.mode.
int Executer(const Options& o, const QString& baseParDefaut);

// Creates `dossier` when missing; false (with a message) when impossible.
bool PreparerDossier(const QString& dossier);

int CommandeRendu(const Options& o, section::Atelier& a);
int CommandeDossier(const Options& o, section::Atelier& a);
int CommandeComparer(const Options& o, section::Atelier& a);
int CommandeNoter(const Options& o, section::Atelier& a);
int CommandeEtapes(const Options& o, section::Atelier& a);
int CommandeExercices(const Options& o, section::Atelier& a);
int CommandeFiche(const Options& o, section::Atelier& a);

}  // namespace rendu
