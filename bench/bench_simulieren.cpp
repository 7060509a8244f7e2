// Cost of evaluating instants: one instant as on every mouse move of a drag, the 8,760 hourly
// instants of a year as a yearly table runs them, and the year in ten-minute steps (52,560
// instants) as the planning grids run it, on one thread and on all. Each is measured for the
// evaluation as it stood before the fast path ("Bisher") too, in the same run.

#include "Benchszene.h"
#include "auswertung/Parallel.h"
#include "referenz/SimulierenBisher.h"
#include "shadow/Simulieren.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace umbrarix {
namespace {

using TAuswertung = TPunkt (*)(TSzene&, int, int);
constexpr TAuswertung Neu = &Zeitpunkt_Simulieren;
constexpr TAuswertung Bisher = &bisher::Zeitpunkt_Simulieren_Bisher;
// What a table or a grid evaluates: the shares, without the shadows on the whole surfaces.
constexpr TAuswertung NurAnteile = &Zeitpunkt_Anteile_Simulieren;

template <TAuswertung Auswerten> void Zeitpunkt_Vorgabeszene(benchmark::State& state) {
    TSzene s = SzeneAusEingaben({});
    for (auto _ : state) {
        Auswerten(s, 172, 72);
        benchmark::DoNotOptimize(s.Fenster.Verschattungsanteil);
    }
}
BENCHMARK(Zeitpunkt_Vorgabeszene<Neu>)->Name("Zeitpunkt_Vorgabeszene");
BENCHMARK(Zeitpunkt_Vorgabeszene<Bisher>)->Name("Zeitpunkt_Vorgabeszene_Bisher");

template <TAuswertung Auswerten> void Zeitpunkt_AlleElemente(benchmark::State& state) {
    TSzene s = AlleElementeAn();
    for (auto _ : state) {
        Auswerten(s, 172, 72);
        benchmark::DoNotOptimize(s.Fenster.Verschattungsanteil);
    }
}
BENCHMARK(Zeitpunkt_AlleElemente<Neu>)->Name("Zeitpunkt_AlleElemente");
BENCHMARK(Zeitpunkt_AlleElemente<Bisher>)->Name("Zeitpunkt_AlleElemente_Bisher");

template <TAuswertung Auswerten> void Jahr(benchmark::State& state, const TSzene& szene) {
    TSzene s = szene;
    for (auto _ : state) {
        double summe = 0;
        for (int tag = 1; tag <= 365; ++tag) {
            for (int stunde = 0; stunde < 24; ++stunde) {
                Auswerten(s, tag, stunde * 6);
                summe += s.Fenster.Verschattungsanteil + s.Terrasse.Verschattungsanteil;
            }
        }
        benchmark::DoNotOptimize(summe);
    }
    state.SetItemsProcessed(state.iterations() * 8760);
}
void Jahr_Stuendlich(benchmark::State& state) {
    Jahr<NurAnteile>(state, AlleElementeAn());
}
void Jahr_Stuendlich_Vollstaendig(benchmark::State& state) {
    Jahr<Neu>(state, AlleElementeAn());
}
void Jahr_Stuendlich_Bisher(benchmark::State& state) {
    Jahr<Bisher>(state, AlleElementeAn());
}
void Jahr_Stuendlich_Vorgabeszene(benchmark::State& state) {
    Jahr<NurAnteile>(state, SzeneAusEingaben({}));
}
void Jahr_Stuendlich_Vorgabeszene_Vollstaendig(benchmark::State& state) {
    Jahr<Neu>(state, SzeneAusEingaben({}));
}
void Jahr_Stuendlich_Vorgabeszene_Bisher(benchmark::State& state) {
    Jahr<Bisher>(state, SzeneAusEingaben({}));
}
BENCHMARK(Jahr_Stuendlich_Vorgabeszene)->Unit(benchmark::kMillisecond);
BENCHMARK(Jahr_Stuendlich_Vorgabeszene_Vollstaendig)->Unit(benchmark::kMillisecond);
BENCHMARK(Jahr_Stuendlich_Vorgabeszene_Bisher)->Unit(benchmark::kMillisecond);
BENCHMARK(Jahr_Stuendlich)->Unit(benchmark::kMillisecond);
BENCHMARK(Jahr_Stuendlich_Vollstaendig)->Unit(benchmark::kMillisecond);
BENCHMARK(Jahr_Stuendlich_Bisher)->Unit(benchmark::kMillisecond);

// The year in ten-minute steps of the default scene, both shares of every instant kept by
// index; the argument is the number of threads.
template <TAuswertung Auswerten> void Raster_ZehnMinuten(benchmark::State& state) {
    const TSzene szene = SzeneAusEingaben({});
    constexpr int Anzahl = 365 * 144;
    std::vector<double> fenster(Anzahl), terrasse(Anzahl);
    for (auto _ : state) {
        ParallelAuswerten(
            szene, Anzahl,
            [&](TSzene& s, int i) {
                Auswerten(s, 1 + i / 144, i % 144);
                fenster[static_cast<std::size_t>(i)] = s.Fenster.Verschattungsanteil;
                terrasse[static_cast<std::size_t>(i)] = s.Terrasse.Verschattungsanteil;
            },
            {}, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(fenster.data());
    }
    state.SetItemsProcessed(state.iterations() * Anzahl);
}
BENCHMARK(Raster_ZehnMinuten<NurAnteile>)
    ->Name("Raster_ZehnMinuten")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(Raster_ZehnMinuten<Bisher>)
    ->Name("Raster_ZehnMinuten_Bisher")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace umbrarix

BENCHMARK_MAIN();
