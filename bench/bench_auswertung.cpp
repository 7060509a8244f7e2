// Cost of the year overview: the grid of 365 days x 144 ten-minute steps (window and terrace,
// over the hardware threads), its hours of direct sun and a period's Beschattungsgrad; and one
// summer period evaluated on its own, as one candidate of the awning sizing; and the sizing
// scans themselves.

#include "Benchszene.h"
#include "auswertung/Dimensionierung.h"
#include "auswertung/Himmelsmaske.h"
#include "auswertung/Jahresraster.h"
#include "auswertung/Sonneneintrag.h"
#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace umbrarix {
namespace {

void Uebersicht(benchmark::State& state, const TSzene& s) {
    for (auto _ : state) {
        const std::optional<TJahresraster> r = JahresrasterBerechnen(s);
        const TSonnenstundenUebersicht u = SonnenstundenBerechnen(*r);
        const TBeschattungsgrad g = BeschattungsgradAusRaster(*r, TZeitraum{});
        benchmark::DoNotOptimize(u.Jahr.FensterMit);
        benchmark::DoNotOptimize(g.Fenster);
    }
}

void Jahresuebersicht_Vorgabeszene(benchmark::State& state) {
    Uebersicht(state, SzeneAusEingaben({}));
}
BENCHMARK(Jahresuebersicht_Vorgabeszene)->Unit(benchmark::kMillisecond)->UseRealTime();

void Jahresuebersicht_AlleElemente(benchmark::State& state) {
    Uebersicht(state, AlleElementeAn());
}
BENCHMARK(Jahresuebersicht_AlleElemente)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with a skyline of 48 points (every 7.5 degrees, 0 to 12 degrees high): the cost of
// the test against the surroundings at every step.
void Jahresuebersicht_AlleElementeMitUmgebung(benchmark::State& state) {
    TSzene s = AlleElementeAn();
    std::vector<THorizontpunkt> punkte;
    for (int i = 0; i < 48; ++i) {
        punkte.push_back({i * 7.5, 6 + 6 * std::sin(i * 0.7)});
    }
    s.Umgebung = TUmgebung(std::move(punkte));
    Uebersicht(state, s);
}
BENCHMARK(Jahresuebersicht_AlleElementeMitUmgebung)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sky mask of window and terrace, 1 x 1 degree (32,040 directions), over the threads.
void Himmelsmaske_EinGrad(benchmark::State& state) {
    const TSzene s = AlleElementeAn();
    for (auto _ : state) {
        const std::optional<THimmelsmaske> m = HimmelsmaskeBerechnen(s);
        benchmark::DoNotOptimize(m->Fenster.data());
    }
}
BENCHMARK(Himmelsmaske_EinGrad)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same for the default scene (awning with valance, no wall projections).
void Himmelsmaske_Vorgabeszene(benchmark::State& state) {
    const TSzene s = SzeneAusEingaben({});
    for (auto _ : state) {
        const std::optional<THimmelsmaske> m = HimmelsmaskeBerechnen(s);
        benchmark::DoNotOptimize(m->Fenster.data());
    }
}
BENCHMARK(Himmelsmaske_Vorgabeszene)->Unit(benchmark::kMillisecond)->UseRealTime();

void Himmelsmaske_EinGradEinFaden(benchmark::State& state) {
    const TSzene s = AlleElementeAn();
    for (auto _ : state) {
        const std::optional<THimmelsmaske> m = HimmelsmaskeBerechnen(s, 1, {}, 1);
        benchmark::DoNotOptimize(m->Fenster.data());
    }
}
BENCHMARK(Himmelsmaske_EinGradEinFaden)->Unit(benchmark::kMillisecond)->UseRealTime();

// A weather year with direct radiation in every hour from 5 to 21 o'clock (more lit hours than
// any real year has) for one target: one sky mask and every lit hour's instant.
void Sonneneintrag_Jahr(benchmark::State& state) {
    const TSzene s = AlleElementeAn();
    TWetterjahr w;
    w.Stunden.resize(WetterStunden);
    for (int k = 0; k < WetterStunden; ++k) {
        const bool hell = k % 24 >= 4 && k % 24 <= 20;
        w.Stunden[static_cast<size_t>(k)] = hell ? TWetterstunde{500, 600, 100} : TWetterstunde{};
    }
    for (auto _ : state) {
        const std::optional<TSonneneintrag> e =
            SonneneintragBerechnen(s, w, state.range(0) == 1, AlbedoVorgabe);
        benchmark::DoNotOptimize(e->SichtfaktorMit);
    }
}
BENCHMARK(Sonneneintrag_Jahr)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// June to August, 12:00 to 16:00: 2,208 instants.
void Beschattungsgrad_Sommernachmittag(benchmark::State& state) {
    const TSzene s = AlleElementeAn();
    for (auto _ : state) {
        const std::optional<TBeschattungsgrad> g = BeschattungsgradBerechnen(s, TZeitraum{});
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(Beschattungsgrad_Sommernachmittag)->Unit(benchmark::kMillisecond)->UseRealTime();

// Awning sizing: 41 projections 0..400 cm over June to August, 12:00 to 16:00 (90,528 instants).
void Dimensionieren_41Ausfaelle(benchmark::State& state) {
    const TSzene s = AlleElementeAn();
    TDimensionierungsfrage f;
    f.Terrasse = true;
    for (auto _ : state) {
        const std::optional<TDimensionierung> d = Dimensionieren(s, f);
        benchmark::DoNotOptimize(d->Vorschlag);
    }
}
BENCHMARK(Dimensionieren_41Ausfaelle)->Unit(benchmark::kMillisecond)->UseRealTime();

// 21 projections x 4 widths over May to September, 7:00 to 11:00 (308,448 instants).
void Dimensionieren_21Ausfaelle4Breiten(benchmark::State& state) {
    const TSzene s = AlleElementeAn();
    TDimensionierungsfrage f;
    f.Zeitraum = {121, 273, 42, 66};
    f.Ausfall = {0, 400, 20};
    f.Breite = TBereich{400, 700, 100};
    for (auto _ : state) {
        const std::optional<TDimensionierung> d = Dimensionieren(s, f);
        benchmark::DoNotOptimize(d->Vorschlag);
    }
}
BENCHMARK(Dimensionieren_21Ausfaelle4Breiten)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace umbrarix

BENCHMARK_MAIN();
