#include "batch/Stapeloptionen.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using V = std::vector<std::string>;

V Und(V a, const V& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Which message wins when a call has several faults, and options that mean different things
// for different commands.
TEST(Stapeloptionen, MeldungenUndVorrang) {
    const V dim{"dimensionieren", "p.dat",         "--ziel",    "terrasse",
                "--zeitraum",     "01.06.-31.08.", "--uhrzeit", "12:00-16:00"};
    const struct {
        V aufruf;
        const char* meldung;
    } faelle[] = {
        {{"tabelle", "p.dat", "--foo", "1", "-o", "x"},
         "Die Option --foo gibt es für tabelle nicht."},
        {{"tabelle", "p.dat", "--foo"}, "Zur Option --foo fehlt der Wert."},
        {{"drucken", "p.dat", "--ziel", "fenster"}, "Die Option --ziel gibt es für drucken nicht."},
        {{"sonnenstunden", "--ziel", "x"}, "Die Option --ziel gibt es für sonnenstunden nicht."},
        {{"velumora", "p.dat", "--tag", "1"}, "Die Option --tag gibt es für velumora nicht."},
        {{"tabelle", "--ziel", "dach"}, "--ziel ist fenster oder terrasse, nicht dach"},
        {{"tabelle", "--ziel", "fenster"}, "Keine Projektdatei angegeben."},
        {{"tabelle", "p.dat"}, "Keine Ausgabedatei angegeben (-o DATEI)."},
        {{"ansicht", "p.dat", "-o", "-"},
         "Nur Textdateien können mit -o - auf die Standardausgabe geschrieben werden."},
        {{"tabelle", "p.dat", "-o", "-"}, "--ziel fenster oder --ziel terrasse fehlt."},
        {{"tabelle", "p.dat", "--ziel", "fenster", "-o", "-"},
         "--art tag, jahr oder uhrzeit fehlt."},
        {{"tabelle", "p.dat", "--uhrzeit", "12:00-16:00"},
         "--uhrzeit ist eine Uhrzeit wie 14:30, nicht 12:00-16:00"},
        {{"sonnenstunden", "p.dat", "--uhrzeit", "12:00"},
         "Die Uhrzeiten sind zwei Zeiten in Zehnminutenschritten wie 12:00-16:00, nicht 12:00"},
        {{"dimensionieren", "p.dat", "--mindestens", "80", "-o", "-"},
         "--ziel fenster oder --ziel terrasse fehlt."},
        {Und(dim, {"-o", "-"}), "dimensionieren braucht --zeitraum, --uhrzeit und --mindestens."},
        {Und(dim,
             {"--mindestens", "80", "--ausfall", "0-400:1", "--breite", "15-700:1", "-o", "-"}),
         "Zu viele Kandidaten (höchstens 10000): größere Schritte wählen."},
    };
    for (const auto& f : faelle) {
        const TStapelLesen r = StapelauftragLesen(f.aufruf);
        EXPECT_FALSE(r.Auftrag.has_value()) << f.meldung;
        EXPECT_EQ(r.Fehler, f.meldung);
    }
}

} // namespace
} // namespace umbrarix
