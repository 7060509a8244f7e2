#include "model/Eingabedaten.h"

#include <array>

namespace umbrarix {

namespace {

using E = TEingabedaten;

constexpr std::string_view SeiteUeberhang = "Überhang / Markise";
constexpr std::string_view SeiteFenster = "Fenster";
constexpr std::string_view SeiteTerrasse = "Terrasse";
constexpr std::string_view SeiteStandort = "Standort";
constexpr std::string_view SeiteLinks = "Mauervorsprung links";
constexpr std::string_view SeiteRechts = "Mauervorsprung rechts";

const std::array<TSpinfeld, 27> SpinfeldTabelle{{
    {"anz_Vordachbreite", SeiteUeberhang, "Breite:", 15, 700, 600, &E::anz_Vordachbreite},
    {"anz_Vordachlaenge", SeiteUeberhang, "Ausfall:", 0, 400, 150, &E::anz_Vordachlaenge},
    {"anz_VordachHoehe", SeiteUeberhang, "Abstand vom Boden", 0, 350, 280, &E::anz_VordachHoehe},
    {"anz_Abstand_Wand", SeiteUeberhang, "Abstand von der Fassade:", 0, 200, 0,
     &E::anz_Abstand_Wand},
    {"anz_Vordach_Neigung", SeiteUeberhang, "Neigung:", 0, 90, 10, &E::anz_Vordach_Neigung},
    {"anz_VolantHoehe", SeiteUeberhang, "Höhe des Volants:", 0, 200, 20, &E::anz_VolantHoehe},
    {"anz_Vordachzentrierung", SeiteUeberhang, "Abweichung von der Mitte:", -300, 300, 0,
     &E::anz_Vordachzentrierung},
    {"anz_Fensterhoehe", SeiteFenster, "Höhe:", 15, 350, 150, &E::anz_Fensterhoehe},
    {"anz_Fensterbreite", SeiteFenster, "Breite:", 15, 700, 400, &E::anz_Fensterbreite},
    {"anz_Fensterabstand_Boden", SeiteFenster, "Brüstung:", 0, 300, 100,
     &E::anz_Fensterabstand_Boden},
    {"anz_Fensterneigung", SeiteFenster, "Neigung:", 0, 120, 90, &E::anz_Fensterneigung},
    {"anz_FensterZentrierung", SeiteFenster, "Abweichung von der Mitte:", -300, 300, 0,
     &E::anz_FensterZentrierung},
    {"anz_terrassenbreite", SeiteTerrasse, "Breite:", 15, 700, 400, &E::anz_terrassenbreite},
    {"anz_terrassenlaenge", SeiteTerrasse, "Länge:", 15, 350, 200, &E::anz_terrassenlaenge},
    {"anz_terrassenabstand", SeiteTerrasse, "Abstand von Hauswand", 0, 200, 0,
     &E::anz_terrassenabstand},
    {"anz_terrassenzentrierung", SeiteTerrasse, "Abweichung von der Mitte:", -300, 300, 0,
     &E::anz_terrassenzentrierung},
    {"anz_Himmelsrichtung", SeiteStandort, "Himmelsrichtung:", 0, 360, 0, &E::anz_Himmelsrichtung},
    {"anz_ml_ausfall", SeiteLinks, "Ausfall:", 15, 350, 100, &E::anz_ml_ausfall},
    {"anz_ml_hoehe", SeiteLinks, "Höhe:", 15, 350, 300, &E::anz_ml_hoehe},
    {"anz_ml_bodenabstand", SeiteLinks, "Abstand vom Boden", 0, 300, 0, &E::anz_ml_bodenabstand},
    {"anz_ml_wandabstand", SeiteLinks, "Abstand von der Fassade:", 0, 300, 0,
     &E::anz_ml_wandabstand},
    {"anz_ml_AbstandFenstermitte", SeiteLinks, "Abstand von der Mitte:", -100, 350, 325,
     &E::anz_ml_AbstandFenstermitte},
    {"anz_mr_Ausfall", SeiteRechts, "Ausfall:", 15, 350, 100, &E::anz_mr_Ausfall},
    {"anz_mr_hoehe", SeiteRechts, "Höhe:", 15, 350, 300, &E::anz_mr_hoehe},
    {"anz_mr_bodenabstand", SeiteRechts, "Abstand vom Boden", 0, 300, 0, &E::anz_mr_bodenabstand},
    {"anz_mr_wandabstand", SeiteRechts, "Abstand von der Fassade:", 0, 300, 0,
     &E::anz_mr_wandabstand},
    {"anz_mr_abstandFenstermitte", SeiteRechts, "Abstand von der Mitte:", -100, 350, 325,
     &E::anz_mr_abstandFenstermitte},
}};

const std::array<TDezimalfeld, 3> DezimalfeldTabelle{{
    {"anz_Breitengrad", "Breitengrad:", -90, 90, "50.5", &E::anz_Breitengrad},
    {"anz_Laengengrad", "Längengrad:", -180, 180, "-7.0", &E::anz_Laengengrad},
    {"anz_Zeitzone", "Zeitzone", -24, 24, "1", &E::anz_Zeitzone},
}};

} // namespace

std::span<const TSpinfeld> Spinfelder() {
    return SpinfeldTabelle;
}

std::span<const TDezimalfeld> Dezimalfelder() {
    return DezimalfeldTabelle;
}

const TSpinfeld* SpinfeldMitNamen(std::string_view name) {
    for (const TSpinfeld& f : SpinfeldTabelle) {
        if (f.Name == name) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace umbrarix
