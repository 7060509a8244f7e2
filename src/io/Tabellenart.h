#pragma once

namespace umbrarix {

// The three tables of the shading data export.
enum class TTabellenart {
    Tag,    // 24 hourly values of one day
    Jahr,   // 24 hourly values of each of the 365 days
    Uhrzeit // one value per day at a fixed clock time
};

} // namespace umbrarix
