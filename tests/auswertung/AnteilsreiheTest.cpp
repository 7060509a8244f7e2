#include "auswertung/Anteilsreihe.h"
#include "model/ElementeAufbauen.h"
#include "referenz/SimulierenBisher.h"
#include "shadow/Simulieren.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

namespace umbrarix {
namespace {

bool Bitgleich(const TPolygon& a, const TPolygon& b) {
    if (a.Anzahl != b.Anzahl) {
        return false;
    }
    for (int i = 0; i < a.GueltigeAnzahl(); ++i) {
        if (std::bit_cast<std::uint64_t>(a[i].x) != std::bit_cast<std::uint64_t>(b[i].x) ||
            std::bit_cast<std::uint64_t>(a[i].y) != std::bit_cast<std::uint64_t>(b[i].y) ||
            std::bit_cast<std::uint64_t>(a[i].z) != std::bit_cast<std::uint64_t>(b[i].z)) {
            return false;
        }
    }
    return true;
}

// Everything a view or a label reads after a run: flags, shares and the shadows of every
// caster that is switched on.
void ErwarteGleicheSzene(const TSzene& a, const TSzene& b, const char* fall) {
    EXPECT_EQ(a.IstNacht, b.IstNacht) << fall;
    EXPECT_EQ(a.IstSonneNichtSichtbar, b.IstSonneNichtSichtbar) << fall;
    EXPECT_EQ(a.Fenster.Verschattungsanteil, b.Fenster.Verschattungsanteil) << fall;
    EXPECT_EQ(a.Terrasse.Verschattungsanteil, b.Terrasse.Verschattungsanteil) << fall;
    const TVerschattendesElement* x[] = {&a.Ueberhang, &a.Volant, &a.MauerLinks, &a.MauerRechts};
    const TVerschattendesElement* y[] = {&b.Ueberhang, &b.Volant, &b.MauerLinks, &b.MauerRechts};
    for (int w = 0; w < 4; ++w) {
        for (TPolygon TVerschattendesElement::*f :
             {&TVerschattendesElement::SchattenWandebene,
              &TVerschattendesElement::SchattenBodenebene, &TVerschattendesElement::SchattenWand,
              &TVerschattendesElement::SchattenBoden, &TVerschattendesElement::SchattenFenster,
              &TVerschattendesElement::SchattenTerrasse}) {
            EXPECT_TRUE(Bitgleich(x[w]->*f, y[w]->*f)) << fall << " caster " << w;
        }
    }
}

// Two days of ten-minute steps on a tilted east wall with every caster on, ending at night
// (the stored shadows are then those of the afternoon) and, cut short, ending in the sun:
// the shares of the old evaluation one instant after the other, and the caller's scene left
// as that run leaves it, on any number of threads.
TEST(AnteileBerechnen, WieEinFadenMitDerBisherigenAuswertung) {
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    e.anz_ml_AbstandFenstermitte = e.anz_mr_abstandFenstermitte = 220;
    e.anz_Fensterneigung = 75;
    e.anz_Himmelsrichtung = 80;
    const TSzene vorlage = SzeneAusEingaben(e);
    const auto zeitpunkt = [&vorlage](int i) {
        const int tag = 170 + i / 144;
        return TReihenzeitpunkt{tag, Zeitpunkt_Sonnenzeit(vorlage, tag, i % 144)};
    };
    for (const int anzahl : {2 * 144, 144 + 80}) {
        TSzene bisher = vorlage;
        std::vector<TAnteilspaar> erwartet;
        int sonnig = 0;
        for (int i = 0; i < anzahl; ++i) {
            bisher::Simulieren_Bisher(bisher, zeitpunkt(i).Tag, zeitpunkt(i).Sonnenzeit);
            erwartet.push_back(
                {bisher.Fenster.Verschattungsanteil, bisher.Terrasse.Verschattungsanteil});
            sonnig += !bisher.IstNacht && !bisher.IstSonneNichtSichtbar;
        }
        ASSERT_GT(sonnig, 20);
        ASSERT_LT(sonnig, anzahl);
        for (const int faeden : {1, 2, 3}) {
            TSzene s = vorlage;
            int gemeldet = 0;
            const std::vector<TAnteilspaar> a = AnteileBerechnen(
                s, anzahl, zeitpunkt, [&gemeldet](int n) { gemeldet = n; }, faeden);
            ASSERT_EQ(a.size(), erwartet.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(a[i].Fenster),
                          std::bit_cast<std::uint64_t>(erwartet[i].Fenster))
                    << i << " " << faeden;
                ASSERT_EQ(std::bit_cast<std::uint64_t>(a[i].Terrasse),
                          std::bit_cast<std::uint64_t>(erwartet[i].Terrasse))
                    << i << " " << faeden;
            }
            EXPECT_LE(gemeldet, anzahl);
            ErwarteGleicheSzene(s, bisher, anzahl == 288 ? "ends at night" : "ends in the sun");
        }
    }
    TSzene s = vorlage;
    EXPECT_TRUE(AnteileBerechnen(s, 0, zeitpunkt).empty());
}

} // namespace
} // namespace umbrarix
