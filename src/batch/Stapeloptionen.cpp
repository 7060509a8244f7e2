#include "batch/Stapeloptionen.h"

#include "model/Eingabedaten.h"
#include "model/Zahltext.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <sys/stat.h>

namespace umbrarix {

namespace {

using TMeldung = std::optional<std::string>;

TMeldung ZielLesen(const std::string& w, TStapelauftrag& a) {
    if (w != "fenster" && w != "terrasse") {
        return "--ziel ist fenster oder terrasse, nicht " + w;
    }
    a.Terrasse = w == "terrasse";
    return std::nullopt;
}

TMeldung ArtLesen(const std::string& w, TStapelauftrag& a) {
    if (w == "tag") {
        a.Art = TTabellenart::Tag;
    } else if (w == "jahr") {
        a.Art = TTabellenart::Jahr;
    } else if (w == "uhrzeit") {
        a.Art = TTabellenart::Uhrzeit;
    } else {
        return "--art ist tag, jahr oder uhrzeit, nicht " + w;
    }
    return std::nullopt;
}

TMeldung FormatLesen(const std::string& w, TStapelauftrag& a) {
    if (w != "text" && w != "csv") {
        return "--format ist text oder csv, nicht " + w;
    }
    a.Csv = w == "csv";
    return std::nullopt;
}

TMeldung TagLesen(const std::string& w, TStapelauftrag& a) {
    const std::optional<int> n = TagAusText(w);
    if (!n) {
        return "--tag ist ein Tag des Jahres 1..365 oder ein Datum wie 21.06., nicht " + w;
    }
    a.Tag = *n;
    return std::nullopt;
}

TMeldung UhrzeitLesen(const std::string& w, TStapelauftrag& a) {
    const std::optional<int> p = ZeitpositionAusText(w);
    if (!p) {
        return "--uhrzeit ist eine Uhrzeit wie 14:30, nicht " + w;
    }
    a.Zeitposition = *p;
    return std::nullopt;
}

TMeldung InhaltLesen(const std::string& w, TStapelauftrag& a) {
    if (w != "alles" && w != "datenblatt" && w != "grafiken" && w != "jahresuebersicht") {
        return "--inhalt ist alles, datenblatt, grafiken oder jahresuebersicht, nicht " + w;
    }
    a.MitJahresuebersicht = w == "jahresuebersicht";
    a.MitDatenblatt = w != "grafiken" && !a.MitJahresuebersicht;
    a.MitGrafiken = w != "datenblatt" && !a.MitJahresuebersicht;
    return std::nullopt;
}

TMeldung AnsprechpartnerLesen(const std::string& w, TStapelauftrag& a) {
    a.Ansprechpartnerdatei = w;
    return std::nullopt;
}

TMeldung BeschreibungLesen(const std::string& w, TStapelauftrag& a) {
    a.Beschreibungsdatei = w;
    return std::nullopt;
}

TMeldung AnsichtLesen(const std::string& w, TStapelauftrag& a) {
    static constexpr std::array<std::string_view, 7> Ansichten{
        "3d", "seite", "fenster", "terrasse", "kompass", "tagesdiagramm", "jahresdiagramm"};
    if (std::find(Ansichten.begin(), Ansichten.end(), w) == Ansichten.end()) {
        return "Unbekannte Ansicht: " + w;
    }
    a.Ansichtsname = w;
    return std::nullopt;
}

TMeldung ZeitraumLesen(const std::string& w, TStapelauftrag& a) {
    return TageLesen(w, a.Zeitraum);
}

TMeldung TageszeitenLesen(const std::string& w, TStapelauftrag& a) {
    return UhrzeitenLesen(w, a.Zeitraum);
}

// "80,5" as a German user writes it, as well as "80.5".
std::optional<double> DezimalzahlLesen(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return TextZuZahl(text);
}

TMeldung MindestensLesen(const std::string& w, TStapelauftrag& a) {
    const std::optional<double> p = DezimalzahlLesen(w);
    if (!p || !(*p >= 0 && *p <= 100)) { // also refuses NaN
        return "--mindestens ist ein Prozentwert von 0 bis 100, nicht " + w;
    }
    a.Frage.Mindestgrad = *p / 100;
    return std::nullopt;
}

// Candidates of one field, within the limits the window's field has.
TMeldung KandidatenLesen(std::string_view option, const char* feld, const std::string& w,
                         TBereich& ziel) {
    const TSpinfeld* f = SpinfeldMitNamen(feld);
    const std::optional<TBereich> b = BereichAusText(w, f->Min, f->Max);
    if (!b) {
        return std::string(option) + " ist VON-BIS:SCHRITT in ganzen Zahlen von " +
               GanzzahlText(f->Min) + " bis " + GanzzahlText(f->Max) +
               " mit einem Schritt über 0, nicht " + w;
    }
    ziel = *b;
    return std::nullopt;
}

TMeldung AusfallLesen(const std::string& w, TStapelauftrag& a) {
    return KandidatenLesen("--ausfall", "anz_Vordachlaenge", w, a.Frage.Ausfall);
}

TMeldung BreiteLesen(const std::string& w, TStapelauftrag& a) {
    TBereich b;
    const TMeldung f = KandidatenLesen("--breite", "anz_Vordachbreite", w, b);
    if (!f) {
        a.Frage.Breite = b;
    }
    return f;
}

TMeldung NeigungLesen(const std::string& w, TStapelauftrag& a) {
    TBereich b;
    const TMeldung f = KandidatenLesen("--neigung", "anz_Vordach_Neigung", w, b);
    if (!f) {
        a.Frage.Neigung = b;
    }
    return f;
}

TMeldung MaskenschrittLesen(const std::string& w, TStapelauftrag& a) {
    const std::optional<double> g = TextZuZahl(w);
    if (!g || *g != std::floor(*g) || *g < 1 || *g > 45) {
        return "--schritt ist eine ganze Zahl von Grad von 1 bis 45, nicht " + w;
    }
    a.Maskenschritt = static_cast<int>(*g);
    return std::nullopt;
}

TMeldung WetterLesen(const std::string& w, TStapelauftrag& a) {
    a.Wetter = w;
    return std::nullopt;
}

TMeldung AlbedoLesen(const std::string& w, TStapelauftrag& a) {
    const std::optional<double> z = DezimalzahlLesen(w);
    if (!z || !(*z >= 0 && *z <= 1)) {
        return "--albedo ist ein Anteil von 0 bis 1 wie 0.2, nicht " + w;
    }
    a.Albedo = *z;
    return std::nullopt;
}

TMeldung HorizontOptionLesen(const std::string& w, TStapelauftrag& a) {
    a.Horizont = w;
    return std::nullopt;
}

TMeldung NeuesProjektLesen(const std::string& w, TStapelauftrag& a) {
    a.NeuesProjekt = w;
    return std::nullopt;
}

// Both names for one file: the same text, or two names of one existing file.
bool SelbeDatei(const std::string& x, const std::string& y) {
    struct stat a {};
    struct stat b {};
    return x == y || (::stat(x.c_str(), &a) == 0 && ::stat(y.c_str(), &b) == 0 &&
                      a.st_dev == b.st_dev && a.st_ino == b.st_ino);
}

// The question takes target and period from the options shared with the other commands.
TMeldung DimensionierungAbschliessen(TStapelauftrag& a) {
    if (!a.NeuesProjekt.empty() && a.Ausgabe != "-" && SelbeDatei(a.NeuesProjekt, a.Ausgabe)) {
        return "--projekt und -o nennen dieselbe Datei: " + a.NeuesProjekt;
    }
    a.Frage.Terrasse = a.Terrasse;
    a.Frage.Zeitraum = a.Zeitraum;
    const auto anzahl = [](const std::optional<TBereich>& b) {
        return b ? BereichsWerte(*b).size() : size_t{1};
    };
    if (BereichsWerte(a.Frage.Ausfall).size() * anzahl(a.Frage.Breite) * anzahl(a.Frage.Neigung) >
        HoechstzahlKandidaten) {
        return "Zu viele Kandidaten (höchstens " + std::to_string(HoechstzahlKandidaten) +
               "): größere Schritte wählen.";
    }
    // The project is not read yet; the count of candidates does not depend on it.
    return FrageZuGross(TSzene{}, a.Frage);
}

using B = TStapelauftrag;

constexpr std::string_view ZielFehlt = "--ziel fenster oder --ziel terrasse fehlt.";
constexpr std::string_view PeriodeFehlt =
    "dimensionieren braucht --zeitraum, --uhrzeit und --mindestens.";
constexpr std::string_view Optional;

constexpr TStapeloption Optionen[] = {
    // clang-format off
    {B::Tabelle, "--ziel", "fenster|terrasse", ZielLesen, ZielFehlt},
    {B::Tabelle, "--art", "tag|jahr|uhrzeit", ArtLesen, "--art tag, jahr oder uhrzeit fehlt."},
    {B::Tabelle, "--tag", "N", TagLesen, Optional},
    {B::Tabelle, "--uhrzeit", "HH:MM", UhrzeitLesen, Optional},
    {B::Tabelle, "--format", "text|csv", FormatLesen, Optional},
    {B::Tabelle, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Velumora, "--ziel", "fenster|terrasse", ZielLesen, ZielFehlt},
    {B::Velumora, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Drucken, "--inhalt", "alles|datenblatt|grafiken|jahresuebersicht", InhaltLesen,
     "--inhalt alles, datenblatt, grafiken oder jahresuebersicht fehlt."},
    {B::Drucken, "--tag", "N", TagLesen, Optional},
    {B::Drucken, "--uhrzeit", "HH:MM", UhrzeitLesen, Optional},
    {B::Drucken, "--ansprechpartner", "DATEI", AnsprechpartnerLesen, Optional},
    {B::Drucken, "--beschreibung", "DATEI", BeschreibungLesen, Optional},
    {B::Drucken, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Ansicht, "--ansicht", "3d|seite|fenster|terrasse|kompass|tagesdiagramm|jahresdiagramm",
     AnsichtLesen, "--ansicht fehlt."},
    {B::Ansicht, "--tag", "N", TagLesen, Optional},
    {B::Ansicht, "--uhrzeit", "HH:MM", UhrzeitLesen, Optional},
    {B::Ansicht, "--ziel", "fenster|terrasse", ZielLesen, Optional},
    {B::Ansicht, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Jahresuebersicht, "--ziel", "fenster|terrasse", ZielLesen, ZielFehlt},
    {B::Jahresuebersicht, "--tag", "N", TagLesen, Optional},
    {B::Jahresuebersicht, "--uhrzeit", "HH:MM", UhrzeitLesen, Optional},
    {B::Jahresuebersicht, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Sonnenstunden, "--zeitraum", "TT.MM.-TT.MM.", ZeitraumLesen, Optional},
    {B::Sonnenstunden, "--uhrzeit", "HH:MM-HH:MM", TageszeitenLesen, Optional},
    {B::Sonnenstunden, "--format", "text|csv", FormatLesen, Optional},
    {B::Sonnenstunden, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Dimensionieren, "--ziel", "fenster|terrasse", ZielLesen, ZielFehlt},
    {B::Dimensionieren, "--zeitraum", "TT.MM.-TT.MM.", ZeitraumLesen, PeriodeFehlt},
    {B::Dimensionieren, "--uhrzeit", "HH:MM-HH:MM", TageszeitenLesen, PeriodeFehlt},
    {B::Dimensionieren, "--mindestens", "PROZENT", MindestensLesen, PeriodeFehlt},
    {B::Dimensionieren, "--ausfall", "VON-BIS:SCHRITT", AusfallLesen, Optional},
    {B::Dimensionieren, "--breite", "VON-BIS:SCHRITT", BreiteLesen, Optional},
    {B::Dimensionieren, "--neigung", "VON-BIS:SCHRITT", NeigungLesen, Optional},
    {B::Dimensionieren, "--projekt", "NEU.dat", NeuesProjektLesen, Optional},
    {B::Dimensionieren, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Sonnenbahnen, "--ziel", "fenster|terrasse", ZielLesen, ZielFehlt},
    {B::Sonnenbahnen, "--tag", "N", TagLesen, Optional},
    {B::Sonnenbahnen, "--uhrzeit", "HH:MM", UhrzeitLesen, Optional},
    {B::Sonnenbahnen, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Maske, "--schritt", "GRAD", MaskenschrittLesen, Optional},
    {B::Maske, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},

    {B::Sonneneintrag, "--wetter", "DATEI", WetterLesen, "sonneneintrag braucht --wetter DATEI."},
    {B::Sonneneintrag, "--ziel", "fenster|terrasse", ZielLesen, Optional},
    {B::Sonneneintrag, "--albedo", "ANTEIL", AlbedoLesen, Optional},
    {B::Sonneneintrag, "--zeitraum", "TT.MM.-TT.MM.", ZeitraumLesen, Optional},
    {B::Sonneneintrag, "--uhrzeit", "HH:MM-HH:MM", TageszeitenLesen, Optional},
    {B::Sonneneintrag, "--format", "text|csv", FormatLesen, Optional},
    {B::Sonneneintrag, "--horizont", "DATEI|keine", HorizontOptionLesen, Optional},
    // clang-format on
};

} // namespace

const std::vector<TStapelbefehl>& Stapelbefehle() {
    static const std::vector<TStapelbefehl> befehle{
        {B::Tabelle,
         "tabelle",
         "DATEI",
         true,
         {"tabelle kunde.dat --ziel fenster --art jahr -o jahr.dat",
          "tabelle kunde.dat --ziel fenster --art jahr --format csv -o jahr.csv"}},
        {B::Velumora,
         "velumora",
         "DATEI",
         true,
         {"velumora kunde.dat --ziel terrasse -o velumora.dat"}},
        {B::Drucken,
         "drucken",
         "DATEI.pdf",
         false,
         {"drucken kunde.dat --inhalt alles --ansprechpartner schatten.usr -o kunde.pdf"}},
        {B::Ansicht,
         "ansicht",
         "DATEI.png",
         false,
         {"ansicht kunde.dat --ansicht seite --tag 21.06. --uhrzeit 15:00 -o seite.png"}},
        {B::Jahresuebersicht,
         "jahresuebersicht",
         "DATEI.png",
         false,
         {"jahresuebersicht kunde.dat --ziel terrasse -o terrasse.png"}},
        {B::Sonnenstunden,
         "sonnenstunden",
         "DATEI",
         true,
         {"sonnenstunden kunde.dat --zeitraum 01.06.-31.08. --uhrzeit 12:00-16:00 -o -"}},
        {B::Dimensionieren,
         "dimensionieren",
         "DATEI",
         true,
         {"dimensionieren kunde.dat --ziel terrasse --zeitraum 01.06.-31.08. --uhrzeit "
          "12:00-16:00 --mindestens 80 -o -"},
         DimensionierungAbschliessen},
        {B::Sonnenbahnen,
         "sonnenbahnen",
         "DATEI.png",
         false,
         {"sonnenbahnen kunde.dat --ziel fenster --tag 21.06. --uhrzeit 15:00 -o bahnen.png"}},
        {B::Maske, "maske", "DATEI", true, {"maske kunde.dat --schritt 5 -o maske.csv"}},
        {B::Sonneneintrag,
         "sonneneintrag",
         "DATEI",
         true,
         {"sonneneintrag kunde.dat --wetter koeln.epw --zeitraum 01.06.-31.08. -o -"}},
    };
    return befehle;
}

std::span<const TStapeloption> Stapeloptionen() {
    return Optionen;
}

const TStapelbefehl* StapelbefehlMitNamen(std::string_view name) {
    for (const TStapelbefehl& b : Stapelbefehle()) {
        if (b.Name == name) {
            return &b;
        }
    }
    return nullptr;
}

const TStapeloption* StapeloptionFuer(TStapelauftrag::TBefehl befehl, std::string_view name) {
    for (const TStapeloption& o : Optionen) {
        if (o.Befehl == befehl && o.Name == name) {
            return &o;
        }
    }
    return nullptr;
}

} // namespace umbrarix
