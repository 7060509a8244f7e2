#include "print/Druckseiten.h"

#include "io/Abschnitte.h"
#include "model/Runden.h"
#include "print/Seitenrahmen.h"

#include <cmath>

namespace umbrarix {

using namespace druckseite;

namespace {

QString Feld(const TDruckdaten& d, std::string_view name) {
    const auto it = d.Projekt.Felder.find(std::string(name));
    return it == d.Projekt.Felder.end() ? QString() : Q(it->second);
}

// A section: a line, the heading, an empty line, then one row a line.
void Abschnitt(TSeite& s, const TAbschnitt& a) {
    s.d += Zeilenvorschub;
    s.Ueberschrift(s.d, Q(a.Ueberschrift));
    s.d += 2 * Zeilenvorschub;
    for (const TFeldzeile& z : a.Zeilen) {
        s.Text(s.L + 100, s.d, Q(z.Label));
        s.Text(s.L + 800, s.d, Feld(s.daten_, z.Feld) + Q(z.Einheit));
        s.d += Zeilenvorschub;
    }
}

constexpr TFeldzeile Standortzeilen[] = {
    {"Ort:", "anz_ort", ""},
    {"Breitengrad:", "anz_Breitengrad", " ° (Nordhalbkugel positiv)"},
    {"Längengrad:", "anz_Laengengrad", " ° (Westlich von 0° positiv)"},
    {"Zeitzone:", "anz_Zeitzone", ""},
    {"Himmelsrichtung:", "anz_Himmelsrichtung", " ° (S = 0°; N = 180°; O = 90°; W = 270°)"}};
constexpr TAbschnitt AbschnittStandort{"Standort:", "", Standortzeilen};

// The image's box height for a given width, truncated to whole units.
int HoeheFuer(int breite, const QImage& b) {
    return b.width() > 0 ? static_cast<int>(static_cast<long long>(breite) * b.height() / b.width())
                         : 0;
}
int BreiteFuer(int hoehe, const QImage& b) {
    return b.height() > 0 ? static_cast<int>(static_cast<long long>(hoehe) * b.width() / b.height())
                          : 0;
}

void Ansichtsseite(TSeite& s, const char* ersteUeberschrift, const QImage& erstes,
                   const char* zweiteUeberschrift, const QImage& zweites,
                   const QString& beschriftung) {
    s.Rahmen(beschriftung);
    const TDruckdaten& d = s.daten_;
    const TSchrift fett{40, true};
    s.Text(s.L + 800, 280, d.Datum, fett, TAusrichtung::Mitte);
    s.Text(s.L + 800, 340, d.Uhrzeit, fett, TAusrichtung::Mitte);
    s.Text(s.L + 800, 400, d.AnteilFenster, fett, TAusrichtung::Mitte);
    s.Text(s.L + 800, 460, d.AnteilTerrasse, fett, TAusrichtung::Mitte);
    s.Ueberschrift(580, QString::fromUtf8(ersteUeberschrift));
    const int H = HoeheFuer(1400, erstes);
    s.f_.Bild(s.L + 100, s.Y(660), 1400, H, erstes);
    const int zweite = 660 + H + 80;
    s.Ueberschrift(zweite, QString::fromUtf8(zweiteUeberschrift));
    s.f_.Bild(s.L + 100, s.Y(zweite + 80), 1400, HoeheFuer(1400, zweites), zweites);
}

// Whether the data sheet needs its second page (an overhang or a wall projection to list).
bool DatenblattZweiseitig(const TProjektdaten& p) {
    return p.Ueberhang || p.MauerLinks || p.MauerRechts;
}

} // namespace

int Datenblatt_Drucken(TSeitenflaeche& f, const TDruckdaten& daten) {
    const TProjektdaten& p = daten.Projekt;
    const bool zweiseitig = DatenblattZweiseitig(p);
    TSeite s(f, daten);
    s.Rahmen(zweiseitig ? QStringLiteral("Datenblatt, Seite 1 / 2")
                        : QStringLiteral("Datenblatt, Seite 1 / 1"));
    if (!p.Beschreibung.empty()) {
        s.d += Zeilenvorschub;
        s.Ueberschrift(s.d, QStringLiteral("Projektbeschreibung:"));
        s.d += Zeilenvorschub;
        for (const std::string& zeile : p.Beschreibung) {
            s.d += Zeilenvorschub;
            s.Text(s.L + 100, s.d, Q(zeile));
        }
        s.d += Zeilenvorschub;
    }
    Abschnitt(s, AbschnittStandort);
    s.Text(s.L + 100, s.d, QStringLiteral("Sommerzeit:"));
    s.Text(s.L + 800, s.d,
           p.Sommerzeit ? QStringLiteral("31. März bis 30. Oktober")
                        : QStringLiteral("- wird nicht berücksichtigt -"));
    s.d += Zeilenvorschub;
    Abschnitt(s, AbschnittFenster);
    Abschnitt(s, AbschnittTerrasse);
    if (zweiseitig) {
        f.NeueSeite();
        s.Rahmen(QStringLiteral("Datenblatt, Seite 2 / 2"));
        s.d = 240;
        if (p.Ueberhang) {
            Abschnitt(s, AbschnittUeberhang);
        }
        if (p.MauerLinks) {
            Abschnitt(s, AbschnittMauerLinks);
        }
        if (p.MauerRechts) {
            Abschnitt(s, AbschnittMauerRechts);
        }
    }
    // The contact person stands against the bottom of the text area, whatever came before.
    const int n = static_cast<int>(daten.Ansprechpartner.size());
    if (n >= 1) {
        s.Ueberschrift(2310 - 40 * n, QStringLiteral("Ihr Ansprechpartner:"));
        for (int i = 0; i < n; ++i) {
            s.Text(s.L + 100, 2390 - 40 * n + 40 * i,
                   Q(daten.Ansprechpartner[static_cast<std::size_t>(i)]));
        }
    }
    return zweiseitig ? 2 : 1;
}

void Grafikseiten_Drucken(TSeitenflaeche& f, const TDruckdaten& d) {
    TSeite s(f, d);
    Ansichtsseite(s, "3D - Ansicht:", d.Ansicht3D, "Seitenansicht:", d.Seitenansicht,
                  QStringLiteral("Ausgabe, Seite 1 / 3"));
    f.NeueSeite();
    Ansichtsseite(s, "Ansicht Fenster:", d.Frontansicht, "Ansicht Terrasse:", d.Horizontalschnitt,
                  QStringLiteral("Ausgabe, Seite 2 / 3"));
    f.NeueSeite();
    s.Rahmen(QStringLiteral("Ausgabe, Seite 3 / 3"));
    const struct {
        const char* ueberschrift;
        const QImage* bild;
        const QString* lauf;
    } bloecke[] = {
        {"Tagessimulation - Verschattung Fenster (in %):", &d.TagFenster, &d.Simulationsdatum},
        {"Tagessimulation - Verschattung Terrasse (in %):", &d.TagTerrasse, &d.Simulationsdatum},
        {"Jahressimulation - Verschattung Fenster (in %):", &d.JahrFenster, &d.SimulationsUhrzeit},
        {"Jahressimulation - Verschattung Terrasse (in %):", &d.JahrTerrasse,
         &d.SimulationsUhrzeit}};
    const struct {
        TFarbe fuellung;
        const char* text;
        TFarbe schrift;
    } legende[] = {{0xFFFFFF, "besonnt", 0x000000},
                   {0xC0C0C0, "beschattet", 0x000000},
                   {0x808080, "Sonne nicht sichtbar", 0xFFFFFF},
                   {0x494949, "Nacht", 0xFFFFFF}};
    int dd = 240;
    for (const auto& b : bloecke) {
        s.Ueberschrift(dd + 40, QString::fromUtf8(b.ueberschrift));
        const int t = dd + 80;
        f.Bild(s.L + 100, s.Y(t), BreiteFuer(400, *b.bild), 400, *b.bild);
        s.Text(s.L + 900, t + 40, *b.lauf);
        for (int i = 0; i < 4; ++i) {
            const int oben = t + 150 + 40 * i;
            f.Kasten(s.L + 900, s.Y(oben), s.L + 1150, s.Y(oben + 30), legende[i].fuellung);
            s.Text(s.L + 1025, oben + 3, QString::fromUtf8(legende[i].text),
                   {23, false, false, false, legende[i].schrift}, TAusrichtung::Mitte);
        }
        dd = t + 440;
    }
}

QRect Schirmbildrechteck(QSize seite, QSize bild) {
    if (bild.isEmpty()) {
        return {};
    }
    if (seite.width() < seite.height()) {
        const int h = RundenGanz(static_cast<double>(seite.width()) * bild.height() / bild.width());
        return QRect(0, 0, seite.width(), h);
    }
    const int w = RundenGanz(static_cast<double>(seite.height()) * bild.width() / bild.height());
    return QRect(0, 0, w, seite.height());
}

} // namespace umbrarix
