// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space as one model, the same for the window, the renderer
// and the page: a series drawn from its settings gives every file it is
// made of (names and bytes), the name of its folder and, when it cannot be
// written, why; a seed is typed and drawn by one rule; a class is graded
// from its files' names and bytes into rows and the CSV. The front ends
// keep only folders, dialogs, progress and the sheets' layout.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/fichiers.h"
#include "section/liste.h"
#include "section/notation_classe.h"
#include "section/serie.h"
#include "section/session.h"
#include "section/tableur.h"

namespace section {

// --- Seeds ---

// A typed seed: decimal digits only, spaces around them ignored, from 0 to
// 4 294 967 295 (a sheet printed with 0 can still be drawn again). None
// for anything else (RaisonGraineInvalide says why).
std::optional<std::uint32_t> LireGraine(std::string_view texte);
// "La graine doit être un nombre entier de 0 à 4294967295."
std::string RaisonGraineInvalide();
// New seeds are drawn from kGraineNouvelleMin to kGraineNouvelleMax: six
// digits at most, quick to type and to print.
constexpr std::uint32_t kGraineNouvelleMin = 1;
constexpr std::uint32_t kGraineNouvelleMax = 999999;
// The seed a random number `hasard` gives (any 64-bit value, from the
// front end's own generator): kGraineNouvelleMin + hasard modulo the size
// of the range.
std::uint32_t GraineNouvelle(std::uint64_t hasard);

// --- A series ---

// The folder a series is written into: "<titre> - <graine>", or the seed
// alone without a title; every character a file system refuses in a name
// (\ / : * ? " < > | and the control characters) replaced by '-', and
// the spaces at either end left out.
std::string NomDossierSerie(std::string_view titre, std::uint32_t graine);

// One file of a series: its name (NomFichierSerie) and its bytes.
struct FichierSerie {
    std::string nom;
    std::string octets;
};
// One exercise as its sheets print it: the list (the answer key's steps)
// and its title (TitreExerciceSerie).
struct ExerciceSerie {
    Liste liste;
    std::string titre;
    FichierSerie lst, bmp, exo;  // the list, the model picture, the exercise file
};
struct SerieEnseignant {
    std::uint32_t graine = 0;
    std::string dossier;      // NomDossierSerie
    std::string nomFiches;    // NomFichesSerie: the sheets' PDF
    // Why the series cannot be written (RaisonSerieImpossible, or an
    // exercise that cannot be made, with its file's name): "" when it can.
    std::string raison;
    std::vector<ExerciceSerie> exercices;  // in order, numbered from 1
};
// Every file name a series of `exercices` exercises drawn from `graine`
// takes in its folder, known before it is drawn: for each exercise its
// .lst, .bmp and .exo, then the sheets' PDF.
std::vector<std::string> NomsFichiersSerie(std::uint32_t graine, int exercices);
// Draws the series `regles` (its seed in regles.graine) titled `titre`
// with `a`'s textures; `a` then shows the last exercise. Every exercise's
// files are made even when the series cannot be written (raison), so
// that a front end can name what failed; it writes nothing then.
SerieEnseignant PreparerSerie(Session& a, const ReglesSerie& regles, std::string_view titre);

// --- Grading a class ---

// One file of a class, as a front end read it: its name and bytes, or
// the error that kept it from being read (TropGros: over kOctetsCopieMax).
struct FichierClasse {
    std::string nom;
    std::string octets;
    ErreurFichier erreur = ErreurFichier::Aucune;
};
struct NotesClasse {
    // Why the model cannot be read ("Chargement impossible : nom (raison)."):
    // no row then.
    std::string raison;
    // The model is an exercise whose picture these textures do not give
    // again: its answers are compared with the section its events give.
    bool autresTextures = false;
    bool interrompue = false;  // stopped by the front end: the rows so far
    std::vector<LigneNotes> lignes;
    // For each row, whether its file was read and answers the model (false:
    // its remark says why not).
    std::vector<bool> acceptees;
    std::string csv;  // CsvDesNotes(lignes)
};
// A class graded one file at a time, for a front end that shows how far
// it is or keeps its page free meanwhile: made from the model (an exercise
// or a plain list, told apart by their bytes; `nomModele` names it in the
// refusal) and the files' names, whose order is fixed at once
// (AvantDansLaClasse); each file is then graded by NoterSuivante in that
// order (its kind read from its bytes, NoterCopie), and Terminer gives the
// rows and the CSV, the remarks that compare the copies with each other
// (same pupil's name, same answer) made only then. NoterClasseEnseignant
// grades this way: there is one way to grade a class.
class ClasseEnNotation {
public:
    ClasseEnNotation(const Textures& textures, std::string_view nomModele, std::string_view modele,
                     std::vector<std::string> noms);
    ClasseEnNotation(const ClasseEnNotation&) = delete;
    ClasseEnNotation& operator=(const ClasseEnNotation&) = delete;

    // Why the model cannot be read ("Chargement impossible : nom
    // (raison)."): "" when it can. Nothing is graded then (Total() is 0).
    const std::string& raison() const { return notes_.raison; }
    std::size_t Total() const { return classe_ ? ordre_.size() : 0; }
    std::size_t Faites() const { return classe_ ? classe_->Nombre() : 0; }
    // The rank in the names given of the file NoterSuivante grades next:
    // none once every file is graded.
    std::optional<std::size_t> Suivante() const;
    // Grades that file, as a front end read it (its name is the one given
    // at the start; f.nom is not read). False, and nothing done, when
    // every file is already graded.
    bool NoterSuivante(const FichierClasse& f);
    // The rows of the files graded so far, in order, with the remarks that
    // compare them, and their CSV; `interrompue` when some file was left.
    NotesClasse Terminer() const;

private:
    std::vector<std::string> noms_;
    std::vector<std::size_t> ordre_;
    std::optional<NotationClasse> classe_;
    NotesClasse notes_;  // raison, autresTextures, acceptees; the rows come at the end
};

// Grades a class against the model `modele` (an exercise or a plain list,
// told apart by their bytes, never by their names; `nomModele` names it in
// the refusal). Every file's kind is read from its bytes (an answer file
// or a plain list, NoterCopie), its row is marked in the order of the
// files' names (AvantDansLaClasse), each file fetched by `lire(i)` (i its
// rank in `noms`) once, just before its row: a front end need not hold a
// whole class in memory. `avancer(faits, total)`, when given, is called
// before each file and stops the grading when it returns false.
NotesClasse NoterClasseEnseignant(const Textures& textures, std::string_view nomModele, std::string_view modele,
                                  const std::vector<std::string>& noms,
                                  const std::function<FichierClasse(std::size_t)>& lire,
                                  const std::function<bool(std::size_t, std::size_t)>& avancer = {});
// The same, files given whole.
NotesClasse NoterClasseEnseignant(const Textures& textures, std::string_view nomModele, std::string_view modele,
                                  const std::vector<FichierClasse>& fichiers);
// Reads a file of a class from the disk, within kOctetsCopieMax.
FichierClasse LireFichierClasse(const std::string& chemin, std::string nom);

}  // namespace section
