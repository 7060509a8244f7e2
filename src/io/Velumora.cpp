#include "io/Velumora.h"

#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Zahlformat.h"
#include "model/Runden.h"

#include <vector>

namespace umbrarix {

namespace {

std::string Zahl(double wert) {
    return Festkomma(wert, 2, 4);
}

// World (x south, y east, z up) to export frame (X east, Y north, Z up).
std::string Weltecke(const TPunkt& p) {
    return Zahl(p.y) + " " + Zahl(-p.x) + " " + Zahl(p.z);
}

void Block(std::vector<std::string>& z, const char* name, const TPolygon& umriss) {
    z.emplace_back(name);
    z.emplace_back("4");
    for (int i = 0; i < 4; ++i) {
        z.emplace_back("# 0.0 0.0 0.0");
    }
    z.emplace_back("# 0.0 0.0 0.0 0.0 0.0");
    for (int k = 0; k < 4; ++k) {
        z.push_back(Weltecke(umriss[k]));
    }
}

} // namespace

std::string VelumoraDatei(const TSzene& s, bool terrasseAlsZiel) {
    const TEingabedaten& e = s.Eingaben;
    std::vector<std::string> z{"*VELUMORA-Datendatei", "*-------------------",
                               "*Erstellt mit:", "*Umbrarix"};
    z.push_back(std::to_string(2 + e.CheckBox_Ueberhang + e.CheckBox_Volant +
                               e.CheckBox_MauerLinks + e.CheckBox_MauerRechts));
    if (terrasseAlsZiel) {
        z.emplace_back("Terrasse");
        z.emplace_back("Target");
        z.emplace_back("4");
        for (int i = 0; i < 4; ++i) {
            z.emplace_back("# 0.0 0.0 0.0");
        }
        z.emplace_back("# 0.0 0.0 0.0 0.0 0.0");
        for (int k = 0; k < 4; ++k) {
            z.push_back(Weltecke(s.Terrasse.Polygon[k]));
        }
        Block(z, "Wand", s.Wand.Polygon);
    } else {
        // The window's own corners from the parameters, unrounded.
        const double B = e.anz_Fensterbreite, C = e.anz_FensterZentrierung;
        const double S = e.anz_Fensterabstand_Boden, F = e.anz_Fensterhoehe;
        const double ecken[4][2] = {
            {C - B / 2, S}, {C + B / 2, S}, {C + B / 2, S + F}, {C - B / 2, S + F}};
        z.emplace_back("Fenster");
        z.emplace_back("Target");
        z.emplace_back("4");
        for (const auto& u : ecken) {
            z.push_back("# " + Zahl(u[0]) + " 0.0 " + Zahl(u[1]));
        }
        // Compass direction of the outward normal, clockwise from north; tilt from vertical.
        const long h = static_cast<long>(Runden(e.anz_Himmelsrichtung));
        const long azimut = ((540 - h) % 360 + 360) % 360;
        const long neigung = 90 - static_cast<long>(Runden(e.anz_Fensterneigung));
        z.push_back("# " + std::to_string(azimut) + " " + std::to_string(neigung) + " 0 0 0");
        for (int k = 0; k < 4; ++k) {
            z.push_back(Weltecke(s.Fenster.Polygon[k]));
        }
        Block(z, "Boden", s.Boden.Polygon);
    }
    if (e.CheckBox_Ueberhang) {
        Block(z, "Ueberhang / Markise", s.Ueberhang.Polygon);
    }
    if (e.CheckBox_Volant) {
        Block(z, "Volant", s.Volant.Polygon);
    }
    if (e.CheckBox_MauerLinks) {
        Block(z, "Linke Mauer", s.MauerLinks.Polygon);
    }
    if (e.CheckBox_MauerRechts) {
        Block(z, "Rechte Mauer", s.MauerRechts.Polygon);
    }
    return NachCp1252(MitCrLf(z));
}

} // namespace umbrarix
