// Cost of drawing each view once for the default scene with all elements switched on: the
// redraw that follows every evaluation while the user drags or a run animates.

#include "Benchszene.h"
#include "shadow/Simulieren.h"
#include "simulation/Diagramme.h"
#include "solar/Sonnenstand.h"
#include "views/Ansicht3D.h"
#include "views/Frontansicht.h"
#include "views/Horizontalschnitt.h"
#include "views/Kompass.h"
#include "views/Person.h"
#include "views/Seitenansicht.h"
#include "views/Sonnenbahnen.h"
#include "views/Vorlagen.h"

#include <benchmark/benchmark.h>

namespace umbrarix {
namespace {

struct TUmgebung {
    TSzene Szene;
    TFarbset Farben;
    QImage Vorlage = Vorlage_Ansicht();
    QImage KompassVorlage = Vorlage_Kompass();
    TPunkt Sonne;

    TUmgebung() {
        Szene = AlleElementeAn();
        Zeitpunkt_Simulieren(Szene, 172, 72);
        Sonne = Sonnenvektor(172, Sonnenzeit(172, 12.0, Szene.Laengenkorrektur, true), 50.5);
    }
};

TUmgebung& Umgebung() {
    static TUmgebung u;
    return u;
}

void Ansicht_3D(benchmark::State& state) {
    TUmgebung& u = Umgebung();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Ansicht3D_Zeichnen(u.Szene, u.Farben, T3DBlick{}));
    }
}
BENCHMARK(Ansicht_3D)->Unit(benchmark::kMicrosecond);

void Ansicht_Seite(benchmark::State& state) {
    TUmgebung& u = Umgebung();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            Seitenansicht_Zeichnen(u.Szene, u.Farben, u.Vorlage, u.Sonne, PersonStartLinks));
    }
}
BENCHMARK(Ansicht_Seite)->Unit(benchmark::kMicrosecond);

void Ansicht_Fenster(benchmark::State& state) {
    TUmgebung& u = Umgebung();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Frontansicht_Zeichnen(u.Szene, u.Farben, u.Vorlage));
    }
}
BENCHMARK(Ansicht_Fenster)->Unit(benchmark::kMicrosecond);

void Ansicht_Terrasse(benchmark::State& state) {
    TUmgebung& u = Umgebung();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Horizontalschnitt_Zeichnen(u.Szene, u.Farben, u.Vorlage));
    }
}
BENCHMARK(Ansicht_Terrasse)->Unit(benchmark::kMicrosecond);

// The sun-path diagram of the window with a 1-degree mask computed beforehand.
void Sonnenbahnen_Diagramm(benchmark::State& state) {
    const TSzene s = AlleElementeAn();
    const THimmelsmaske m = *HimmelsmaskeBerechnen(s);
    for (auto _ : state) {
        const QImage bild = Sonnenbahnen_Zeichnen(s, m, false, 172, 90);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(Sonnenbahnen_Diagramm)->Unit(benchmark::kMillisecond);

void Ansicht_Kompass(benchmark::State& state) {
    TUmgebung& u = Umgebung();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZeichneKompass(0, 50.5, 172, u.Farben, u.KompassVorlage));
    }
}
BENCHMARK(Ansicht_Kompass)->Unit(benchmark::kMicrosecond);

void Diagrammbalken(benchmark::State& state) {
    QImage bild = Vorlage_Tagesdiagramm();
    int p = 0;
    for (auto _ : state) {
        Tagesbalken_Zeichnen(bild, p, 0.5);
        p = (p + 1) % 144;
    }
}
BENCHMARK(Diagrammbalken)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace umbrarix
