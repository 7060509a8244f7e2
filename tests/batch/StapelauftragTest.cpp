#include "batch/Stapelauftrag.h"
#include "batch/Stapelmeldung.h"
#include "batch/Stapeloptionen.h"
#include "io/Projektdatei.h"

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

using V = std::vector<std::string>;

// "--option=wert" reads as "--option wert" for every command; a value may hold "=" itself.
TEST(Stapelauftrag, OptionMitGleichheitszeichen) {
    const struct {
        V getrennt, zusammen;
    } faelle[] = {
        {{"tabelle", "p.dat", "--ziel", "terrasse", "--art", "uhrzeit", "--tag", "21.06.",
          "--uhrzeit", "15:10", "--format", "csv", "-o", "x"},
         {"tabelle", "--ziel=terrasse", "--art=uhrzeit", "p.dat", "--tag=21.06.", "--uhrzeit=15:10",
          "--format=csv", "-o", "x"}},
        {{"drucken", "p.dat", "--inhalt", "grafiken", "--ansprechpartner", "a=b.txt",
          "--beschreibung", "c.txt", "-o", "x.pdf"},
         {"drucken", "p.dat", "--inhalt=grafiken", "--ansprechpartner=a=b.txt",
          "--beschreibung=c.txt", "-o", "x.pdf"}},
        {{"dimensionieren", "p.dat",     "--ziel",      "terrasse",     "--zeitraum",
          "01.06.-31.08.",  "--uhrzeit", "12:00-16:00", "--mindestens", "80",
          "--ausfall",      "0-300:50",  "--breite",    "400-700:100",  "--neigung",
          "0-20:5",         "--projekt", "neu.dat",     "-o",           "-"},
         {"dimensionieren", "p.dat", "--ziel=terrasse", "--zeitraum=01.06.-31.08.",
          "--uhrzeit=12:00-16:00", "--mindestens=80", "--ausfall=0-300:50", "--breite=400-700:100",
          "--neigung=0-20:5", "--projekt=neu.dat", "-o", "-"}},
    };
    for (const auto& f : faelle) {
        const TStapelLesen getrennt = StapelauftragLesen(f.getrennt);
        const TStapelLesen zusammen = StapelauftragLesen(f.zusammen);
        ASSERT_TRUE(getrennt.Auftrag) << getrennt.Fehler;
        ASSERT_TRUE(zusammen.Auftrag) << zusammen.Fehler;
        EXPECT_TRUE(*getrennt.Auftrag == *zusammen.Auftrag) << f.getrennt[0];
    }
    const TStapelLesen wert = StapelauftragLesen(faelle[1].zusammen);
    EXPECT_EQ(wert.Auftrag->Ansprechpartnerdatei, "a=b.txt");
    // A German decimal comma in the required Beschattungsgrad.
    for (const char* grad : {"80,5", "80.5"}) {
        V aufruf = faelle[2].getrennt;
        aufruf[9] = grad;
        const TStapelLesen r = StapelauftragLesen(aufruf);
        ASSERT_TRUE(r.Auftrag) << grad << ": " << r.Fehler;
        EXPECT_DOUBLE_EQ(r.Auftrag->Frage.Mindestgrad, 0.805) << grad;
    }
}

// After "--" every argument is the project file, whatever it looks like; before it, the help
// of the command wins over what the call still lacks.
TEST(Stapelauftrag, DoppelstrichUndBefehlshilfe) {
    const V vorne{"tabelle", "--ziel", "fenster", "--art", "tag", "-o", "x"};
    for (const std::string projekt : {"-x.dat", "--x.dat", "--ziel", "-o", "--help", "-h", "--"}) {
        V aufruf = vorne;
        aufruf.insert(aufruf.end(), {"--", projekt});
        const TStapelLesen r = StapelauftragLesen(aufruf);
        ASSERT_TRUE(r.Auftrag) << projekt << ": " << r.Fehler;
        EXPECT_EQ(r.Auftrag->Befehl, TStapelauftrag::Tabelle) << projekt;
        EXPECT_EQ(r.Auftrag->Projekt, projekt);
    }
    const struct {
        V aufruf;
        TStapelauftrag::TBefehl thema;
    } hilfen[] = {
        {{"tabelle", "--help"}, TStapelauftrag::Tabelle},
        {{"dimensionieren", "p.dat", "--ziel", "fenster", "-h"}, TStapelauftrag::Dimensionieren},
        {{"ansicht", "--help", "--gibtsnicht"}, TStapelauftrag::Ansicht},
        {{"--help", "tabelle"}, TStapelauftrag::Hilfe},
    };
    for (const auto& h : hilfen) {
        const TStapelLesen r = StapelauftragLesen(h.aufruf);
        ASSERT_TRUE(r.Auftrag) << h.aufruf[0] << ": " << r.Fehler;
        EXPECT_EQ(r.Auftrag->Befehl, TStapelauftrag::Hilfe) << h.aufruf[0];
        EXPECT_EQ(r.Auftrag->Hilfethema, h.thema) << h.aufruf[0];
    }
}

// A command's help lists exactly the options the table gives that command.
TEST(Stapelauftrag, BefehlshilfeAusDerOptionstabelle) {
    for (const TStapelbefehl& b : Stapelbefehle()) {
        const std::string hilfe = StapelbefehlHilfe(b.Befehl);
        EXPECT_TRUE(hilfe.starts_with("Aufruf: umbrarix-batch " + std::string(b.Name) + " "))
            << hilfe;
        EXPECT_NE(hilfe.find("  -o " + std::string(b.Ausgabe) + "\n"), std::string::npos);
        for (const std::string_view beispiel : b.Beispiele) {
            EXPECT_NE(hilfe.find("  umbrarix-batch " + std::string(beispiel) + "\n"),
                      std::string::npos);
        }
        for (const TStapeloption& o : Stapeloptionen()) {
            const std::string zeile = "  " + std::string(o.Name) + " " + std::string(o.Wert) + "\n";
            const bool eigene = std::any_of(
                Stapeloptionen().begin(), Stapeloptionen().end(), [&](const TStapeloption& e) {
                    return e.Befehl == b.Befehl && e.Name == o.Name && e.Wert == o.Wert;
                });
            EXPECT_EQ(hilfe.find(zeile) != std::string::npos, eigene) << b.Name << zeile;
        }
    }
}

// One colon between a message and the file it is about, whatever the message ends with.
TEST(Stapelauftrag, DateimeldungOhneDoppelteSatzzeichen) {
    const struct {
        std::string meldung;
        const char* zeile;
    } faelle[] = {
        {"Datei nicht gefunden", "umbrarix-batch: Datei nicht gefunden: k.dat\n"},
        {FalschesFormat, "umbrarix-batch: Falsches / unbekanntes Datenformat! Datei kann nicht "
                         "eingelesen werden: k.dat\n"},
        {"Die Datei mischt UTF-8 und Windows-1252: Zeile 8 wurde als Windows-1252 gelesen.",
         "umbrarix-batch: Die Datei mischt UTF-8 und Windows-1252: Zeile 8 wurde als "
         "Windows-1252 gelesen: k.dat\n"},
        {"Abgebrochen!", "umbrarix-batch: Abgebrochen: k.dat\n"},
        {"Bitte warten ...", "umbrarix-batch: Bitte warten: k.dat\n"},
        {"", "umbrarix-batch: k.dat\n"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Dateimeldung(f.meldung, "k.dat"), f.zeile);
    }
}

} // namespace
} // namespace umbrarix
