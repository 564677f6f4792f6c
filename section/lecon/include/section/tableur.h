// SPDX-License-Identifier: GPL-3.0-or-later
// A class's marks as a table for a spreadsheet, the one format every front
// end writes: UTF-8 with a byte order mark, ';' between fields, CR LF after
// each row, decimal commas, a header first.
//
// Names and file names come from pupils: a field is never read by a
// spreadsheet as a formula (one that begins with '=', '+', '-', '@', a tab
// or a carriage return gets a leading '\''), holds no control character
// (SansControles) and is quoted when it holds ';' or '"'.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "section/exercice.h"
#include "section/verification.h"
#include "section/note.h"


namespace section {

// One answer's row, in the order the files were given.
struct LigneNotes {
    std::string fichier;       // the path as given: only the name after its last '/' is written
    std::string eleve;         // empty for a plain list
    std::optional<Note> note;  // empty when the file was not marked
    std::string remarque;      // never empty below 20 (see RemarqueNote)
    // The mark of the order given in "Ordonner" (NoteOrdreJustifie), when
    // the answer holds one for this exercise's events.
    std::optional<int> noteOrdre;
    // How many times the pupil checked the section and the order, when the
    // answer file records it.
    std::optional<Verifications> verifications;
};

// The header, fixed: later columns go after it.
inline constexpr std::string_view kEnteteNotes =
    "Fichier;\xC3\x89l\xC3\xA8ve;Note sur 20;Roche identique (%);Pixels identiques (%);"
    "\xC3\x89v\xC3\xA9nements reconnus;Formations en \xC3\xA9" "cart;Remarque;Ordre sur 20;"
    "V\xC3\xA9rifications de la coupe;V\xC3\xA9rifications de l'ordre";

// One field as the table holds it.
std::string ChampCsv(std::string_view texte);
// The whole table: byte order mark, header, one row per entry; no summary.
std::string CsvDesNotes(const std::vector<LigneNotes>& lignes);

// What a marked answer's row says, in the current language: no recognised
// event, the same section as the model, or what differs (VerifierCoupe's
// remarks, or "coupe différente"). Never empty.
std::string RemarqueNote(const Note& n, const Verification& v);
// Adds to the remark of every row whose pupil's name is also another
// row's (compared by CleNomEleve) which files share it: "même nom d'élève
// que b.rep, c.rep" for up to three others, else the first other and how
// many more ("même nom d'élève que b.rep et 4 998 autres"), so that the
// remarks grow linearly with the class. A name whose letters come from
// two alphabets (AlphabetsMeles) is pointed out first: "nom écrit avec les
// lettres de plusieurs alphabets". Rows without a name are left as they
// are.
void SignalerHomonymes(std::vector<LigneNotes>& lignes);
// The file name written for a row: what follows the last '/'.
std::string_view NomSansDossier(std::string_view chemin);

// The row of an answer of more than kEvenementsNotesMax events
// (TropLonguePourNoter), which no front end replays.
std::string RemarqueTropLongue();

// The remark of an answer file that gives no order in "Ordonner":
// "ordre non fait".
std::string RemarqueOrdreNonFait();

// The remark of an answer to another exercise than the one marked.
std::string RemarqueAutreExercice();

}  // namespace section
