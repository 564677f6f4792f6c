// SPDX-License-Identifier: GPL-3.0-or-later
// The orders of a model's events that its chronology accepts: every order
// of the cards that keeps each relation read from the view, directly or
// through other events. An answer key lists them all when they are few.
#pragma once

#include <string>
#include <vector>

#include "section/chronologie.h"
#include "section/session.h"

namespace section {

// An answer key lists the accepted orders while there are at most
// kOrdresAcceptesListes; the enumeration stops one beyond, at
// kOrdresAcceptesMax, which is enough to know there are more.
constexpr int kOrdresAcceptesListes = 6;
constexpr int kOrdresAcceptesMax = kOrdresAcceptesListes + 1;

// The orders of `ids` (card ids, each once; the starting series, 0, is
// never among them and always first) in which no event comes after one it
// must precede by Chronologie::Avant, at most `max` of them. Orders come in
// lexicographic order of the positions in `ids`, so `ids` itself comes
// first when it is accepted. Empty when the relations have a cycle among
// `ids` or `max` is not positive.
std::vector<std::vector<int>> OrdresAcceptes(const Chronologie& c, const std::vector<int>& ids,
                                             int max = kOrdresAcceptesMax);

// The relations of `c` between two events of `ids` (or the starting series
// and one of them) that no other relation implies: the fewest a key needs
// to fix the accepted orders, in the order of `c.relations`.
std::vector<Relation> RelationsQuiFixent(const Chronologie& c, const std::vector<int>& ids);

// What an answer key says about the order of a model's events, in the
// current language: the accepted orders as card names (CartesDuModele),
// all of them when there are at most kOrdresAcceptesListes, none beyond;
// and the relations that fix them, each a sentence ending with the
// principle that dates it ("la couche B repose sur la couche A (principe de
// superposition)"), as "Vérifier" and "Ordonner" word them.
struct CleOrdres {
    bool lue = false;  // false when the view could not be read
    std::vector<std::vector<std::string>> ordres;
    bool tropPourLister = false;  // more than kOrdresAcceptesListes orders
    std::vector<std::string> relations;
};
CleOrdres CleDesOrdres(const Session& modele);
CleOrdres CleDesOrdres(const Session& modele, const Chronologie& c);

}  // namespace section
