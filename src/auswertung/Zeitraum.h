#pragma once

// A period of the year and of the day, and the Beschattungsgrad of window and terrace in it.

#include "auswertung/Jahresraster.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace umbrarix {

// Days VonTag..BisTag (1..365, both included; over the new year when VonTag > BisTag) and the
// ten-minute clock steps VonSchritt (included) to BisSchritt (excluded, 144 = 24:00).
struct TZeitraum {
    int VonTag = 152;    // 1 June
    int BisTag = 243;    // 31 August
    int VonSchritt = 72; // 12:00
    int BisSchritt = 96; // 16:00
    bool operator==(const TZeitraum&) const = default;
};

// The whole year, all day: 01.01. to 31.12., 00:00 to 24:00.
inline constexpr TZeitraum GanzesJahr{1, 365, 0, 144};

// The days of the period in their order (from VonTag on, over the new year if need be).
std::vector<int> ZeitraumTage(const TZeitraum& z);

// The period's instants as grid indices (RasterIndex), day by day in ZeitraumTage's order.
std::vector<int> ZeitraumIndizes(const TZeitraum& z);

// Sum of the shares over the lit steps of the period divided by their number, that is
// 1 - (direct sun with shading) / (direct sun without); nothing when no step is lit.
struct TBeschattungsgrad {
    std::optional<double> Fenster;
    std::optional<double> Terrasse;
};

// The mean of the lit shares in the order given (the Beschattungsgrad of these steps), or
// nothing when none is lit.
std::optional<double> MittelDerBesonnten(std::span<const double> anteile);

// The same over shares that arrive in pieces: added in their order, the same bits.
struct TBesonntSumme {
    double Summe = 0;
    int Besonnt = 0;
    void Hinzu(std::span<const double> anteile);
    std::optional<double> Mittel() const;
};

// From an evaluated grid.
TBeschattungsgrad BeschattungsgradAusRaster(const TJahresraster& raster, const TZeitraum& z);

// Evaluates only the period's instants on copies of the scene (gives the same values as the
// grid). Nothing when fortschritt cancelled the run.
std::optional<TBeschattungsgrad> BeschattungsgradBerechnen(const TSzene& szene, const TZeitraum& z,
                                                           const TFortschritt& fortschritt = {},
                                                           int faeden = AnzahlRechenfaeden());

// "01.06. bis 31.08., 12:00 bis 16:00 Uhr"
std::string ZeitraumText(const TZeitraum& z);

// A Beschattungsgrad in percent with one decimal and " %", or "keine direkte Sonne im Zeitraum".
std::string BeschattungsgradText(const std::optional<double>& grad);

// Reading a period: "01.06.-31.08." into VonTag/BisTag, "12:00-16:00" into the steps. Dates
// must exist in the 365-day year, times lie on the ten-minute grid from 00:00 to 24:00 and the
// end time after the start time. Returns the German reason when the text is not valid.
std::optional<std::string> TageLesen(const std::string& text, TZeitraum& z);
std::optional<std::string> UhrzeitenLesen(const std::string& text, TZeitraum& z);

} // namespace umbrarix
