#include "batch/Stapelauftrag.h"

#include "batch/Stapeloptionen.h"
#include "model/Kalender.h"
#include "model/Zahltext.h"

#include <algorithm>

namespace umbrarix {

// Unlike the period fields, --tag also takes a day number and dates like "021.06.".
std::optional<int> TagAusText(const std::string& text) {
    if (text.find('.') == std::string::npos) {
        const std::optional<int> n = GanzzahlAusText(text);
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
    const std::optional<int> von = GanzzahlAusText(t.substr(0, strich));
    const std::optional<int> bis = GanzzahlAusText(t.substr(strich + 1, doppelpunkt - strich - 1));
    const std::optional<int> schritt = GanzzahlAusText(t.substr(doppelpunkt + 1));
    if (!von || !bis || !schritt || *schritt <= 0 || *von > *bis || *von < min || *bis > max) {
        return std::nullopt;
    }
    return TBereich{*von, *bis, *schritt};
}

namespace {

// "--ziel=fenster" split into option and value; any other argument is the option alone.
struct TArgument {
    std::string Option;
    std::optional<std::string> Wert;
};

TArgument ArgumentTeilen(const std::string& o) {
    const std::size_t gleich = o.find('=');
    if (!o.starts_with("--") || gleich == std::string::npos) {
        return {o, std::nullopt};
    }
    return {o.substr(0, gleich), o.substr(gleich + 1)};
}

// The options without a value, before a command and after it.
bool IstHilfe(const std::string& o) {
    return o == "--help" || o == "-h";
}

std::string OhneWert(const std::string& o) {
    return "Zur Option " + ArgumentTeilen(o).Option + " gehört kein Wert (" + o + ").";
}

} // namespace

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
    const std::string& name = arg[0];
    if (IstHilfe(name) || name == "hilfe") {
        a.Befehl = TStapelauftrag::Hilfe;
        e.Auftrag = a;
        return e;
    }
    if (name == "--version") {
        a.Befehl = TStapelauftrag::Version;
        e.Auftrag = a;
        return e;
    }
    if (const std::string o = ArgumentTeilen(name).Option; o == "--help" || o == "--version") {
        return fehler(OhneWert(name));
    }
    const TStapelbefehl* befehl = StapelbefehlMitNamen(name);
    if (befehl == nullptr) {
        return fehler("Unbekannter Befehl: " + name);
    }
    a.Befehl = befehl->Befehl;
    std::vector<const TStapeloption*> gelesen;
    bool nurDateien = false; // after "--" every argument is a file name, even "-x.dat"
    for (std::size_t i = 1; i < arg.size(); ++i) {
        const std::string& o = arg[i];
        if (nurDateien || (!o.starts_with("--") && o != "-o" && o != "-h")) {
            if (!a.Projekt.empty()) {
                return fehler("Mehr als eine Projektdatei: " + o);
            }
            a.Projekt = o;
            continue;
        }
        if (o == "--") {
            nurDateien = true;
            continue;
        }
        // The command's help wins over whatever the rest of the call lacks.
        if (IstHilfe(o)) {
            a.Hilfethema = a.Befehl;
            a.Befehl = TStapelauftrag::Hilfe;
            e.Auftrag = a;
            return e;
        }
        const TArgument teile = ArgumentTeilen(o);
        if (IstHilfe(teile.Option)) {
            return fehler(OhneWert(o));
        }
        // Even an unknown option takes a value, so the message names the option, not its value.
        if (!teile.Wert && i + 1 >= arg.size()) {
            return fehler("Zur Option " + o + " fehlt der Wert.");
        }
        const std::string w = teile.Wert ? *teile.Wert : arg[++i];
        const bool ausgabe = teile.Option == "-o";
        const TStapeloption* option = ausgabe ? nullptr : StapeloptionFuer(a.Befehl, teile.Option);
        if (!ausgabe && option == nullptr) {
            return fehler("Die Option " + teile.Option + " gibt es für " + name + " nicht.");
        }
        // An empty value (a script's unset variable) would silently mean "not given".
        if (w.empty()) {
            return fehler("Zur Option " + teile.Option + " fehlt der Wert.");
        }
        if (ausgabe) {
            a.Ausgabe = w;
            continue;
        }
        if (std::optional<std::string> f = option->Lesen(w, a)) {
            return fehler(std::move(*f));
        }
        gelesen.push_back(option);
    }
    if (a.Projekt.empty()) {
        return fehler("Keine Projektdatei angegeben.");
    }
    if (a.Ausgabe.empty()) {
        return fehler("Keine Ausgabedatei angegeben (-o DATEI).");
    }
    if (a.Ausgabe == "-" && !befehl->Textdatei) {
        return fehler(
            "Nur Textdateien können mit -o - auf die Standardausgabe geschrieben werden.");
    }
    for (const TStapeloption& o : Stapeloptionen()) {
        if (o.Befehl == a.Befehl && !o.Fehlt.empty() &&
            std::find(gelesen.begin(), gelesen.end(), &o) == gelesen.end()) {
            return fehler(std::string(o.Fehlt));
        }
    }
    if (befehl->Abschluss != nullptr) {
        if (std::optional<std::string> f = befehl->Abschluss(a)) {
            return fehler(std::move(*f));
        }
    }
    e.Auftrag = a;
    return e;
}

// The year of the release; the licence is the one the package declares.
std::string StapelVersion() {
    return std::string("umbrarix-batch ") + UMBRARIX_VERSION +
           "\nCopyright (C) 2026 Umbrarix\nLizenz: proprietär\n";
}

} // namespace umbrarix
