// SPDX-License-Identifier: GPL-3.0-or-later
// The chronology read from the view (the list replayed with every pixel
// followed, then the relations) and its legibility (every consistent order
// replayed against the view), on the 640 x 600 textures: for one list of
// 6 events, and for the 30 exercises of a drawn series, as a teacher's
// series needs them all.
#include <benchmark/benchmark.h>

#include "banc.h"
#include "section/chronologie.h"
#include "section/serie.h"

namespace banc {

namespace {

const section::Ligne kSed(section::kLigneInitiale);

// The lesson's discordance with a flow on top: 6 events.
const section::Liste kSixEvenements{kSed, kSed, kSed, "Compression", "Erosion", kSed, "Volcanisme"};

// Read and judged: what --chronologie and "Créer un exercice" do.
int Lisible(const section::Textures& t, const section::Liste& l) {
    section::Chronologie c = section::LireChronologie(t, l);
    section::EvaluerLisibilite(t, l, c);
    benchmark::DoNotOptimize(c);
    return c.lisible ? 1 : 0;
}

void BM_ChronologieSixEvenements(benchmark::State& st) {
    const section::Textures& t = TexturesPour(kTailles.front());
    int lisibles = 0;
    for (auto _ : st) lisibles = Lisible(t, kSixEvenements);
    st.counters["lisible"] = lisibles;
}

// The series is drawn once, outside the timing; each run reads and judges
// its 30 lists.
void BM_ChronologieSerie30(benchmark::State& st) {
    section::Session a;
    a.SuivreFormations(SuivreFormations());
    a.DefinirTextures(TexturesPour(kTailles.front()));
    section::ReglesSerie r;
    r.exercices = 30;
    r.evenements = 6;
    r.graine = 2026;
    const std::vector<section::ExerciceTire> serie = section::TirerSerie(a, r);
    int lisibles = 0;
    for (auto _ : st) {
        lisibles = 0;
        for (const section::ExerciceTire& e : serie) lisibles += Lisible(a.textures(), e.liste);
    }
    st.counters["exercices"] = static_cast<double>(serie.size());
    st.counters["lisibles"] = lisibles;
}

}  // namespace

void EnregistrerChronologie() {
    const std::string taille = kTailles.front().Nom();
    benchmark::RegisterBenchmark(("Chronologie/SixEvenements/" + taille).c_str(), BM_ChronologieSixEvenements)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Chronologie/Serie30/" + taille).c_str(), BM_ChronologieSerie30)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace banc
