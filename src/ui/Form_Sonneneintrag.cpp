#include "ui/Form_Sonneneintrag.h"

#include "io/CsvTabelle.h"
#include "io/Sonneneintragsdatei.h"
#include "io/Wetterdatei.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "print/Sonneneintragsseite.h"
#include "ui/Auswertungsdialog.h"
#include "ui/Schrift.h"
#include "ui/Zeitraumfelder.h"
#include "views/Pngdatei.h"
#include "views/Sonneneintragsdiagramm.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace umbrarix {

TForm_Sonneneintrag::TForm_Sonneneintrag(QWidget* eltern, TPlattform& plattform,
                                         const TSzene& szene, TDruckdaten druck,
                                         const TEinstellungsorte& orte, QString ordner)
    : QDialog(eltern), plattform_(plattform), szene_(szene), druck_(std::move(druck)), orte_(orte),
      ordner_(std::move(ordner)) {
    setObjectName(QStringLiteral("Form_Sonneneintrag"));
    setWindowTitle(QStringLiteral("Sonneneintrag"));

    auto* inhalt = DialogInhalt(*this);
    auto* spalte = new QVBoxLayout(inhalt);
    auto* wetter = new QHBoxLayout;
    wetter->addWidget(new QLabel(QStringLiteral("Wetterdatei:"), inhalt));
    Label_Wetterdatei = new QLabel(QStringLiteral("keine gewählt"), inhalt);
    Label_Wetterdatei->setObjectName(QStringLiteral("Label_Wetterdatei"));
    wetter->addWidget(Label_Wetterdatei, 1);
    Button_Wetterdatei = Knopf(inhalt, "Button_Wetterdatei", QStringLiteral("&Wetterdatei ..."));
    wetter->addWidget(Button_Wetterdatei);
    spalte->addLayout(wetter);

    auto* frage = new QHBoxLayout;
    frage->addWidget(new QLabel(QStringLiteral("Ziel:"), inhalt));
    anz_Ziel = new QComboBox(inhalt);
    anz_Ziel->setObjectName(QStringLiteral("anz_Ziel"));
    anz_Ziel->addItems({QStringLiteral("Fenster"), QStringLiteral("Terrasse")});
    frage->addWidget(anz_Ziel);
    frage->addSpacing(16);
    auto* albedo = new QLabel(QStringLiteral("&Albedo (Bodenreflexion):"), inhalt);
    frage->addWidget(albedo);
    anz_Albedo = new QDoubleSpinBox(inhalt);
    anz_Albedo->setObjectName(QStringLiteral("anz_Albedo"));
    anz_Albedo->setLocale(QLocale(QLocale::German, QLocale::Germany)); // "0,25" as typed here
    anz_Albedo->setRange(0, 1);
    anz_Albedo->setDecimals(2);
    anz_Albedo->setSingleStep(0.05);
    anz_Albedo->setValue(AlbedoVorgabe);
    anz_Albedo->setKeyboardTracking(false); // a value counts when typed out, not per digit
    albedo->setBuddy(anz_Albedo);
    frage->addWidget(anz_Albedo);
    frage->addStretch();
    spalte->addLayout(frage);

    Label_Zustand = new QLabel(inhalt);
    Label_Zustand->setObjectName(QStringLiteral("Label_Zustand"));
    spalte->addWidget(Label_Zustand);
    Image_Diagramm = new QLabel(inhalt);
    Image_Diagramm->setObjectName(QStringLiteral("Image_Diagramm"));
    Image_Diagramm->setFixedSize(TSonneneintragsdiagrammmasse::Breite,
                                 TSonneneintragsdiagrammmasse::Hoehe);
    spalte->addWidget(Image_Diagramm);

    Tabelle_Sonneneintrag =
        new QTableWidget(13, static_cast<int>(SonneneintragsSpalten.size()), inhalt);
    Tabelle_Sonneneintrag->setObjectName(QStringLiteral("Tabelle_Sonneneintrag"));
    Tabelle_Sonneneintrag->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle_Sonneneintrag->setTabKeyNavigation(false); // Tab leaves the table
    Tabelle_Sonneneintrag->setFont(Programmschrift());
    QStringList spalten;
    for (const char* name : SonneneintragsSpalten) {
        spalten << QString::fromUtf8(name).replace(QLatin1Char(' '), QLatin1Char('\n'));
    }
    Tabelle_Sonneneintrag->setHorizontalHeaderLabels(spalten);
    QStringList zeilen;
    for (int m = 1; m <= 12; ++m) {
        zeilen << QString::fromUtf8(Monatsname(m));
    }
    zeilen << QStringLiteral("Jahr");
    Tabelle_Sonneneintrag->setVerticalHeaderLabels(zeilen);
    Tabelle_Sonneneintrag->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Tabelle_Sonneneintrag->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabelle_Sonneneintrag->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // Every row in sight: the content scrolls as a whole on a small screen, not the table.
    Tabelle_Sonneneintrag->resizeRowsToContents();
    int hoehe = Tabelle_Sonneneintrag->horizontalHeader()->sizeHint().height() +
                2 * Tabelle_Sonneneintrag->frameWidth();
    for (int z = 0; z < 13; ++z) {
        hoehe += Tabelle_Sonneneintrag->rowHeight(z);
    }
    Tabelle_Sonneneintrag->setMinimumHeight(hoehe);
    spalte->addWidget(new QLabel(QStringLiteral("Sonnenenergie in kWh/m²"), inhalt));
    spalte->addWidget(Tabelle_Sonneneintrag, 1);

    auto* unten = new QHBoxLayout;
    Zeitraumfelder = new TZeitraumfelder(this);
    Zeitraumfelder->SetzeZeitraum(GanzesJahr);
    anz_Abminderung = Zeitraumfelder->Ergebniszeile("anz_Abminderung");
    anz_AbminderungTeile = Zeitraumfelder->Ergebniszeile("anz_AbminderungTeile");
    anz_Ortshinweis = Zeitraumfelder->Ergebniszeile("anz_Ortshinweis");
    unten->addWidget(Zeitraumfelder);
    Button_Bild = Knopf(this, "Button_Bild", QStringLiteral("&Bild speichern ..."));
    Button_Tabelle = Knopf(this, "Button_Tabelle", QStringLiteral("Ta&belle speichern ..."));
    Button_Drucken = Knopf(this, "Button_Drucken", QStringLiteral("&Drucken ..."));
    Button_Schliessen = Knopf(this, "Button_Schliessen", QStringLiteral("&Schließen"));
    KnoepfeAnordnen(unten, {Button_Bild, Button_Tabelle, Button_Drucken, Button_Schliessen}, 2);
    DialogAufbauen(*this, inhalt, nullptr, unten);

    Zeitraumfelder->BeiAenderung = [this] { ZeitraumGeaendert(); };
    connect(Button_Wetterdatei, &QPushButton::clicked, this, [this] { WetterdateiClick(); });
    connect(anz_Ziel, &QComboBox::currentIndexChanged, this, [this] { FrageGeaendert(); });
    connect(anz_Albedo, &QDoubleSpinBox::valueChanged, this, [this] { FrageGeaendert(); });
    connect(Button_Bild, &QPushButton::clicked, this, [this] { BildSpeichernClick(); });
    connect(Button_Tabelle, &QPushButton::clicked, this, [this] { TabelleSpeichernClick(); });
    connect(Button_Drucken, &QPushButton::clicked, this, [this] { DruckenClick(); });
    connect(Button_Schliessen, &QPushButton::clicked, this, &QDialog::accept);

    Label_Zustand->setText(QStringLiteral("Bitte eine Wetterdatei wählen (EPW oder "
                                          "Testreferenzjahr des Deutschen Wetterdienstes)."));
    KnoepfeSetzen();
    // The file chosen last; one that has gone or changed is simply not shown.
    if (const std::optional<std::string> letzte =
            LetzteWetterdateiLesen(orte_.Leseordner(WetterdateiMerkerName))) {
        if (TWetterLesen w = umbrarix::WetterdateiLaden(*letzte); w.Jahr) {
            WetterSetzen(std::move(*w.Jahr), QString::fromStdString(*letzte));
        }
    }
}

void TForm_Sonneneintrag::WetterSetzen(TWetterjahr wetter, const QString& pfad) {
    {
        const std::lock_guard<std::mutex> sperre(frageSperre_);
        frage_.Wetter = std::make_shared<const TWetterjahr>(std::move(wetter));
        frage_.Wettername = QFileInfo(pfad).fileName();
    }
    Label_Wetterdatei->setText(pfad);
    FrageGeaendert();
}

void TForm_Sonneneintrag::KnoepfeSetzen() {
    for (QPushButton* k : {Button_Bild, Button_Tabelle, Button_Drucken}) {
        k->setEnabled(eintrag_.has_value());
    }
}

bool TForm_Sonneneintrag::WetterdateiLaden(const QString& pfad) {
    TWetterLesen w = umbrarix::WetterdateiLaden(pfad.toStdString());
    if (!w.Jahr) {
        plattform_.Meldung(this, QString::fromStdString(w.Fehler) + QStringLiteral("\n") + pfad,
                           TMeldungsart::Fehler);
        return false;
    }
    // Remembered for the next time; a folder that takes no file only costs that convenience.
    (void)LetzteWetterdateiSchreiben(orte_.Schreibordner(), pfad.toStdString());
    WetterSetzen(std::move(*w.Jahr), pfad);
    return true;
}

void TForm_Sonneneintrag::WetterdateiClick() {
    const TDateiDialog d{
        QStringLiteral("Wetterdatei öffnen"),
        QStringLiteral(
            "Wetterdateien (*.epw *.dat *.txt)|*.epw;*.dat;*.txt|Alle Dateien (*.*)|*.*"),
        QStringLiteral("epw"), ordner_, QString()};
    const QString pfad = plattform_.DateiOeffnen(this, d);
    if (!pfad.isEmpty()) {
        WetterdateiLaden(pfad);
    }
}

void TForm_Sonneneintrag::FrageGeaendert() {
    {
        const std::lock_guard<std::mutex> sperre(frageSperre_);
        frage_.Terrasse = anz_Ziel->currentIndex() == 1;
        frage_.Albedo = anz_Albedo->value();
        if (!frage_.Wetter) {
            return;
        }
    }
    // The old answer belongs to another question: nothing of it stays in sight.
    eintrag_.reset();
    KnoepfeSetzen();
    Label_Zustand->setText(QStringLiteral("Wird berechnet ..."));
    if (!nachfuehrung_) {
        nachfuehrung_ = std::make_unique<TNachfuehrung<TNeu>>(
            this,
            [this](const TSzene& s, const std::function<bool()>& weiter) -> std::optional<TNeu> {
                TFrage f;
                {
                    const std::lock_guard<std::mutex> sperre(frageSperre_);
                    f = frage_;
                }
                std::optional<TSonneneintrag> e = SonneneintragBerechnen(
                    s, *f.Wetter, f.Terrasse, f.Albedo, [&](int) { return weiter(); });
                if (!e) {
                    return std::nullopt;
                }
                return TNeu{std::move(*e), f.Wettername};
            },
            [this](TNeu neu) { Anzeigen(std::move(neu)); });
    }
    nachfuehrung_->Neu(szene_);
}

void TForm_Sonneneintrag::Nachfuehren(const TSzene& szene) {
    szene_ = szene;
    bool mitWetter = false;
    {
        const std::lock_guard<std::mutex> sperre(frageSperre_);
        mitWetter = frage_.Wetter != nullptr;
    }
    if (mitWetter) {
        nachfuehrung_->Neu(szene_);
    }
}

bool TForm_Sonneneintrag::Aktuell() const {
    return !nachfuehrung_ || nachfuehrung_->Aktuell();
}

void TForm_Sonneneintrag::Anzeigen(TNeu neu) {
    eintrag_ = std::move(neu.Eintrag);
    wettername_ = neu.Wettername;
    bild_ = Sonneneintragsdiagramm_Zeichnen(*eintrag_);
    Image_Diagramm->setPixmap(QPixmap::fromImage(bild_));
    const std::array<TEintrag, 12> monate = EintragJeMonat(*eintrag_);
    for (int z = 0; z < 13; ++z) {
        const TEintrag t = z < 12 ? monate[static_cast<size_t>(z)] : EintragImJahr(*eintrag_);
        const std::array<double, 7> werte = SonneneintragsWerte(t);
        for (size_t k = 0; k < werte.size(); ++k) {
            auto* zelle = new QTableWidgetItem(QString::fromStdString(Festkomma(werte[k], 1)));
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tabelle_Sonneneintrag->setItem(z, static_cast<int>(k), zelle);
        }
    }
    Label_Zustand->setText(
        QStringLiteral("Wetterdaten: %1, Fläche %2 m²")
            .arg(wettername_, QString::fromStdString(Festkomma(eintrag_->Flaeche, 2))));
    KnoepfeSetzen();
    ZeitraumGeaendert();
}

void TForm_Sonneneintrag::ZeitraumGeaendert() {
    if (!eintrag_) {
        anz_Abminderung->clear();
        anz_AbminderungTeile->clear();
        anz_Ortshinweis->clear();
        return;
    }
    const TZeitraum z = Zeitraumfelder->Zeitraum();
    const TAbminderung a = AbminderungVon(EintragImZeitraum(*eintrag_, z));
    anz_Abminderung->setText(QString::fromStdString(AbminderungText(*eintrag_, z)));
    const auto prozent = [](const std::optional<double>& p) {
        return p ? QString::fromStdString(Festkomma(100 * *p, 1)) + QStringLiteral(" %")
                 : QStringLiteral("-");
    };
    anz_AbminderungTeile->setText(
        QStringLiteral("davon direkt: %1, diffus: %2").arg(prozent(a.Direkt), prozent(a.Diffus)));
    anz_Ortshinweis->setText(QString::fromStdString(eintrag_->Ortshinweis));
}

void TForm_Sonneneintrag::BildSpeichernClick() {
    if (!eintrag_) {
        return;
    }
    const TDateiDialog d = BildDialog(QStringLiteral("Bild speichern"), ordner_);
    InDateiSpeichern(this, plattform_, d, [this](const QString&) { return PngDatei(bild_); });
}

void TForm_Sonneneintrag::TabelleSpeichernClick() {
    if (!eintrag_) {
        return;
    }
    const TDateiDialog d = TabellenDialog(ordner_);
    // A name ending in ".csv" asks for the spreadsheet form of the monthly table.
    InDateiSpeichern(this, plattform_, d, [this](const QString& pfad) {
        if (Druckdatenquelle) {
            druck_ = Druckdatenquelle();
        }
        return IstCsvName(pfad.toStdString())
                   ? SonneneintragsCsv(*eintrag_)
                   : Sonneneintragsdatei(druck_.Projekt, *eintrag_, wettername_.toStdString(),
                                         Zeitraumfelder->Zeitraum());
    });
}

void TForm_Sonneneintrag::DruckenClick() {
    if (!eintrag_) {
        return;
    }
    if (Druckdatenquelle) {
        druck_ = Druckdatenquelle();
    }
    SeitenDrucken(this, plattform_, [this](TSeitenflaeche& seite) {
        Sonneneintrag_Drucken(seite, druck_, *eintrag_, wettername_, Zeitraumfelder->Zeitraum());
    });
}

} // namespace umbrarix
