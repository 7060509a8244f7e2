#pragma once

// The commands of umbrarix-batch and the options each of them takes. Reading a call, the help
// and the check of the manual page all work from these two tables, so they cannot disagree.

#include "batch/Stapelauftrag.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace umbrarix {

// Checks a call once all its options are read; returns the German reason when it is not valid.
using TAbschluss = std::optional<std::string> (*)(TStapelauftrag& a);

struct TStapelbefehl {
    TStapelauftrag::TBefehl Befehl;
    std::string_view Name;    // as typed: "tabelle"
    std::string_view Ausgabe; // what -o names, as the help shows it: "DATEI", "DATEI.pdf"
    bool Textdatei = false;   // writes a text file, which "-o -" may send to standard output
    std::vector<std::string_view> Beispiele; // calls for the help, after "umbrarix-batch "
    TAbschluss Abschluss = nullptr;
};

// Reads an option's value into the call; returns the German reason when the value is not valid.
using TWertLesen = std::optional<std::string> (*)(const std::string& wert, TStapelauftrag& a);

// One option of one command; an option name may mean different things for different commands
// (--uhrzeit is a time for tabelle and a range of times for sonnenstunden).
struct TStapeloption {
    TStapelauftrag::TBefehl Befehl;
    std::string_view Name; // "--ziel"
    std::string_view Wert; // the value as the help shows it: "fenster|terrasse"
    TWertLesen Lesen;
    std::string_view Fehlt; // the German message when the option is missing; empty: optional
};

// Every command in the help's order; -o DATEI is an option of all of them and in neither table.
const std::vector<TStapelbefehl>& Stapelbefehle();
// The options of all commands, each command's in the order the help lists them (the missing
// ones are reported in this order, too).
std::span<const TStapeloption> Stapeloptionen();

const TStapelbefehl* StapelbefehlMitNamen(std::string_view name);
const TStapeloption* StapeloptionFuer(TStapelauftrag::TBefehl befehl, std::string_view name);

} // namespace umbrarix
