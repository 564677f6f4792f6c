// SPDX-License-Identifier: GPL-3.0-or-later
// A class's answers marked one after the other against one model: the rows
// of the marks table (tableur.h) that the teacher's window shows and the
// renderer prints, made the same way by both.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "section/chronologie.h"
#include "section/exercice.h"
#include "section/session.h"
#include "section/tableur.h"
#include "section/note.h"

namespace section {

// The mark of an order given for `modele`'s events (NoteOrdreJustifie of
// its justifications as JugerJustifications judges them); none when its
// cards are not exactly the model's.
std::optional<int> NoteOrdreDonne(const Session& modele, const Chronologie& c, const OrdreDonne& ordre);

class NotationClasse {
public:
    // `modele`: the list of the exercise or of the answer key, replayed on
    // `textures` with the formation plane on. `empreinte`: the exercise's
    // (EmpreinteExercice), when answers must be to that exercise. An
    // answer of more than kEvenementsNotesMax events is not replayed
    // (TropLonguePourNoter): its row says so.
    NotationClasse(const Textures& textures, const Liste& modele, std::optional<std::uint64_t> empreinte);

    // The model as replayed here (its view, for a caller that compares it
    // with the exercise's picture).
    const Session& modele() const { return modele_; }

    // The row of an answer that gave no list: `raison` says why.
    void Refuser(std::string fichier, std::string raison);
    // Marks the list of one answer: `exercice`, the fingerprint the answer
    // names (none for a plain list). An answer to another exercise than
    // the model's keeps its row with no mark and the remark saying so; the
    // call then returns false.
    // `ordre`, the order the answer gives in "Ordonner", is marked again
    // here (NoteOrdreDonne), never taken from the file. An answer file
    // with no order for a model of two events or more has no order mark
    // and its remark says "ordre non fait".
    // `verifications`, how many times the pupil checked, goes to the row
    // as it is (none for a plain list or an older answer file).
    bool Noter(std::string fichier, std::string eleve, std::optional<std::uint64_t> exercice, const Liste& lignes,
               const std::optional<OrdreDonne>& ordre = std::nullopt,
               std::optional<Verifications> verifications = std::nullopt);

    // The rows in the order given, pupils' names shared by several rows
    // pointed out (SignalerHomonymes), and answers under different names
    // whose list (not the model's) and order are identical to the byte:
    // "même réponse que b.rep".
    std::vector<LigneNotes> Lignes() const;
    std::size_t Nombre() const { return lignes_.size(); }

private:
    Session modele_;
    Session eleve_;
    Chronologie chronologie_;
    std::optional<std::uint64_t> empreinte_;
    std::size_t cartes_ = 0;  // the model's cards in "Ordonner"
    std::vector<LigneNotes> lignes_;
    // For each row, its list and order as bytes when they can be compared
    // with another answer's (replayed, not the model's list), else empty.
    std::vector<std::string> reponses_;
};

}  // namespace section
