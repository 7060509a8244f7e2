#include "auswertung/Parallel.h"
#include "model/ElementeAufbauen.h"
#include "shadow/Simulieren.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace umbrarix {
namespace {

struct TAnteile {
    double Fenster = -9, Terrasse = -9;
    bool operator==(const TAnteile&) const = default;
};

// A week of ten-minute steps evaluated on one thread and on several: the same values in the
// same places, and the caller's scene untouched.
TEST(ParallelAuswerten, GleicheErgebnisseWieEinFaden) {
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    e.anz_Fensterneigung = 75;
    const TSzene szene = SzeneAusEingaben(e);
    constexpr int Anzahl = 7 * 144;
    const auto lauf = [&szene](int faeden, const TFortschritt& f) {
        std::vector<TAnteile> ergebnis(Anzahl);
        const bool fertig = ParallelAuswerten(
            szene, Anzahl,
            [&ergebnis](TSzene& s, int i) {
                Zeitpunkt_Simulieren(s, 170 + i / 144, i % 144);
                ergebnis[static_cast<size_t>(i)] = {s.Fenster.Verschattungsanteil,
                                                    s.Terrasse.Verschattungsanteil};
            },
            f, faeden);
        EXPECT_TRUE(fertig);
        return ergebnis;
    };
    const std::vector<TAnteile> eins = lauf(1, {});
    int beschattet = 0;
    for (const TAnteile& a : eins) {
        beschattet += a.Fenster > 0;
    }
    EXPECT_GT(beschattet, 100);
    int letzterStand = -1;
    const TFortschritt zaehlen = [&letzterStand](int stand) {
        EXPECT_GE(stand, letzterStand);
        letzterStand = stand;
        return true;
    };
    for (const int faeden : {2, 3, 8}) {
        EXPECT_EQ(lauf(faeden, {}), eins) << faeden << " threads";
        letzterStand = -1;
        EXPECT_EQ(lauf(faeden, zaehlen), eins) << faeden << " threads with progress";
        EXPECT_EQ(letzterStand, Anzahl);
    }
    EXPECT_EQ(szene.Fenster.Verschattungsanteil, 0); // never evaluated: the copy was used
    EXPECT_GE(AnzahlRechenfaeden(), 1);
}

TEST(ParallelAuswerten, AbbruchHaeltAn) {
    const TSzene szene = SzeneAusEingaben({});
    constexpr int Anzahl = 1'000'000; // far more than a cancelled run gets through
    for (const int faeden : {1, 2}) {
        std::atomic<int> gerechnet{0};
        const bool fertig = ParallelAuswerten(
            szene, Anzahl,
            [&gerechnet](TSzene& s, int i) {
                Zeitpunkt_Simulieren(s, 1 + i / 144 % 365, i % 144);
                ++gerechnet;
            },
            [](int stand) { return stand == 0; }, faeden);
        EXPECT_FALSE(fertig) << faeden;
        EXPECT_LT(gerechnet.load(), Anzahl) << faeden;
    }
    int gemeldet = -1;
    EXPECT_TRUE(ParallelAuswerten(
        szene, 0, [](TSzene&, int) { FAIL(); },
        [&gemeldet](int stand) {
            gemeldet = stand;
            return true;
        }));
    EXPECT_EQ(gemeldet, 0);
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// The window handles events while a run reports its progress, and an event may change the
// scene it passed in. The workers must have their copies by then: every copy is made before
// the first thread starts. Under ThreadSanitizer (scripts/test.sh) a copy made in a worker
// is a reported race even when the timing happens to hide it.
TEST(ParallelAuswerten, KopienEntstehenVorDenFaeden) {
    TSzene szene = SzeneAusEingaben(TEingabedaten{});
    const double breite = szene.Eingaben.anz_Breitengrad;
    constexpr int Anzahl = 4 * 64;
    std::vector<double> gelesen(Anzahl);
    int meldungen = 0;
    ASSERT_TRUE(ParallelAuswerten(
        szene, Anzahl,
        [&gelesen](TSzene& s, int i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            gelesen[static_cast<size_t>(i)] = s.Eingaben.anz_Breitengrad;
        },
        [&](int) {
            ++meldungen;
            szene.Eingaben.anz_Breitengrad = -breite; // as an edit in the window would
            return true;
        },
        4));
    EXPECT_GE(meldungen, 2);
    for (const double b : gelesen) {
        EXPECT_EQ(b, breite);
    }
}

} // namespace
} // namespace umbrarix
