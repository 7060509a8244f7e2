// One drag step as the window does it on every mouse move (handle arithmetic, dimensions read
// back, evaluation, redraw of the front view) and a full year run (365 evaluations with their
// diagram bars, no view).

#include "Benchszene.h"
#include "model/MasseZurueckgewinnen.h"
#include "model/Ziehen.h"
#include "shadow/Simulieren.h"
#include "simulation/Diagramme.h"
#include "simulation/Volllauf.h"
#include "views/Frontansicht.h"
#include "views/Vorlagen.h"

#include <benchmark/benchmark.h>

namespace umbrarix {
namespace {

void Ziehschritt(benchmark::State& state) {
    TSzene s = AlleElementeAn();
    const QImage vorlage = Vorlage_Ansicht();
    const TFarbset farben;
    int richtung = 1;
    for (auto _ : state) {
        GriffZiehen(s, TGriff::f_ueberh_unten, 0, richtung);
        richtung = -richtung;
        Daten_anzeigen_Masse(s);
        Zeitpunkt_Simulieren(s, 172, 72);
        benchmark::DoNotOptimize(Frontansicht_Zeichnen(s, farben, vorlage));
    }
}
BENCHMARK(Ziehschritt)->Unit(benchmark::kMicrosecond);

void Jahreslauf_Schleife(benchmark::State& state) {
    TSzene s = AlleElementeAn();
    const QImage vorlage = Vorlage_Jahresdiagramm();
    for (auto _ : state) {
        QImage fenster = vorlage, terrasse = vorlage;
        for (int tag = 1; tag <= 365; ++tag) {
            Zeitpunkt_Simulieren(s, tag, 72);
            Jahresbalken_Zeichnen(fenster, tag, s.Fenster.Verschattungsanteil);
            Jahresbalken_Zeichnen(terrasse, tag, s.Terrasse.Verschattungsanteil);
        }
        benchmark::DoNotOptimize(fenster);
    }
}
BENCHMARK(Jahreslauf_Schleife)->Name("Jahreslauf")->Unit(benchmark::kMillisecond);

// The full year run as the diagram page and the printout call it: the shares over all
// hardware threads, then the bars in order.
void Jahreslauf_Volllauf(benchmark::State& state) {
    TSzene s = AlleElementeAn();
    const QImage vorlage = Vorlage_Jahresdiagramm();
    for (auto _ : state) {
        QImage fenster, terrasse;
        Jahreslauf(s, 72, vorlage, fenster, terrasse);
        benchmark::DoNotOptimize(fenster);
    }
}
BENCHMARK(Jahreslauf_Volllauf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace umbrarix
