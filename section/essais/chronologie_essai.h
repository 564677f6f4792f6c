// SPDX-License-Identifier: GPL-3.0-or-later
// A chronology written by hand for tests of what is judged from one: each
// pair is (older, younger) between event ids, 0 being the starting series.
#pragma once

#include <initializer_list>
#include <utility>

#include "section/chronologie.h"

namespace section::test {

inline Chronologie ChronologieDeRelations(std::initializer_list<std::pair<int, int>> paires,
                                          Principe principe = Principe::Superposition) {
    Chronologie c;
    c.lue = true;
    for (const auto& [ancien, recent] : paires) {
        Relation rel;
        rel.ancien = ancien;
        rel.recent = recent;
        rel.principe = principe;
        c.relations.push_back(rel);
    }
    return c;
}

}  // namespace section::test
