#include "ui/Form_Jahresuebersicht.h"

#include "io/CsvTabelle.h"
#include "io/Dateizugriff.h"
#include "io/Sonnenstundendatei.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "print/Jahresuebersichtsseite.h"
#include "ui/Auswertungsdialog.h"
#include "ui/Zeitraumfelder.h"
#include "views/Jahreskarte.h"
#include "views/Pngdatei.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace umbrarix {

TForm_Jahresuebersicht::TForm_Jahresuebersicht(QWidget* eltern, TPlattform& plattform,
                                               TJahresraster raster, TDruckdaten druck, int tag,
                                               int schritt, QString ordner)
    : QDialog(eltern), plattform_(plattform), raster_(std::move(raster)),
      stunden_(SonnenstundenBerechnen(raster_)), druck_(std::move(druck)), tag_(tag),
      schritt_(schritt), ordner_(std::move(ordner)) {
    setObjectName(QStringLiteral("Form_Jahresuebersicht"));
    setWindowTitle(QStringLiteral("Jahresübersicht"));
    BildFenster = Jahreskarte(raster_, false, tag, schritt);
    BildTerrasse = Jahreskarte(raster_, true, tag, schritt);

    auto* inhalt = DialogInhalt(*this);
    auto* spalten = new QHBoxLayout(inhalt);
    auto* karten = new QVBoxLayout;
    Image_Fenster = new QLabel(inhalt);
    Image_Fenster->setObjectName(QStringLiteral("Image_Fenster"));
    Image_Fenster->setPixmap(QPixmap::fromImage(BildFenster));
    Image_Terrasse = new QLabel(inhalt);
    Image_Terrasse->setObjectName(QStringLiteral("Image_Terrasse"));
    Image_Terrasse->setPixmap(QPixmap::fromImage(BildTerrasse));
    for (QLabel* karte : {Image_Fenster, Image_Terrasse}) {
        karte->setAlignment(Qt::AlignLeft | Qt::AlignTop); // picture and label share (0, 0)
        karte->installEventFilter(this);
    }
    karten->addWidget(Image_Fenster);
    karten->addWidget(Image_Terrasse);
    karten->addStretch();
    spalten->addLayout(karten);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(QStringLiteral("Direkte Sonne (Stunden pro Tag)"), inhalt));
    Tabelle_Sonnenstunden = new QTableWidget(13, 4, inhalt);
    Tabelle_Sonnenstunden->setObjectName(QStringLiteral("Tabelle_Sonnenstunden"));
    Tabelle_Sonnenstunden->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle_Sonnenstunden->setHorizontalHeaderLabels(
        {QStringLiteral("Fenster mit\nSonnenschutz"), QStringLiteral("Fenster ohne\nSonnenschutz"),
         QStringLiteral("Terrasse mit\nSonnenschutz"),
         QStringLiteral("Terrasse ohne\nSonnenschutz")});
    QStringList zeilen;
    for (int m = 1; m <= 12; ++m) {
        zeilen << QString::fromUtf8(Monatsname(m));
    }
    zeilen << QStringLiteral("Jahr");
    Tabelle_Sonnenstunden->setVerticalHeaderLabels(zeilen);
    TabelleFuellen();
    Tabelle_Sonnenstunden->setTabKeyNavigation(false); // Tab leaves the table
    Tabelle_Sonnenstunden->resizeColumnsToContents();
    Tabelle_Sonnenstunden->resizeRowsToContents();
    // All rows and columns in sight, measured once the headers know their texts; the content
    // scrolls as a whole on a small screen.
    Tabelle_Sonnenstunden->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabelle_Sonnenstunden->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabelle_Sonnenstunden->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    const int rahmen = 2 * Tabelle_Sonnenstunden->frameWidth();
    int hoehe = Tabelle_Sonnenstunden->horizontalHeader()->sizeHint().height() + rahmen;
    for (int z = 0; z < 13; ++z) {
        hoehe += Tabelle_Sonnenstunden->rowHeight(z);
    }
    int breite = Tabelle_Sonnenstunden->verticalHeader()->sizeHint().width() + rahmen;
    for (int s = 0; s < 4; ++s) {
        breite += Tabelle_Sonnenstunden->columnWidth(s);
    }
    Tabelle_Sonnenstunden->setMinimumSize(breite, hoehe);
    rechts->addWidget(Tabelle_Sonnenstunden);
    rechts->addStretch();
    spalten->addLayout(rechts);
    // Period and buttons below the scrolled pictures, always in sight.
    auto* unten = new QHBoxLayout;

    Zeitraumfelder = new TZeitraumfelder(this);
    anz_VonDatum = Zeitraumfelder->anz_VonDatum;
    anz_BisDatum = Zeitraumfelder->anz_BisDatum;
    anz_VonUhrzeit = Zeitraumfelder->anz_VonUhrzeit;
    anz_BisUhrzeit = Zeitraumfelder->anz_BisUhrzeit;
    anz_Beschattungsgrad_f = Zeitraumfelder->Ergebniszeile("anz_Beschattungsgrad_f");
    anz_Beschattungsgrad_t = Zeitraumfelder->Ergebniszeile("anz_Beschattungsgrad_t");
    unten->addWidget(Zeitraumfelder);

    Button_BildFenster =
        Knopf(this, "Button_BildFenster", QStringLiteral("Bild &Fenster speichern ..."));
    Button_BildTerrasse =
        Knopf(this, "Button_BildTerrasse", QStringLiteral("Bild &Terrasse speichern ..."));
    Button_Tabelle = Knopf(this, "Button_Tabelle", QStringLiteral("Ta&belle speichern ..."));
    Button_Drucken = Knopf(this, "Button_Drucken", QStringLiteral("&Drucken ..."));
    Button_Schliessen = Knopf(this, "Button_Schliessen", QStringLiteral("&Schließen"));
    KnoepfeAnordnen(unten,
                    {Button_BildFenster, Button_BildTerrasse, Button_Tabelle, Button_Drucken,
                     Button_Schliessen},
                    3);

    DialogAufbauen(*this, inhalt, nullptr, unten);

    Zeitraumfelder->BeiAenderung = [this] { ZeitraumGeaendert(); };
    ZeitraumGeaendert();
    connect(Button_BildFenster, &QPushButton::clicked, this, [this] { BildSpeichernClick(false); });
    connect(Button_BildTerrasse, &QPushButton::clicked, this, [this] { BildSpeichernClick(true); });
    connect(Button_Tabelle, &QPushButton::clicked, this, [this] { TabelleSpeichernClick(); });
    connect(Button_Drucken, &QPushButton::clicked, this, [this] { DruckenClick(); });
    connect(Button_Schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

QString TForm_Jahresuebersicht::Kartenhinweis(bool terrasse, QPoint punkt) const {
    const std::optional<TJahreskartenzelle> z = JahreskartenzelleBei(punkt.x(), punkt.y());
    if (!z) {
        return {};
    }
    const auto i = static_cast<std::size_t>(RasterIndex(z->Tag, z->Schritt));
    const double a = raster_.Anteile(terrasse)[i];
    const TDatum d = TagImJahrZuDatum(z->Tag);
    const QString zeit = QStringLiteral("%1.%2. %3:%4: ")
                             .arg(d.Tag, 2, 10, QLatin1Char('0'))
                             .arg(d.Monat, 2, 10, QLatin1Char('0'))
                             .arg(z->Schritt / 6, 2, 10, QLatin1Char('0'))
                             .arg(z->Schritt % 6 * 10, 2, 10, QLatin1Char('0'));
    if (a == AnteilNacht) {
        return zeit + QStringLiteral("Nacht");
    }
    if (a == AnteilSonneNichtSichtbar) {
        return zeit + QStringLiteral("Sonne nicht sichtbar");
    }
    if (raster_.IstHinterUmgebung(i)) {
        return zeit + QStringLiteral("Sonne hinter der Umgebung");
    }
    return zeit + QString::fromStdString(Festkomma(100 * a, 1)) + QStringLiteral(" % verschattet");
}

bool TForm_Jahresuebersicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::ToolTip &&
        (objekt == Image_Fenster || objekt == Image_Terrasse)) {
        const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
        const QString text = Kartenhinweis(objekt == Image_Terrasse, hilfe->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(hilfe->globalPos(), text, static_cast<QWidget*>(objekt));
        }
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TForm_Jahresuebersicht::TabelleFuellen() {
    for (int z = 0; z < 13; ++z) {
        const TSonnenstunden& h = z < 12 ? stunden_.Monate[static_cast<size_t>(z)] : stunden_.Jahr;
        const double werte[] = {h.FensterMit, h.FensterOhne, h.TerrasseMit, h.TerrasseOhne};
        for (int s = 0; s < 4; ++s) {
            auto* zelle = new QTableWidgetItem(QString::fromStdString(Festkomma(werte[s], 2)));
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tabelle_Sonnenstunden->setItem(z, s, zelle);
        }
    }
}

void TForm_Jahresuebersicht::RasterSetzen(TJahresraster raster, int tag, int schritt) {
    raster_ = std::move(raster);
    tag_ = tag;
    schritt_ = schritt;
    stunden_ = SonnenstundenBerechnen(raster_);
    BildFenster = Jahreskarte(raster_, false, tag, schritt);
    BildTerrasse = Jahreskarte(raster_, true, tag, schritt);
    Image_Fenster->setPixmap(QPixmap::fromImage(BildFenster));
    Image_Terrasse->setPixmap(QPixmap::fromImage(BildTerrasse));
    TabelleFuellen();
    ZeitraumGeaendert();
}

void TForm_Jahresuebersicht::AugenblickSetzen(int tag, int schritt) {
    neuerTag_ = tag;
    neuerSchritt_ = schritt;
    if (tag == tag_ && schritt == schritt_) {
        return; // an evaluation of the same instant: nothing moves
    }
    tag_ = tag;
    schritt_ = schritt;
    BildFenster = Jahreskarte(raster_, false, tag, schritt);
    BildTerrasse = Jahreskarte(raster_, true, tag, schritt);
    Image_Fenster->setPixmap(QPixmap::fromImage(BildFenster));
    Image_Terrasse->setPixmap(QPixmap::fromImage(BildTerrasse));
}

void TForm_Jahresuebersicht::Nachfuehren(const TSzene& szene, int tag, int schritt) {
    neuerTag_ = tag;
    neuerSchritt_ = schritt;
    if (!nachfuehrung_) {
        nachfuehrung_ = std::make_unique<TNachfuehrung<TJahresraster>>(
            this,
            [](const TSzene& s, const std::function<bool()>& weiter) {
                return JahresrasterBerechnen(s, [&](int) { return weiter(); });
            },
            [this](TJahresraster r) { RasterSetzen(std::move(r), neuerTag_, neuerSchritt_); });
    }
    nachfuehrung_->Neu(szene);
}

bool TForm_Jahresuebersicht::Aktuell() const {
    return !nachfuehrung_ || nachfuehrung_->Aktuell();
}

TZeitraum TForm_Jahresuebersicht::Zeitraum() const {
    return Zeitraumfelder->Zeitraum();
}

void TForm_Jahresuebersicht::SetzeZeitraum(const TZeitraum& z) {
    Zeitraumfelder->SetzeZeitraum(z);
}

void TForm_Jahresuebersicht::ZeitraumGeaendert() {
    const TBeschattungsgrad g = BeschattungsgradAusRaster(raster_, Zeitraum());
    anz_Beschattungsgrad_f->setText(
        QString::fromStdString("Beschattungsgrad Fenster: " + BeschattungsgradText(g.Fenster)));
    anz_Beschattungsgrad_t->setText(
        QString::fromStdString("Beschattungsgrad Terrasse: " + BeschattungsgradText(g.Terrasse)));
}

void TForm_Jahresuebersicht::BildSpeichernClick(bool terrasse) {
    const TDateiDialog d = BildDialog(terrasse ? QStringLiteral("Bild Terrasse speichern")
                                               : QStringLiteral("Bild Fenster speichern"),
                                      ordner_);
    InDateiSpeichern(this, plattform_, d, [this, terrasse](const QString&) {
        return PngDatei(terrasse ? BildTerrasse : BildFenster);
    });
}

void TForm_Jahresuebersicht::TabelleSpeichernClick() {
    const TDateiDialog d = TabellenDialog(ordner_);
    // A name ending in ".csv" asks for the spreadsheet form of the monthly table.
    InDateiSpeichern(this, plattform_, d, [this](const QString& pfad) {
        const TZeitraum z = Zeitraum();
        return IstCsvName(pfad.toStdString())
                   ? SonnenstundenCsv(stunden_)
                   : Sonnenstundendatei(druck_.Projekt, stunden_, z,
                                        BeschattungsgradAusRaster(raster_, z));
    });
}

void TForm_Jahresuebersicht::DruckenClick() {
    if (Druckdatenquelle) {
        druck_ = Druckdatenquelle();
    }
    SeitenDrucken(this, plattform_, [this](TSeitenflaeche& seite) {
        Jahresuebersicht_Drucken(seite, druck_,
                                 Jahresuebersichtsdruck(raster_, tag_, schritt_, Zeitraum()));
    });
}

} // namespace umbrarix
