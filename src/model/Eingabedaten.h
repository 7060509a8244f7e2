#pragma once

#include <span>
#include <string>
#include <string_view>

namespace umbrarix {

// The scene parameters, one member per input field of the main window, named after it.
// Lengths in whole centimetres and angles in whole degrees unless noted; the facade frame is
// x out of the facade, y along it to the right seen from outside, z up.
struct TEingabedaten {
    // Overhang / awning
    double anz_Vordachbreite = 600;    // width along the facade, 15..700
    double anz_Vordachlaenge = 150;    // projection along its slope, back to front edge, 0..400
    double anz_VordachHoehe = 280;     // height of the back edge above ground, 0..350
    double anz_Abstand_Wand = 0;       // gap facade - back edge, 0..200
    double anz_Vordach_Neigung = 10;   // slope below horizontal, front edge lower if > 0, 0..90
    double anz_VolantHoehe = 20;       // valance height below the front edge, 0..200
    double anz_Vordachzentrierung = 0; // centre offset, positive = right, -300..300
    double anz_Durchgangshoehe = 0;    // clearance under the valance; shown only, never read

    // Window
    double anz_Fensterhoehe = 150;         // height in the wall plane, 15..350
    double anz_Fensterbreite = 400;        // width, 15..700
    double anz_Fensterabstand_Boden = 100; // sill height in the wall plane, 0..300
    double anz_Fensterneigung = 90;        // wall tilt, 90 = vertical, 0..120
    double anz_FensterZentrierung = 0;     // centre offset, -300..300

    // Terrace
    double anz_terrassenbreite = 400;    // width along the facade, 15..700
    double anz_terrassenlaenge = 200;    // depth away from the facade, 15..350
    double anz_terrassenabstand = 0;     // gap facade - near edge, 0..200
    double anz_terrassenzentrierung = 0; // centre offset, -300..300

    // Location and orientation
    double anz_Himmelsrichtung = 0;  // azimuth of the outward normal, 0 = south, 90 = east, 0..360
    std::string anz_ort = "Köln";    // catalogue name or "-Sonstiger Standort-"; display only
    double anz_Breitengrad = 50.5;   // latitude, degrees, north positive
    double anz_Laengengrad = -7.0;   // longitude, degrees, west positive, east negative
    double anz_Zeitzone = 1;         // hours ahead of Greenwich
    bool CheckBox_Sommerzeit = true; // one hour summer time on days 90..303

    // Left wall projection (fin in the plane y = -anz_ml_AbstandFenstermitte)
    double anz_ml_ausfall = 100;             // depth out from the inner edge, 15..350
    double anz_ml_hoehe = 300;               // height, 15..350
    double anz_ml_bodenabstand = 0;          // lower edge above ground, 0..300
    double anz_ml_wandabstand = 0;           // gap facade - inner edge, 0..300
    double anz_ml_AbstandFenstermitte = 325; // distance left of the centre line, -100..350

    // Right wall projection (fin in the plane y = +anz_mr_abstandFenstermitte)
    double anz_mr_Ausfall = 100;
    double anz_mr_hoehe = 300;
    double anz_mr_bodenabstand = 0;
    double anz_mr_wandabstand = 0;
    double anz_mr_abstandFenstermitte = 325;

    // Which elements cast shadow
    bool CheckBox_Ueberhang = true;
    bool CheckBox_Volant = true;
    bool CheckBox_MauerLinks = false;
    bool CheckBox_MauerRechts = false;

    // The instant
    int TrackBar_Datum = 172;  // day of the year, 1 = 1 January, 1..365 (172 = 21 June)
    int TrackBar_Uhrzeit = 72; // clock time in 10-minute steps, 0..143 (72 = 12:00)

    bool operator==(const TEingabedaten&) const = default;
};

// One integer spin field: where it sits, its caption, limits and default.
struct TSpinfeld {
    std::string_view Name;         // component name, e.g. "anz_Vordachbreite"
    std::string_view Seite;        // input page caption
    std::string_view Beschriftung; // label caption
    double Min, Max, Vorgabe;
    double TEingabedaten::*Wert;
};

// One decimal text field of the location page; clamped to Min..Max when taken over.
struct TDezimalfeld {
    std::string_view Name;
    std::string_view Beschriftung;
    double Min, Max;
    std::string_view Vorgabe; // text at start-up
    double TEingabedaten::*Wert;
};

// Every spin field in page order.
std::span<const TSpinfeld> Spinfelder();
// The latitude, longitude and time-zone fields.
std::span<const TDezimalfeld> Dezimalfelder();
// The spin field of that component name, or nullptr.
const TSpinfeld* SpinfeldMitNamen(std::string_view name);

} // namespace umbrarix
