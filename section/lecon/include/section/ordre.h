// SPDX-License-Identifier: GPL-3.0-or-later
// "Ordonner": the model's events as cards to put in order, an order judged
// by the chronology the model's view shows, and an order given as a list
// (a pupil's "Ordonner" typed as a list file): which card each line is, and
// its mark.
//
// Lines of the same kind are interchangeable for a pupil (two
// "Sédimentation" look alike), so a list is matched to the cards in the
// pupil's favour: among the ways to give each line of a kind one card of
// that kind, one that breaks no relation of the chronology, else one that
// breaks the fewest.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "section/chronologie.h"
#include "section/justification.h"
#include "section/session.h"

namespace section {

// The most ways of matching events of identical kinds that are tried (8!):
// beyond, each kind is matched in list order.
constexpr long long kAppariementsMax = 40320;

struct Carte {
    int id = 0;            // index of the event in the model's list (never shown)
    Evenement evenement{};
    std::string nom;       // UTF-8, in the current language: "Dépôt de la couche B", "Érosion"...
};
// The model's recognised events (lines 1 .. n-1) as cards, named after the
// letters of the model's view (LettresFormations), in an order shuffled by
// `graine` with, for two cards or more, no card at the place it has in the
// model's list.
std::vector<Carte> CartesDuModele(const Session& modele, std::uint64_t graine);
// The seed of the `n`-th deal (n = 1, 2...) of an exercise opened with the
// seed `graine` (drawn at random when the exercise is opened and kept with
// the work): the same pair, the same cards; each deal of a pupil differs
// from the last, and pupils of different seeds get different deals.
std::uint64_t GraineDeLaDonne(std::uint32_t graine, std::uint64_t n);
// The list that puts the model's events in the order of `ids` (card ids):
// the model's first line, then each card's line.
Liste ListeDesCartes(const Session& modele, const std::vector<int>& ids);

struct VerificationOrdre {
    bool juste = false;
    bool complet = true;  // false when `ids` is not an order of all the cards
    // For a wrong order: the first pair, in the pupil's order, that the
    // pupil put the wrong way round; `avant` must come before `apres`.
    int avant = -1;
    int apres = -1;
    Principe principe = Principe::Aucun;
    std::string texte;  // UTF-8, addressed to the pupil, in the current language (textes.h)
};
// Whether the pupil gave an order: moved a card away from the deal
// (`donne`, as CartesDuModele dealt it) or chose a principle or a
// formation for one. An order checked as dealt, with nothing chosen, is
// not an answer: it is neither kept with the work nor marked.
bool OrdreFait(const std::vector<Carte>& donne, const std::vector<int>& ids,
               const std::vector<Justification>& justifications);

// Judges the order `ids` by the chronology the model's view shows: an
// order that keeps every relation is right, whatever the hidden list says
// (where it differs from the model's in a pair the section does not date,
// the sentence says so). A wrong order names the first relation it breaks,
// by the pupil's order, with its principle and the letters. `essai` (a
// session on the model's textures) tells whether a right order also gives
// the model's view, for the sentence.
VerificationOrdre VerifierOrdre(const Session& modele, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai);
VerificationOrdre VerifierOrdre(const Session& modele, const Chronologie& c, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai);

// What « Vérifier » says of an order, line by line: the verdict on the
// order, then, when justifications do not hold (none chosen, the wrong
// principle or a formation that dates nothing), how many and the first
// of them only, so that the verdict does not tell which step to change
// next; then the mark (TexteNoteOrdre).
std::vector<std::string> LignesResultatOrdre(const VerificationOrdre& v, const std::vector<AvisJustification>& avis,
                                             int note);

// Per kind (indexed by tag 1..7): the list indices of its events (lines
// 1 .. n-1), in list order.
using ParSorte = std::array<std::vector<int>, 8>;
ParSorte EvenementsParSorte(const Liste& l);

// The model's Compressions the pupil's list lacks while it holds a
// Chevauchement in excess (the right stress, the wrong structure), and the
// reverse, one for one.
struct StructuresEchangees {
    int plisEnChevauchement = 0;
    int chevauchementsEnPli = 0;
};
StructuresEchangees CompterEchanges(const ParSorte& modele, const ParSorte& eleve);

// How the events of a pupil's list stand for the model's: each model event
// (list index) matched with at most one of the pupil's list lines of the
// same kind, chosen so as to break the fewest relations of the chronology,
// then keep the most.
struct Appariement {
    std::map<int, int> position;  // model's list index -> pupil's list index
    int rompues = 0;              // relations between matched events put the wrong way round
    int tenues = 0;               // those kept
};
// Every way of matching is tried while they number at most
// kAppariementsMax; beyond, each kind is matched in list order.
Appariement Apparier(const Chronologie& c, const Liste& modele, const Liste& eleve);

// The number of relations of `c` that the order `ids` (card ids, each once)
// puts the wrong way round; a relation whose ends are not both in `ids`
// (the starting series is always first) is kept.
int RelationsRompues(const Chronologie& c, const std::vector<int>& ids);

// The mark of an order out of kNoteMax: kNoteMax when it breaks no
// relation, else kNoteMax less kPenalitePremiereRelation for the first
// relation broken and kPenaliteRelation for each further one, never
// below 0.
int NoteOrdre(const Chronologie& c, const std::vector<int>& ids);

// The card ids (list indices of the model's events) that the events of
// `ordre` (lines 1 .. n-1; lines naming no event are skipped, as the
// cards skip them) stand for, in the order of `ordre`. Empty when the
// events are not those of the model, kind for kind and count for count.
std::vector<int> IdsDeListe(const Session& modele, const Chronologie& c, const Liste& ordre);

}  // namespace section
