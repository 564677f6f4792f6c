// SPDX-License-Identifier: GPL-3.0-or-later
// The mark out of 20 of a pupil's section against the model's. It is
// earned on what the lesson assesses: the events, kind by kind, and the
// order the section shows between them; the pixels are a minor part, and
// on rock only (the sky, most of a view, agrees on almost any answer).
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "section/correction.h"

namespace section {

namespace {

// Events of a list by kind (tag), as list indices.
using ParSorte = std::array<std::vector<int>, 8>;

ParSorte Trier(const Liste& l) {
    ParSorte p;
    for (std::size_t i = 1; i < l.size(); ++i)
        if (const auto e = EvenementDeLigne(l[i])) p[static_cast<std::size_t>(Tag(*e))].push_back(static_cast<int>(i));
    return p;
}

// Matches the pupil's events with the model's, kind by kind, so as to keep
// the most relations; counts relations kept and broken by the best match.
class Appariement {
public:
    Appariement(const Chronologie& c, const ParSorte& modele, const ParSorte& eleve)
        : c_(c), modele_(modele), eleve_(eleve) {
        long long combinaisons = 1;
        for (std::size_t t = 1; t < 8; ++t) {
            const long long m = static_cast<long long>(modele_[t].size()), e = static_cast<long long>(eleve_[t].size());
            for (long long k = 0; k < std::min(m, e); ++k) combinaisons = std::min(combinaisons * (std::max(m, e) - k), kMax + 1);
        }
        tout_ = combinaisons <= kMax;
        Sorte(1);
    }
    int rompues = 0, tenues = 0;

private:
    static constexpr long long kMax = 5000;

    // Tries every match of kind t, then the next kinds.
    void Sorte(std::size_t t) {
        if (t == 8) {
            Evaluer();
            return;
        }
        const std::vector<int>& m = modele_[t];
        const std::vector<int>& e = eleve_[t];
        const std::size_t n = std::min(m.size(), e.size());
        if (!tout_ || n == 0) {
            // In order: the k-th of the pupil's with the k-th of the model's.
            for (std::size_t k = 0; k < n; ++k) position_[m[k]] = e[k];
            Sorte(t + 1);
            for (std::size_t k = 0; k < n; ++k) position_.erase(m[k]);
            return;
        }
        std::vector<bool> pris(std::max(m.size(), e.size()), false);
        Choisir(t, 0, n, pris);
    }
    // The smaller side's k-th element takes an unused element of the larger side.
    void Choisir(std::size_t t, std::size_t k, std::size_t n, std::vector<bool>& pris) {
        if (k == n) {
            Sorte(t + 1);
            return;
        }
        const std::vector<int>& m = modele_[t];
        const std::vector<int>& e = eleve_[t];
        const bool parModele = m.size() <= e.size();
        const std::size_t grand = parModele ? e.size() : m.size();
        for (std::size_t j = 0; j < grand; ++j) {
            if (pris[j]) continue;
            pris[j] = true;
            const int mi = parModele ? m[k] : m[j];
            position_[mi] = parModele ? e[j] : e[k];
            Choisir(t, k + 1, n, pris);
            position_.erase(mi);
            pris[j] = false;
        }
    }
    void Evaluer() {
        int r = 0, tn = 0;
        for (const Relation& rel : c_.relations) {
            const auto a = position_.find(rel.ancien), b = position_.find(rel.recent);
            if (a == position_.end() || b == position_.end()) continue;
            (a->second < b->second ? tn : r) += 1;
        }
        if (!vu_ || r < rompues || (r == rompues && tn > tenues)) {
            rompues = r;
            tenues = tn;
            vu_ = true;
        }
    }

    const Chronologie& c_;
    const ParSorte& modele_;
    const ParSorte& eleve_;
    std::map<int, int> position_;  // model's event -> pupil's list index
    bool tout_ = true;
    bool vu_ = false;
};

}  // namespace

Note Noter(const Session& modele, const Session& eleve) { return Noter(modele, LireChronologie(modele), eleve); }

Note Noter(const Session& modele, const Chronologie& c, const Session& eleve) {
    Note n;
    const Liste& l = eleve.liste();
    for (std::size_t i = 1; i < l.size(); ++i)
        if (EvenementDeLigne(l[i])) ++n.evenementsReconnus;
    const Raster& m = modele.vue();
    const Raster& e = eleve.vue();
    const int w = std::min(m.width(), e.width()), h = std::min(m.height(), e.height());
    for (int y = 0; y < h; ++y) {
        const Couleur* a = m.row(y);
        const Couleur* b = e.row(y);
        for (int x = 0; x < w; ++x) {
            const bool meme = a[x] == b[x];
            n.identiques += meme;
            if (a[x] != kBleu || b[x] != kBleu) {
                ++n.roche;
                n.rocheIdentique += meme;
            }
        }
    }
    n.pixels = static_cast<std::int64_t>(std::max(0, w)) * std::max(0, h);
    n.memeCoupe = !m.empty() && m == e;
    n.formations = ComparerFormations(modele, eleve);

    const ParSorte parModele = Trier(modele.liste()), parEleve = Trier(l);
    int penalite = 0;
    for (const TypeEvenement& t : kEvenements) {
        const auto k = static_cast<std::size_t>(t.tag);
        const int manque = std::max(0, static_cast<int>(parModele[k].size()) - static_cast<int>(parEleve[k].size()));
        const int trop = std::max(0, static_cast<int>(parEleve[k].size()) - static_cast<int>(parModele[k].size()));
        const bool structure = t.evenement == Evenement::Compression || t.evenement == Evenement::Chevauchement ||
                               t.evenement == Evenement::Distension || t.evenement == Evenement::Erosion;
        n.evenementsManquants += manque;
        n.evenementsEnTrop += trop;
        penalite += manque * (structure ? kPenaliteStructure : kPenaliteFormation) + trop * kPenaliteEnTrop;
    }
    n.formationsEnEcart = n.evenementsManquants + n.evenementsEnTrop;
    const Appariement a(c, parModele, parEleve);
    n.relationsRompues = a.rompues;
    n.relationsTenues = a.tenues;
    if (a.rompues > 0) penalite += kPenalitePremiereRelation + kPenaliteRelation * (a.rompues - 1);

    if (n.evenementsReconnus == 0) {
        n.points = 0;
    } else if (n.memeCoupe) {
        n.points = kNoteMax;
    } else {
        const long double differente =
            n.roche == 0 ? 0.0L : static_cast<long double>(n.roche - n.rocheIdentique) / static_cast<long double>(n.roche);
        const long double note = kNoteSectionDifferente - penalite - kPenalitePixels * differente;
        n.points = static_cast<int>(std::clamp<long double>(std::nearbyint(note), 0, kNoteSectionDifferente));
    }
    return n;
}

}  // namespace section
