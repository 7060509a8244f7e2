#pragma once

namespace umbrarix {

enum class TLaufart { Tag, Jahr };

// What one timer step of an animated run does next.
struct TLaufschritt {
    int Intervall = 0; // ms until the next step: daylight lingers, night hurries
    bool Ende = false; // the moved position stood at its maximum: the run is over
    int Position = 0;  // the moved position after this step (the saved one at the end)
};

// One step of an animated run: the day run moves the time position (0..143), the year run the
// date (1..365). The interval is 200 ms (day run) or 100 ms (year run) while the instant now
// shown lies between sunrise and sunset in solar time, else 10 ms. breitengrad in degrees;
// laengenkorrektur in hours; gemerkt is the position saved at the start of the run.
TLaufschritt Laufschritt(TLaufart art, int datum, int zeitposition, int gemerkt, double breitengrad,
                         double laengenkorrektur, bool sommerzeit);

} // namespace umbrarix
