#pragma once

#include <optional>
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

// ---- Dates and times as typed ----------------------------------------------------------------
// The batch's options and the period fields read dates and times with these; each puts its own
// rule on top (which range it allows, whether it wants the short form).

// A date "TT.MM." (the last dot may be left out) that exists in the 365-day year.
struct TDatumseingabe {
    int TagImJahr = 1;
    bool Kurzform = true; // day and month have one or two characters each: "21.06.", not "021.06."
};
std::optional<TDatumseingabe> DatumAusText(std::string_view text);

// A clock time "HH:MM" from 00:00 to 24:00.
struct TUhrzeiteingabe {
    int Minuten = 0;      // since midnight, 0..1440
    bool Kurzform = true; // one or two characters for the hour, two for the minutes: not "12:5"
};
std::optional<TUhrzeiteingabe> UhrzeitAusText(std::string_view text);

} // namespace umbrarix
