#include "simulation/Laufschritt.h"
#include "model/ElementeAufbauen.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

const double Koeln = Laengenkorrektur_berechnen(1, -7.0);

TEST(Laufschritt, IntervallNachTagUndNacht) {
    const struct {
        TLaufart art;
        int datum, zeit;
        double breite;
        int intervall;
    } faelle[] = {
        {TLaufart::Tag, 172, 72, 50.5, 200},  // noon in Cologne
        {TLaufart::Tag, 172, 12, 50.5, 10},   // 02:00
        {TLaufart::Jahr, 172, 72, 50.5, 100}, // the year run lingers less
        {TLaufart::Jahr, 355, 6, 50.5, 10},
        {TLaufart::Tag, 355, 72, 70, 10},  // polar night: every step hurries
        {TLaufart::Tag, 172, 12, 70, 200}, // midnight sun: every step lingers
        {TLaufart::Tag, 172, 0, 70, 200},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Laufschritt(f.art, f.datum, f.zeit, 0, f.breite, Koeln, true).Intervall,
                  f.intervall)
            << f.datum << " " << f.zeit << " " << f.breite;
    }
    // Polar night and polar day over a whole day run.
    for (int p = 0; p <= 143; ++p) {
        EXPECT_EQ(Laufschritt(TLaufart::Tag, 355, p, 0, 70, Koeln, true).Intervall, 10);
        EXPECT_EQ(Laufschritt(TLaufart::Tag, 172, p, 0, 70, Koeln, true).Intervall, 200);
    }
}

TEST(Laufschritt, NaechstePositionUndEnde) {
    const TLaufschritt weiter = Laufschritt(TLaufart::Tag, 172, 10, 72, 50.5, Koeln, true);
    EXPECT_FALSE(weiter.Ende);
    EXPECT_EQ(weiter.Position, 11);
    const TLaufschritt ende = Laufschritt(TLaufart::Tag, 172, 143, 72, 50.5, Koeln, true);
    EXPECT_TRUE(ende.Ende);
    EXPECT_EQ(ende.Position, 72) << "back to the saved time";
    const TLaufschritt jahr = Laufschritt(TLaufart::Jahr, 364, 72, 172, 50.5, Koeln, true);
    EXPECT_FALSE(jahr.Ende);
    EXPECT_EQ(jahr.Position, 365);
    const TLaufschritt jahresende = Laufschritt(TLaufart::Jahr, 365, 72, 172, 50.5, Koeln, true);
    EXPECT_TRUE(jahresende.Ende);
    EXPECT_EQ(jahresende.Position, 172);
}

} // namespace
} // namespace umbrarix
