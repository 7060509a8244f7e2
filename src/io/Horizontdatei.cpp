#include "io/Horizontdatei.h"

#include "io/Abschnitte.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>
#include <vector>

namespace umbrarix {

namespace {

constexpr double AzimutGrenze = 360;
// Far deeper than any real file nests, shallow enough for the stack of the recursive reader.
constexpr int JsonTiefeMax = 64;
// Characters of a faulty line that a message quotes.
constexpr std::size_t AuszugZeichen = 40;

constexpr const char* KeinPunkt = "Die Horizontdatei enthält keinen Punkt.";

THorizontGelesen Fehlschlag(std::string meldung) {
    return {std::nullopt, std::move(meldung)};
}

std::string Zeilenanfang(std::size_t zeile) {
    return "Zeile " + std::to_string(zeile) + ": ";
}

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

bool IstBuchstabe(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string_view Getrimmt(std::string_view s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) {
        return {};
    }
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// A line as a message quotes it: control characters as blanks, long lines cut off.
std::string Auszug(std::string_view s) {
    std::string a(s.substr(0, BytesDerZeichen(s, AuszugZeichen)));
    for (char& c : a) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return a.size() < s.size() ? a + "…" : a;
}

// A whole field as a decimal number: an optional sign, digits with at most one decimal mark
// (any of marken), an optional exponent. No blanks, no "inf" or "nan", no hexadecimal, so
// every accepted value is finite; one too large for a double comes back infinite (and is then
// out of range), one too small comes back as zero.
std::optional<double> Zahl(std::string_view s, std::string_view marken) {
    std::string t; // the text as std::from_chars takes it, independent of the C locale
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        t += s[i] == '-' ? "-" : "";
        ++i;
    }
    bool ziffer = false, marke = false, signifikant = false;
    long ordnung = 0, nachkomma = 0; // decimal order of the first significant digit
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IstZiffer(c)) {
            ziffer = true;
            nachkomma += marke ? 1 : 0;
            if (!signifikant && c != '0') {
                signifikant = true;
                ordnung = -nachkomma;
            } else if (signifikant && !marke) {
                ++ordnung;
            }
            t += c;
        } else if (!marke && marken.find(c) != std::string_view::npos) {
            marke = true;
            t += '.';
        } else {
            break;
        }
    }
    if (!ziffer) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        t += 'e';
        ++i;
        bool negativ = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativ = s[i] == '-';
            t += s[i++];
        }
        if (i == s.size() || !IstZiffer(s[i])) {
            return std::nullopt;
        }
        long exponent = 0;
        for (; i < s.size() && IstZiffer(s[i]); ++i) {
            exponent = std::min(exponent * 10 + (s[i] - '0'), 100000L);
            t += s[i];
        }
        ordnung += negativ ? -exponent : exponent;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        wert = ordnung < 0 ? 0.0 : std::numeric_limits<double>::infinity();
        return t[0] == '-' ? -wert : wert;
    }
    if (fehler != std::errc{} || ende != t.data() + t.size()) {
        return std::nullopt;
    }
    return wert;
}

// The points read so far, each checked, and the first fault.
class TPunktliste {
public:
    // Keeps the point of a line; false with the message when the point or the count is out of
    // range. The texts are the values as the file writes them, for the message.
    bool Hinzu(std::size_t zeile, std::string_view azimuttext, double azimut,
               std::string_view hoehentext, double hoehe) {
        if (punkte_.size() >= HorizontPunkteMax) {
            fehler_ = Zeilenanfang(zeile) + "zu viele Punkte (höchstens " +
                      std::to_string(HorizontPunkteMax) + ").";
        } else if (!(std::abs(azimut) <= AzimutGrenze)) {
            fehler_ = Zeilenanfang(zeile) + "Azimut " + Auszug(azimuttext) +
                      " liegt außerhalb von -360 bis 360 Grad.";
        } else if (!(hoehe >= 0 && hoehe <= HorizontHoeheMax)) {
            fehler_ = Zeilenanfang(zeile) + "Höhe " + Auszug(hoehentext) +
                      " liegt außerhalb von 0 bis 90 Grad.";
        } else {
            // + 0.0 turns a minus zero into zero, so that it is written as "0".
            punkte_.push_back({azimut + 0.0, hoehe + 0.0});
            return true;
        }
        return false;
    }
    const std::string& Fehler() const { return fehler_; }
    THorizontGelesen Ergebnis() const {
        if (!fehler_.empty()) {
            return Fehlschlag(fehler_);
        }
        if (punkte_.empty()) {
            return Fehlschlag(KeinPunkt);
        }
        return {TUmgebung(punkte_), {}};
    }

private:
    std::vector<THorizontpunkt> punkte_;
    std::string fehler_;
};

// --- The program's list ---------------------------------------------------------------------

// The two values of a line. A line with ";" is split there, and a comma or a point is the
// decimal mark ("12,5;3", "12.5;3"). A line without ";" is split at ",", so only the point
// remains a decimal mark: "12.5,3" is 12.5 and 3, "12,3" is 12 and 3, "12,5,3" no point.
// After ";" empty fields may follow (a spreadsheet's unused columns).
struct TFeldpaar {
    std::string_view Azimut, Hoehe;
};

std::optional<TFeldpaar> Feldpaar(std::string_view zeile) {
    const bool semikolon = zeile.find(';') != std::string_view::npos;
    const char trenner = semikolon ? ';' : ',';
    std::vector<std::string_view> felder;
    for (std::size_t a = 0;;) {
        const std::size_t e = zeile.find(trenner, a);
        felder.push_back(Getrimmt(zeile.substr(a, e == std::string_view::npos ? e : e - a)));
        if (e == std::string_view::npos) {
            break;
        }
        a = e + 1;
    }
    if (felder.size() < 2 || (!semikolon && felder.size() > 2)) {
        return std::nullopt;
    }
    for (std::size_t k = 2; k < felder.size(); ++k) {
        if (!felder[k].empty()) {
            return std::nullopt;
        }
    }
    return TFeldpaar{felder[0], felder[1]};
}

std::string Klein(std::string_view s) {
    std::string k(s);
    for (char& c : k) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return k;
}

bool IstKopfzeile(std::string_view zeile) {
    const auto f = Feldpaar(zeile);
    return f && Klein(f->Azimut) == "azimut" &&
           (Klein(f->Hoehe) == "höhe" || Klein(f->Hoehe) == "hoehe");
}

THorizontGelesen ListeLesen(const std::vector<std::string>& zeilen, std::size_t erste) {
    TPunktliste liste;
    for (std::size_t i = erste; i < zeilen.size(); ++i) {
        const std::string_view z = Getrimmt(zeilen[i]);
        if (z.empty() || (i == erste && IstKopfzeile(z))) {
            continue;
        }
        const auto f = Feldpaar(z);
        std::optional<double> azimut, hoehe;
        if (f) {
            azimut = Zahl(f->Azimut, ",.");
            hoehe = Zahl(f->Hoehe, ",.");
        }
        if (!azimut || !hoehe) {
            return Fehlschlag(Zeilenanfang(i + 1) + "kein Punkt (Azimut; Höhe): " + Auszug(z));
        }
        if (!liste.Hinzu(i + 1, f->Azimut, *azimut, f->Hoehe, *hoehe)) {
            break;
        }
    }
    return liste.Ergebnis();
}

// --- PVGIS as text --------------------------------------------------------------------------

std::vector<std::string_view> Woerter(std::string_view zeile) {
    std::vector<std::string_view> w;
    for (std::size_t a = zeile.find_first_not_of(" \t"); a != std::string_view::npos;) {
        const std::size_t e = std::min(zeile.find_first_of(" \t", a), zeile.size());
        w.push_back(zeile.substr(a, e - a));
        a = zeile.find_first_not_of(" \t", e);
    }
    return w;
}

// The line of the column header "A  H_hor  A_sun(w) ...", looked for in the lines of words
// before the first line of another kind (the latitude and longitude lines come first).
std::optional<std::size_t> PvgisSpaltenkopf(const std::vector<std::string>& zeilen) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::vector<std::string_view> w = Woerter(zeilen[i]);
        if (w.size() >= 2 && (w[0] == "A" || w[0] == "A_hor") && w[1] == "H_hor") {
            return i;
        }
        if (!w.empty() && !IstBuchstabe(w[0][0])) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// A row of the output without header and legend: azimuth, horizon and the two solstice suns.
bool IstPvgisZeile(std::string_view zeile) {
    const std::vector<std::string_view> w = Woerter(zeile);
    if (w.size() != 6) {
        return false;
    }
    for (const std::string_view z : w) {
        if (!Zahl(z, ".")) {
            return false;
        }
    }
    return true;
}

// The rows from line erste on, up to the empty line before the legend (or a legend line
// "A: Azimuth ..." itself). Only A and H_hor are used. After a column header the legend must
// follow, and rows alone must have all six columns: a download cut short is refused rather
// than read as a shorter skyline or with a cut number.
THorizontGelesen PvgisLesen(const std::vector<std::string>& zeilen, std::size_t erste,
                            bool mitKopf) {
    TPunktliste liste;
    bool gelesen = false;
    for (std::size_t i = erste; i < zeilen.size(); ++i) {
        const std::string_view z = Getrimmt(zeilen[i]);
        if (z.empty() && !gelesen) {
            continue;
        }
        if (z.empty() || (IstBuchstabe(z[0]) && z.find(':') != std::string_view::npos)) {
            return liste.Ergebnis();
        }
        const std::vector<std::string_view> w = Woerter(z);
        std::optional<double> a, h;
        if (w.size() >= (mitKopf ? 2 : 6)) {
            a = Zahl(w[0], ".");
            h = Zahl(w[1], ".");
        }
        if (!a || !h) {
            return Fehlschlag(Zeilenanfang(i + 1) + "kein Punkt (A, H_hor): " + Auszug(z));
        }
        // PVGIS counts west positive, the program east: the same angle with the other sign.
        if (!liste.Hinzu(i + 1, w[0], 0.0 - *a, w[1], *h)) {
            return liste.Ergebnis();
        }
        gelesen = true;
    }
    if (mitKopf && gelesen) {
        return Fehlschlag("Die PVGIS-Datei endet nach Zeile " + std::to_string(zeilen.size()) +
                          " mitten in der Tabelle; sie ist unvollständig.");
    }
    return liste.Ergebnis();
}

// --- PVGIS as JSON --------------------------------------------------------------------------

// A strict JSON reader (RFC 8259) that keeps outputs.horizon_profile of the root object and
// skips everything else. It checks the whole text, so that a download cut short is refused,
// and it refuses more than JsonTiefeMax levels of nesting instead of running out of stack.
class TJsonLeser {
public:
    explicit TJsonLeser(std::string_view text) : t_(text) {}

    THorizontGelesen Lesen() {
        Leerraum();
        if (!Wert(1, TOrt::Wurzel)) {
            return Fehlschlag(fehler_);
        }
        Leerraum();
        if (i_ != t_.size()) {
            Syntaxfehler();
            return Fehlschlag(fehler_);
        }
        if (!profil_) {
            return Fehlschlag(
                "Die JSON-Datei enthält kein Horizontprofil (outputs.horizon_profile).");
        }
        return punkte_.Ergebnis();
    }

private:
    // Where a value stands: the root object, its "outputs", the profile list, one point.
    enum class TOrt { Sonst, Wurzel, Ausgaben, Profil, Punkt };

    struct TFeld {
        std::string_view Text;
        double Wert = 0;
        bool Da = false;
    };

    char Zeichen() const { return i_ < t_.size() ? t_[i_] : '\0'; }

    bool Abbruch(std::string meldung) {
        fehler_ = std::move(meldung);
        return false;
    }
    bool Syntaxfehler() {
        return Abbruch(Zeilenanfang(zeile_) + "ungültiges oder unvollständiges JSON.");
    }

    void Leerraum() {
        for (; i_ < t_.size(); ++i_) {
            const char c = t_[i_];
            if (c == '\n' || (c == '\r' && !Folgt('\n'))) {
                ++zeile_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                return;
            }
        }
    }
    bool Folgt(char c) const { return i_ + 1 < t_.size() && t_[i_ + 1] == c; }

    bool Wort(std::string_view w) {
        if (t_.substr(i_, w.size()) != w) {
            return false;
        }
        i_ += w.size();
        return true;
    }

    bool Zeichenkette(std::string_view& inhalt) {
        if (Zeichen() != '"') {
            return Syntaxfehler();
        }
        const std::size_t anfang = ++i_;
        for (; i_ < t_.size(); ++i_) {
            const auto c = static_cast<unsigned char>(t_[i_]);
            if (c == '"') {
                inhalt = t_.substr(anfang, i_++ - anfang);
                return true;
            }
            if (c < 0x20) {
                return Syntaxfehler();
            }
            if (c == '\\') {
                const char e = ++i_ < t_.size() ? t_[i_] : '\0';
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k) {
                        const char h = ++i_ < t_.size() ? t_[i_] : '\0';
                        if (!IstZiffer(h) && !((h >= 'a' && h <= 'f') || (h >= 'A' && h <= 'F'))) {
                            return Syntaxfehler();
                        }
                    }
                } else if (e == '\0' ||
                           std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return Syntaxfehler();
                }
            }
        }
        return Syntaxfehler();
    }

    bool Zahlwert(TFeld& feld) {
        const std::size_t anfang = i_;
        const auto ziffern = [this] {
            const std::size_t a = i_;
            while (IstZiffer(Zeichen())) {
                ++i_;
            }
            return i_ > a;
        };
        if (Zeichen() == '-') {
            ++i_;
        }
        if (Zeichen() == '0') {
            ++i_;
        } else if (!ziffern()) {
            return Syntaxfehler();
        }
        if (Zeichen() == '.' && (++i_, !ziffern())) {
            return Syntaxfehler();
        }
        if (Zeichen() == 'e' || Zeichen() == 'E') {
            ++i_;
            if (Zeichen() == '+' || Zeichen() == '-') {
                ++i_;
            }
            if (!ziffern()) {
                return Syntaxfehler();
            }
        }
        feld.Text = t_.substr(anfang, i_ - anfang);
        const std::optional<double> wert = Zahl(feld.Text, ".");
        if (!wert) {
            return Syntaxfehler();
        }
        feld.Wert = *wert;
        feld.Da = true;
        return true;
    }

    bool Wert(int tiefe, TOrt ort) {
        if (tiefe > JsonTiefeMax) {
            return Abbruch(Zeilenanfang(zeile_) + "JSON zu tief verschachtelt (mehr als " +
                           std::to_string(JsonTiefeMax) + " Ebenen).");
        }
        const char c = Zeichen();
        if (c == '{') {
            return Objekt(tiefe, ort == TOrt::Wurzel || ort == TOrt::Ausgaben ? ort : TOrt::Sonst);
        }
        if (c == '[') {
            return Liste(tiefe, ort == TOrt::Profil ? ort : TOrt::Sonst);
        }
        if (c == '"') {
            std::string_view s;
            return Zeichenkette(s);
        }
        if (c == '-' || IstZiffer(c)) {
            TFeld f;
            return Zahlwert(f);
        }
        return Wort("true") || Wort("false") || Wort("null") || Syntaxfehler();
    }

    bool Objekt(int tiefe, TOrt ort) {
        const std::size_t zeile = zeile_;
        TFeld azimut, hoehe;
        bool fremd = false; // a point's A or H_hor twice or not a number
        ++i_;
        Leerraum();
        if (Zeichen() == '}') {
            ++i_;
        } else {
            for (;;) {
                std::string_view name;
                if (!Zeichenkette(name)) {
                    return false;
                }
                Leerraum();
                if (Zeichen() != ':') {
                    return Syntaxfehler();
                }
                ++i_;
                Leerraum();
                TOrt innen = TOrt::Sonst;
                if (ort == TOrt::Wurzel && name == "outputs") {
                    innen = TOrt::Ausgaben;
                } else if (ort == TOrt::Ausgaben && name == "horizon_profile") {
                    innen = TOrt::Profil;
                }
                if (ort == TOrt::Punkt && (name == "A" || name == "H_hor")) {
                    TFeld& feld = name == "A" ? azimut : hoehe;
                    const char c = Zeichen();
                    if (feld.Da || (c != '-' && !IstZiffer(c))) {
                        fremd = true;
                        if (!Wert(tiefe + 1, TOrt::Sonst)) {
                            return false;
                        }
                    } else if (!Zahlwert(feld)) {
                        return false;
                    }
                } else if (!Wert(tiefe + 1, innen)) {
                    return false;
                }
                Leerraum();
                if (Zeichen() == '}') {
                    ++i_;
                    break;
                }
                if (Zeichen() != ',') {
                    return Syntaxfehler();
                }
                ++i_;
                Leerraum();
            }
        }
        if (ort != TOrt::Punkt) {
            return true;
        }
        if (fremd || !azimut.Da || !hoehe.Da) {
            return Abbruch(Zeilenanfang(zeile) + "kein Punkt (A, H_hor).");
        }
        // PVGIS counts west positive, the program east: the same angle with the other sign.
        return punkte_.Hinzu(zeile, azimut.Text, 0.0 - azimut.Wert, hoehe.Text, hoehe.Wert) ||
               Abbruch(punkte_.Fehler());
    }

    bool Liste(int tiefe, TOrt ort) {
        if (ort == TOrt::Profil) {
            if (profil_) {
                return Abbruch(Zeilenanfang(zeile_) +
                               "outputs.horizon_profile steht mehrfach in der Datei.");
            }
            profil_ = true;
        }
        ++i_;
        Leerraum();
        if (Zeichen() == ']') {
            ++i_;
            return true;
        }
        for (;;) {
            if (ort != TOrt::Profil) {
                if (!Wert(tiefe + 1, TOrt::Sonst)) {
                    return false;
                }
            } else if (Zeichen() == '{') {
                if (!Objekt(tiefe + 1, TOrt::Punkt)) {
                    return false;
                }
            } else {
                return i_ < t_.size() ? Abbruch(Zeilenanfang(zeile_) + "kein Punkt (A, H_hor).")
                                      : Syntaxfehler();
            }
            Leerraum();
            if (Zeichen() == ']') {
                ++i_;
                return true;
            }
            if (Zeichen() != ',') {
                return Syntaxfehler();
            }
            ++i_;
            Leerraum();
        }
    }

    std::string_view t_;
    std::size_t i_ = 0;
    std::size_t zeile_ = 1;
    bool profil_ = false;
    TPunktliste punkte_;
    std::string fehler_;
};

// --- Writing --------------------------------------------------------------------------------

// The shortest text in fixed notation that reads back as the same double, with a comma.
std::string Zahltext(double x) {
    // Room for any double in fixed notation: 309 digits before the point, or "0." with 323
    // zeros and 17 digits after it.
    std::array<char, 512> puffer{};
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), x + 0.0,
                                              std::chars_format::fixed);
    std::string s(puffer.data(), fehler == std::errc{} ? ende : puffer.data());
    for (char& c : s) {
        c = c == '.' ? ',' : c;
    }
    return s;
}

} // namespace

THorizontGelesen HorizontLesen(const std::string& bytes) {
    const std::string text = AusDateitext(bytes);
    const std::size_t anfang = text.find_first_not_of(" \t\r\n");
    if (anfang == std::string::npos) {
        return Fehlschlag(KeinPunkt);
    }
    if (text[anfang] == '{' || text[anfang] == '[') {
        return TJsonLeser(text).Lesen();
    }
    const std::vector<std::string> zeilen = Zeilen(text);
    if (const auto kopf = PvgisSpaltenkopf(zeilen)) {
        return PvgisLesen(zeilen, *kopf + 1, true);
    }
    std::size_t erste = 0;
    while (erste < zeilen.size() && Getrimmt(zeilen[erste]).empty()) {
        ++erste;
    }
    const std::string_view z = erste < zeilen.size() ? Getrimmt(zeilen[erste]) : "";
    if (z.empty()) {
        return Fehlschlag(KeinPunkt);
    }
    if (IstPvgisZeile(z)) {
        return PvgisLesen(zeilen, erste, false);
    }
    if (IstKopfzeile(z) || IstZiffer(z[0]) || z[0] == '-' || z[0] == '+' || z[0] == '.') {
        return ListeLesen(zeilen, erste);
    }
    return Fehlschlag("Unbekanntes Format der Horizontdatei.");
}

std::string HorizontSchreiben(const TUmgebung& umgebung) {
    // The points are normalised (0 <= azimuth < 360) and sorted by the skyline itself.
    std::vector<std::string> z{"Azimut;Höhe"};
    for (const THorizontpunkt& p : umgebung.Punkte()) {
        z.push_back(Zahltext(p.Azimut) + ";" + Zahltext(p.Hoehe));
    }
    return NachCp1252(MitCrLf(z));
}

} // namespace umbrarix
