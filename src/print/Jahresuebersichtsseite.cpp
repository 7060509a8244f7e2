#include "print/Jahresuebersichtsseite.h"

#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "print/Seitenrahmen.h"
#include "views/Jahreskarte.h"

namespace umbrarix {

using namespace druckseite;

namespace {

// Height in 0.1 mm of an image printed breite wide, proportions kept.
int HoeheBei(int breite, const QImage& bild) {
    return bild.isNull() ? 0 : breite * bild.height() / bild.width();
}

} // namespace

QImage Jahreskarte(const TJahresraster& raster, bool terrasse, int tag, int schritt) {
    return Jahreskarte_Zeichnen(raster.Anteile(terrasse),
                                terrasse ? QStringLiteral("Terrasse") : QStringLiteral("Fenster"),
                                tag, schritt, raster.HinterUmgebung);
}

TJahresuebersichtsdruck Jahresuebersichtsdruck(const TJahresraster& raster, int tag, int schritt,
                                               const TZeitraum& zeitraum) {
    TJahresuebersichtsdruck j;
    j.Fenster = Jahreskarte(raster, false, tag, schritt);
    j.Terrasse = Jahreskarte(raster, true, tag, schritt);
    j.Stunden = SonnenstundenBerechnen(raster);
    j.Zeitraum = zeitraum;
    j.Grad = BeschattungsgradAusRaster(raster, zeitraum);
    return j;
}

void Jahresuebersicht_Drucken(TSeitenflaeche& f, const TDruckdaten& d,
                              const TJahresuebersichtsdruck& j) {
    TSeite s(f, d);
    s.Rahmen(QStringLiteral("Jahresübersicht, Seite 1 / 1"));
    const TSchrift fett{40, true};
    s.Text(s.L + 800, 240, QStringLiteral("Jahresübersicht: Verschattung und direkte Sonne"), fett,
           TAusrichtung::Mitte);
    constexpr int Bildbreite = 1100;
    int dd = 320;
    for (const auto& [titel, bild] :
         {std::pair{"Fenster:", &j.Fenster}, std::pair{"Terrasse:", &j.Terrasse}}) {
        s.Ueberschrift(dd, QString::fromUtf8(titel));
        f.Bild(s.L + 250, s.Y(dd + 50), Bildbreite, HoeheBei(Bildbreite, *bild), *bild);
        dd += 50 + HoeheBei(Bildbreite, *bild) + 40;
    }

    s.Ueberschrift(dd, QStringLiteral("Direkte Sonne (Stunden pro Tag), Mittelwerte:"));
    dd += 2 * Zeilenvorschub;
    const int spalten[] = {s.L + 650, s.L + 950, s.L + 1250, s.L + 1550};
    const char* koepfe[] = {"Fenster mit", "Fenster ohne", "Terrasse mit", "Terrasse ohne"};
    s.Text(s.L + 100, dd, QStringLiteral("Monat"), fett);
    for (int k = 0; k < 4; ++k) {
        s.Text(spalten[k], dd, QString::fromUtf8(koepfe[k]), fett, TAusrichtung::Rechts);
    }
    s.Text(s.L + 100, dd + Zeilenvorschub, QStringLiteral("(mit / ohne Sonnenschutz)"),
           {32, false, true});
    dd += 2 * Zeilenvorschub;
    const auto zeile = [&](const QString& name, const TSonnenstunden& h) {
        s.Text(s.L + 100, dd, name);
        const double werte[] = {h.FensterMit, h.FensterOhne, h.TerrasseMit, h.TerrasseOhne};
        for (int k = 0; k < 4; ++k) {
            s.Text(spalten[k], dd, Q(Festkomma(werte[k], 2)), {}, TAusrichtung::Rechts);
        }
        dd += Zeilenvorschub;
    };
    for (int m = 1; m <= 12; ++m) {
        zeile(Q(Monatsname(m)), j.Stunden.Monate[static_cast<size_t>(m - 1)]);
    }
    zeile(QStringLiteral("Jahr"), j.Stunden.Jahr);

    dd += Zeilenvorschub;
    s.Text(s.L + 100, dd, Q("Zeitraum: " + ZeitraumText(j.Zeitraum)));
    s.Text(s.L + 100, dd + Zeilenvorschub,
           Q("Beschattungsgrad Fenster: " + BeschattungsgradText(j.Grad.Fenster)));
    s.Text(s.L + 100, dd + 2 * Zeilenvorschub,
           Q("Beschattungsgrad Terrasse: " + BeschattungsgradText(j.Grad.Terrasse)));
}

} // namespace umbrarix
