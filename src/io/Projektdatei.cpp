#include "io/Projektdatei.h"

#include "io/Abschnitte.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "model/Eingabedaten.h"
#include "model/Runden.h"
#include "model/Zahltext.h"
#include "solar/Standortkatalog.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace umbrarix {

namespace {

constexpr std::size_t Labelbreite = 32; // values begin in column 33

constexpr const char* UmgebungUeberschrift = "Umgebung:";
constexpr const char* UmgebungPunkt = "Horizontpunkt:";
constexpr const char* UmgebungEinheit = " ° (Azimut / Höhe)";

// The shortest text that reads back to the same double, with a point: a skyline imported with
// many digits is saved and opened again bit for bit.
std::string Rundlaufzahl(double x) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x);
    return fehler == std::errc{} ? std::string(puffer, ende) : std::string("0");
}

std::optional<double> RundlaufzahlLesen(std::string_view t) {
    double x = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), x);
    if (t.empty() || fehler != std::errc{} || ende != t.data() + t.size() || !std::isfinite(x)) {
        return std::nullopt;
    }
    return x;
}

std::string Aufgefuellt(std::string wert) {
    const std::size_t zeichen = Zeichenzahl(wert);
    if (zeichen < 4) {
        wert.append(4 - zeichen, ' ');
    }
    return wert;
}

struct TFarbzeile {
    const char* label;
    TFarbe TFarbset::*farbe;
};
constexpr TFarbzeile Farbzeilen[] = {{"Überhangfarbe:", &TFarbset::Markisenfarbe},
                                     {"Mauerfarbe:", &TFarbset::Mauerfarbe},
                                     {"Wandfarbe:", &TFarbset::Wandfarbe},
                                     {"Fensterfarbe:", &TFarbset::Fensterfarbe},
                                     {"Bodenfarbe:", &TFarbset::Bodenfarbe},
                                     {"Terrassenfarbe:", &TFarbset::Terrassenfarbe},
                                     {"Interaktivfarbe:", &TFarbset::Interaktivfarbe}};

std::string Text(const TProjektdaten& p, const std::string& feld) {
    const auto it = p.Felder.find(feld);
    return it == p.Felder.end() ? std::string() : it->second;
}

// ---- Reading

// Lines of the file, read one after the other; past the end there are empty lines.
class TLeser {
public:
    explicit TLeser(const std::string& text) : zeilen_(Zeilen(text)) {}
    const std::string& Lesen() {
        aktuell_ = pos_ < zeilen_.size() ? zeilen_[pos_] : std::string();
        ++pos_;
        return aktuell_;
    }
    const std::string& Aktuell() const { return aktuell_; }
    bool AmEnde() const { return pos_ >= zeilen_.size(); }

private:
    std::vector<std::string> zeilen_;
    std::size_t pos_ = 0;
    std::string aktuell_;
};

std::string Getrimmt(std::string s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) {
        return {};
    }
    const std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// The line from column 33 on (columns count characters, the line is UTF-8).
std::string AbSpalte33(const std::string& zeile) {
    return zeile.substr(BytesDerZeichen(zeile, Labelbreite));
}

// At most n characters from column 33 on, blanks around them removed.
std::string Wert(const std::string& zeile, std::size_t n) {
    const std::string rest = AbSpalte33(zeile);
    return Getrimmt(rest.substr(0, BytesDerZeichen(rest, n)));
}

// Latitude and longitude are read whole, up to the blank before the unit text; a leading
// blank stays, as the catalogue writes one longitude " 0.4".
std::string Ortswert(const std::string& zeile) {
    const std::string ab33 = AbSpalte33(zeile);
    const std::size_t einheit = ab33.find(" °");
    std::string w = einheit == std::string::npos ? ab33 : ab33.substr(0, einheit);
    const std::size_t b = w.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : w.substr(0, b + 1);
}

// A spin field's value: a whole number, else the field's default.
std::string Spinwert(const std::string& zeile, const std::string& feld) {
    const std::string w = Wert(zeile, 4);
    const std::optional<double> z = TextZuZahl(w);
    if (z && *z == Runden(*z)) {
        return w;
    }
    const TSpinfeld* f = SpinfeldMitNamen(feld);
    return f != nullptr ? GanzzahlText(f->Vorgabe) : w;
}

// A location text: the value read, else the field's default.
std::string Ortstext(std::string w, std::string_view feld) {
    if (TextZuZahl(w)) {
        return w;
    }
    for (const TDezimalfeld& d : Dezimalfelder()) {
        if (d.Name == feld) {
            return std::string(d.Vorgabe);
        }
    }
    return w;
}

void Felder(TLeser& l, TProjektdaten& p, const TAbschnitt& a) {
    for (const TFeldzeile& f : a.Zeilen) {
        l.Lesen();
        const std::string feld(f.Feld);
        p.Felder[feld] = Spinwert(l.Aktuell(), feld);
    }
}

} // namespace

TProjektdaten Vorgabeprojekt() {
    TProjektdaten p;
    for (const TSpinfeld& f : Spinfelder()) {
        p.Felder[std::string(f.Name)] = GanzzahlText(f.Vorgabe);
    }
    for (const TDezimalfeld& d : Dezimalfelder()) {
        p.Felder[std::string(d.Name)] = std::string(d.Vorgabe);
    }
    p.Felder["anz_ort"] = "Köln";
    p.Felder["anz_Durchgangshoehe"] = "";
    return p;
}

std::string ProjektdateiSchreiben(const TProjektdaten& p) {
    std::vector<std::string> z = Dateikopf(p);
    z.emplace_back("Standort:");
    z.emplace_back("---------");
    z.push_back(Labelzeile("Ort:", Text(p, "anz_ort")));
    z.push_back(Labelzeile("Breitengrad:", Aufgefuellt(Text(p, "anz_Breitengrad")),
                           " ° (Nordhalbkugel positiv)"));
    z.push_back(Labelzeile("Längengrad:", Aufgefuellt(Text(p, "anz_Laengengrad")),
                           " ° (Westlich von 0° positiv)"));
    z.push_back(Labelzeile("Zeitzone:", Aufgefuellt(Text(p, "anz_Zeitzone"))));
    // The parenthesis stays open: that is how every stored file has it.
    z.push_back(Labelzeile("Himmelsrichtung:", Aufgefuellt(Text(p, "anz_Himmelsrichtung")),
                           " ° (S = 0 ° - N = 180° - O = 90° - W = 270 °"));
    z.push_back(Labelzeile("Sommerzeit:", p.Sommerzeit ? "31. März bis 30. Oktober" : "Nein"));
    z.emplace_back();
    Elementabschnitte(z, p, [](const std::string& t) { return Aufgefuellt(t); });
    for (const TFarbzeile& f : Farbzeilen) {
        // Colour values are signed 32-bit numbers in the file.
        z.push_back(
            Labelzeile(f.label, std::to_string(static_cast<std::int32_t>(p.Farben.*f.farbe))));
    }
    // After the seventh colour, where older readers of the format stop: they open such a
    // file without its surroundings.
    if (!p.Umgebung.Leer()) {
        z.emplace_back();
        z.emplace_back(UmgebungUeberschrift);
        z.emplace_back(std::string(std::string_view(UmgebungUeberschrift).size(), '-'));
        for (const THorizontpunkt& punkt : p.Umgebung.Punkte()) {
            z.push_back(Labelzeile(UmgebungPunkt,
                                   Rundlaufzahl(punkt.Azimut) + " / " + Rundlaufzahl(punkt.Hoehe),
                                   UmgebungEinheit));
        }
    }
    return NachCp1252(MitCrLf(z));
}

namespace {

// "Die Datei mischt UTF-8 und Windows-1252: Zeile 5 wurde als Windows-1252 gelesen."
std::string Mischhinweis(const std::vector<int>& zeilen) {
    std::string nummern;
    for (const int z : zeilen) {
        nummern += (nummern.empty() ? "" : ", ") + std::to_string(z);
    }
    return "Die Datei mischt UTF-8 und Windows-1252: " +
           std::string(zeilen.size() == 1 ? "Zeile " : "Zeilen ") + nummern +
           (zeilen.size() == 1 ? " wurde" : " wurden") + " als Windows-1252 gelesen.";
}

// The surroundings after the colours: nothing (an open site), or the heading, its dashes and
// one point per line up to the end or an empty line. Nothing when a point is malformed.
std::optional<TUmgebung> UmgebungLesen(TLeser& l) {
    while (!l.AmEnde() && Getrimmt(l.Lesen()).empty()) {
    }
    if (l.Aktuell() != UmgebungUeberschrift) {
        return TUmgebung{};
    }
    l.Lesen();
    std::vector<THorizontpunkt> punkte;
    while (!l.AmEnde() && !Getrimmt(l.Lesen()).empty()) {
        const std::string& zeile = l.Aktuell();
        if (zeile.rfind(UmgebungPunkt, 0) != 0) {
            return std::nullopt;
        }
        std::string w = AbSpalte33(zeile);
        const std::size_t einheit = w.find(" °");
        w = Getrimmt(einheit == std::string::npos ? w : w.substr(0, einheit));
        const std::size_t strich = w.find(" / ");
        if (strich == std::string::npos) {
            return std::nullopt;
        }
        const std::optional<double> azimut = RundlaufzahlLesen(w.substr(0, strich));
        const std::optional<double> hoehe = RundlaufzahlLesen(Getrimmt(w.substr(strich + 3)));
        if (!azimut || !hoehe || std::abs(*azimut) > 360 || *hoehe < 0 ||
            *hoehe > HorizontHoeheMax) {
            return std::nullopt;
        }
        punkte.push_back({*azimut, *hoehe});
    }
    if (punkte.empty()) {
        return std::nullopt;
    }
    return TUmgebung(std::move(punkte));
}

} // namespace

TProjektLesen ProjektdateiLesen(const std::string& bytes, const TProjektdaten& aktuell) {
    TProjektLesen e;
    TProjektdaten p = aktuell;
    const TDateitext text = DateitextLesen(bytes);
    TLeser l(text.Text);
    l.Lesen();
    l.Lesen();
    const std::string version = l.Lesen();
    if (version != "Version 2005 / 01" && version != "(Version 2005 / 02)") {
        e.Fehler = FalschesFormat;
        return e;
    }
    l.Lesen();
    l.Lesen();
    p.Beschreibung.clear();
    if (l.Aktuell() == "Projektbeschreibung:") {
        l.Lesen();
        l.Lesen();
        // A file that ends inside the description ends it there.
        while (l.Aktuell() != "Standort:" && !(l.AmEnde() && l.Aktuell().empty())) {
            p.Beschreibung.push_back(l.Aktuell());
            l.Lesen();
        }
        if (!p.Beschreibung.empty() && p.Beschreibung.back().empty()) {
            p.Beschreibung.pop_back();
        }
    }
    l.Lesen();
    const std::string ort = Wert(l.Lesen(), 99);
    const std::string breite = Ortstext(Ortswert(l.Lesen()), "anz_Breitengrad");
    const std::string laenge = Ortstext(Ortswert(l.Lesen()), "anz_Laengengrad");
    const std::string zone = Ortstext(Wert(l.Lesen(), 99), "anz_Zeitzone");
    p.Felder["anz_Himmelsrichtung"] = Spinwert(l.Lesen(), "anz_Himmelsrichtung");
    p.Sommerzeit = Wert(l.Lesen(), 4) != "Nein";
    // The file's place name stays only while all three location texts stay as they were.
    p.Felder["anz_ort"] = ort;
    if (breite != Text(aktuell, "anz_Breitengrad") || laenge != Text(aktuell, "anz_Laengengrad") ||
        zone != Text(aktuell, "anz_Zeitzone")) {
        p.Felder["anz_ort"] = std::string(Standortname(breite, laenge, zone));
    }
    p.Felder["anz_Breitengrad"] = breite;
    p.Felder["anz_Laengengrad"] = laenge;
    p.Felder["anz_Zeitzone"] = zone;

    l.Lesen();
    l.Lesen();
    l.Lesen();
    Felder(l, p, AbschnittFenster);
    l.Lesen();
    l.Lesen();
    l.Lesen();
    Felder(l, p, AbschnittTerrasse);
    l.Lesen();
    l.Lesen();
    p.Ueberhang = l.Aktuell() == AbschnittUeberhang.Ueberschrift;
    if (p.Ueberhang) {
        l.Lesen();
        Felder(l, p, AbschnittUeberhang);
        l.Lesen();
        l.Lesen();
    }
    p.MauerLinks = l.Aktuell() == AbschnittMauerLinks.Ueberschrift;
    if (p.MauerLinks) {
        l.Lesen();
        Felder(l, p, AbschnittMauerLinks);
        l.Lesen();
        l.Lesen();
    }
    p.MauerRechts = l.Aktuell() == AbschnittMauerRechts.Ueberschrift;
    if (p.MauerRechts) {
        l.Lesen();
        Felder(l, p, AbschnittMauerRechts);
        l.Lesen();
        l.Lesen();
    }
    bool erste = true;
    for (const TFarbzeile& f : Farbzeilen) {
        if (!erste) {
            l.Lesen();
        }
        erste = false;
        if (l.Aktuell().rfind(f.label, 0) != 0) {
            continue;
        }
        const std::string w = Wert(l.Aktuell(), 99);
        std::int32_t farbe = 0;
        const auto [ende, fehler] = std::from_chars(w.data(), w.data() + w.size(), farbe);
        if (w.empty() || fehler != std::errc{} || ende != w.data() + w.size()) {
            e.Fehler = "'" + w + "' ist kein gültiger Integerwert";
            return e;
        }
        p.Farben.*f.farbe = static_cast<TFarbe>(farbe);
    }
    if (std::optional<TUmgebung> umgebung = UmgebungLesen(l)) {
        p.Umgebung = std::move(*umgebung);
    } else {
        e.Fehler = FalschesFormat;
        return e;
    }
    if (!text.Cp1252Zeilen.empty()) {
        e.Hinweis = Mischhinweis(text.Cp1252Zeilen);
    }
    e.Gelesen = true;
    e.Daten = std::move(p);
    return e;
}

} // namespace umbrarix
