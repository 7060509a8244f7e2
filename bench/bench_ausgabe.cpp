// The yearly hourly shading table end to end: 8,760 evaluations, formatting, writing the file.

#include "Benchszene.h"
#include "io/Dateizugriff.h"
#include "io/Projektdatei.h"
#include "io/Verschattungstabelle.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace umbrarix {
namespace {

void Jahrestabelle_Stuendlich(benchmark::State& state) {
    const TSzene szene = AlleElementeAn();
    TProjektdaten projekt = Vorgabeprojekt();
    projekt.MauerLinks = projekt.MauerRechts = true;
    const std::string datei = "/tmp/umbrarix-bench-jahr.dat";
    for (auto _ : state) {
        const std::string bytes =
            Verschattungstabelle(projekt, szene, TTabellenart::Jahr, false, 172, 72);
        if (DateiSchreiben(datei, bytes)) {
            state.SkipWithError("writing failed");
        }
    }
    std::remove(datei.c_str());
}
BENCHMARK(Jahrestabelle_Stuendlich)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace umbrarix

BENCHMARK_MAIN();
