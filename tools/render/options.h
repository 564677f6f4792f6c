// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of strataloom-render.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <variant>

namespace rendu {

enum class Mode {
    Aide,       // --help
    Version,    // --version
    Rendu,      // LIST with -o, --section and/or --state
    Dossier,    // --out-dir DIR LIST...
    Comparer,   // --compare MODEL LIST [--diff FILE]
    Noter,      // --grade KEY LIST...
    Etapes,     // --steps DIR LIST
    Exercices,  // --exercise N --events K --seed S --out-dir DIR [--sheet PDF]
    Fiche,      // --sheet PDF LIST
    Devoir,     // --make-exercise FILE [--title T] LIST
    Copie,      // --make-answer FILE --for EXERCISE --pupil NAME LIST
    Verifier,   // --check EXERCISE [--diff FILE] LIST
    Chronologie,  // --chronologie EXERCISE|LIST
    Ordre,      // --check-order EXERCISE ORDER
    Scorm,      // --scorm PACKAGE [--page PAGE] [--pass-mark N] EXERCISE...
};

struct Options {
    Mode mode = Mode::Rendu;
    QString base;      // texture folder; empty: Base beside the program
    QString image;     // -o
    QString section;   // --section
    QString etat;      // --state
    QString dossier;   // --out-dir
    QString modele;    // --compare
    QString ecarts;    // --diff
    QString cle;       // --grade
    QString etapes;    // --steps
    QString fiche;     // --sheet
    QString formations;  // --formations
    QString formationsJson;  // --formations-json
    bool sansLettres = false;  // --no-letters
    QString titre;     // --title
    QString devoir;    // --make-exercise
    QString copie;     // --make-answer
    QString pour;      // --for
    QString eleve;     // --pupil
    QString verifier;  // --check
    QString chronologie;  // --chronologie
    QString ordre;     // --check-order
    QString scorm;     // --scorm
    QString page;      // --page
    int seuil = 10;    // --pass-mark
    int exercices = 0;         // --exercise
    int evenements = 0;        // --events
    std::uint32_t graine = 0;  // --seed
    QStringList listes;        // positional arguments; "-" is standard input
};

constexpr int kExercicesMax = 99;
constexpr int kEvenementsMax = 99;

// Parses the arguments after the program name. A usage error gives its
// French message (without the program name).
std::variant<Options, QString> Analyser(const QStringList& args);

// The French text of --help.
QString TexteAide();

}  // namespace rendu
