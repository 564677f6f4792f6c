// The teacher's commands: drawing a series of 30 exercises of 6 events
// (every one checked for traces, rock and novelty), and the same with
// their PDF sheets, on the 640 x 600 textures.
#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>

#include "banc.h"
#include "feuille.h"
#include "section/serie.h"

namespace banc {

namespace {

section::Session SessionSerie() {
    section::Session a;
    a.SuivreFormations(SuivreFormations());
    a.DefinirTextures(TexturesPour(kTailles.front()));
    a.Reinitialiser();
    return a;
}

section::ReglesSerie Regles(std::uint32_t graine) {
    section::ReglesSerie r;
    r.exercices = 30;
    r.evenements = 6;
    r.graine = graine;
    return r;
}

void BM_Serie(benchmark::State& st) {
    section::Session a = SessionSerie();
    std::uint32_t graine = 1;
    for (auto _ : st) {
        auto serie = section::TirerSerie(a, Regles(graine++));
        benchmark::DoNotOptimize(serie);
    }
    st.counters["exercices"] = 30;
}

void BM_SerieEtFiches(benchmark::State& st) {
    section::Session a = SessionSerie();
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("fiches.pdf"));
    std::uint32_t graine = 1;
    for (auto _ : st) {
        std::vector<section::Liste> listes;
        std::vector<QString> titres;
        for (section::ExerciceTire& t : section::TirerSerie(a, Regles(graine++))) {
            listes.push_back(std::move(t.liste));
            titres.push_back(QStringLiteral("Exercice %1").arg(listes.size()));
        }
        if (rendu::EcrireFiches(pdf, a, listes, titres)) st.SkipWithError("fiches non écrites");
    }
    st.counters["exercices"] = 30;
}

}  // namespace

void EnregistrerEnseignant() {
    const std::string taille = kTailles.front().Nom();
    const std::string serie = std::string("Enseignant/Serie30/").append(taille);
    const std::string fiches = std::string("Enseignant/Serie30EtFiches/").append(taille);
    benchmark::RegisterBenchmark(serie.c_str(), BM_Serie)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(fiches.c_str(), BM_SerieEtFiches)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace banc
