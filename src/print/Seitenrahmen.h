#pragma once

// The common elements of every printed page (title, version, rules, date footer, page label)
// and the conversion of distances below the top of the text area into page coordinates.

#include "print/Druckseiten.h"

#include <string_view>

// Kept in their own namespace: short names for the page files only.
namespace umbrarix::druckseite {

inline constexpr int Breite = 1600;       // text area, 0.1 mm
inline constexpr int Zeilenvorschub = 40; // one line of 4 mm

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// One page of the job: converts distances d below the top of the text area into page
// coordinates and prints the common page elements.
class TSeite {
public:
    TSeite(TSeitenflaeche& f, const TDruckdaten& daten) : f_(f), daten_(daten) {
        const QSizeF mm = f.DruckbereichMm();
        const TTextbereich t = Textbereich(mm.width(), mm.height());
        L = t.L;
        T = t.T;
    }

    int Y(int d) const { return -T - d; }

    void Text(int x, int d, const QString& text, TSchrift schrift = {},
              TAusrichtung a = TAusrichtung::Links) {
        f_.Text(x, Y(d), text, schrift, a);
    }

    void Rahmen(const QString& seitenbeschriftung) {
        Text(L + 800, 0, QStringLiteral("Umbrarix"), {80, true, true}, TAusrichtung::Mitte);
        Text(L + 800, 120, QStringLiteral("(Version 2005 / 02)"), {40, false, true},
             TAusrichtung::Mitte);
        f_.Linie(L, Y(200), L + Breite, Y(200));
        f_.Linie(L, Y(2430), L + Breite, Y(2430));
        Text(L, 2440, daten_.Heute, {40, false, true});
        Text(L + Breite, 2440, seitenbeschriftung, {40, false, true}, TAusrichtung::Rechts);
    }

    void Ueberschrift(int d, const QString& text) { Text(L, d, text, {40, true, false, true}); }

    TSeitenflaeche& f_;
    const TDruckdaten& daten_;
    int L = 0, T = 0;
    int d = 240;
};

} // namespace umbrarix::druckseite
