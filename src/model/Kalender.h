#pragma once

#include <string>
#include <string_view>

namespace umbrarix {

// Day and month of a day of the year 1..365 (no leap years, February has 28 days).
struct TDatum {
    int Tag = 1;   // day of the month
    int Monat = 1; // 1..12
};

TDatum TagImJahrZuDatum(int tagImJahr);

// "Januar" .. "Dezember" for 1..12.
std::string_view Monatsname(int monat);
// "Jan" .. "Dez" for 1..12: the first three letters ("Mär" is four UTF-8 bytes).
std::string_view Monatskuerzel(int monat);

// "Datum: 21. Juni" for day 172.
std::string DatumText(int tagImJahr);
// "Uhrzeit: 12:30 Uhr" for time position 75 (10-minute steps).
std::string UhrzeitText(int zeitposition);

} // namespace umbrarix
