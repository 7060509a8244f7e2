#include "batch/Stapeloptionen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

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
        // Under the candidate limit, but a whole year of them: 2 x 8 GB of shares once.
        {{"dimensionieren", "p.dat", "--ziel", "fenster", "--zeitraum", "01.01.-31.12.",
          "--uhrzeit", "00:00-24:00", "--mindestens", "80", "--ausfall", "0-400:1", "--breite",
          "15-700:29", "-o", "-"},
         "Zu viele Auswertungen: 9624 Kandidaten × 52560 Zeitpunkte (höchstens 25000000): größere "
         "Schritte oder einen kürzeren Zeitraum wählen."},
        {Und(dim, {"--mindestens", "80", "--projekt", "x.txt", "-o", "x.txt"}),
         "--projekt und -o nennen dieselbe Datei: x.txt"},
        // Options with "=": a value where none belongs, an empty one, an unknown option.
        {{"--help=1"}, "Zur Option --help gehört kein Wert (--help=1)."},
        {{"--version="}, "Zur Option --version gehört kein Wert (--version=)."},
        {{"tabelle", "p.dat", "--help=ja"}, "Zur Option --help gehört kein Wert (--help=ja)."},
        {{"tabelle", "p.dat", "--ziel=", "--art", "tag", "-o", "x"},
         "Zur Option --ziel fehlt der Wert."},
        {{"drucken", "p.dat", "--inhalt", "alles", "--beschreibung", "", "-o", "x.pdf"},
         "Zur Option --beschreibung fehlt der Wert."},
        {{"tabelle", "p.dat", "--ziel", "fenster", "--art", "tag", "-o", ""},
         "Zur Option -o fehlt der Wert."},
        {{"tabelle", "p.dat", "--foo=1"}, "Die Option --foo gibt es für tabelle nicht."},
        {{"tabelle", "p.dat", "--ziel=dach"}, "--ziel ist fenster oder terrasse, nicht dach"},
        // After "--" options are file names too.
        {{"tabelle", "--", "p.dat", "--ziel", "fenster"}, "Mehr als eine Projektdatei: --ziel"},
        {{"tabelle", "p.dat", "--ziel", "fenster", "--art", "tag", "--", "-o", "x"},
         "Mehr als eine Projektdatei: -o"},
    };
    for (const auto& f : faelle) {
        const TStapelLesen r = StapelauftragLesen(f.aufruf);
        EXPECT_FALSE(r.Auftrag.has_value()) << f.meldung;
        EXPECT_EQ(r.Fehler, f.meldung);
    }
}

std::string Dateitext(const std::string& pfad) {
    std::ifstream datei(pfad);
    EXPECT_TRUE(datei) << pfad;
    std::stringstream text;
    text << datei.rdbuf();
    return text.str();
}

// Per command its options, each with whether it is required.
using TAufrufe = std::map<std::string, std::map<std::string, bool>>;

TAufrufe AufrufeDerTabelle() {
    TAufrufe aufrufe;
    for (const TStapelbefehl& b : Stapelbefehle()) {
        auto& optionen = aufrufe[std::string(b.Name)];
        optionen["-o"] = true;
        for (const TStapeloption& o : Stapeloptionen()) {
            if (o.Befehl == b.Befehl) {
                optionen[std::string(o.Name)] = !o.Fehlt.empty();
            }
        }
    }
    return aufrufe;
}

bool Kleinbuchstaben(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The roff option ("\-\-ziel", "\-o") at the start of s, ending where a word ends, or empty.
// (Read by hand: std::regex trips a false warning of the compiler in the sanitizer build.)
std::string_view OptionAmAnfang(std::string_view s) {
    std::size_t n = 0;
    if (s.starts_with("\\-\\-")) {
        n = 4;
        while (n < s.size() && s[n] >= 'a' && s[n] <= 'z') {
            ++n;
        }
        n = n > 4 ? n : 0;
    } else if (s.starts_with("\\-o")) {
        n = 3;
    }
    const bool wortende =
        n < s.size() && (std::isalnum(static_cast<unsigned char>(s[n])) || s[n] == '_');
    return n == 0 || wortende ? std::string_view() : s.substr(0, n);
}

// The manual page's synopsis has one roff line per word: ".B umbrarix-batch BEFEHL" opens a
// command, ".B \-\-ziel" is a required option, ".RB [ \-\-tag" an optional one, ".br" ends it.
// The commands (section BEFEHLE) and options (OPTIONEN) are each the first line of a ".TP".
TEST(Stapeloptionen, HandbuchseiteBeschreibtJedenBefehl) {
    std::istringstream seite(Dateitext(UMBRARIX_QUELLEN "/paket/umbrarix-batch.1"));
    const auto ohneRoff = [](std::string_view roff) { // "\-\-ziel" -> "--ziel"
        std::string name(roff);
        std::erase(name, '\\');
        return name;
    };
    // ".B \-\-ziel" (required) or ".RB [ \-\-tag" (optional), nothing after the option.
    const auto synopsisOption = [](std::string_view z) -> std::pair<std::string_view, bool> {
        for (const auto& [vorne, pflicht] :
             {std::pair<std::string_view, bool>{".B ", true}, {".RB [ ", false}}) {
            if (z.starts_with(vorne)) {
                const std::string_view o = OptionAmAnfang(z.substr(vorne.size()));
                return {o.size() == z.size() - vorne.size() ? o : std::string_view(), pflicht};
            }
        }
        return {};
    };
    // ".B", ".BI" or ".BR" and an option at the start of an entry.
    const auto eintrag = [](std::string_view z) {
        for (const std::string_view vorne : {".B ", ".BI ", ".BR "}) {
            if (z.starts_with(vorne)) {
                return OptionAmAnfang(z.substr(vorne.size()));
            }
        }
        return std::string_view();
    };
    TAufrufe uebersicht;
    std::map<std::string, std::set<std::string>> abschnitte; // ".SH" name -> ".TP" entries
    std::map<std::string, bool>* befehl = nullptr;
    std::string abschnitt, zeile;
    bool nachTP = false;
    const std::string_view befehlAnfang = ".B umbrarix-batch ";
    while (std::getline(seite, zeile)) {
        if (zeile.rfind(".SH ", 0) == 0 || zeile == ".br") {
            befehl = nullptr;
        }
        if (zeile.rfind(".SH ", 0) == 0) {
            abschnitt = zeile.substr(4);
        } else if (abschnitt == "ÜBERSICHT" && zeile.starts_with(befehlAnfang) &&
                   Kleinbuchstaben(std::string_view(zeile).substr(befehlAnfang.size()))) {
            befehl = &uebersicht[zeile.substr(befehlAnfang.size())];
        } else if (befehl && !synopsisOption(zeile).first.empty()) {
            const auto [o, pflicht] = synopsisOption(zeile);
            (*befehl)[ohneRoff(o)] = pflicht;
        } else if (nachTP && !eintrag(zeile).empty()) {
            abschnitte[abschnitt].insert(ohneRoff(eintrag(zeile)));
        } else if (nachTP && zeile.rfind(".B ", 0) == 0) { // a command, or "\-\-"
            abschnitte[abschnitt].insert(ohneRoff(zeile.substr(3)));
        }
        nachTP = zeile == ".TP";
    }
    const TAufrufe tabelle = AufrufeDerTabelle();
    EXPECT_EQ(uebersicht, tabelle);
    std::set<std::string> befehle, optionen{"-o", "--", "--help", "--version"};
    for (const auto& [name, optionenDesBefehls] : tabelle) {
        befehle.insert(name);
        for (const auto& o : optionenDesBefehls) {
            optionen.insert(o.first);
        }
    }
    EXPECT_EQ(abschnitte["BEFEHLE"], befehle);
    EXPECT_EQ(abschnitte["OPTIONEN"], optionen);

    // The README's section on the batch program shows every command.
    const std::string liesmich = Dateitext(UMBRARIX_QUELLEN "/README.md");
    const std::size_t anfang = liesmich.find("## Without a window: umbrarix-batch");
    ASSERT_NE(anfang, std::string::npos);
    const std::string teil = liesmich.substr(anfang, liesmich.find("\n## ", anfang) - anfang);
    for (const std::string& name : befehle) {
        EXPECT_NE(teil.find("umbrarix-batch " + name + " "), std::string::npos) << name;
    }
}

} // namespace
} // namespace umbrarix
