#pragma once

// Weather files written from their documented layouts, for the readers, the batch program and
// the window: an EPW file (EnergyPlus's data dictionary: eight header lines, 35 fields a line,
// radiation in fields 14 to 16) and the two editions of the German weather service's test
// reference years (a header, the column names, "***", whitespace-separated columns).

#include <array>
#include <functional>
#include <string>

namespace umbrarix::testhilfen {

// Radiation of hour 1..24 of month/day: global, direct, diffuse.
struct TTestwetter {
    double Global, Direkt, Diffus;
};
using TWetterquelle = std::function<TTestwetter(int monat, int tag, int stunde)>;

inline constexpr std::array<int, 12> TestMonatstage{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline std::string Zahl(double w) {
    std::string s = std::to_string(w);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') {
        s.pop_back();
    }
    return s;
}

// Every hour of the year, with 29 February in a leap year.
inline void JedeStunde(bool schaltjahr, const std::function<void(int, int, int)>& f) {
    for (int m = 1; m <= 12; ++m) {
        const int tage = TestMonatstage[static_cast<size_t>(m - 1)] + (schaltjahr && m == 2);
        for (int d = 1; d <= tage; ++d) {
            for (int h = 1; h <= 24; ++h) {
                f(m, d, h);
            }
        }
    }
}

// LF line ends, or CR LF as files from Windows have them.
inline std::string EpwDatei(const TWetterquelle& q, bool schaltjahr = false,
                            const std::string& ort = "LOCATION,Muenchen,BY,DEU,Test,108660,"
                                                     "48.14,11.58,1.0,520.0",
                            const char* ende = "\r\n") {
    std::string t = ort + ende;
    for (const char* kopf :
         {"DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
          "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,written by a test",
          "COMMENTS 2,constant radiation", "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"}) {
        t += std::string(kopf) + ende;
    }
    JedeStunde(schaltjahr, [&](int m, int d, int h) {
        const TTestwetter w = q(m, d, h);
        t += "2005," + std::to_string(m) + "," + std::to_string(d) + "," + std::to_string(h) +
             ",60,?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9*9*9?9?9?9,12.3,4.5,67,95000,1000,1367,"
             "300," +
             Zahl(w.Global) + "," + Zahl(w.Direkt) + "," + Zahl(w.Diffus) +
             ",9999,9999,9999,999,180,2.5,5,5,20.0,77777,9,999999999,10,0.1,0,88,0.2,0,1" + ende;
    });
    return t;
}

// The 2017 edition (files TRY2015_*/TRY2045_*): place as Rechtswert/Hochwert, 17 columns.
inline std::string Try2017Datei(const TWetterquelle& q, double rechtswert = 4012500,
                                double hochwert = 3010500) {
    std::string t = "Koordinatensystem : Lambert konform konisch\n"
                    "Rechtswert        : " +
                    Zahl(rechtswert) + " Meter\nHochwert          : " + Zahl(hochwert) +
                    " Meter\n"
                    "Hoehenlage        : 39 Meter ueber NN\n"
                    "Erstellung des Datensatzes im Mai 2016\n\n"
                    "Art des TRY       : mittleres Jahr\n"
                    "Bezugszeitraum    : 1995-2012\n"
                    "Datenbasis        : Beobachtungsdaten Zeitraum 1995-2012\n\n"
                    "Reihenfolge der Parameter:\n"
                    "B  Direkte Sonnenbestrahlungsstaerke (horiz. Ebene) [W/m^2]\n"
                    "D  Diffuse Sonnenbestrahlungsstaerke (horiz. Ebene) [W/m^2]\n\n\n"
                    "     RW      HW MM DD HH     t    p  WR   WG N    x  RF    B    D   A    E "
                    "IL\n*** \n";
    JedeStunde(false, [&](int m, int d, int h) {
        const TTestwetter w = q(m, d, h);
        t += "4012500 3010500 " + std::to_string(m) + " " + std::to_string(d) + " " +
             std::to_string(h) + "  -5.7 1021 280  1.8 4  2.4  97 " + Zahl(w.Direkt) + " " +
             Zahl(w.Diffus) + " 215 -296  1\n";
    });
    return t;
}

// The 2011 edition (files TRY2010_*): the station's place in degrees and minutes, 19 columns.
inline std::string Try2011Datei(const TWetterquelle& q) {
    std::string t = "TRY02   Ostseekueste (Klimaregion  2)\n"
                    "Station: Rostock   WMO-Nummer: 10170\n"
                    "Lage: 54\xB0"
                    "11'N <- B.  12\xB0"
                    "05'O <- L.     4 Meter \xFC"
                    "ber NN\n"
                    "Art des TRY    : mittleres Jahr\n\n"
                    "RG    IS  MM  DD  HH  N   WR      WG       t       p        x   RF   W     B "
                    "    D IK    A      E IL\n***\n";
    JedeStunde(false, [&](int m, int d, int h) {
        const TTestwetter w = q(m, d, h);
        t += " 2     1  " + std::to_string(m) + "  " + std::to_string(d) + "  " +
             std::to_string(h) + "  8  280     6.6     1.0   1013.0     3.5   92  70  " +
             Zahl(w.Direkt) + "  " + Zahl(w.Diffus) + " 1   283   -315  9\n";
    });
    return t;
}

} // namespace umbrarix::testhilfen
