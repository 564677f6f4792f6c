// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a series of exercises.
#include "section/serie.h"

#include <algorithm>
#include <random>

namespace section {

int PartDeRoche(const Session& a) {
    const Raster& v = a.vue();
    long long roche = 0;
    const long long total = static_cast<long long>(v.width()) * v.height();
    if (total == 0) return 0;
    for (int y = 0; y < v.height(); ++y) {
        const Couleur* ligne = v.row(y);
        for (int x = 0; x < v.width(); ++x) roche += ligne[x] != kBleu;
    }
    return static_cast<int>(roche * 100 / total);
}

std::vector<bool> EvenementsSansTrace(Session& a, const Liste& liste) {
    std::vector<bool> sans(liste.size(), false);
    a.Charger(liste);
    const Raster entiere = a.vue();
    for (std::size_t i = 1; i < liste.size(); ++i) {
        Liste moins = liste;
        moins.erase(moins.begin() + static_cast<std::ptrdiff_t>(i));
        a.Charger(moins);
        sans[i] = a.vue() == entiere;
    }
    return sans;
}

namespace {

// True when some line leaves no trace; stops at the first one found.
bool UnSansTrace(Session& a, const Liste& liste, const Raster& entiere) {
    for (std::size_t i = liste.size() - 1; i >= 1; --i) {
        Liste moins = liste;
        moins.erase(moins.begin() + static_cast<std::ptrdiff_t>(i));
        a.Charger(moins);
        if (a.vue() == entiere) return true;
    }
    return false;
}

// One draw: k clicks, each among the least used allowed kinds enabled.
// `visible` tells whether each click changed the view, which an event
// that leaves a trace at all nearly always does: a draw where one did not
// is drawn again before the longer check.
Liste Tirer(Session& a, std::mt19937& tirage, const ReglesSerie& r, const std::array<int, 8>& emplois,
            bool& visible) {
    a.Reinitialiser();
    visible = true;
    Raster avant = a.vue();
    std::array<int, 8> compte = emplois;
    std::vector<int> tags;
    for (int n = 0; n < r.evenements; ++n) {
        const std::size_t fin = tags.size();
        const int repete = fin >= 2 && tags[fin - 1] == tags[fin - 2] ? tags[fin - 1] : 0;
        std::vector<int> permis;
        for (const TypeEvenement& e : kEvenements)
            if (r.permis[static_cast<std::size_t>(e.tag)] && a.Disponible(e.evenement)) permis.push_back(e.tag);
        std::vector<int> varies;
        for (const int t : permis)
            if (t != repete) varies.push_back(t);
        const std::vector<int>& ouverts = varies.empty() ? permis : varies;
        if (ouverts.empty()) break;  // nothing enabled: the list ends here
        // A kind the series has used least weighs 4, one use more 2, the
        // others 1: rare kinds come forward, none is shut out.
        int moins = compte[static_cast<std::size_t>(ouverts.front())];
        for (const int t : ouverts) moins = std::min(moins, compte[static_cast<std::size_t>(t)]);
        std::vector<int> poids;
        unsigned total = 0;
        for (const int t : ouverts) {
            const int ecart = std::min(compte[static_cast<std::size_t>(t)] - moins, 2);
            poids.push_back(4 >> ecart);
            total += static_cast<unsigned>(4 >> ecart);
        }
        unsigned choix = static_cast<unsigned>(tirage() % total);
        std::size_t k = 0;
        while (choix >= static_cast<unsigned>(poids[k])) choix -= static_cast<unsigned>(poids[k++]);
        const int tag = ouverts[k];
        a.Appliquer(*EvenementDeTag(tag));
        if (a.vue() == avant) visible = false;
        avant = a.vue();
        tags.push_back(tag);
        ++compte[static_cast<std::size_t>(tag)];
    }
    return a.liste();
}

}  // namespace

std::vector<ExerciceTire> TirerSerie(Session& a, const ReglesSerie& r) {
    std::vector<ExerciceTire> serie;
    if (!a.Prete()) return serie;
    std::mt19937 tirage(r.graine);
    std::array<int, 8> emplois{};
    std::vector<Raster> vues;
    for (int i = 0; i < r.exercices; ++i) {
        ExerciceTire t;
        for (int essai = 0; essai < kEssaisSerie; ++essai) {
            bool visible = true;
            t.liste = Tirer(a, tirage, r, emplois, visible);
            const Raster vue = a.vue();
            t.conforme = visible && PartDeRoche(a) >= r.rocheMin &&
                         std::find(vues.begin(), vues.end(), vue) == vues.end();
            if (t.conforme) t.conforme = !UnSansTrace(a, t.liste, vue);
            if (t.conforme) break;
        }
        a.Charger(t.liste);
        vues.push_back(a.vue());
        for (std::size_t l = 1; l < t.liste.size(); ++l)
            if (const auto e = EvenementDeLigne(t.liste[l])) ++emplois[static_cast<std::size_t>(Tag(*e))];
        serie.push_back(std::move(t));
    }
    return serie;
}

}  // namespace section
