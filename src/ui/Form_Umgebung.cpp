#include "ui/Form_Umgebung.h"

#include "io/Dateizugriff.h"
#include "io/Horizontdatei.h"
#include "model/Zahltext.h"
#include "ui/Auswertungsdialog.h"
#include "ui/Schrift.h"
#include "views/Horizontbild.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace umbrarix {

namespace {

constexpr int Bildbreite = 480, Bildhoehe = 200;

const QString Horizontfilter =
    QStringLiteral("Horizontdateien (*.csv *.json *.txt)|*.csv *.json *.txt|"
                   "Alle Dateien (*.*)|*.*");

// A number with a decimal point or comma, as the person types it.
std::optional<double> ZahlAusZelle(const QTableWidgetItem* zelle) {
    if (zelle == nullptr) {
        return std::nullopt;
    }
    QString text = zelle->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::optional<double> z = TextZuZahl(text.toStdString());
    return z && std::isfinite(*z) ? z : std::nullopt;
}

QString ZahlText(double x) {
    QString t = QString::number(x, 'g', 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

} // namespace

TForm_Umgebung::TForm_Umgebung(QWidget* eltern, TPlattform& plattform, const TUmgebung& umgebung,
                               double fassadenAzimut, std::vector<THorizontpunkt> sonnenbahn,
                               QString ordner)
    : QDialog(eltern), plattform_(plattform), fassadenAzimut_(fassadenAzimut),
      sonnenbahn_(std::move(sonnenbahn)), ordner_(std::move(ordner)), ergebnis_(umgebung) {
    setObjectName(QStringLiteral("TForm_Umgebung"));
    setWindowTitle(QStringLiteral("Umgebung / Horizont"));
    setFont(Programmschrift());
    auto* layout = new QVBoxLayout(this);
    auto* hinweis = new QLabel(
        QStringLiteral("Höhe der Horizontlinie (Berge, Bäume, Nachbargebäude) über dem Azimut: "
                       "S = 0°, O = 90°, N = 180°, W = 270°; Höhe 0° bis 90°. Zwischen den "
                       "Punkten verläuft die Linie gerade."),
        this);
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    auto* mitte = new QHBoxLayout;
    Tabelle_Punkte = new QTableWidget(0, 2, this);
    Tabelle_Punkte->setObjectName(QStringLiteral("Tabelle_Punkte"));
    Tabelle_Punkte->setHorizontalHeaderLabels(
        {QStringLiteral("Azimut (°)"), QStringLiteral("Höhe (°)")});
    Tabelle_Punkte->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Tabelle_Punkte->setTabKeyNavigation(false);
    Tabelle_Punkte->setMinimumWidth(200);
    mitte->addWidget(Tabelle_Punkte);
    auto* knoepfe = new QVBoxLayout;
    Button_Hinzufuegen = Knopf(this, "Button_Hinzufuegen", QStringLiteral("Punkt hinzufügen"));
    Button_Entfernen = Knopf(this, "Button_Entfernen", QStringLiteral("Punkt entfernen"));
    Button_Sortieren = Knopf(this, "Button_Sortieren", QStringLiteral("Nach Azimut sortieren"));
    Button_Importieren = Knopf(this, "Button_Importieren", QStringLiteral("Importieren ..."));
    Button_Exportieren = Knopf(this, "Button_Exportieren", QStringLiteral("Exportieren ..."));
    Button_KeineUmgebung = Knopf(this, "Button_KeineUmgebung", QStringLiteral("Keine Umgebung"));
    for (QPushButton* k : {Button_Hinzufuegen, Button_Entfernen, Button_Sortieren,
                           Button_Importieren, Button_Exportieren, Button_KeineUmgebung}) {
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch();
    mitte->addLayout(knoepfe);
    layout->addLayout(mitte, 1);

    Image_Horizont = new QLabel(this);
    Image_Horizont->setObjectName(QStringLiteral("Image_Horizont"));
    Image_Horizont->setFixedSize(Bildbreite, Bildhoehe);
    layout->addWidget(Image_Horizont, 0, Qt::AlignHCenter);

    auto* unten = new QHBoxLayout;
    Button_OK = Knopf(this, "Button_OK", QStringLiteral("OK"));
    Button_Abbrechen = Knopf(this, "Button_Abbrechen", QStringLiteral("Abbrechen"));
    unten->addStretch();
    unten->addWidget(Button_OK);
    unten->addWidget(Button_Abbrechen);
    layout->addLayout(unten);

    connect(Button_Hinzufuegen, &QPushButton::clicked, this, [this] { PunktHinzufuegenClick(); });
    connect(Button_Entfernen, &QPushButton::clicked, this, [this] { PunktEntfernenClick(); });
    connect(Button_Sortieren, &QPushButton::clicked, this, [this] { SortierenClick(); });
    connect(Button_Importieren, &QPushButton::clicked, this, [this] { ImportierenClick(); });
    connect(Button_Exportieren, &QPushButton::clicked, this, [this] { ExportierenClick(); });
    connect(Button_KeineUmgebung, &QPushButton::clicked, this, [this] { KeineUmgebungClick(); });
    connect(Button_OK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(Button_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(Tabelle_Punkte, &QTableWidget::cellChanged, this, [this] { BildZeichnen(); });

    // The points in the order the person gave them; the picture sorts for itself.
    TabelleFuellen(umgebung);
    resize(560, 560);
}

void TForm_Umgebung::TabelleFuellen(const TUmgebung& umgebung) {
    const QSignalBlocker sperre(Tabelle_Punkte);
    Tabelle_Punkte->setRowCount(0);
    for (const THorizontpunkt& p : umgebung.Punkte()) {
        const int zeile = Tabelle_Punkte->rowCount();
        Tabelle_Punkte->insertRow(zeile);
        Tabelle_Punkte->setItem(zeile, 0, new QTableWidgetItem(ZahlText(p.Azimut)));
        Tabelle_Punkte->setItem(zeile, 1, new QTableWidgetItem(ZahlText(p.Hoehe)));
    }
    BildZeichnen();
}

std::optional<TUmgebung> TForm_Umgebung::Punkte(QString* fehler) const {
    std::vector<THorizontpunkt> punkte;
    for (int zeile = 0; zeile < Tabelle_Punkte->rowCount(); ++zeile) {
        const QTableWidgetItem* a = Tabelle_Punkte->item(zeile, 0);
        const QTableWidgetItem* h = Tabelle_Punkte->item(zeile, 1);
        const bool leer = (a == nullptr || a->text().trimmed().isEmpty()) &&
                          (h == nullptr || h->text().trimmed().isEmpty());
        if (leer) {
            continue;
        }
        const std::optional<double> azimut = ZahlAusZelle(a);
        const std::optional<double> hoehe = ZahlAusZelle(h);
        QString grund;
        if (!azimut || !hoehe) {
            grund = QStringLiteral("Azimut und Höhe müssen Zahlen sein.");
        } else if (std::abs(*azimut) > 360) {
            grund = QStringLiteral("Der Azimut liegt außerhalb von -360 bis 360 Grad.");
        } else if (*hoehe < 0 || *hoehe > HorizontHoeheMax) {
            grund = QStringLiteral("Die Höhe liegt außerhalb von 0 bis 90 Grad.");
        }
        if (!grund.isEmpty()) {
            if (fehler != nullptr) {
                *fehler = QStringLiteral("Punkt %1: ").arg(zeile + 1) + grund;
            }
            return std::nullopt;
        }
        punkte.push_back({*azimut, *hoehe});
    }
    if (punkte.size() > HorizontPunkteMax) {
        if (fehler != nullptr) {
            *fehler = QStringLiteral("Zu viele Punkte (höchstens %1).").arg(HorizontPunkteMax);
        }
        return std::nullopt;
    }
    return TUmgebung(std::move(punkte));
}

void TForm_Umgebung::BildZeichnen() {
    // While a row is being typed the picture keeps the last valid skyline.
    if (const std::optional<TUmgebung> u = Punkte()) {
        Image_Horizont->setPixmap(QPixmap::fromImage(
            Horizontbild_Zeichnen(*u, fassadenAzimut_, sonnenbahn_, Bildbreite, Bildhoehe)));
    }
}

void TForm_Umgebung::PunktHinzufuegenClick() {
    const int zeile = Tabelle_Punkte->currentRow() < 0 ? Tabelle_Punkte->rowCount()
                                                       : Tabelle_Punkte->currentRow() + 1;
    {
        const QSignalBlocker sperre(Tabelle_Punkte);
        Tabelle_Punkte->insertRow(zeile);
    }
    Tabelle_Punkte->setCurrentCell(zeile, 0);
    Tabelle_Punkte->editItem(Tabelle_Punkte->item(zeile, 0));
}

void TForm_Umgebung::PunktEntfernenClick() {
    const int zeile = Tabelle_Punkte->currentRow();
    if (zeile >= 0) {
        Tabelle_Punkte->removeRow(zeile);
        BildZeichnen();
    }
}

void TForm_Umgebung::SortierenClick() {
    QString fehler;
    if (const std::optional<TUmgebung> u = Punkte(&fehler)) {
        TabelleFuellen(*u); // kept sorted by azimuth
    } else {
        plattform_.Meldung(this, fehler, TMeldungsart::Fehler);
    }
}

void TForm_Umgebung::ImportierenClick() {
    TDateiDialog d{QStringLiteral("Horizont importieren"), Horizontfilter, QString(), ordner_,
                   QString()};
    const QString pfad = plattform_.DateiOeffnen(this, d);
    if (pfad.isEmpty()) {
        return;
    }
    ordner_ = QFileInfo(pfad).absolutePath() + QStringLiteral("/");
    const TDateiinhalt datei = DateiLesen(pfad.toStdString());
    if (!datei.Gelesen) {
        plattform_.Meldung(this, QString::fromStdString(datei.Fehler), TMeldungsart::Fehler);
        return;
    }
    const THorizontGelesen gelesen = HorizontLesen(datei.Bytes);
    if (!gelesen.Umgebung) {
        plattform_.Meldung(this, QString::fromStdString(gelesen.Fehler), TMeldungsart::Fehler);
        return;
    }
    TabelleFuellen(*gelesen.Umgebung);
}

void TForm_Umgebung::ExportierenClick() {
    QString fehler;
    const std::optional<TUmgebung> u = Punkte(&fehler);
    if (!u) {
        plattform_.Meldung(this, fehler, TMeldungsart::Fehler);
        return;
    }
    if (u->Leer()) {
        plattform_.Meldung(this, QStringLiteral("Es gibt keinen Punkt zum Exportieren."),
                           TMeldungsart::Information);
        return;
    }
    TDateiDialog d{QStringLiteral("Horizont exportieren"),
                   QStringLiteral("CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*"),
                   QStringLiteral("csv"), ordner_, QString()};
    const QString pfad = plattform_.DateiSpeichern(this, d);
    if (pfad.isEmpty()) {
        return;
    }
    if (const TSchreibfehler f = DateiSchreiben(pfad.toStdString(), HorizontSchreiben(*u))) {
        plattform_.Meldung(this, QString::fromStdString(*f), TMeldungsart::Fehler);
    }
}

void TForm_Umgebung::KeineUmgebungClick() {
    TabelleFuellen(TUmgebung{});
}

void TForm_Umgebung::OkClick() {
    QString fehler;
    if (const std::optional<TUmgebung> u = Punkte(&fehler)) {
        ergebnis_ = *u;
        accept();
    } else {
        plattform_.Meldung(this, fehler, TMeldungsart::Fehler);
    }
}

} // namespace umbrarix
