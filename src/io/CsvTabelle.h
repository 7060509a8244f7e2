#pragma once

#include "io/Verschattungstabelle.h"

#include <string>

namespace umbrarix {

// The rows of a shading table as a file for spreadsheets: a header row ("Tag;Monat;Stunde;
// Verschattung Fenster"), ";" between the columns, a decimal comma, -1,00 and -2,00 as in the
// table, UTF-8 with a byte-order mark (so spreadsheets read the encoding) and CR LF.
// tabelle is the text table of the same art and element, as Verschattungstabelle wrote it;
// its rows are converted, so the two files can never disagree.
std::string CsvTabelle(const std::string& tabelle, TTabellenart art, bool terrasse);

// True when a file name asks for the spreadsheet form (it ends in ".csv", in any case).
bool IstCsvName(const std::string& pfad);

} // namespace umbrarix
