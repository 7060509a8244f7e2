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
    // Two header lines: the columns are too narrow for "Direkt ohne" in bold on one.
    const char* koepfe[] = {"Direkt", "Direkt", "Diffus", "Diffus", "Reflex", "Gesamt", "Gesamt"};
    const char* zusaetze[] = {"mit", "ohne", "mit", "ohne", "", "mit", "ohne"};
    constexpr int Spalte0 = 420, Spaltenabstand = 190;
    s.Text(s.L + 50, dd + Zeilenvorschub, QStringLiteral("Monat"), fett);
    for (int k = 0; k < 7; ++k) {
        s.Text(s.L + Spalte0 + k * Spaltenabstand, dd, QString::fromUtf8(koepfe[k]), fett,
               TAusrichtung::Rechts);
        s.Text(s.L + Spalte0 + k * Spaltenabstand, dd + Zeilenvorschub,
               QString::fromUtf8(zusaetze[k]), fett, TAusrichtung::Rechts);
    }
    dd += Zeilenvorschub;
    const std::array<TEintrag, 12> monate = EintragJeMonat(e);
    for (int z = 0; z < 13; ++z) {
        dd += Zeilenvorschub;
        const TEintrag t = z < 12 ? monate[static_cast<size_t>(z)] : EintragImJahr(e);
        s.Text(s.L + 50, dd, z < 12 ? Q(Monatsname(z + 1)) : QStringLiteral("Jahr"),
               z < 12 ? TSchrift{} : fett);
        const double werte[] = {t.DirektMit, t.DirektOhne,  t.DiffusMit,   t.DiffusOhne,
                                t.Reflex,    t.GesamtMit(), t.GesamtOhne()};
        for (int k = 0; k < 7; ++k) {
            s.Text(s.L + Spalte0 + k * Spaltenabstand, dd,
                   QString::fromStdString(Festkomma(werte[k] / 1000, 1)),
                   z < 12 ? TSchrift{} : fett, TAusrichtung::Rechts);
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
