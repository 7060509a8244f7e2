#include "print/Sonneneintragsseite.h"

#include "io/Sonneneintragsdatei.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "print/Seitenrahmen.h"
#include "views/Sonneneintragsdiagramm.h"

#include <array>

namespace umbrarix {

using namespace druckseite;

void Sonneneintrag_Drucken(TSeitenflaeche& f, const TDruckdaten& d, const TSonneneintrag& e,
                           const QString& wetter, const TZeitraum& zeitraum) {
    TSeite s(f, d);
    s.Rahmen(QStringLiteral("Sonneneintrag, Seite 1 / 1"));
    const TSchrift fett{40, true};
    const QString ziel = e.Terrasse ? QStringLiteral("Terrasse") : QStringLiteral("Fenster");
    s.Text(s.L + 800, 240,
           QStringLiteral("Sonneneintrag %1: Sonnenenergie mit und ohne Sonnenschutz").arg(ziel),
           fett, TAusrichtung::Mitte);
    const QImage bild = Sonneneintragsdiagramm_Zeichnen(e);
    constexpr int Bildbreite = 1500;
    const int hoehe = Bildbreite * bild.height() / bild.width();
    int dd = 320;
    f.Bild(s.L + 50, s.Y(dd), Bildbreite, hoehe, bild);
    dd += hoehe + 60;

    s.Ueberschrift(dd, QStringLiteral("In kWh/m² (Wetterdaten: %1, Albedo %2):")
                           .arg(wetter, QString::fromStdString(Festkomma(e.Albedo, 2))));
    dd += 2 * Zeilenvorschub;
    // Two header lines ("Direkt" over "ohne"): the columns are too narrow for one in bold.
    constexpr int Spalte0 = 420, Spaltenabstand = 190;
    s.Text(s.L + 50, dd + Zeilenvorschub, QStringLiteral("Monat"), fett);
    for (size_t k = 0; k < SonneneintragsSpalten.size(); ++k) {
        const QString name = QString::fromUtf8(SonneneintragsSpalten[k]);
        const qsizetype blank = name.indexOf(QLatin1Char(' '));
        const int x = s.L + Spalte0 + static_cast<int>(k) * Spaltenabstand;
        s.Text(x, dd, blank < 0 ? name : name.left(blank), fett, TAusrichtung::Rechts);
        s.Text(x, dd + Zeilenvorschub, blank < 0 ? QString() : name.mid(blank + 1), fett,
               TAusrichtung::Rechts);
    }
    dd += Zeilenvorschub;
    const std::array<TEintrag, 12> monate = EintragJeMonat(e);
    for (int z = 0; z < 13; ++z) {
        dd += Zeilenvorschub;
        const TEintrag t = z < 12 ? monate[static_cast<size_t>(z)] : EintragImJahr(e);
        s.Text(s.L + 50, dd, z < 12 ? Q(Monatsname(z + 1)) : QStringLiteral("Jahr"),
               z < 12 ? TSchrift{} : fett);
        const std::array<double, 7> werte = SonneneintragsWerte(t);
        for (size_t k = 0; k < werte.size(); ++k) {
            s.Text(s.L + Spalte0 + static_cast<int>(k) * Spaltenabstand, dd,
                   QString::fromStdString(Festkomma(werte[k], 1)), z < 12 ? TSchrift{} : fett,
                   TAusrichtung::Rechts);
        }
    }
    // The lines below the table, as the text file has them.
    dd += Zeilenvorschub;
    for (const std::string& zeile : SonneneintragsZusammenfassung(e, zeitraum)) {
        dd += Zeilenvorschub;
        s.Text(s.L + 50, dd, Q(zeile));
    }
}

} // namespace umbrarix
