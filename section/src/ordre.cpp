// SPDX-License-Identifier: GPL-3.0-or-later
// A list judged as an order of an exercise's cards.
#include "section/ordre.h"

#include <algorithm>
#include <array>
#include <map>

#include "section/correction.h"

namespace section {

int RelationsRompues(const Chronologie& c, const std::vector<int>& ids) {
    std::map<int, std::size_t> rang;
    for (std::size_t i = 0; i < ids.size(); ++i) rang.emplace(ids[i], i);
    int rompues = 0;
    for (const Relation& r : c.relations) {
        const auto a = rang.find(r.ancien), b = rang.find(r.recent);
        if (a != rang.end() && b != rang.end() && a->second > b->second) ++rompues;
    }
    return rompues;
}

int NoteOrdre(const Chronologie& c, const std::vector<int>& ids) {
    const int rompues = RelationsRompues(c, ids);
    if (rompues == 0) return kNoteMax;
    return std::max(0, kNoteMax - kPenalitePremiereRelation - kPenaliteRelation * (rompues - 1));
}

namespace {

// Per kind (tag 1..7): the list indices of its events, in list order.
using ParSorte = std::array<std::vector<int>, 8>;

ParSorte Trier(const Liste& l) {
    ParSorte p;
    for (std::size_t i = 1; i < l.size(); ++i)
        if (const auto e = EvenementDeLigne(l[i])) p[static_cast<std::size_t>(Tag(*e))].push_back(static_cast<int>(i));
    return p;
}

}  // namespace

std::vector<int> IdsDeListe(const Session& modele, const Chronologie& c, const Liste& ordre) {
    const ParSorte cartes = Trier(modele.liste());
    const ParSorte lignes = Trier(ordre);
    for (std::size_t t = 1; t < 8; ++t)
        if (cartes[t].size() != lignes[t].size()) return {};
    // The kind of each event of `ordre`, in its order, and its rank among
    // the events of that kind.
    std::vector<std::pair<std::size_t, std::size_t>> places;
    for (std::size_t i = 1; i < ordre.size(); ++i)
        if (const auto e = EvenementDeLigne(ordre[i])) {
            const auto t = static_cast<std::size_t>(Tag(*e));
            const auto& l = lignes[t];
            places.emplace_back(t, static_cast<std::size_t>(std::find(l.begin(), l.end(), static_cast<int>(i)) - l.begin()));
        }
    if (places.empty()) return {};
    // Every permutation of each kind's cards over its lines, the kinds
    // counted like an odometer, from the one that keeps the model's order
    // within each kind.
    ParSorte essai = cartes;
    const auto Ids = [&] {
        std::vector<int> ids;
        ids.reserve(places.size());
        for (const auto& [t, k] : places) ids.push_back(essai[t][k]);
        return ids;
    };
    std::vector<int> meilleur = Ids();
    int moins = RelationsRompues(c, meilleur);
    for (long long n = 1; moins > 0 && n < kAppariementsMax; ++n) {
        std::size_t t = 1;
        while (t < 8 && !std::next_permutation(essai[t].begin(), essai[t].end())) ++t;
        if (t == 8) break;  // every match tried
        std::vector<int> ids = Ids();
        if (const int r = RelationsRompues(c, ids); r < moins) {
            moins = r;
            meilleur = std::move(ids);
        }
    }
    return meilleur;
}

}  // namespace section
