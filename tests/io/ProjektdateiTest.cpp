#include "io/Projektdatei.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "solar/Standortkatalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace umbrarix {

// Readable failures: every field, switch, line and colour.
void PrintTo(const TProjektdaten& p, std::ostream* os) {
    for (const auto& [name, text] : p.Felder) {
        *os << name << "='" << text << "' ";
    }
    *os << "Sommerzeit=" << p.Sommerzeit << " Ueberhang=" << p.Ueberhang
        << " MauerLinks=" << p.MauerLinks << " MauerRechts=" << p.MauerRechts << " Beschreibung=";
    for (const std::string& z : p.Beschreibung) {
        *os << "[" << z << "]";
    }
    *os << " Wandfarbe=" << p.Farben.Wandfarbe;
}

namespace {

// The project as the window holds it after start-up (the clearance field shows 234).
TProjektdaten Startprojekt() {
    TProjektdaten p = Vorgabeprojekt();
    p.Felder["anz_Durchgangshoehe"] = "234";
    return p;
}

std::string Datei(const std::vector<std::string>& zeilen) {
    std::string s;
    for (const std::string& z : zeilen) {
        s += NachCp1252(z) + "\r\n";
    }
    return s;
}

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(Projektdatei, VorgabeprojektByteFuerByte) {
    const std::vector<std::string> erwartet = {
        "Verschattungssimulation:",
        "========================",
        "(Version 2005 / 02)",
        "",
        "Standort:",
        "---------",
        "Ort:" + Blanks(28) + "Köln",
        "Breitengrad:" + Blanks(20) + "50.5 ° (Nordhalbkugel positiv)",
        "Längengrad:" + Blanks(21) + "-7.0 ° (Westlich von 0° positiv)",
        "Zeitzone:" + Blanks(23) + "1   ",
        "Himmelsrichtung:" + Blanks(16) + "0    ° (S = 0 ° - N = 180° - O = 90° - W = 270 °",
        "Sommerzeit:" + Blanks(21) + "31. März bis 30. Oktober",
        "",
        "Fenster:",
        "--------",
        "Höhe:" + Blanks(27) + "150  cm",
        "Breite:" + Blanks(25) + "400  cm",
        "Brüstung:" + Blanks(23) + "100  cm",
        "Neigung:" + Blanks(24) + "90   °",
        "Abweichung von der Mitte:" + Blanks(7) + "0    cm",
        "",
        "Terrasse:",
        "---------",
        "Breite:" + Blanks(25) + "400  cm",
        "Länge:" + Blanks(26) + "200  cm",
        "Abstand von Hauswand:" + Blanks(11) + "0    cm",
        "Abweichung von der Mitte:" + Blanks(7) + "0    cm",
        "",
        "Überhang / Markise:",
        "-------------------",
        "Breite:" + Blanks(25) + "600  cm",
        "Ausfall:" + Blanks(24) + "150  cm",
        "Abstand vom Boden:" + Blanks(14) + "280  cm",
        "Abstand von der Fassade:" + Blanks(8) + "0    cm",
        "Neigung:" + Blanks(24) + "10   cm",
        "Höhe des Volants:" + Blanks(15) + "20   cm",
        "Durchgangshöhe unter Volant:" + Blanks(4) + "234  cm",
        "Abweichung von der Mitte:" + Blanks(7) + "0    cm",
        "",
        "Überhangfarbe:" + Blanks(18) + "8388608",
        "Mauerfarbe:" + Blanks(21) + "51",
        "Wandfarbe:" + Blanks(22) + "14540253",
        "Fensterfarbe:" + Blanks(19) + "16776960",
        "Bodenfarbe:" + Blanks(21) + "12320699",
        "Terrassenfarbe:" + Blanks(17) + "8454016",
        "Interaktivfarbe:" + Blanks(16) + "33023",
    };
    const std::string bytes = ProjektdateiSchreiben(Startprojekt());
    EXPECT_EQ(bytes, Datei(erwartet));
    // Single bytes of Windows-1252: "Ü" 0xDC, "ä" 0xE4, "°" 0xB0.
    EXPECT_NE(bytes.find("\xDC"
                         "berhang / Markise:\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("L\xE4ngengrad:"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "no UTF-8 in the file";
    // Column 33..36 of the centre offset -300 holds the whole number, then " cm".
    TProjektdaten p = Startprojekt();
    p.Felder["anz_FensterZentrierung"] = "-300";
    EXPECT_NE(ProjektdateiSchreiben(p).find("Abweichung von der Mitte:       -300 cm\r\n"),
              std::string::npos);
}

TEST(Projektdatei, BeispielprojektIstDasVorgabeprojekt) {
    const TDateiinhalt beispiel = DateiLesen(UMBRARIX_QUELLEN "/beispiele/vorgabe.dat");
    ASSERT_TRUE(beispiel.Gelesen) << beispiel.Fehler;
    EXPECT_EQ(beispiel.Bytes, ProjektdateiSchreiben(Startprojekt()));
}

TEST(Projektdatei, AbschnitteNurFuerEingeschalteteElemente) {
    TProjektdaten p = Startprojekt();
    p.Ueberhang = false;
    p.Sommerzeit = false;
    std::string bytes = ProjektdateiSchreiben(p);
    EXPECT_EQ(bytes.find("Markise"), std::string::npos);
    EXPECT_EQ(bytes.find("Mauervorsprung"), std::string::npos);
    EXPECT_NE(bytes.find("Sommerzeit:" + Blanks(21) + "Nein\r\n"), std::string::npos);
    p.MauerRechts = true;
    bytes = ProjektdateiSchreiben(p);
    EXPECT_NE(bytes.find("Mauervorsprung rechts:\r\n----------------------\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.find("Mauervorsprung links"), std::string::npos);
}

TEST(Projektdatei, RundreiseAllerElementkombinationen) {
    for (int maske = 0; maske < 8; ++maske) {
        TProjektdaten p = Startprojekt();
        p.Ueberhang = maske & 1;
        p.MauerLinks = maske & 2;
        p.MauerRechts = maske & 4;
        p.Sommerzeit = maske % 3 == 0;
        p.Felder["anz_Fensterhoehe"] = "123";
        p.Felder["anz_ml_AbstandFenstermitte"] = "-100";
        p.Felder["anz_mr_Ausfall"] = "17";
        p.Felder["anz_Vordachzentrierung"] = "-3";
        p.Felder["anz_Himmelsrichtung"] = "315";
        p.Beschreibung = {"Familie Müller", "Südseite, € 1.200"};
        p.Farben.Wandfarbe = 0x123456;
        // A reader starting from another scene must arrive at exactly this project, apart
        // from the fields of sections it does not contain.
        TProjektdaten anders = Vorgabeprojekt();
        if (!p.Ueberhang) {
            for (const char* f : {"anz_Vordachzentrierung"}) {
                p.Felder[f] = anders.Felder[f];
            }
            p.Felder["anz_Durchgangshoehe"] = anders.Felder["anz_Durchgangshoehe"];
        }
        if (!p.MauerLinks) {
            p.Felder["anz_ml_AbstandFenstermitte"] = anders.Felder["anz_ml_AbstandFenstermitte"];
        }
        if (!p.MauerRechts) {
            p.Felder["anz_mr_Ausfall"] = anders.Felder["anz_mr_Ausfall"];
        }
        anders.Ueberhang = !p.Ueberhang;
        const TProjektLesen r = ProjektdateiLesen(ProjektdateiSchreiben(p), anders);
        ASSERT_TRUE(r.Gelesen) << r.Fehler;
        EXPECT_EQ(r.Daten, p) << "elements " << maske;
    }
}

TEST(Projektdatei, JedeStadtKommtUnveraendertZurueck) {
    for (const TStandort& s : Standortkatalog()) {
        TProjektdaten p = Startprojekt();
        p.Felder["anz_ort"] = std::string(s.Name);
        p.Felder["anz_Breitengrad"] = std::string(s.Breitengrad);
        p.Felder["anz_Laengengrad"] = std::string(s.Laengengrad);
        p.Felder["anz_Zeitzone"] = std::string(s.Zeitzone);
        // Read back over the default scene: the texts change, the name check finds the city.
        const TProjektLesen r = ProjektdateiLesen(ProjektdateiSchreiben(p), Startprojekt());
        ASSERT_TRUE(r.Gelesen);
        EXPECT_EQ(r.Daten.Felder.at("anz_Breitengrad"), s.Breitengrad) << s.Name;
        EXPECT_EQ(r.Daten.Felder.at("anz_Laengengrad"), s.Laengengrad) << s.Name;
        EXPECT_EQ(r.Daten.Felder.at("anz_Zeitzone"), s.Zeitzone) << s.Name;
        EXPECT_EQ(r.Daten.Felder.at("anz_ort"), s.Name);
    }
}

TEST(Projektdatei, OrtsnamePruefungBeimLesen) {
    TProjektdaten gespeichert = Startprojekt();
    gespeichert.Felder["anz_ort"] = "Baustelle Nord";
    gespeichert.Felder["anz_Breitengrad"] = "51.0";
    // Opened over a scene with other texts: the name check replaces the file's name.
    TProjektLesen r = ProjektdateiLesen(ProjektdateiSchreiben(gespeichert), Startprojekt());
    EXPECT_EQ(r.Daten.Felder.at("anz_ort"), "-Sonstiger Standort-");
    // Opened over a scene with the same three texts: the file's own name survives.
    r = ProjektdateiLesen(ProjektdateiSchreiben(gespeichert), gespeichert);
    EXPECT_EQ(r.Daten.Felder.at("anz_ort"), "Baustelle Nord");
    // A Cologne file opened while another place is shown says "Köln" again.
    TProjektdaten berlin = Startprojekt();
    berlin.Felder["anz_Breitengrad"] = "52.3";
    berlin.Felder["anz_ort"] = "Berlin";
    r = ProjektdateiLesen(ProjektdateiSchreiben(Startprojekt()), berlin);
    EXPECT_EQ(r.Daten.Felder.at("anz_ort"), "Köln");
    EXPECT_EQ(r.Daten.Felder.at("anz_Zeitzone"), "1") << "trailing blanks are not kept";
}

TEST(Projektdatei, Versionsmarken) {
    std::string alt = ProjektdateiSchreiben(Startprojekt());
    alt.replace(alt.find("(Version 2005 / 02)"), 19, "Version 2005 / 01");
    TProjektLesen r = ProjektdateiLesen(alt, Vorgabeprojekt());
    EXPECT_TRUE(r.Gelesen);
    EXPECT_EQ(r.Daten, Startprojekt());
    std::string falsch = ProjektdateiSchreiben(Startprojekt());
    falsch.replace(falsch.find("(Version 2005 / 02)"), 19, "Version 2005 / 02");
    r = ProjektdateiLesen(falsch, Vorgabeprojekt());
    EXPECT_FALSE(r.Gelesen);
    EXPECT_EQ(r.Fehler, "Falsches / unbekanntes Datenformat! Datei kann nicht eingelesen werden.");
    EXPECT_FALSE(ProjektdateiLesen("", Vorgabeprojekt()).Gelesen);
    EXPECT_FALSE(ProjektdateiLesen(std::string("\0\xFF\r\n", 4), Vorgabeprojekt()).Gelesen);
}

TEST(Projektdatei, BeschreibungMitLeerzeileAmEnde) {
    TProjektdaten p = Startprojekt();
    p.Beschreibung = {"Zeile 1", "", "Zeile 3", ""};
    const TProjektLesen r = ProjektdateiLesen(ProjektdateiSchreiben(p), Vorgabeprojekt());
    ASSERT_TRUE(r.Gelesen);
    // Exactly one empty line is dropped on reading: the section's own closing line.
    EXPECT_EQ(r.Daten.Beschreibung, p.Beschreibung);
    p.Beschreibung.clear();
    EXPECT_EQ(ProjektdateiSchreiben(p).find("Projektbeschreibung"), std::string::npos);
}

TEST(Projektdatei, FarbeKeineGanzzahl) {
    std::string bytes = ProjektdateiSchreiben(Startprojekt());
    bytes.replace(bytes.find("33023"), 5, "33o23");
    const TProjektLesen r = ProjektdateiLesen(bytes, Vorgabeprojekt());
    EXPECT_FALSE(r.Gelesen);
    EXPECT_EQ(r.Fehler, "'33o23' ist kein gültiger Integerwert");
}

TEST(Projektdatei, VorzeitigesEndeUndUnsinn) {
    const std::string voll = ProjektdateiSchreiben(Startprojekt());
    // Cut in the middle of the window section: the missing values take their defaults, the
    // switches of missing sections go off, the colours stay as they were.
    const std::string kurz = voll.substr(0, voll.find("Neigung:"));
    TProjektdaten vorher = Vorgabeprojekt();
    vorher.Felder["anz_Fensterneigung"] = "60";
    vorher.Farben.Wandfarbe = 1;
    TProjektLesen r = ProjektdateiLesen(kurz, vorher);
    ASSERT_TRUE(r.Gelesen);
    EXPECT_EQ(r.Daten.Felder.at("anz_Fensterneigung"), "90");
    EXPECT_EQ(r.Daten.Felder.at("anz_terrassenbreite"), "400");
    EXPECT_FALSE(r.Daten.Ueberhang);
    EXPECT_EQ(r.Daten.Farben.Wandfarbe, 1u);
    // A number that is none takes the default too; a file ending in its description ends it.
    std::string unsinn = voll;
    unsinn.replace(unsinn.find("150 "), 4, "1x0 ");
    r = ProjektdateiLesen(unsinn, Vorgabeprojekt());
    EXPECT_EQ(r.Daten.Felder.at("anz_Fensterhoehe"), "150");
    r = ProjektdateiLesen(
        NachCp1252("a\r\nb\r\n(Version 2005 / 02)\r\n\r\nProjektbeschreibung:\r\n--\r\nx\r\n"),
        Vorgabeprojekt());
    EXPECT_TRUE(r.Gelesen);
    EXPECT_EQ(r.Daten.Beschreibung, std::vector<std::string>{"x"});
}

TEST(Projektdatei, AlsUtf8Gespeichert) {
    // A planner corrected the description in a modern editor, which saved the file as UTF-8,
    // with or without a byte-order mark: it reads as the Windows-1252 original does.
    TProjektdaten p = Startprojekt();
    p.MauerLinks = true;
    p.Felder["anz_ort"] = "Köln";
    p.Felder["anz_VolantHoehe"] = "35";
    p.Beschreibung = {"Familie Müller", "Südseite, € 1.200, Überstand 1½ m"};
    const std::string cp1252 = ProjektdateiSchreiben(p);
    TProjektdaten anders = Vorgabeprojekt();
    anders.Ueberhang = false;
    const TProjektLesen original = ProjektdateiLesen(cp1252, anders);
    ASSERT_TRUE(original.Gelesen);
    ASSERT_TRUE(original.Daten.Ueberhang);
    ASSERT_EQ(original.Daten.Felder.at("anz_ort"), "Köln");
    for (const std::string& utf8 : {AusCp1252(cp1252), "\xEF\xBB\xBF" + AusCp1252(cp1252)}) {
        const TProjektLesen r = ProjektdateiLesen(utf8, anders);
        ASSERT_TRUE(r.Gelesen) << r.Fehler;
        EXPECT_EQ(r.Daten, original.Daten);
        // Saved again, it is Windows-1252 as always.
        EXPECT_EQ(ProjektdateiSchreiben(r.Daten), cp1252);
    }
}

// A UTF-8 project with one line pasted from a Windows-1252 file used to be read as Windows-1252
// whole: the awning's section label no longer matched and the awning was dropped without a
// word. Now every line is read as its bytes allow, and the reader is told which line.
TEST(Projektdatei, GemischteKodierungVerliertNichts) {
    TProjektdaten p = Startprojekt();
    p.Felder["anz_ort"] = "Köln";
    p.Beschreibung = {"Familie Müller", "Café"};
    std::string utf8 = AusCp1252(ProjektdateiSchreiben(p));
    const std::size_t cafe = utf8.find("Café");
    ASSERT_NE(cafe, std::string::npos);
    utf8.replace(cafe, 5, "Caf\xE9"); // line 8 as a Windows-1252 editor wrote it
    TProjektdaten anders = Vorgabeprojekt();
    anders.Ueberhang = false;
    const TProjektLesen r = ProjektdateiLesen(utf8, anders);
    ASSERT_TRUE(r.Gelesen) << r.Fehler;
    EXPECT_EQ(r.Daten, ProjektdateiLesen(ProjektdateiSchreiben(p), anders).Daten);
    EXPECT_TRUE(r.Daten.Ueberhang);
    EXPECT_EQ(r.Daten.Felder.at("anz_ort"), "Köln");
    EXPECT_EQ(r.Hinweis,
              "Die Datei mischt UTF-8 und Windows-1252: Zeile 8 wurde als Windows-1252 gelesen.");
    // A file in one encoding reads without a note.
    EXPECT_EQ(ProjektdateiLesen(ProjektdateiSchreiben(p), anders).Hinweis, "");
    EXPECT_EQ(ProjektdateiLesen(AusCp1252(ProjektdateiSchreiben(p)), anders).Hinweis, "");
}

TEST(Cp1252, DateitextUtf8OderWindows1252) {
    const struct {
        const char* bytes;
        const char* text;
    } faelle[] = {
        {"K\xC3\xB6ln", "Köln"}, // UTF-8
        {"K\xF6ln", "Köln"},     // Windows-1252
        {"\xEF\xBB\xBF"
         "abc",
         "abc"},                                  // UTF-8 byte-order mark alone
        {"\xEF\xBB\xBFK\xC3\xB6ln", "Köln"},      // mark and text
        {"abc", "abc"},                           // plain ASCII is both
        {"\xE2\x82\xAC 1", "€ 1"},                // three bytes
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, // four bytes stay as they are
        {"\xC0\x80", "À€"},                       // overlong: not UTF-8
        {"\xED\xA0\x80", "í\xC2\xA0€"},           // a surrogate: not UTF-8
        {"\xF4\x90\x80\x80", "ô?€€"},             // beyond U+10FFFF: not UTF-8
        {"K\xC3\xB6ln \xF6", "KÃ¶ln ö"},          // one invalid byte makes it 1252
        {"\xC3", "Ã"},                            // cut sequence
        // Lines of both kinds: each line in the encoding its bytes are valid in.
        {"K\xC3\xB6ln\r\nCaf\xE9\r\n", "Köln\r\nCafé\r\n"},
        {"\xEF\xBB\xBF\xC3\x9C\nK\xF6ln", "Ü\nKöln"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(AusDateitext(f.bytes), f.text) << f.bytes;
    }
}

TEST(Cp1252, ZeichenUndRundreise) {
    EXPECT_EQ(NachCp1252("€"), "\x80");
    EXPECT_EQ(NachCp1252("Ü°äöüß"), "\xDC\xB0\xE4\xF6\xFC\xDF");
    EXPECT_EQ(NachCp1252("„Zitat“ – ‰"), "\x84Zitat\x93 \x96 \x89");
    EXPECT_EQ(NachCp1252("日本"), "??");
    EXPECT_EQ(NachCp1252(std::string("a\xFF"
                                     "b")),
              "a?b");
    EXPECT_EQ(AusCp1252("\x80\xDC\x81"), "€Ü?");
    std::string alle;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) {
            alle += static_cast<char>(b);
        }
    }
    EXPECT_EQ(NachCp1252(AusCp1252(alle)), alle);
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// The surroundings follow the seventh colour: a file without them is byte for byte as before,
// and one with them begins with exactly those bytes, so a reader that stops after the colours
// reads today's project from it.
TEST(Projektdatei, UmgebungNachDenFarben) {
    TProjektdaten p = Vorgabeprojekt();
    p.MauerRechts = true;
    const std::string ohne = ProjektdateiSchreiben(p);
    p.Umgebung = TUmgebung({{270, 0}, {90, 12.5}, {-20, 0.1}, {180, 1.0 / 3}});
    const std::string mit = ProjektdateiSchreiben(p);
    ASSERT_EQ(mit.substr(0, ohne.size()), ohne);
    EXPECT_EQ(NachCp1252("\r\nUmgebung:\r\n---------\r\n"
                         "Horizontpunkt:                  90 / 12.5 ° (Azimut / Höhe)\r\n"
                         "Horizontpunkt:                  180 / 0.3333333333333333 ° (Azimut / "
                         "Höhe)\r\n"
                         "Horizontpunkt:                  270 / 0 ° (Azimut / Höhe)\r\n"
                         "Horizontpunkt:                  340 / 0.1 ° (Azimut / Höhe)\r\n"),
              mit.substr(ohne.size()));

    // Saved and opened again: the same project and the same bytes.
    TProjektdaten anders = Vorgabeprojekt();
    anders.Umgebung = TUmgebung({{0, 45}});
    const TProjektLesen r = ProjektdateiLesen(mit, anders);
    ASSERT_TRUE(r.Gelesen) << r.Fehler;
    EXPECT_EQ(r.Daten, p);
    EXPECT_EQ(ProjektdateiSchreiben(r.Daten), mit);
    // A file without the section is an open site, whatever was open before.
    const TProjektLesen o = ProjektdateiLesen(ohne, anders);
    ASSERT_TRUE(o.Gelesen);
    EXPECT_TRUE(o.Daten.Umgebung.Leer());

    // A malformed point: the format message, nothing taken over.
    const std::string kopf = ohne + NachCp1252("\r\nUmgebung:\r\n---------\r\n");
    for (const char* zeile : {"Horizontpunkt:                  90 ° (Azimut / Höhe)",
                              "Horizontpunkt:                  90 / 95 ° (Azimut / Höhe)",
                              "Horizontpunkt:                  90 / -1 ° (Azimut / Höhe)",
                              "Horizontpunkt:                  400 / 5 ° (Azimut / Höhe)",
                              "Horizontpunkt:                  1e999 / 5 ° (Azimut / Höhe)",
                              "Horizontpunkt:                  x / 5 ° (Azimut / Höhe)",
                              "Punkt:                          90 / 5 ° (Azimut / Höhe)", ""}) {
        const TProjektLesen f =
            ProjektdateiLesen(kopf + NachCp1252(std::string(zeile) + "\r\n"), anders);
        EXPECT_FALSE(f.Gelesen) << zeile;
        EXPECT_EQ(f.Fehler, FalschesFormat) << zeile;
    }
}

} // namespace
} // namespace umbrarix
