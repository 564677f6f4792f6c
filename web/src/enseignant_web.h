// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space of the page: an exercise made from the section on
// screen, a series drawn from a seed with the words and pictures of its
// printable sheets, and a class graded from its files' bytes. Every file's
// bytes, every text, mark and remark comes from section/ (the same
// functions the window and the renderer call); this class only keeps the
// series drawn and hands the results to JavaScript.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "section/espace_enseignant.h"
#include "section/legende_vue.h"
#include "section/session.h"

// The teacher's words for the page's dialog, {nom: texte}, in the current
// language (the window's own texts and contexts).
emscripten::val TextesEnseignant();
// A typed seed (section::LireGraine): the number, or null.
emscripten::val LireGraineWeb(const std::string& texte);
// A new seed (section::GraineNouvelle) from a random number the page drew.
double GraineNouvelleWeb(double hasard);

class EnseignantWeb {
public:
    // The exercise of `eleve`'s list titled `titre`, as strataloom-render
    // --make-exercise writes it: {octets, lien, avertissements: [...]} or
    // {raison} when it cannot be made.
    emscripten::val CreerExercice(const section::Session& eleve, const std::string& titre);

    // Draws a series ({nombre, evenements, permis: [8 booleans by tag],
    // graine, titre}) with `textures` (section::PreparerSerie): [{nom,
    // octets}], the exercise files as strataloom-render --exercise names
    // and writes them, with `dossier`, the series' folder name, and
    // `raison` when it cannot be written.
    emscripten::val TirerSerie(const section::Textures& textures, emscripten::val regles);
    // Makes the sheets of one exercise (the one open) those that Fiche(0)
    // gives, with its own letters and a foot that names it.
    void FichesExercice(const section::Textures& textures, const section::Exercice& e);
    // The sheets of exercise i of the last series: its texts and sizes;
    // the pictures then come from ImageFiche and ImageEtape.
    emscripten::val Fiche(int i);
    // The pupil's picture of the last Fiche (R G B A, sky white, cropped to
    // its rocks) and step k of its key (sky white).
    emscripten::val ImageFiche();
    emscripten::val ImageEtape(int k);
    // The words of the sheets that do not depend on an exercise.
    emscripten::val TextesFiches() const;

    // Grades `fichiers` ([{nom, octets}], or {nom, octets: null, tropGros}
    // for a file the browser did not read), in the order of their names
    // (section::AvantDansLaClasse), against
    // the model's bytes (an exercise or a list): {lignes: [{fichier, eleve,
    // note, noteOrdre, remarque}], csv} or {raison} when the model cannot
    // be read.
    emscripten::val NoterClasse(const section::Textures& textures, const std::string& nomModele,
                                const std::string& modele, emscripten::val fichiers);

    // The same grading, one file at a time (section::ClasseEnNotation),
    // for a page that shows how far it is: CommencerClasse takes the
    // model and the files' names and gives {total} or {raison};
    // CopieSuivante, the rank in those names of the file to grade next
    // (-1 when none is left); NoterCopie grades it ({nom, octets} or
    // {nom, octets: null, tropGros}) and gives how many are graded;
    // FinirClasse, what NoterClasse gives. A new CommencerClasse drops the
    // class in progress.
    emscripten::val CommencerClasse(const section::Textures& textures, const std::string& nomModele,
                                    const std::string& modele, emscripten::val noms);
    int CopieSuivante() const;
    int NoterCopie(emscripten::val fichier);
    emscripten::val FinirClasse() const;

    // The section the sheets are read from (the last Fiche's exercise) and
    // its legend, read once.
    const section::Session& SessionSerie() const { return serie_; }
    const section::VueLegende& LegendeSerie() const { return legende_; }

private:
    std::unique_ptr<section::ClasseEnNotation> classe_;
    section::Session serie_;
    std::vector<section::Liste> listes_;
    std::vector<std::string> titres_;
    std::uint32_t graine_ = 0;
    std::vector<std::uint32_t> graines_;  // each sheet's letters
    std::string pied_;
    std::vector<std::uint32_t> vue_;
    int largeurVue_ = 0;
    std::vector<std::vector<std::uint32_t>> etapes_;
    section::VueLegende legende_;
};
