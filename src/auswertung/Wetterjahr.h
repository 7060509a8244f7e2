#pragma once

// A weather year: the solar radiation of every hour of a 365-day year, as weather files give
// it, in one form whatever the file's format.

#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

inline constexpr int WetterStunden = 8760; // 365 days of 24 hours

// Radiation of one hour in Wh/m² (the hour's sum; the same number as its mean in W/m²).
struct TWetterstunde {
    double Global = 0; // global radiation on the horizontal plane
    double Direkt = 0; // direct radiation: normal to the beam, or horizontal (DirektHorizontal)
    double Diffus = 0; // diffuse radiation on the horizontal plane
};

// Where the data were measured or modelled: latitude north positive, longitude EAST positive
// (as weather files count it; the scene counts west positive), degrees.
struct TWetterort {
    double Breite = 0;
    double Laenge = 0;
};

struct TWetterjahr {
    // Hour h (1..24, the hour ending at h o'clock) of day n (1..365) at index (n-1)*24 + h-1.
    std::vector<TWetterstunde> Stunden;
    // True when Direkt lies on the horizontal plane (a test reference year), false when it is
    // the direct normal radiation (EPW).
    bool DirektHorizontal = false;
    // The files' standard time: hours ahead of Greenwich.
    double Zeitzone = 1;
    std::optional<TWetterort> Ort;
    std::string Format; // "EPW", "DWD-TRY": named in results
};

} // namespace umbrarix
