// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the chronology (chronologie.h), private to the engine: it
// reads the followed replay (releve.h) step by step, each step in its own
// file, and collects candidate relations, each with its principle and the
// places that show it.
//   chronologie_contacts.cpp    contacts across boundaries, intrusions
//   chronologie_traces.cpp      fault and thrust traces, what seals them
//   chronologie_erosions.cpp    folds and erosion surfaces, discordances
//   chronologie_conclusion.cpp  one relation a pair, swaps the view
//                               cannot tell, cycles, what shows
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "releve.h"
#include "section/chronologie.h"

namespace section::lecture {

// Columns and rows where a contact was seen, and the first place. What
// counts depends on the rule: columns for a contact read across a
// boundary, rows along a trace, either for the sides of an intrusion.
enum class Compte { Colonnes, Lignes, LesDeux };
struct Temoins {
    Compte compte = Compte::Colonnes;
    std::vector<bool> colonnes, lignes;
    int nColonnes = 0, nLignes = 0;
    Point ou{0, 0};
    void Voir(int x, int y) {
        if (nColonnes == 0 && nLignes == 0) ou = {x, y};
        Marquer(colonnes, nColonnes, x);
        Marquer(lignes, nLignes, y);
    }
    void Ajouter(const Temoins& o) {
        for (std::size_t i = 0; i < o.colonnes.size(); ++i)
            if (o.colonnes[i]) Marquer(colonnes, nColonnes, static_cast<int>(i));
        for (std::size_t i = 0; i < o.lignes.size(); ++i)
            if (o.lignes[i]) Marquer(lignes, nLignes, static_cast<int>(i));
    }
    int Nombre() const {
        switch (compte) {
        case Compte::Colonnes: return nColonnes;
        case Compte::Lignes: return nLignes;
        case Compte::LesDeux: break;
        }
        return std::max(nColonnes, nLignes);
    }
    bool Assez() const { return Nombre() >= kTemoinsMin; }

private:
    static void Marquer(std::vector<bool>& v, int& n, int i) {
        if (i < 0) return;
        if (static_cast<std::size_t>(i) >= v.size()) v.resize(static_cast<std::size_t>(i) + 64, false);
        if (!v[static_cast<std::size_t>(i)]) {
            v[static_cast<std::size_t>(i)] = true;
            ++n;
        }
    }
};

using Paire = std::pair<Formation, Formation>;  // (ancien, recent) or (lower, upper)

class Lecteur {
public:
    Lecteur(const Releve& r, const Textures& textures) : r_(r), textures_(textures) {}

    Chronologie Lire() {
        LireContactsVerticaux();
        LireIntrusions();
        LireTraces();
        LireErosions();
        Conclure();
        return std::move(c_);
    }

private:
    std::optional<Evenement> Sorte(Formation f) const { return r_.Sorte(f); }
    bool Trace(Formation f) const {
        const auto e = Sorte(f);
        return e && (*e == Evenement::Distension || *e == Evenement::Chevauchement);
    }
    bool Ligne(Formation f) const {
        const auto e = Sorte(f);
        return e && *e == Evenement::Erosion;
    }
    bool Granite(Formation f) const {
        const auto e = Sorte(f);
        return e && *e == Evenement::Plutonisme;
    }
    // A layer, the starting series or a lava flow (not its feeder).
    bool Litee(Formation f, std::size_t p) const {
        if (f == 0) return true;
        const auto e = Sorte(f);
        return e && (*e == Evenement::Sedimentation || (*e == Evenement::Volcanisme && !r_.filon[p]));
    }

    void Noter(int ancien, int recent, Principe pr, Temoin t, std::vector<Formation> formations, const Temoins& w) {
        if (ancien == recent || !w.Assez()) return;
        candidats_.push_back({ancien, recent, pr, t, std::move(formations), w.ou, w.Nombre()});
    }

    // The reading steps, in the order Lire takes them.
    // chronologie_contacts.cpp
    void LireContactsVerticaux();
    void LireIntrusions();
    // chronologie_traces.cpp
    void LireTraces();
    bool DansLaVue(int x, int y) const;
    Formation Voisine(int x, int pas, int y, Formation t) const;
    // chronologie_erosions.cpp
    static bool Plie(const std::vector<std::int16_t>& colonnes);
    void LireErosions();
    bool PlieePar(Formation t, int k) const;
    Point Ou(Formation f) const;
    // chronologie_conclusion.cpp
    void Conclure();
    bool Cycle() const;
    void RetirerEchangesSansEffet();

    const Releve& r_;
    const Textures& textures_;
    Chronologie c_;
    std::vector<Relation> candidats_;
    std::map<Paire, Temoins> repose_;   // (lower, upper): upper rests on lower
    std::map<Paire, Temoins> coupe_;    // (formation, trace)
    std::map<Paire, Temoins> touche_;   // (formation, intrusion)
    std::map<std::pair<Formation, int>, Temoins> bandes_;  // (intrusion, band of the starting series)
    std::map<Paire, Temoins> gauche_, droite_;  // (formation, trace): rows where it lies beside the trace
    std::map<std::pair<int, Formation>, std::map<Formation, Temoins>> surErosion_;  // (erosion, upper) -> lower
    std::map<std::pair<Paire, int>, std::vector<std::int16_t>> plis_;  // ((a, b), fold) -> offsets by column
    std::map<int, std::set<Formation>> deformees_;
    std::map<std::pair<int, Formation>, Temoins> plisses_;  // (fold, formation)
    std::map<Paire, Temoins> sousLigne_;  // (formation, erosion line): the line lies on it
    std::map<int, std::vector<Paire>> pairesPliees_;
};

}  // namespace section::lecture
