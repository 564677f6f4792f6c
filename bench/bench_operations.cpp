// SPDX-License-Identifier: GPL-3.0-or-later
// The reference copy, the seven operations and the probes, at each size.
//
// An operation changes Observe, so every timed run starts from the same
// state: the state is put back with the timer paused. The restore is one
// copy of Observe, as large as the reference copy itself, and timing it
// with the operation would bury the cheaper operations in it; pausing
// costs two clock reads, well under a microsecond. The restore leaves
// Observe in the cache as the undo snapshot does in the window, where a
// copy of Observe always comes just before the operations.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "banc.h"

namespace banc {

namespace {

using Operation = void (*)(section::Section&);

struct Cas {
    const char* nom;
    Etat etat;
    bool plier;  // a fold applied just before (the overthrust's precondition)
    Operation op;
};

void AfficheProfilSeul(section::Section& s) { section::AfficheProfil(s); }

// The seven operations, each in the state it is normally applied in, with
// both forms of those that have two.
const Cas kOperations[] = {
    {"Sedimenter/plat", Etat::Plat, false, section::Sedimenter},
    {"Sedimenter/relief", Etat::Plisse, false, section::Sedimenter},
    {"Eroder/plat", Etat::Plat, false, section::Eroder},
    {"Eroder/relief", Etat::Plisse, false, section::Eroder},
    {"PlacerCoulee", Etat::Plat, false, section::PlacerCoulee},
    {"PlacerPluton", Etat::Plisse, false, section::PlacerPluton},
    {"Plisser", Etat::Rempli, false, section::Plisser},
    {"Chevaucher", Etat::Plat, true, section::Chevaucher},
    {"Distendre", Etat::Rempli, false, section::Distendre},
    {"AfficheProfil", Etat::Plat, false, AfficheProfilSeul},
};

// One copy of the working raster: the unit every figure is divided by.
void BM_Copie(benchmark::State& st, Taille t) {
    const std::size_t n = static_cast<std::size_t>(t.Pixels());
    std::vector<section::Couleur> source(n, section::kBleu), cible(n, 0);
    for (std::size_t i = 0; i < n; ++i) source[i] = static_cast<section::Couleur>(i * 2654435761u);
    for (auto _ : st) {
        std::memcpy(cible.data(), source.data(), n * sizeof(section::Couleur));
        benchmark::DoNotOptimize(cible.data());
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) *
                         static_cast<std::int64_t>(n * sizeof(section::Couleur)));
}

void BM_Operation(benchmark::State& st, Taille t, Cas c) {
    const section::Section& ref = SectionReference(t, c.etat, c.plier);
    section::Section s = ref;
    for (auto _ : st) {
        st.PauseTiming();
        Restaurer(s, ref);
        st.ResumeTiming();
        c.op(s);
        benchmark::ClobberMemory();
    }
}

// The probes only read Observe: nothing to restore.
void BM_MesureSurface(benchmark::State& st, Taille t) {
    section::Section s = SectionReference(t, Etat::Plisse);
    for (auto _ : st) {
        section::MesureSurface(s);
        benchmark::DoNotOptimize(s.SurfaceBas);
        benchmark::DoNotOptimize(s.SurfaceHaut);
    }
}

// Without a red band, the usual case, every column is scanned to the bottom.
void BM_HautSocle(benchmark::State& st, Taille t) {
    const section::Section s = SectionReference(t, Etat::Rempli);
    for (auto _ : st) benchmark::DoNotOptimize(section::HautSocle(s));
}

}  // namespace

void EnregistrerOperations() {
    for (const Taille& t : kTailles) {
        const std::string taille = std::string(1, '/').append(t.Nom());
        benchmark::RegisterBenchmark(("Copie" + taille).c_str(), BM_Copie, t)
            ->Unit(benchmark::kMicrosecond);
        for (const Cas& c : kOperations)
            benchmark::RegisterBenchmark((std::string("Operation/") + c.nom + taille).c_str(),
                                         BM_Operation, t, c)
                ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Operation/MesureSurface" + taille).c_str(),
                                     BM_MesureSurface, t)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Operation/HautSocle" + taille).c_str(), BM_HautSocle, t)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace banc
