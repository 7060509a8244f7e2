// Cost of evaluating instants: one instant as on every mouse move of a drag, and the 8,760
// hourly instants of a year as a yearly table runs them.

#include "Benchszene.h"
#include "shadow/Simulieren.h"

#include <benchmark/benchmark.h>

namespace umbrarix {
namespace {

void Zeitpunkt_Vorgabeszene(benchmark::State& state) {
    TSzene s = SzeneAusEingaben({});
    for (auto _ : state) {
        Zeitpunkt_Simulieren(s, 172, 72);
        benchmark::DoNotOptimize(s.Fenster.Verschattungsanteil);
    }
}
BENCHMARK(Zeitpunkt_Vorgabeszene);

void Zeitpunkt_AlleElemente(benchmark::State& state) {
    TSzene s = AlleElementeAn();
    for (auto _ : state) {
        Zeitpunkt_Simulieren(s, 172, 72);
        benchmark::DoNotOptimize(s.Fenster.Verschattungsanteil);
    }
}
BENCHMARK(Zeitpunkt_AlleElemente);

void Jahr_Stuendlich(benchmark::State& state) {
    TSzene s = AlleElementeAn();
    for (auto _ : state) {
        double summe = 0;
        for (int tag = 1; tag <= 365; ++tag) {
            for (int stunde = 0; stunde < 24; ++stunde) {
                Zeitpunkt_Simulieren(s, tag, stunde * 6);
                summe += s.Fenster.Verschattungsanteil + s.Terrasse.Verschattungsanteil;
            }
        }
        benchmark::DoNotOptimize(summe);
    }
    state.SetItemsProcessed(state.iterations() * 8760);
}
BENCHMARK(Jahr_Stuendlich)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace umbrarix

BENCHMARK_MAIN();
