#include "io/Wetterdatei.h"

#include "io/Dateizugriff.h"
#include "io/Lambertprojektion.h"
#include "model/Kalender.h"
#include "model/Zahltext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace umbrarix {

namespace {

std::string ZeilenText(size_t zeile) {
    return "Wetterdatei, Zeile " + std::to_string(zeile + 1) + ": ";
}

std::string Zweistellig(int n) {
    std::string text = std::to_string(n);
    if (text.size() < 2) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::vector<std::string_view> Teilen(std::string_view zeile, char trenner) {
    std::vector<std::string_view> teile;
    size_t anfang = 0;
    for (;;) {
        const size_t ende = zeile.find(trenner, anfang);
        teile.push_back(
            zeile.substr(anfang, ende == std::string_view::npos ? ende : ende - anfang));
        if (ende == std::string_view::npos) {
            return teile;
        }
        anfang = ende + 1;
    }
}

std::vector<std::string_view> Woerter(std::string_view zeile) {
    std::vector<std::string_view> woerter;
    size_t i = 0;
    while (i < zeile.size()) {
        while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t')) {
            ++i;
        }
        const size_t anfang = i;
        while (i < zeile.size() && zeile[i] != ' ' && zeile[i] != '\t') {
            ++i;
        }
        if (i > anfang) {
            woerter.push_back(zeile.substr(anfang, i - anfang));
        }
    }
    return woerter;
}

// A number of the file; false (wert untouched) when the text is none. Written without an
// optional in the caller, where the thread sanitizer's build sees a false "uninitialised".
bool Zahl(std::string_view text, double& wert) {
    const std::optional<double> z = TextZuZahl(text);
    wert = z.value_or(wert);
    return z.has_value();
}

// One hour as the file gives it, before the year is put together.
struct TRohstunde {
    size_t Zeile;
    int Monat, Tag, Stunde;
    TWetterstunde Werte;
};

// A field as a whole number or a radiation; the German reason when it is not.
std::optional<std::string> GanzzahlFeld(std::string_view text, size_t zeile, const char* name,
                                        int& wert) {
    const std::optional<double> z = TextZuZahl(text);
    // The range first: turning a larger number into an int is undefined.
    if (!z || !(std::abs(*z) < 1e6) || *z != std::floor(*z)) {
        return ZeilenText(zeile) + name + " ist keine ganze Zahl: " + std::string(text);
    }
    wert = static_cast<int>(*z);
    return std::nullopt;
}

std::optional<std::string> StrahlungsFeld(std::string_view text, size_t zeile, const char* name,
                                          double& wert) {
    const std::optional<double> z = TextZuZahl(text);
    if (!z) {
        return ZeilenText(zeile) + name + " ist keine Zahl: " + std::string(text);
    }
    if (*z < 0) {
        return ZeilenText(zeile) + name + " ist negativ: " + std::string(text);
    }
    if (*z > WetterStrahlungMax) {
        return ZeilenText(zeile) + name + " liegt über 1500 W/m²: " + std::string(text);
    }
    wert = *z;
    return std::nullopt;
}

// The hours in the order of the year: 29 February of a leap year left out, every other hour
// where the calendar puts it.
TWetterLesen JahrZusammensetzen(std::vector<TRohstunde> stunden, TWetterjahr jahr) {
    if (stunden.size() == WetterStunden + 24) {
        std::erase_if(stunden, [](const TRohstunde& s) { return s.Monat == 2 && s.Tag == 29; });
    }
    if (stunden.size() != WetterStunden) {
        return {std::nullopt, "Die Wetterdatei enthält " + std::to_string(stunden.size()) +
                                  " Stunden; ein Wetterjahr hat 8760 Stunden (8784 in einem "
                                  "Schaltjahr)."};
    }
    jahr.Stunden.resize(WetterStunden);
    for (size_t k = 0; k < stunden.size(); ++k) {
        const TRohstunde& s = stunden[k];
        const int tag = static_cast<int>(k / 24) + 1, stunde = static_cast<int>(k % 24) + 1;
        const TDatum soll = TagImJahrZuDatum(tag);
        if (s.Monat != soll.Monat || s.Tag != soll.Tag || s.Stunde != stunde) {
            return {std::nullopt, ZeilenText(s.Zeile) + "erwartet ist der " +
                                      Zweistellig(soll.Tag) + "." + Zweistellig(soll.Monat) +
                                      ". Stunde " + std::to_string(stunde) + ", die Zeile nennt " +
                                      Zweistellig(s.Tag) + "." + Zweistellig(s.Monat) +
                                      ". Stunde " + std::to_string(s.Stunde) + "."};
        }
        jahr.Stunden[k] = s.Werte;
    }
    return {std::move(jahr), {}};
}

// ---- EPW ---------------------------------------------------------------------------------------

constexpr size_t EpwKopfzeilen = 8;
constexpr size_t EpwFelder = 35;

TWetterLesen EpwLesen(const std::vector<std::string>& zeilen) {
    TWetterjahr jahr;
    jahr.Format = "EPW";
    const std::vector<std::string_view> ort = Teilen(zeilen[0], ',');
    // LOCATION, city, region, country, source, WMO, latitude, longitude, time zone, elevation
    double breite = 0, laenge = 0, zone = 0;
    const bool gelesen =
        ort.size() >= 9 && Zahl(ort[6], breite) && Zahl(ort[7], laenge) && Zahl(ort[8], zone);
    if (!gelesen || std::abs(breite) > 90 || std::abs(laenge) > 180 || std::abs(zone) > 14) {
        return {std::nullopt, ZeilenText(0) + "die Zeile LOCATION nennt keine Breite, Länge "
                                              "und Zeitzone."};
    }
    jahr.Ort = TWetterort{breite, laenge};
    jahr.Zeitzone = zone;
    std::vector<TRohstunde> stunden;
    for (size_t z = EpwKopfzeilen; z < zeilen.size(); ++z) {
        if (zeilen[z].empty()) {
            continue;
        }
        const std::vector<std::string_view> f = Teilen(zeilen[z], ',');
        if (f.size() < 16) {
            return {std::nullopt, ZeilenText(z) + "es fehlen Spalten (" + std::to_string(f.size()) +
                                      " statt " + std::to_string(EpwFelder) + ")."};
        }
        TRohstunde s{z, 0, 0, 0, {}};
        std::optional<std::string> fehler = GanzzahlFeld(f[1], z, "der Monat", s.Monat);
        if (!fehler)
            fehler = GanzzahlFeld(f[2], z, "der Tag", s.Tag);
        if (!fehler)
            fehler = GanzzahlFeld(f[3], z, "die Stunde", s.Stunde);
        if (!fehler)
            fehler = StrahlungsFeld(f[13], z, "die Globalstrahlung", s.Werte.Global);
        if (!fehler)
            fehler = StrahlungsFeld(f[14], z, "die Direktnormalstrahlung", s.Werte.Direkt);
        if (!fehler)
            fehler = StrahlungsFeld(f[15], z, "die Diffusstrahlung", s.Werte.Diffus);
        if (fehler) {
            return {std::nullopt, *fehler};
        }
        stunden.push_back(s);
    }
    return JahrZusammensetzen(std::move(stunden), std::move(jahr));
}

// ---- Test reference years ---------------------------------------------------------------------

// "Rechtswert        : 4012500 Meter": the number after the colon.
std::optional<double> Kopfwert(std::string_view zeile, std::string_view name) {
    if (zeile.substr(0, name.size()) != name) {
        return std::nullopt;
    }
    const size_t doppelpunkt = zeile.find(':');
    if (doppelpunkt == std::string_view::npos) {
        return std::nullopt;
    }
    const std::vector<std::string_view> w = Woerter(zeile.substr(doppelpunkt + 1));
    return w.empty() ? std::nullopt : TextZuZahl(w[0]);
}

// "Lage: 54°11'N <- B.  12°05'O <- L.": degrees and minutes with their hemisphere, whatever
// bytes the degree sign has.
std::optional<TWetterort> LageLesen(std::string_view zeile) {
    const size_t lage = zeile.find("Lage:");
    if (lage == std::string_view::npos) {
        return std::nullopt;
    }
    size_t i = lage + 5;
    std::array<double, 2> werte{};
    for (double& wert : werte) {
        int zahlen[2] = {0, 0};
        for (int& zahl : zahlen) {
            while (i < zeile.size() && (zeile[i] < '0' || zeile[i] > '9')) {
                ++i;
            }
            if (i >= zeile.size()) {
                return std::nullopt;
            }
            while (i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '9') {
                zahl = zahl * 10 + (zeile[i++] - '0');
                if (zahl > 1000) {
                    return std::nullopt;
                }
            }
        }
        const size_t seite = zeile.find_first_of("NSOEW", i);
        if (seite == std::string_view::npos) {
            return std::nullopt;
        }
        wert =
            (zahlen[0] + zahlen[1] / 60.0) * (zeile[seite] == 'S' || zeile[seite] == 'W' ? -1 : 1);
        i = seite + 1;
    }
    return TWetterort{werte[0], werte[1]};
}

TWetterLesen TryLesen(const std::vector<std::string>& zeilen, size_t kopf) {
    TWetterjahr jahr;
    jahr.Format = "DWD-TRY";
    jahr.Zeitzone = 1; // MEZ all year
    std::optional<double> rechts, hoch;
    for (size_t z = 0; z < kopf; ++z) {
        if (const auto r = Kopfwert(zeilen[z], "Rechtswert"))
            rechts = r;
        if (const auto h = Kopfwert(zeilen[z], "Hochwert"))
            hoch = h;
        if (const auto o = LageLesen(zeilen[z]))
            jahr.Ort = o;
    }
    if (rechts && hoch) {
        const TErdort o = ErdortAusLambert({*rechts, *hoch});
        jahr.Ort = TWetterort{o.Breite, o.Laenge};
    }
    const std::vector<std::string_view> namen = Woerter(zeilen[kopf]);
    const auto spalte = [&namen](std::string_view name) {
        return static_cast<size_t>(std::find(namen.begin(), namen.end(), name) - namen.begin());
    };
    const size_t mm = spalte("MM"), dd = spalte("DD"), hh = spalte("HH"), b = spalte("B"),
                 d = spalte("D");
    size_t anfang = kopf + 1;
    if (anfang < zeilen.size() && zeilen[anfang].rfind("***", 0) == 0) {
        ++anfang;
    }
    std::vector<TRohstunde> stunden;
    for (size_t z = anfang; z < zeilen.size(); ++z) {
        const std::vector<std::string_view> w = Woerter(zeilen[z]);
        if (w.empty()) {
            continue;
        }
        if (w.size() < namen.size()) {
            return {std::nullopt, ZeilenText(z) + "es fehlen Spalten (" + std::to_string(w.size()) +
                                      " statt " + std::to_string(namen.size()) + ")."};
        }
        TRohstunde s{z, 0, 0, 0, {}};
        std::optional<std::string> fehler = GanzzahlFeld(w[mm], z, "der Monat", s.Monat);
        if (!fehler)
            fehler = GanzzahlFeld(w[dd], z, "der Tag", s.Tag);
        if (!fehler)
            fehler = GanzzahlFeld(w[hh], z, "die Stunde", s.Stunde);
        if (!fehler)
            fehler = StrahlungsFeld(w[b], z, "die Direktstrahlung B", s.Werte.Direkt);
        if (!fehler)
            fehler = StrahlungsFeld(w[d], z, "die Diffusstrahlung D", s.Werte.Diffus);
        if (fehler) {
            return {std::nullopt, *fehler};
        }
        s.Werte.Global = s.Werte.Direkt + s.Werte.Diffus;
        stunden.push_back(s);
    }
    jahr.DirektHorizontal = true;
    return JahrZusammensetzen(std::move(stunden), std::move(jahr));
}

// The header line of a test reference year's columns: month, day, hour, B and D among them.
bool IstTrySpaltenkopf(const std::string& zeile) {
    const std::vector<std::string_view> w = Woerter(zeile);
    const auto hat = [&w](std::string_view name) {
        return std::find(w.begin(), w.end(), name) != w.end();
    };
    return hat("MM") && hat("DD") && hat("HH") && hat("B") && hat("D");
}

} // namespace

TWetterLesen WetterdateiLesen(const std::string& bytes) {
    std::string text = bytes;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    const std::vector<std::string> zeilen = Zeilen(text);
    if (!zeilen.empty() && zeilen[0].rfind("LOCATION,", 0) == 0) {
        if (zeilen.size() <= EpwKopfzeilen) {
            return {std::nullopt, "Die EPW-Datei enthält keine Stunden."};
        }
        return EpwLesen(zeilen);
    }
    // A test reference year: its column header stands above "***" (some copies lack that).
    for (size_t z = 0; z < zeilen.size() && z < 200; ++z) {
        if (IstTrySpaltenkopf(zeilen[z])) {
            return TryLesen(zeilen, z);
        }
    }
    return {std::nullopt, "Die Datei ist weder eine EPW-Wetterdatei noch ein Testreferenzjahr des "
                          "Deutschen Wetterdienstes."};
}

TWetterLesen WetterdateiLaden(const std::string& pfad) {
    const TDateiinhalt inhalt = DateiLesen(pfad);
    if (!inhalt.Gelesen) {
        return {std::nullopt, inhalt.Fehler};
    }
    return WetterdateiLesen(inhalt.Bytes);
}

} // namespace umbrarix
