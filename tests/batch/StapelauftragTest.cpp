#include "batch/Stapelauftrag.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TEST(Stapelauftrag, TagUndUhrzeit) {
    const struct {
        const char* text;
        std::optional<int> tag;
    } tage[] = {{"172", 172}, {"1", 1},        {"365", 365},   {"21.06.", 172}, {"21.6", 172},
                {"1.3.", 60}, {"31.12.", 365}, {"0", {}},      {"366", {}},     {"29.02.", {}},
                {"x", {}},    {"", {}},        {"12.13.", {}}, {"1.1.1.", {}}};
    for (const auto& t : tage) {
        EXPECT_EQ(TagAusText(t.text), t.tag) << t.text;
    }
    const struct {
        const char* text;
        std::optional<int> position;
    } zeiten[] = {{"12:00", 72}, {"00:00", 0},  {"23:59", 143}, {"14:37", 87}, {"9:05", 54},
                  {"24:00", {}}, {"12:60", {}}, {"1200", {}},   {"", {}}};
    for (const auto& z : zeiten) {
        EXPECT_EQ(ZeitpositionAusText(z.text), z.position) << z.text;
    }
}

TEST(Stapelauftrag, AufrufeLesen) {
    using V = std::vector<std::string>;
    const TStapelLesen t = StapelauftragLesen(V{"tabelle", "p.dat", "--ziel", "terrasse", "--art",
                                                "uhrzeit", "--uhrzeit", "15:10", "-o", "-"});
    ASSERT_TRUE(t.Auftrag) << t.Fehler;
    EXPECT_EQ(t.Auftrag->Befehl, TStapelauftrag::Tabelle);
    EXPECT_EQ(t.Auftrag->Projekt, "p.dat");
    EXPECT_TRUE(t.Auftrag->Terrasse);
    EXPECT_EQ(t.Auftrag->Art, TTabellenart::Uhrzeit);
    EXPECT_EQ(t.Auftrag->Zeitposition, 91);
    EXPECT_EQ(t.Auftrag->Tag, 172);
    EXPECT_EQ(t.Auftrag->Ausgabe, "-");

    const TStapelLesen d = StapelauftragLesen(
        V{"drucken", "p.dat", "--inhalt", "grafiken", "--ansprechpartner", "a.txt", "-o", "x.pdf"});
    ASSERT_TRUE(d.Auftrag) << d.Fehler;
    EXPECT_FALSE(d.Auftrag->MitDatenblatt);
    EXPECT_TRUE(d.Auftrag->MitGrafiken);
    EXPECT_EQ(d.Auftrag->Ansprechpartnerdatei, "a.txt");

    EXPECT_EQ(StapelauftragLesen(V{"--help"}).Auftrag->Befehl, TStapelauftrag::Hilfe);
    EXPECT_EQ(StapelauftragLesen(V{"--version"}).Auftrag->Befehl, TStapelauftrag::Version);
    EXPECT_FALSE(t.Auftrag->Csv) << "the text table is the default";
    const TStapelLesen csv = StapelauftragLesen(
        V{"tabelle", "p.dat", "--ziel", "fenster", "--art", "jahr", "--format", "csv", "-o", "x"});
    ASSERT_TRUE(csv.Auftrag) << csv.Fehler;
    EXPECT_TRUE(csv.Auftrag->Csv);
    // Wrong calls, each with its German reason.
    for (const V& falsch :
         {V{}, V{"rechnen", "p.dat"}, V{"tabelle", "p.dat", "--ziel", "fenster", "-o", "x"},
          V{"tabelle", "p.dat", "--ziel", "dach", "--art", "tag", "-o", "x"},
          V{"tabelle", "--ziel", "fenster", "--art", "tag", "-o", "x"},
          V{"velumora", "p.dat", "--ziel", "fenster"},
          V{"velumora", "p.dat", "--ziel", "fenster", "--tag", "3", "-o", "x"},
          V{"ansicht", "p.dat", "--ansicht", "dach", "-o", "x.png"},
          V{"ansicht", "p.dat", "--ansicht", "3d", "-o", "-"}, V{"drucken", "p.dat", "-o", "x.pdf"},
          V{"tabelle", "p.dat", "--tag"},
          V{"tabelle", "p.dat", "--ziel", "fenster", "--art", "tag", "--format", "xls", "-o", "x"},
          V{"velumora", "p.dat", "--ziel", "fenster", "--format", "csv", "-o", "x"},
          V{"tabelle", "p.dat", "q.dat", "--ziel", "fenster", "--art", "tag", "-o", "x"}}) {
        const TStapelLesen r = StapelauftragLesen(falsch);
        EXPECT_FALSE(r.Auftrag.has_value()) << (falsch.empty() ? "" : falsch[0]);
        EXPECT_FALSE(r.Fehler.empty());
    }
    const std::string hilfe = StapelHilfe();
    for (const char* befehl : {"tabelle", "velumora", "drucken", "ansicht"}) {
        EXPECT_NE(hilfe.find(std::string("umbrarix-batch ") + befehl), std::string::npos) << befehl;
    }
}

} // namespace
} // namespace umbrarix
