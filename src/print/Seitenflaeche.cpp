#include "print/Seitenflaeche.h"

#include "model/Kalender.h"

#include <QDate>

namespace umbrarix {

TTextbereich Textbereich(double breiteMm, double hoeheMm) {
    TTextbereich t;
    // The margin of the printable area is taken as a distance either way, so that wide
    // printable areas (beyond 260 mm) start the text at their left edge.
    const int rand = (2100 - 10 * static_cast<int>(breiteMm)) / 2;
    t.L = 250 - (rand < 0 ? -rand : rand);
    if (t.L < 0) {
        t.L = 0;
    }
    // Floored like the left edge, so that a landscape page keeps its title on the sheet.
    t.T = 250 - (2970 - 10 * static_cast<int>(hoeheMm)) / 2;
    if (t.T < 0) {
        t.T = 0;
    }
    return t;
}

QString DatumLang(int jahr, int monat, int tag) {
    static const char* const Wochentage[] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                             "Freitag", "Samstag",  "Sonntag"};
    const QDate d(jahr, monat, tag);
    if (!d.isValid()) {
        return {};
    }
    return QStringLiteral("%1, %2. %3 %4")
        .arg(QString::fromUtf8(Wochentage[d.dayOfWeek() - 1]))
        .arg(tag, 2, 10, QChar(u'0'))
        .arg(QString::fromUtf8(Monatsname(monat)))
        .arg(jahr);
}

} // namespace umbrarix
