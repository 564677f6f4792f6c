// SPDX-License-Identifier: GPL-3.0-or-later
// Whole events as the window applies them (Session::Appliquer: snapshot,
// operations, list line, display copy, availability) and list replays
// (Session::Charger: reset, replay, display copy, availability).
#include <benchmark/benchmark.h>

#include "banc.h"

namespace banc {

namespace {

struct CasEvenement {
    const char* nom;
    section::Evenement evenement;
    Etat etat;
};

// Each kind in the state it is normally applied in (the uneven
// sedimentation and erosion, the heavier of their two forms).
const CasEvenement kEvenementsTimes[] = {
    {"Sedimentation", E::Sedimentation, Etat::Plisse}, {"Volcanisme", E::Volcanisme, Etat::Plat},
    {"Erosion", E::Erosion, Etat::Plisse},             {"Plutonisme", E::Plutonisme, Etat::Plisse},
    {"Compression", E::Compression, Etat::Rempli},     {"Chevauchement", E::Chevauchement, Etat::Plat},
    {"Distension", E::Distension, Etat::Rempli},
};

// The state is put back with the timer paused, by the event's own undo,
// which restores the section without touching the textures (copying the
// whole session would empty the caches before every timed event).
void BM_Evenement(benchmark::State& st, Taille t, CasEvenement c) {
    section::Session a = EtatReference(t, c.etat);
    const section::Evenement e = c.evenement;
    for (auto _ : st) {
        a.Appliquer(e);
        benchmark::ClobberMemory();
        st.PauseTiming();
        a.Annuler();
        st.ResumeTiming();
    }
}

void BM_Rejouer(benchmark::State& st, Taille t, int n) {
    const section::Liste liste = ListeRealiste(t, n);
    section::Session a;
    a.SuivreFormations(SuivreFormations());
    a.DefinirTextures(TexturesPour(t));
    for (auto _ : st) {
        a.Charger(liste);
        benchmark::ClobberMemory();
    }
    st.counters["evenements"] = n;
}

}  // namespace

void EnregistrerEvenements() {
    for (const Taille& t : kTailles) {
        const std::string taille = std::string(1, '/').append(t.Nom());
        for (const CasEvenement& c : kEvenementsTimes)
            benchmark::RegisterBenchmark((std::string("Evenement/") + c.nom + taille).c_str(),
                                         BM_Evenement, t, c)
                ->Unit(benchmark::kMicrosecond);
        // The longer lists at the first size only: the per-event figure
        // hardly moves beyond 100 events.
        const bool petite = t.largeur == kTailles.front().largeur;
        for (const int n : {10, 100, 1000}) {
            if (!petite && n != 100) continue;
            benchmark::RegisterBenchmark(("Rejouer/" + std::to_string(n) + taille).c_str(),
                                         BM_Rejouer, t, n)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace banc
