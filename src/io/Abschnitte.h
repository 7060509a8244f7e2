#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace umbrarix {

struct TProjektdaten;

// One labelled row of the element dimensions: label, component name of the field, unit text.
struct TFeldzeile {
    std::string_view Label, Feld, Einheit;
};

// A section of element dimensions as the project file, the shading tables and the data sheet
// all list it: heading, its underline, the rows.
struct TAbschnitt {
    std::string_view Ueberschrift, Strich;
    std::span<const TFeldzeile> Zeilen;
};

// Window and terrace (always listed), overhang and the two wall projections (when switched on).
extern const TAbschnitt AbschnittFenster;
extern const TAbschnitt AbschnittTerrasse;
extern const TAbschnitt AbschnittUeberhang;
extern const TAbschnitt AbschnittMauerLinks;
extern const TAbschnitt AbschnittMauerRechts;

// The head every text file of a project begins with: title, version, and the project
// description when there is one.
std::vector<std::string> Dateikopf(const TProjektdaten& p);

// Every element section in its order, each followed by an empty line: window and terrace,
// then the switched-on ones. wert formats a field's stored text ("" when missing).
void Elementabschnitte(std::vector<std::string>& z, const TProjektdaten& p,
                       std::string (*wert)(const std::string& text));

// Characters (not bytes) of a UTF-8 text.
std::size_t Zeichenzahl(std::string_view text);
// Bytes taken by the first n characters of a UTF-8 text (all of it when it is shorter).
std::size_t BytesDerZeichen(std::string_view text, std::size_t n);

// A labelled line of the files: the label padded with blanks to 32 characters, so that the
// value starts in column 33, then the value and its unit text.
std::string Labelzeile(std::string_view label, std::string_view wert,
                       std::string_view einheit = {});

} // namespace umbrarix
