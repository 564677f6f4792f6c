// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise, or a whole series, as a package that a school's course
// platform plays and marks: a zip holding
//   imsmanifest.xml   the course's description (SCORM 1.2): one item per
//                     exercise, with its title and its pass mark out of 20;
//   strataloom.js     the browser page's three marked scripts (its data,
//                     the engine, the page's code), shared by every exercise;
//   exercice-NN.html  per exercise (01, 02...): the page without those
//                     three scripts, which instead names its exercise
//                     (window.STRATALOOM_SCO: the .exo bytes in base64, the
//                     file's name and the pass mark) and loads strataloom.js.
// The manifest depends only on the exercises (their fingerprints, titles
// and names), the pass mark and the title given, never on the page, so the
// window, the page and the renderer describe one exercise alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace section {

constexpr int kSeuilParDefaut = 10;
constexpr int kExercicesPaquetMax = 99;

struct ExercicePaquet {
    std::string nom;     // the exercise's file name ("falaise.exo"), UTF-8
    std::string octets;  // the .exo file's bytes
};

// The texts of the page's marked scripts (<script data-strataloom="donnees">,
// "moteur", "page", in this order, each once), and where they stand: the
// first byte of each opening tag and the byte after each closing tag.
struct ScriptsPage {
    std::string donnees, moteur, page;
    std::size_t debuts[3] = {0, 0, 0};
    std::size_t fins[3] = {0, 0, 0};
};
std::optional<ScriptsPage> ScriptsMarques(std::string_view page);

// The manifest alone. `titre`: the organization's title; when empty, the
// exercise's own title for one exercise (else its name without ".exo"),
// "Strataloom" for a series. Returns the reason of a refusal or "".
std::string ManifesteScorm(const std::vector<ExercicePaquet>& exercices, int seuil, std::string_view titre,
                           std::string& manifeste);

// The package's bytes in `zip`. Refuses (the reason, in the current
// language; `zip` untouched) a page that is not the browser page of
// Strataloom, no exercise or more than kExercicesPaquetMax, an exercise
// that cannot be read (LireExercice's reason, with its name) and a pass
// mark outside 0 .. 20.
std::string PaquetScorm(std::string_view page, const std::vector<ExercicePaquet>& exercices, int seuil,
                        std::string_view titre, std::string& zip);

// One HTML file holding the browser page and one exercise, for a teacher
// to hand out as a file (on the school's platform, by mail, on a key):
// opened anywhere, even from a disk, it starts on that exercise and opens
// no other. It is `page` itself, scripts and all, with one script before
// the marked ones that names the exercise (window.STRATALOOM_EXERCICE: the
// .exo bytes in base64 and the file's name). Refuses (the reason, in the
// current language; `html` untouched) a page that is not the browser page
// of Strataloom or already holds an exercise, and an exercise that cannot
// be read.
std::string PageAvecExercice(std::string_view page, const ExercicePaquet& exercice, std::string& html);

// The question every front end asks before making a package, and the
// answer read: a whole number 0 .. 20, spaces around allowed; nothing for
// any other answer (then SeuilRefuse() says why).
std::string QuestionSeuil();
std::optional<int> LireSeuil(std::string_view reponse);
std::string SeuilRefuse();

// "exercice-NN.html", the launch page of the exercise `numero` (1 .. 99).
std::string PageExercicePaquet(int numero);

// Where a program finds its browser page, first found first: beside the
// program, then in the shared data folder of an installation
// (<dossier>/../share/strataloom/strataloom.html), then in the source tree
// of a program just built (<dossier>/../../build-web/strataloom.html, as
// scripts/web.sh writes it beside build/bin).
std::vector<std::string> EmplacementsPage(const std::string& dossierProgramme);
// The first of them that is a regular file, or "".
std::string TrouverPage(const std::string& dossierProgramme);

}  // namespace section
