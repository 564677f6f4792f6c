// SPDX-License-Identifier: GPL-3.0-or-later
// Justifying an order: for each card after the first, the pupil names the
// principle that dates it and the formation or structure that shows it
// against a card placed before. A justification holds when the chronology
// the model's view shows has a relation between that card and an earlier
// one (the starting series is always earlier) by that principle, shown by
// that formation. The choices offered are the same for every card and
// never say which is right; the formations come sorted by name, not by age.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "section/chronologie.h"
#include "section/session.h"

namespace section {

// The principles a pupil may name, in the curriculum's words. The section
// never shows continuité or inclusion; they are offered all the same.
enum class PrincipeCite : int { Aucun, Superposition, Recoupement, Continuite, Inclusion, Discordance };
inline constexpr std::array kPrincipesCites{PrincipeCite::Superposition, PrincipeCite::Recoupement, PrincipeCite::Continuite,
                                     PrincipeCite::Inclusion, PrincipeCite::Discordance};
// "superposition", "recoupement"... in the current language; empty for Aucun.
std::string NomPrincipeCite(PrincipeCite p);
// The principle a pupil names for a relation: a deformation is dated by
// recoupement (a structure that affects a rock is younger than it).
PrincipeCite PrincipeDe(Principe p);

// A formation or structure a pupil may name: a list index of the model
// (0: the starting series) and its name, "la couche B", "la faille F"...
struct TemoinPropose {
    int formation = 0;
    std::string nom;  // UTF-8, in the current language
};
// The starting series and every event the view shows, one per name, sorted
// by name (so that their order tells nothing of their age).
std::vector<TemoinPropose> TemoinsProposes(const Session& modele, const Chronologie& c);

struct Justification {
    PrincipeCite principe = PrincipeCite::Aucun;
    int temoin = -1;  // a list index of the model, -1 when none is chosen
    bool operator==(const Justification&) const = default;
};

enum class Avis {
    Juste,
    SansChoix,         // the pupil chose nothing (or half of it)
    MauvaisPrincipe,   // the formation dates the card, by another principle
    MauvaisTemoin,     // nothing the formation shows dates the card against an earlier one
    NonAttendue,       // the section dates the card against no earlier card: not counted
};

struct AvisJustification {
    int carte = 0;  // card id (list index of the model's event)
    Avis avis = Avis::SansChoix;
    std::string texte;  // UTF-8, addressed to the pupil, in the current language
};

// Judges the justifications of the order `ids` (card ids, as VerifierOrdre
// takes them); `justifications[k]` goes with ids[k], the first one is not
// read. One verdict per card after the first, in the order of `ids`.
std::vector<AvisJustification> JugerJustifications(const Session& modele, const Chronologie& c,
                                                   const std::vector<int>& ids,
                                                   const std::vector<Justification>& justifications);

// The order's mark out of kNoteMax: kPointsOrdre twentieths of NoteOrdre,
// plus the share of justifications that hold (those not counted left out)
// of the rest, rounded half up; NoteOrdre alone when none is counted.
constexpr int kPointsOrdre = 12;
int NoteOrdreJustifie(const Chronologie& c, const std::vector<int>& ids, const std::vector<AvisJustification>& avis);
// "Note de l'ordre : 16/20", in the current language.
std::string TexteNoteOrdre(int note);

}  // namespace section
