#include "batch/Stapelauftrag.h"

#include "model/Eingabedaten.h"
#include "model/Kalender.h"
#include "model/Zahltext.h"

#include <array>
#include <charconv>

namespace umbrarix {

namespace {

std::optional<int> Ganzzahl(std::string_view t) {
    int wert = 0;
    const auto [p, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (t.empty() || fehler != std::errc{} || p != t.data() + t.size()) {
        return std::nullopt;
    }
    return wert;
}

} // namespace

// Unlike the period fields, --tag also takes a day number and dates like "021.06.".
std::optional<int> TagAusText(const std::string& text) {
    if (text.find('.') == std::string::npos) {
        const std::optional<int> n = Ganzzahl(text);
        return n && *n >= 1 && *n <= 365 ? n : std::nullopt;
    }
    const std::optional<TDatumseingabe> d = DatumAusText(text);
    return d ? std::optional<int>(d->TagImJahr) : std::nullopt;
}

// Any instant of the day in any spelling of the digits ("9:5" is 09:05), not 24:00.
std::optional<int> ZeitpositionAusText(const std::string& text) {
    const std::optional<TUhrzeiteingabe> u = UhrzeitAusText(text);
    if (!u || u->Minuten >= 24 * 60) {
        return std::nullopt;
    }
    return u->Minuten / 10;
}

std::optional<TBereich> BereichAusText(const std::string& text, double min, double max) {
    const std::size_t strich = text.find('-');
    const std::size_t doppelpunkt = text.find(':');
    if (strich == std::string::npos || doppelpunkt == std::string::npos || doppelpunkt < strich) {
        return std::nullopt;
    }
    const std::string_view t = text;
    const std::optional<int> von = Ganzzahl(t.substr(0, strich));
    const std::optional<int> bis = Ganzzahl(t.substr(strich + 1, doppelpunkt - strich - 1));
    const std::optional<int> schritt = Ganzzahl(t.substr(doppelpunkt + 1));
    if (!von || !bis || !schritt || *schritt <= 0 || *von > *bis || *von < min || *bis > max) {
        return std::nullopt;
    }
    return TBereich{*von, *bis, *schritt};
}

TStapelLesen StapelauftragLesen(const std::vector<std::string>& arg) {
    TStapelLesen e;
    const auto fehler = [&e](std::string text) {
        e.Fehler = std::move(text);
        return e;
    };
    if (arg.empty()) {
        return fehler("Kein Befehl angegeben.");
    }
    TStapelauftrag a;
    const std::string& befehl = arg[0];
    if (befehl == "--help" || befehl == "-h" || befehl == "hilfe") {
        a.Befehl = TStapelauftrag::Hilfe;
        e.Auftrag = a;
        return e;
    }
    if (befehl == "--version") {
        a.Befehl = TStapelauftrag::Version;
        e.Auftrag = a;
        return e;
    }
    if (befehl == "tabelle") {
        a.Befehl = TStapelauftrag::Tabelle;
    } else if (befehl == "velumora") {
        a.Befehl = TStapelauftrag::Velumora;
    } else if (befehl == "drucken") {
        a.Befehl = TStapelauftrag::Drucken;
    } else if (befehl == "ansicht") {
        a.Befehl = TStapelauftrag::Ansicht;
    } else if (befehl == "jahresuebersicht") {
        a.Befehl = TStapelauftrag::Jahresuebersicht;
    } else if (befehl == "sonnenstunden") {
        a.Befehl = TStapelauftrag::Sonnenstunden;
    } else if (befehl == "dimensionieren") {
        a.Befehl = TStapelauftrag::Dimensionieren;
    } else {
        return fehler("Unbekannter Befehl: " + befehl);
    }
    bool zielGesetzt = false, artGesetzt = false, inhaltGesetzt = false;
    bool zeitraumGesetzt = false, uhrzeitGesetzt = false, mindestensGesetzt = false;
    const bool auswertung =
        a.Befehl == TStapelauftrag::Sonnenstunden || a.Befehl == TStapelauftrag::Dimensionieren;
    for (std::size_t i = 1; i < arg.size(); ++i) {
        const std::string& o = arg[i];
        if (o.rfind("--", 0) != 0 && o != "-o") {
            if (!a.Projekt.empty()) {
                return fehler("Mehr als eine Projektdatei: " + o);
            }
            a.Projekt = o;
            continue;
        }
        if (i + 1 >= arg.size()) {
            return fehler("Zur Option " + o + " fehlt der Wert.");
        }
        const std::string& w = arg[++i];
        if (o == "-o") {
            a.Ausgabe = w;
        } else if (auswertung && (o == "--zeitraum" || o == "--uhrzeit")) {
            if (const std::optional<std::string> f =
                    o == "--zeitraum" ? TageLesen(w, a.Zeitraum) : UhrzeitenLesen(w, a.Zeitraum)) {
                return fehler(*f);
            }
            (o == "--zeitraum" ? zeitraumGesetzt : uhrzeitGesetzt) = true;
        } else if (a.Befehl == TStapelauftrag::Dimensionieren && o == "--mindestens") {
            const std::optional<double> p = TextZuZahl(w);
            if (!p || !(*p >= 0 && *p <= 100)) {
                return fehler("--mindestens ist ein Prozentwert von 0 bis 100, nicht " + w);
            }
            a.Frage.Mindestgrad = *p / 100;
            mindestensGesetzt = true;
        } else if (a.Befehl == TStapelauftrag::Dimensionieren &&
                   (o == "--ausfall" || o == "--breite" || o == "--neigung")) {
            const char* feld = o == "--ausfall"  ? "anz_Vordachlaenge"
                               : o == "--breite" ? "anz_Vordachbreite"
                                                 : "anz_Vordach_Neigung";
            const TSpinfeld* f = SpinfeldMitNamen(feld);
            const std::optional<TBereich> b = BereichAusText(w, f->Min, f->Max);
            if (!b) {
                return fehler(o + " ist VON-BIS:SCHRITT in ganzen Zahlen von " +
                              GanzzahlText(f->Min) + " bis " + GanzzahlText(f->Max) +
                              " mit einem Schritt über 0, nicht " + w);
            }
            if (o == "--ausfall") {
                a.Frage.Ausfall = *b;
            } else {
                (o == "--breite" ? a.Frage.Breite : a.Frage.Neigung) = *b;
            }
        } else if (a.Befehl == TStapelauftrag::Dimensionieren && o == "--projekt") {
            a.NeuesProjekt = w;
        } else if (o == "--ziel" && a.Befehl != TStapelauftrag::Drucken &&
                   a.Befehl != TStapelauftrag::Sonnenstunden) {
            if (w != "fenster" && w != "terrasse") {
                return fehler("--ziel ist fenster oder terrasse, nicht " + w);
            }
            a.Terrasse = w == "terrasse";
            zielGesetzt = true;
        } else if (o == "--art" && a.Befehl == TStapelauftrag::Tabelle) {
            if (w == "tag") {
                a.Art = TTabellenart::Tag;
            } else if (w == "jahr") {
                a.Art = TTabellenart::Jahr;
            } else if (w == "uhrzeit") {
                a.Art = TTabellenart::Uhrzeit;
            } else {
                return fehler("--art ist tag, jahr oder uhrzeit, nicht " + w);
            }
            artGesetzt = true;
        } else if (o == "--format" && (a.Befehl == TStapelauftrag::Tabelle ||
                                       a.Befehl == TStapelauftrag::Sonnenstunden)) {
            if (w != "text" && w != "csv") {
                return fehler("--format ist text oder csv, nicht " + w);
            }
            a.Csv = w == "csv";
        } else if (o == "--tag" && a.Befehl != TStapelauftrag::Velumora && !auswertung) {
            const std::optional<int> n = TagAusText(w);
            if (!n) {
                return fehler(
                    "--tag ist ein Tag des Jahres 1..365 oder ein Datum wie 21.06., nicht " + w);
            }
            a.Tag = *n;
        } else if (o == "--uhrzeit" && a.Befehl != TStapelauftrag::Velumora && !auswertung) {
            const std::optional<int> p = ZeitpositionAusText(w);
            if (!p) {
                return fehler("--uhrzeit ist eine Uhrzeit wie 14:30, nicht " + w);
            }
            a.Zeitposition = *p;
        } else if (o == "--inhalt" && a.Befehl == TStapelauftrag::Drucken) {
            if (w != "alles" && w != "datenblatt" && w != "grafiken" && w != "jahresuebersicht") {
                return fehler(
                    "--inhalt ist alles, datenblatt, grafiken oder jahresuebersicht, nicht " + w);
            }
            a.MitJahresuebersicht = w == "jahresuebersicht";
            a.MitDatenblatt = w != "grafiken" && !a.MitJahresuebersicht;
            a.MitGrafiken = w != "datenblatt" && !a.MitJahresuebersicht;
            inhaltGesetzt = true;
        } else if (o == "--ansprechpartner" && a.Befehl == TStapelauftrag::Drucken) {
            a.Ansprechpartnerdatei = w;
        } else if (o == "--beschreibung" && a.Befehl == TStapelauftrag::Drucken) {
            a.Beschreibungsdatei = w;
        } else if (o == "--ansicht" && a.Befehl == TStapelauftrag::Ansicht) {
            static const std::array<const char*, 7> Ansichten{
                "3d", "seite", "fenster", "terrasse", "kompass", "tagesdiagramm", "jahresdiagramm"};
            bool gueltig = false;
            for (const char* n : Ansichten) {
                gueltig = gueltig || w == n;
            }
            if (!gueltig) {
                return fehler("Unbekannte Ansicht: " + w);
            }
            a.Ansichtsname = w;
        } else {
            return fehler("Die Option " + o + " gibt es für " + befehl + " nicht.");
        }
    }
    if (a.Projekt.empty()) {
        return fehler("Keine Projektdatei angegeben.");
    }
    if (a.Ausgabe.empty()) {
        return fehler("Keine Ausgabedatei angegeben (-o DATEI).");
    }
    const bool textdatei =
        a.Befehl == TStapelauftrag::Tabelle || a.Befehl == TStapelauftrag::Velumora ||
        a.Befehl == TStapelauftrag::Sonnenstunden || a.Befehl == TStapelauftrag::Dimensionieren;
    if (a.Ausgabe == "-" && !textdatei) {
        return fehler(
            "Nur Textdateien können mit -o - auf die Standardausgabe geschrieben werden.");
    }
    if ((a.Befehl == TStapelauftrag::Tabelle || a.Befehl == TStapelauftrag::Velumora ||
         a.Befehl == TStapelauftrag::Jahresuebersicht ||
         a.Befehl == TStapelauftrag::Dimensionieren) &&
        !zielGesetzt) {
        return fehler("--ziel fenster oder --ziel terrasse fehlt.");
    }
    if (a.Befehl == TStapelauftrag::Tabelle && !artGesetzt) {
        return fehler("--art tag, jahr oder uhrzeit fehlt.");
    }
    if (a.Befehl == TStapelauftrag::Drucken && !inhaltGesetzt) {
        return fehler("--inhalt alles, datenblatt, grafiken oder jahresuebersicht fehlt.");
    }
    if (a.Befehl == TStapelauftrag::Ansicht && a.Ansichtsname.empty()) {
        return fehler("--ansicht fehlt.");
    }
    if (a.Befehl == TStapelauftrag::Dimensionieren) {
        if (!zeitraumGesetzt || !uhrzeitGesetzt || !mindestensGesetzt) {
            return fehler("dimensionieren braucht --zeitraum, --uhrzeit und --mindestens.");
        }
        a.Frage.Terrasse = a.Terrasse;
        a.Frage.Zeitraum = a.Zeitraum;
        const auto anzahl = [](const std::optional<TBereich>& b) {
            return b ? BereichsWerte(*b).size() : size_t{1};
        };
        if (BereichsWerte(a.Frage.Ausfall).size() * anzahl(a.Frage.Breite) *
                anzahl(a.Frage.Neigung) >
            HoechstzahlKandidaten) {
            return fehler("Zu viele Kandidaten (höchstens " +
                          std::to_string(HoechstzahlKandidaten) + "): größere Schritte wählen.");
        }
    }
    e.Auftrag = a;
    return e;
}

std::string StapelHilfe() {
    return "umbrarix-batch: Verschattungstabellen, VELUMORA-Dateien, Ausdrucke und Ansichten "
           "eines Projekts ohne Fenster.\n"
           "\n"
           "Befehle:\n"
           "  tabelle PROJEKT.dat --ziel fenster|terrasse --art tag|jahr|uhrzeit [--tag N] "
           "[--uhrzeit HH:MM] [--format text|csv] -o DATEI\n"
           "      umbrarix-batch tabelle kunde.dat --ziel fenster --art jahr -o jahr.dat\n"
           "      umbrarix-batch tabelle kunde.dat --ziel fenster --art jahr --format csv -o "
           "jahr.csv\n"
           "  velumora PROJEKT.dat --ziel fenster|terrasse -o DATEI\n"
           "      umbrarix-batch velumora kunde.dat --ziel terrasse -o velumora.dat\n"
           "  drucken PROJEKT.dat --inhalt alles|datenblatt|grafiken|jahresuebersicht [--tag N] "
           "[--uhrzeit HH:MM] "
           "[--ansprechpartner DATEI] [--beschreibung DATEI] -o DATEI.pdf\n"
           "      umbrarix-batch drucken kunde.dat --inhalt alles --ansprechpartner schatten.usr "
           "-o kunde.pdf\n"
           "  ansicht PROJEKT.dat --ansicht 3d|seite|fenster|terrasse|kompass|tagesdiagramm|"
           "jahresdiagramm [--tag N] [--uhrzeit HH:MM] [--ziel fenster|terrasse] -o DATEI.png\n"
           "      umbrarix-batch ansicht kunde.dat --ansicht seite --tag 21.06. --uhrzeit 15:00 "
           "-o seite.png\n"
           "  jahresuebersicht PROJEKT.dat --ziel fenster|terrasse [--tag N] [--uhrzeit HH:MM] "
           "-o DATEI.png\n"
           "      umbrarix-batch jahresuebersicht kunde.dat --ziel terrasse -o terrasse.png\n"
           "  sonnenstunden PROJEKT.dat [--zeitraum TT.MM.-TT.MM.] [--uhrzeit HH:MM-HH:MM] "
           "[--format text|csv] -o DATEI\n"
           "      umbrarix-batch sonnenstunden kunde.dat --zeitraum 01.06.-31.08. --uhrzeit "
           "12:00-16:00 -o -\n"
           "  dimensionieren PROJEKT.dat --ziel fenster|terrasse --zeitraum TT.MM.-TT.MM. "
           "--uhrzeit HH:MM-HH:MM --mindestens PROZENT [--ausfall VON-BIS:SCHRITT] "
           "[--breite VON-BIS:SCHRITT] [--neigung VON-BIS:SCHRITT] [--projekt NEU.dat] -o DATEI\n"
           "      umbrarix-batch dimensionieren kunde.dat --ziel terrasse --zeitraum "
           "01.06.-31.08. --uhrzeit 12:00-16:00 --mindestens 80 -o -\n"
           "\n"
           "--tag: Tag des Jahres 1..365 oder Datum wie 21.06. (Vorgabe 172 = 21. Juni)\n"
           "--uhrzeit: HH:MM, auf 10 Minuten abgerundet (Vorgabe 12:00)\n"
           "--zeitraum, --uhrzeit bei sonnenstunden: Tage beide eingeschlossen (über Neujahr, "
           "wenn der erste nach dem zweiten liegt), Uhrzeiten in Zehnminutenschritten bis "
           "ausschließlich; Vorgabe das ganze Jahr, 00:00-24:00\n"
           "--ausfall, --breite, --neigung bei dimensionieren: Kandidaten in cm bzw. Grad "
           "(Vorgabe Ausfall 0-400:10, Breite und Neigung wie im Projekt)\n"
           "--format csv: Tabelle für Tabellenkalkulationen (Semikolon, Dezimalkomma, UTF-8)\n"
           "-o -: schreibt eine Textdatei auf die Standardausgabe\n"
           "--version: zeigt die Version des Programms\n"
           "\n"
           "Rückgabewert: 0 erfolgreich, 1 Projektdatei unlesbar oder Schreibfehler, 2 falscher "
           "Aufruf.\n";
}

std::string StapelVersion() {
    return std::string("umbrarix-batch ") + UMBRARIX_VERSION + "\n";
}

} // namespace umbrarix
