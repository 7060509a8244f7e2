#include "model/Eingabedaten.h"
#include "model/Farbset.h"

#include <gtest/gtest.h>

#include <set>

namespace umbrarix {
namespace {

TEST(Eingabedaten, TabelleUndRecordHabenDieselbenVorgaben) {
    const TEingabedaten e;
    std::set<std::string_view> namen;
    for (const TSpinfeld& f : Spinfelder()) {
        EXPECT_EQ(e.*f.Wert, f.Vorgabe) << f.Name;
        EXPECT_LE(f.Min, f.Vorgabe) << f.Name;
        EXPECT_GE(f.Max, f.Vorgabe) << f.Name;
        EXPECT_TRUE(namen.insert(f.Name).second) << "twice: " << f.Name;
        EXPECT_EQ(SpinfeldMitNamen(f.Name), &f);
    }
    EXPECT_EQ(Spinfelder().size(), 27u);
    EXPECT_EQ(SpinfeldMitNamen("anz_gibtsnicht"), nullptr);
}

TEST(Eingabedaten, GrenzenEinigerFelder) {
    const struct {
        std::string_view name;
        double min, max;
    } faelle[] = {{"anz_Vordachbreite", 15, 700},
                  {"anz_Vordachlaenge", 0, 400},
                  {"anz_Fensterneigung", 0, 120},
                  {"anz_Himmelsrichtung", 0, 360},
                  {"anz_ml_AbstandFenstermitte", -100, 350},
                  {"anz_mr_Ausfall", 15, 350},
                  {"anz_terrassenlaenge", 15, 350},
                  {"anz_Vordachzentrierung", -300, 300}};
    for (const auto& f : faelle) {
        const TSpinfeld* s = SpinfeldMitNamen(f.name);
        ASSERT_NE(s, nullptr) << f.name;
        EXPECT_EQ(s->Min, f.min) << f.name;
        EXPECT_EQ(s->Max, f.max) << f.name;
    }
    const TEingabedaten e;
    EXPECT_EQ(e.anz_ort, "Köln");
    EXPECT_TRUE(e.CheckBox_Sommerzeit && e.CheckBox_Ueberhang && e.CheckBox_Volant);
    EXPECT_FALSE(e.CheckBox_MauerLinks || e.CheckBox_MauerRechts);
    EXPECT_EQ(e.TrackBar_Datum, 172);
    EXPECT_EQ(e.TrackBar_Uhrzeit, 72);
    ASSERT_EQ(Dezimalfelder().size(), 3u);
    EXPECT_EQ(Dezimalfelder()[1].Vorgabe, "-7.0");
    EXPECT_EQ(e.*Dezimalfelder()[0].Wert, 50.5);
}

TEST(Farbset, VorgabenAlsDezimalwerte) {
    const TFarbset f;
    // The decimal values a project file stores for the default colours.
    EXPECT_EQ(f.Markisenfarbe, 8388608u);
    EXPECT_EQ(f.Mauerfarbe, 51u);
    EXPECT_EQ(f.Wandfarbe, 14540253u);
    EXPECT_EQ(f.Fensterfarbe, 16776960u);
    EXPECT_EQ(f.Bodenfarbe, 12320699u);
    EXPECT_EQ(f.Terrassenfarbe, 8454016u);
    EXPECT_EQ(f.Interaktivfarbe, 33023u);
    EXPECT_EQ(FarbeRot(f.Interaktivfarbe), 255);
    EXPECT_EQ(FarbeGruen(f.Interaktivfarbe), 128);
    EXPECT_EQ(FarbeBlau(f.Interaktivfarbe), 0);
    EXPECT_EQ(FarbeAusRgb(0, 0, 128), f.Markisenfarbe);
}

} // namespace
} // namespace umbrarix
