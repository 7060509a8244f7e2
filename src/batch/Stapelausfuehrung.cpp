#include "batch/Stapelausfuehrung.h"

#include "batch/Stapelmeldung.h"

#include "io/Cp1252.h"
#include "io/CsvTabelle.h"
#include "io/Dateizugriff.h"
#include "io/Dimensionierungsdatei.h"
#include "io/Horizontdatei.h"
#include "io/Maskendatei.h"
#include "io/Projektuebernahme.h"
#include "io/Sonneneintragsdatei.h"
#include "io/Sonnenstundendatei.h"
#include "io/Velumora.h"
#include "io/Verschattungstabelle.h"
#include "io/Wetterdatei.h"
#include "model/Kalender.h"
#include "print/Druckauftrag.h"
#include "print/Jahresuebersichtsseite.h"
#include "print/Seitenflaeche_Qt.h"
#include "shadow/Ergebnistext.h"
#include "shadow/Simulieren.h"
#include "simulation/Diagramme.h"
#include "simulation/Volllauf.h"
#include "views/Ansicht3D.h"
#include "views/Frontansicht.h"
#include "views/Horizontalschnitt.h"
#include "views/Kompass.h"
#include "views/Person.h"
#include "views/Pngdatei.h"
#include "views/Seitenansicht.h"
#include "views/Sonnenbahnen.h"
#include "views/Vorlagen.h"

#include <QDate>
#include <QPrinter>

namespace umbrarix {

namespace {

// The project as the window shows it after opening it, and the instant evaluated.
struct TStapelszene {
    TProjektdaten Texte;
    TSzene Szene;
    TPunkt Sonne;
};

// Lines of a text file (contact person, description): Windows-1252, or UTF-8 as an editor
// saves it.
std::optional<std::vector<std::string>> Textzeilen(const std::string& pfad, std::ostream& fehler) {
    const TDateiinhalt d = DateiLesen(pfad);
    if (!d.Gelesen) {
        fehler << Dateimeldung(d.Fehler, pfad);
        return std::nullopt;
    }
    return Zeilen(AusDateitext(d.Bytes));
}

bool Schreiben(const TStapelauftrag& a, const std::string& bytes, std::ostream& aus,
               std::ostream& fehler) {
    if (a.Ausgabe == "-") {
        aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        aus.flush();
        if (!aus) {
            fehler << "umbrarix-batch: Die Standardausgabe kann nicht geschrieben werden.\n";
            return false;
        }
        return true;
    }
    if (const std::optional<std::string> f = DateiSchreiben(a.Ausgabe, bytes)) {
        fehler << Dateimeldung(*f, a.Ausgabe);
        return false;
    }
    return true;
}

// The four views of the instant, as the window draws them (default 3D angles, the person at
// its start position).
struct TAnsichten {
    QImage Ansicht3D, Seite, Front, Draufsicht;
};

TAnsichten AnsichtenZeichnen(const TStapelszene& s) {
    const TFarbset& farben = s.Texte.Farben; // the colours the project file states
    const QImage vorlage = Vorlage_Ansicht();
    return {Ansicht3D_Zeichnen(s.Szene, farben, T3DBlick{}),
            Seitenansicht_Zeichnen(s.Szene, farben, vorlage, s.Sonne, PersonStartLinks).Bild,
            Frontansicht_Zeichnen(s.Szene, farben, vorlage).Bild,
            Horizontalschnitt_Zeichnen(s.Szene, farben, vorlage).Bild};
}

int Ansicht(const TStapelauftrag& a, TStapelszene& s, std::ostream& aus, std::ostream& fehler) {
    QImage bild;
    const TEingabedaten& e = s.Szene.Eingaben;
    if (a.Ansichtsname == "kompass") {
        bild = ZeichneKompass(e.anz_Himmelsrichtung, e.anz_Breitengrad, a.Tag, s.Texte.Farben,
                              Vorlage_Kompass())
                   .Bild;
    } else if (a.Ansichtsname == "tagesdiagramm" || a.Ansichtsname == "jahresdiagramm") {
        QImage fenster, terrasse;
        if (a.Ansichtsname == "tagesdiagramm") {
            Tageslauf(s.Szene, a.Tag, Vorlage_Tagesdiagramm(), fenster, terrasse);
        } else {
            Jahreslauf(s.Szene, a.Zeitposition, Vorlage_Jahresdiagramm(), fenster, terrasse);
        }
        bild = a.Terrasse ? terrasse : fenster;
    } else {
        const TAnsichten v = AnsichtenZeichnen(s);
        bild = a.Ansichtsname == "3d"        ? v.Ansicht3D
               : a.Ansichtsname == "seite"   ? v.Seite
               : a.Ansichtsname == "fenster" ? v.Front
                                             : v.Draufsicht;
    }
    return Schreiben(a, PngDatei(bild), aus, fehler) ? 0 : 1;
}

// The year's grid of the scene, evaluated on copies; without a progress callback nothing can
// cancel the run.
TJahresraster Raster(const TStapelszene& s) {
    return *JahresrasterBerechnen(s.Szene);
}

int Sonnenbahnen(const TStapelauftrag& a, const TStapelszene& s, std::ostream& aus,
                 std::ostream& fehler) {
    const std::optional<THimmelsmaske> m = HimmelsmaskeBerechnen(s.Szene);
    return Schreiben(
               a, PngDatei(Sonnenbahnen_Zeichnen(s.Szene, *m, a.Terrasse, a.Tag, a.Zeitposition)),
               aus, fehler)
               ? 0
               : 1;
}

int Maske(const TStapelauftrag& a, const TStapelszene& s, std::ostream& aus, std::ostream& fehler) {
    const std::optional<THimmelsmaske> m = HimmelsmaskeBerechnen(s.Szene, a.Maskenschritt);
    return Schreiben(a, MaskenCsv(*m), aus, fehler) ? 0 : 1;
}

int Jahresuebersicht(const TStapelauftrag& a, const TStapelszene& s, std::ostream& aus,
                     std::ostream& fehler) {
    const TJahresraster r = Raster(s);
    return Schreiben(a, PngDatei(Jahreskarte(r, a.Terrasse, a.Tag, a.Zeitposition)), aus, fehler)
               ? 0
               : 1;
}

int Sonnenstunden(const TStapelauftrag& a, const TStapelszene& s, std::ostream& aus,
                  std::ostream& fehler) {
    const TJahresraster r = Raster(s);
    const TSonnenstundenUebersicht u = SonnenstundenBerechnen(r);
    const std::string datei = a.Csv ? SonnenstundenCsv(u)
                                    : Sonnenstundendatei(s.Texte, u, a.Zeitraum,
                                                         BeschattungsgradAusRaster(r, a.Zeitraum));
    return Schreiben(a, datei, aus, fehler) ? 0 : 1;
}

int Sonneneintrag(const TStapelauftrag& a, const TStapelszene& s, const TWetterjahr& wetter,
                  std::ostream& aus, std::ostream& fehler) {
    const TSonneneintrag e = *SonneneintragBerechnen(s.Szene, wetter, a.Terrasse, a.Albedo);
    if (!e.Ortshinweis.empty()) {
        fehler << "umbrarix-batch: " << e.Ortshinweis << "\n";
    }
    const std::string name = a.Wetter.substr(a.Wetter.find_last_of('/') + 1);
    const std::string datei =
        a.Csv ? SonneneintragsCsv(e) : Sonneneintragsdatei(s.Texte, e, name, a.Zeitraum);
    return Schreiben(a, datei, aus, fehler) ? 0 : 1;
}

// The candidates' table; with --projekt also the project file of the proposal (or of the best
// candidate when none reaches the requirement).
int Dimensionieren(const TStapelauftrag& a, const TStapelszene& s, std::ostream& aus,
                   std::ostream& fehler) {
    const TDimensionierung d = *Dimensionieren(s.Szene, a.Frage);
    // The table first: the proposal's project is written only when its table was.
    if (!Schreiben(a, Dimensionierungsdatei(s.Texte, a.Frage, d), aus, fehler)) {
        return 1;
    }
    if (!a.NeuesProjekt.empty() && d.Vorschlag >= 0) {
        const TProjektdaten neu =
            KandidatenProjekt(s.Texte, d.Kandidaten[static_cast<size_t>(d.Vorschlag)]);
        if (const std::optional<std::string> f =
                DateiSchreiben(a.NeuesProjekt, ProjektdateiSchreiben(neu))) {
            fehler << Dateimeldung(*f, a.NeuesProjekt);
            return 1;
        }
    }
    return 0;
}

int Drucken(const TStapelauftrag& a, TStapelszene& s, std::ostream& fehler) {
    TDruckdaten d;
    d.Projekt = s.Texte;
    if (!a.Beschreibungsdatei.empty()) {
        const auto zeilen = Textzeilen(a.Beschreibungsdatei, fehler);
        if (!zeilen) {
            return 1;
        }
        d.Projekt.Beschreibung = *zeilen;
    }
    if (!a.Ansprechpartnerdatei.empty()) {
        const auto zeilen = Textzeilen(a.Ansprechpartnerdatei, fehler);
        if (!zeilen) {
            return 1;
        }
        d.Ansprechpartner = *zeilen;
    }
    const auto labels = [&] {
        d.Datum = QString::fromStdString(DatumText(a.Tag));
        d.Uhrzeit = QString::fromStdString(UhrzeitText(a.Zeitposition));
        d.AnteilFenster = QString::fromStdString(
            Ergebnistext(s.Szene.Fenster.Verschattungsanteil, false, s.Szene.IstHinterUmgebung));
        d.AnteilTerrasse = QString::fromStdString(
            Ergebnistext(s.Szene.Terrasse.Verschattungsanteil, true, s.Szene.IstHinterUmgebung));
    };
    labels();
    const QDate heute = QDate::currentDate();
    d.Heute = DatumLang(heute.year(), heute.month(), heute.day());

    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Umbrarix"));
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    // The name's own bytes: a name that is not valid UTF-8 must not turn into another file.
    TQtSeitenflaeche seite(drucker, a.Ausgabe);
    if (!seite.Aktiv()) {
        fehler << Dateimeldung(seite.Fehler().toStdString(), a.Ausgabe);
        return 1;
    }
    if (a.MitJahresuebersicht) {
        // The dialog's default period.
        Jahresuebersicht_Drucken(
            seite, d, Jahresuebersichtsdruck(Raster(s), a.Tag, a.Zeitposition, TZeitraum{}));
    }
    Druckauftrag_Drucken(
        seite, a.MitDatenblatt, a.MitGrafiken, [&d] { return d; },
        [&] {
            const TAnsichten v = AnsichtenZeichnen(s);
            d.Ansicht3D = v.Ansicht3D;
            d.Seitenansicht = v.Seite;
            d.Frontansicht = v.Front;
            d.Horizontalschnitt = v.Draufsicht;
            Tageslauf(s.Szene, a.Tag, Vorlage_Tagesdiagramm(), d.TagFenster, d.TagTerrasse);
            Jahreslauf(s.Szene, a.Zeitposition, Vorlage_Jahresdiagramm(), d.JahrFenster,
                       d.JahrTerrasse);
            d.Simulationsdatum = d.Datum;
            d.SimulationsUhrzeit = d.Uhrzeit;
            // The runs end with the chosen instant evaluated again, as in the window.
            Zeitpunkt_Simulieren(s.Szene, a.Tag, a.Zeitposition);
            labels();
            return d;
        });
    if (!seite.Beenden()) {
        fehler << Dateimeldung(seite.Fehler().toStdString(), a.Ausgabe);
        return 1;
    }
    return 0;
}

} // namespace

int StapelAusfuehren(const TStapelauftrag& a, std::ostream& aus, std::ostream& fehler) {
    const TDateiinhalt inhalt = DateiLesen(a.Projekt);
    if (!inhalt.Gelesen) {
        fehler << Dateimeldung(inhalt.Fehler, a.Projekt);
        return 1;
    }
    const TProjektLesen gelesen = ProjektdateiLesen(inhalt.Bytes, Startprojekt());
    if (!gelesen.Gelesen) {
        fehler << Dateimeldung(gelesen.Fehler, a.Projekt);
        return 1;
    }
    // Every target is asked before the computation, which can take minutes: a typing error in
    // a folder name should not cost them. (Printing asks when its job starts, before the pages.)
    for (const std::string* ziel : {&a.Ausgabe, &a.NeuesProjekt}) {
        if (ziel->empty() || *ziel == "-" || a.Befehl == TStapelauftrag::Drucken) {
            continue;
        }
        if (const TSchreibfehler f = SchreibzielVorabPruefen(*ziel)) {
            fehler << Dateimeldung(*f, *ziel);
            return 1;
        }
    }
    if (!gelesen.Hinweis.empty()) {
        fehler << Dateimeldung(gelesen.Hinweis, a.Projekt);
    }
    TProjektdaten projekt = gelesen.Daten;
    if (a.Horizont == "keine") {
        projekt.Umgebung = {};
    } else if (!a.Horizont.empty()) {
        const TDateiinhalt datei = DateiLesen(a.Horizont);
        if (!datei.Gelesen) {
            fehler << Dateimeldung(datei.Fehler, a.Horizont);
            return 1;
        }
        const THorizontGelesen horizont = HorizontLesen(datei.Bytes);
        if (!horizont.Umgebung) {
            fehler << Dateimeldung(horizont.Fehler, a.Horizont);
            return 1;
        }
        projekt.Umgebung = *horizont.Umgebung;
    }
    // The weather file is read before the year is computed, so that a wrong one stops at once.
    std::optional<TWetterjahr> wetter;
    if (a.Befehl == TStapelauftrag::Sonneneintrag) {
        TWetterLesen w = WetterdateiLaden(a.Wetter);
        if (!w.Jahr) {
            fehler << Dateimeldung(w.Fehler, a.Wetter);
            return 1;
        }
        wetter = std::move(w.Jahr);
    }
    TStapelszene s;
    s.Texte = ProjektUebernehmen(projekt, s.Szene);
    s.Szene.Eingaben.TrackBar_Datum = a.Tag;
    s.Szene.Eingaben.TrackBar_Uhrzeit = a.Zeitposition;
    s.Sonne = Zeitpunkt_Simulieren(s.Szene, a.Tag, a.Zeitposition);

    switch (a.Befehl) {
    case TStapelauftrag::Tabelle: {
        const std::string tabelle =
            Verschattungstabelle(s.Texte, s.Szene, a.Art, a.Terrasse, a.Tag, a.Zeitposition);
        return Schreiben(a, a.Csv ? CsvTabelle(tabelle, a.Art, a.Terrasse) : tabelle, aus, fehler)
                   ? 0
                   : 1;
    }
    case TStapelauftrag::Velumora:
        return Schreiben(a, VelumoraDatei(s.Szene, a.Terrasse), aus, fehler) ? 0 : 1;
    case TStapelauftrag::Ansicht:
        return Ansicht(a, s, aus, fehler);
    case TStapelauftrag::Drucken:
        return Drucken(a, s, fehler);
    case TStapelauftrag::Jahresuebersicht:
        return Jahresuebersicht(a, s, aus, fehler);
    case TStapelauftrag::Sonnenbahnen:
        return Sonnenbahnen(a, s, aus, fehler);
    case TStapelauftrag::Maske:
        return Maske(a, s, aus, fehler);
    case TStapelauftrag::Sonnenstunden:
        return Sonnenstunden(a, s, aus, fehler);
    case TStapelauftrag::Dimensionieren:
        return Dimensionieren(a, s, aus, fehler);
    case TStapelauftrag::Sonneneintrag:
        return Sonneneintrag(a, s, *wetter, aus, fehler);
    case TStapelauftrag::Hilfe:
    case TStapelauftrag::Version:
        break;
    }
    aus << (a.Hilfethema == TStapelauftrag::Hilfe ? StapelHilfe()
                                                  : StapelbefehlHilfe(a.Hilfethema));
    return 0;
}

} // namespace umbrarix
