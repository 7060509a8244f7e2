#include "ui/Form_Dimensionierung.h"

#include "io/Dimensionierungsdatei.h"
#include "io/Zahlformat.h"
#include "model/Eingabedaten.h"
#include "model/Zahltext.h"
#include "ui/Auswertungsdialog.h"
#include "ui/Zeitraumfelder.h"
#include "views/Dimensionierungsdiagramm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <map>
#include <new>

namespace umbrarix {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QSpinBox* Zahlfeld(QWidget* eltern, const char* name, int min, int max, int wert) {
    auto* f = new QSpinBox(eltern);
    f->setObjectName(QString::fromUtf8(name));
    f->setRange(min, max);
    f->setValue(wert);
    return f;
}

// The chart's place: at least the smallest chart, growing with the dialog; the chart is drawn
// again at each new size instead of being stretched.
class TDiagrammfeld : public QLabel {
public:
    TDiagrammfeld(QWidget* eltern, std::function<void()> neueGroesse)
        : QLabel(eltern), neueGroesse_(std::move(neueGroesse)) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QSize sizeHint() const override { return Kleinste(); }
    QSize minimumSizeHint() const override { return Kleinste(); }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QLabel::resizeEvent(e);
        neueGroesse_();
    }

private:
    static QSize Kleinste() {
        return {TDimensionierungsdiagrammmasse::Breite, TDimensionierungsdiagrammmasse::Hoehe};
    }
    std::function<void()> neueGroesse_;
};

} // namespace

TForm_Dimensionierung::TForm_Dimensionierung(QWidget* eltern, TPlattform& plattform,
                                             const TSzene& szene)
    : QDialog(eltern), plattform_(plattform), szene_(szene) {
    setObjectName(QStringLiteral("Form_Dimensionierung"));
    setWindowTitle(QStringLiteral("Markise dimensionieren"));
    auto* inhalt = DialogInhalt(*this);
    auto* spalten = new QHBoxLayout(inhalt);

    // The question column keeps its width whatever its messages say: they wrap.
    auto* linkeSpalte = new QWidget(inhalt);
    auto* links = new QVBoxLayout(linkeSpalte);
    links->setContentsMargins(0, 0, 0, 0);
    auto* frage = new QGroupBox(QStringLiteral("Frage"), inhalt);
    auto* fg = new QGridLayout(frage);
    anz_Ziel = new QComboBox(frage);
    anz_Ziel->setObjectName(QStringLiteral("anz_Ziel"));
    anz_Ziel->addItems({QStringLiteral("Terrasse"), QStringLiteral("Fenster")});
    fg->addWidget(new QLabel(QStringLiteral("Ziel:"), frage), 0, 0);
    fg->addWidget(anz_Ziel, 0, 1, 1, 3);
    anz_Mindestgrad = new QDoubleSpinBox(frage);
    anz_Mindestgrad->setObjectName(QStringLiteral("anz_Mindestgrad"));
    anz_Mindestgrad->setRange(0, 100);
    anz_Mindestgrad->setDecimals(1);
    anz_Mindestgrad->setSuffix(QStringLiteral(" %"));
    anz_Mindestgrad->setValue(80);
    // "85,5" as a German user types it.
    anz_Mindestgrad->setLocale(QLocale(QLocale::German, QLocale::Germany));
    fg->addWidget(new QLabel(QStringLiteral("Verlangter Beschattungsgrad:"), frage), 1, 0);
    fg->addWidget(anz_Mindestgrad, 1, 1, 1, 3);

    const TEingabedaten& e = szene.Eingaben;
    const TSpinfeld* a = SpinfeldMitNamen("anz_Vordachlaenge");
    const TSpinfeld* b = SpinfeldMitNamen("anz_Vordachbreite");
    const TSpinfeld* n = SpinfeldMitNamen("anz_Vordach_Neigung");
    const auto ganz = [](double v) { return static_cast<int>(v); };
    fg->addWidget(new QLabel(QStringLiteral("von"), frage), 2, 1);
    fg->addWidget(new QLabel(QStringLiteral("bis"), frage), 2, 2);
    fg->addWidget(new QLabel(QStringLiteral("Schritt"), frage), 2, 3);
    anz_AusfallVon = Zahlfeld(frage, "anz_AusfallVon", ganz(a->Min), ganz(a->Max), 0);
    anz_AusfallBis = Zahlfeld(frage, "anz_AusfallBis", ganz(a->Min), ganz(a->Max), 400);
    anz_AusfallSchritt = Zahlfeld(frage, "anz_AusfallSchritt", 1, ganz(a->Max), 10);
    anz_BreiteVon =
        Zahlfeld(frage, "anz_BreiteVon", ganz(b->Min), ganz(b->Max), ganz(e.anz_Vordachbreite));
    anz_BreiteBis =
        Zahlfeld(frage, "anz_BreiteBis", ganz(b->Min), ganz(b->Max), ganz(e.anz_Vordachbreite));
    anz_BreiteSchritt = Zahlfeld(frage, "anz_BreiteSchritt", 1, ganz(b->Max), 50);
    anz_NeigungVon =
        Zahlfeld(frage, "anz_NeigungVon", ganz(n->Min), ganz(n->Max), ganz(e.anz_Vordach_Neigung));
    anz_NeigungBis =
        Zahlfeld(frage, "anz_NeigungBis", ganz(n->Min), ganz(n->Max), ganz(e.anz_Vordach_Neigung));
    anz_NeigungSchritt = Zahlfeld(frage, "anz_NeigungSchritt", 1, ganz(n->Max), 5);
    CheckBox_Breite = new QCheckBox(QStringLiteral("Breite (cm):"), frage);
    CheckBox_Breite->setObjectName(QStringLiteral("CheckBox_Breite"));
    CheckBox_Neigung = new QCheckBox(QStringLiteral("Neigung (°):"), frage);
    CheckBox_Neigung->setObjectName(QStringLiteral("CheckBox_Neigung"));
    fg->addWidget(new QLabel(QStringLiteral("Ausfall (cm):"), frage), 3, 0);
    fg->addWidget(CheckBox_Breite, 4, 0);
    fg->addWidget(CheckBox_Neigung, 5, 0);
    const QSpinBox* reihen[3][3] = {{anz_AusfallVon, anz_AusfallBis, anz_AusfallSchritt},
                                    {anz_BreiteVon, anz_BreiteBis, anz_BreiteSchritt},
                                    {anz_NeigungVon, anz_NeigungBis, anz_NeigungSchritt}};
    for (int r = 0; r < 3; ++r) {
        for (int s = 0; s < 3; ++s) {
            fg->addWidget(const_cast<QSpinBox*>(reihen[r][s]), 3 + r, 1 + s);
        }
    }
    anz_Kandidatenzahl = new QLabel(frage);
    anz_Kandidatenzahl->setObjectName(QStringLiteral("anz_Kandidatenzahl"));
    anz_Kandidatenzahl->setWordWrap(true);
    fg->addWidget(anz_Kandidatenzahl, 6, 0, 1, 4);
    links->addWidget(frage);
    Zeitraumfelder = new TZeitraumfelder(inhalt);
    links->addWidget(Zeitraumfelder);
    Button_Berechnen = Knopf(inhalt, "Button_Berechnen", QStringLiteral("&Berechnen"));
    links->addWidget(Button_Berechnen);
    Gauge_Fortschritt = new QProgressBar(inhalt);
    Gauge_Fortschritt->setObjectName(QStringLiteral("Gauge_Fortschritt"));
    Gauge_Fortschritt->hide();
    links->addWidget(Gauge_Fortschritt);
    Button_Rechenabbruch =
        Knopf(inhalt, "Button_Rechenabbruch", QStringLiteral("Berechnung a&bbrechen"));
    Button_Rechenabbruch->hide();
    links->addWidget(Button_Rechenabbruch);
    links->addStretch();
    anz_Kandidatenzahl->setText(QStringLiteral("0 Kandidaten"));
    linkeSpalte->setFixedWidth(linkeSpalte->sizeHint().width());
    spalten->addWidget(linkeSpalte);

    auto* rechts = new QVBoxLayout;
    Image_Diagramm = new TDiagrammfeld(inhalt, [this] { DiagrammZeichnen(); });
    Image_Diagramm->setObjectName(QStringLiteral("Image_Diagramm"));
    rechts->addWidget(Image_Diagramm, 1);
    Tabelle_Kandidaten = new QTableWidget(0, 6, inhalt);
    Tabelle_Kandidaten->setObjectName(QStringLiteral("Tabelle_Kandidaten"));
    Tabelle_Kandidaten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle_Kandidaten->setHorizontalHeaderLabels(
        {QStringLiteral("Ausfall"), QStringLiteral("Breite"), QStringLiteral("Neigung"),
         QStringLiteral("Fenster"), QStringLiteral("Terrasse"), QStringLiteral("Durchgangshöhe")});
    Tabelle_Kandidaten->verticalHeader()->hide();
    Tabelle_Kandidaten->setMinimumHeight(180);
    Tabelle_Kandidaten->setTabKeyNavigation(false); // Tab leaves the table
    Tabelle_Kandidaten->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle_Kandidaten->resizeColumnsToContents();
    Tabelle_Kandidaten->viewport()->installEventFilter(this); // its columns share a new width
    rechts->addWidget(Tabelle_Kandidaten, 1);
    anz_Vorschlag = new QLabel(inhalt);
    anz_Vorschlag->setObjectName(QStringLiteral("anz_Vorschlag"));
    anz_Vorschlag->setWordWrap(true);
    rechts->addWidget(anz_Vorschlag);
    spalten->addLayout(rechts, 1);
    auto* knoepfe = new QHBoxLayout;
    Button_Uebernehmen = Knopf(this, "Button_Uebernehmen", QStringLiteral("&Übernehmen"));
    Button_Uebernehmen->setEnabled(false);
    Button_Abbrechen = Knopf(this, "Button_Abbrechen", QStringLiteral("Abbrechen"));
    knoepfe->addStretch();
    knoepfe->addWidget(Button_Uebernehmen);
    knoepfe->addWidget(Button_Abbrechen);

    DialogAufbauen(*this, inhalt, nullptr, knoepfe);

    // A range's "von" and "bis" are put in order when one of them is left (or on "Berechnen"),
    // never while a number is being typed: the other one follows the one just edited.
    for (const auto& [von, bis] :
         {std::pair{anz_AusfallVon, anz_AusfallBis}, std::pair{anz_BreiteVon, anz_BreiteBis},
          std::pair{anz_NeigungVon, anz_NeigungBis}}) {
        connect(von, &QSpinBox::editingFinished, this, [von, bis] {
            if (bis->value() < von->value()) {
                bis->setValue(von->value());
            }
        });
        connect(bis, &QSpinBox::editingFinished, this, [von, bis] {
            if (von->value() > bis->value()) {
                von->setValue(bis->value());
            }
        });
    }
    for (QSpinBox* f :
         {anz_AusfallVon, anz_AusfallBis, anz_AusfallSchritt, anz_BreiteVon, anz_BreiteBis,
          anz_BreiteSchritt, anz_NeigungVon, anz_NeigungBis, anz_NeigungSchritt}) {
        connect(f, &QSpinBox::valueChanged, this, [this] { FrageGeaendert(); });
    }
    for (QCheckBox* c : {CheckBox_Breite, CheckBox_Neigung}) {
        connect(c, &QCheckBox::toggled, this, [this] { FrageGeaendert(); });
    }
    // Any change of the question makes the answer to the earlier one go.
    connect(anz_Mindestgrad, &QDoubleSpinBox::valueChanged, this, [this] { FrageGeaendert(); });
    connect(anz_Ziel, &QComboBox::currentIndexChanged, this, [this] { FrageGeaendert(); });
    Zeitraumfelder->BeiAenderung = [this] { FrageGeaendert(); };
    connect(Button_Berechnen, &QPushButton::clicked, this, [this] { BerechnenClick(); });
    connect(Button_Rechenabbruch, &QPushButton::clicked, this, [this] { abbrechen_ = true; });
    connect(Button_Uebernehmen, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    FrageGeaendert();
    ErgebnisZeigen();
}

TDimensionierungsfrage TForm_Dimensionierung::Frage() const {
    TDimensionierungsfrage f;
    f.Terrasse = anz_Ziel->currentIndex() == 0;
    f.Zeitraum = Zeitraumfelder->Zeitraum();
    f.Mindestgrad = anz_Mindestgrad->value() / 100;
    f.Ausfall = {anz_AusfallVon->value(), anz_AusfallBis->value(), anz_AusfallSchritt->value()};
    if (CheckBox_Breite->isChecked()) {
        f.Breite =
            TBereich{anz_BreiteVon->value(), anz_BreiteBis->value(), anz_BreiteSchritt->value()};
    }
    if (CheckBox_Neigung->isChecked()) {
        f.Neigung =
            TBereich{anz_NeigungVon->value(), anz_NeigungBis->value(), anz_NeigungSchritt->value()};
    }
    return f;
}

void TForm_Dimensionierung::FrageGeaendert() {
    for (QSpinBox* f : {anz_BreiteVon, anz_BreiteBis, anz_BreiteSchritt}) {
        f->setEnabled(CheckBox_Breite->isChecked());
    }
    for (QSpinBox* f : {anz_NeigungVon, anz_NeigungBis, anz_NeigungSchritt}) {
        f->setEnabled(CheckBox_Neigung->isChecked());
    }
    if (ergebnis_ || abgebrochen_) {
        ergebnis_.reset();
        abgebrochen_ = false;
        ErgebnisZeigen();
    }
    const size_t n = AnzahlKandidaten(szene_, Frage());
    const bool zuViele = n > HoechstzahlKandidaten;
    const std::optional<std::string> zuGross =
        zuViele ? std::nullopt : FrageZuGross(szene_, Frage());
    anz_Kandidatenzahl->setText(
        zuViele ? QStringLiteral("%1 Kandidaten: zu viele (höchstens %2), größere Schritte wählen")
                      .arg(n)
                      .arg(HoechstzahlKandidaten)
        : zuGross ? QString::fromStdString(*zuGross)
                  : QStringLiteral("%1 Kandidaten").arg(n));
    Button_Berechnen->setEnabled(!zuViele && !zuGross && n > 0);
}

void TForm_Dimensionierung::BerechnenClick() {
    // A range still being typed is put in order first, as leaving its field would.
    for (const auto& [von, bis] :
         {std::pair{anz_AusfallVon, anz_AusfallBis}, std::pair{anz_BreiteVon, anz_BreiteBis},
          std::pair{anz_NeigungVon, anz_NeigungBis}}) {
        if (von->value() > bis->value()) {
            (focusWidget() == von ? bis : von)
                ->setValue(focusWidget() == von ? von->value() : bis->value());
        }
    }
    const TDimensionierungsfrage f = Frage();
    if (AnzahlKandidaten(szene_, f) > HoechstzahlKandidaten || FrageZuGross(szene_, f)) {
        return;
    }
    constexpr qint64 Augenblick = 150; // ms before the progress bar appears
    QElapsedTimer uhr;
    uhr.start();
    abbrechen_ = false;
    const int gesamt = static_cast<int>(AnzahlKandidaten(szene_, f));
    Button_Berechnen->setEnabled(false);
    std::optional<TDimensionierung> d;
    try {
        d = Dimensionieren(szene_, f, [&](int erledigt) {
            if (Gauge_Fortschritt->isHidden() && uhr.elapsed() > Augenblick) {
                Gauge_Fortschritt->setRange(0, gesamt);
                Gauge_Fortschritt->show();
                Button_Rechenabbruch->show();
            }
            if (!Gauge_Fortschritt->isHidden()) {
                Gauge_Fortschritt->setValue(erledigt);
                plattform_.NachrichtenVerarbeiten();
            }
            return !abbrechen_;
        });
    } catch (const std::bad_alloc&) {
        // The scan changes nothing; the window and its project stay as they were.
        plattform_.Meldung(this,
                           QStringLiteral("Nicht genügend Arbeitsspeicher für diese Berechnung."),
                           TMeldungsart::Fehler);
    }
    Gauge_Fortschritt->hide();
    Button_Rechenabbruch->hide();
    Button_Berechnen->setEnabled(true);
    // The disabled button lost the focus; give it back so that the keyboard goes on from
    // there to "Übernehmen".
    Button_Berechnen->setFocus();
    // An answer to a question changed while it was computed answers nothing shown.
    if (d && Frage() == f) {
        ergebnis_ = d;
        gerechnet_ = f;
    }
    abgebrochen_ = !d;
    ErgebnisZeigen();
}

std::optional<TKandidat> TForm_Dimensionierung::Vorschlag() const {
    if (!ergebnis_ || ergebnis_->Vorschlag < 0) {
        return std::nullopt;
    }
    return ergebnis_->Kandidaten[static_cast<size_t>(ergebnis_->Vorschlag)];
}

void TForm_Dimensionierung::ErgebnisZeigen() {
    const bool terrasse = gerechnet_.Terrasse;
    std::vector<TDiagrammkurve>& kurven = kurven_;
    kurven.clear();
    markiert_.reset();
    Tabelle_Kandidaten->setRowCount(0);
    if (ergebnis_) {
        const std::optional<TKandidat> v = Vorschlag();
        // One curve per width, at the proposal's slope.
        std::map<int, size_t> kurveDerBreite;
        Tabelle_Kandidaten->setRowCount(static_cast<int>(ergebnis_->Kandidaten.size()));
        int zeile = 0;
        for (const TKandidat& k : ergebnis_->Kandidaten) {
            const QString texte[] = {
                Q(GanzzahlText(k.Ausfall)),
                Q(GanzzahlText(k.Breite)),
                Q(GanzzahlText(k.Neigung)),
                k.Grad.Fenster ? Q(Festkomma(100 * *k.Grad.Fenster, 1) + " %")
                               : QStringLiteral("-"),
                k.Grad.Terrasse ? Q(Festkomma(100 * *k.Grad.Terrasse, 1) + " %")
                                : QStringLiteral("-"),
                Q(GanzzahlText(k.Durchgangshoehe) + " cm" + (Baubar(k) ? "" : " (nicht baubar)"))};
            for (int s = 0; s < 6; ++s) {
                auto* zelle = new QTableWidgetItem(texte[s]);
                zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                Tabelle_Kandidaten->setItem(zeile, s, zelle);
            }
            ++zeile;
            const std::optional<double> g = k.Zielgrad(terrasse);
            if (!g || (v && k.Neigung != v->Neigung)) {
                continue;
            }
            auto [it, neu] = kurveDerBreite.try_emplace(k.Breite, kurven.size());
            if (neu) {
                kurven.push_back({QStringLiteral("Breite %1 cm").arg(k.Breite), {}});
            }
            kurven[it->second].Punkte.emplace_back(k.Ausfall, *g);
        }
        SpaltenVerteilen();
        if (ergebnis_->Vorschlag >= 0) {
            // The proposed row selected and in sight.
            Tabelle_Kandidaten->selectRow(ergebnis_->Vorschlag);
            Tabelle_Kandidaten->scrollToItem(Tabelle_Kandidaten->item(ergebnis_->Vorschlag, 0));
        }
        if (v && v->Zielgrad(terrasse)) {
            markiert_ = std::pair{double(v->Ausfall), *v->Zielgrad(terrasse)};
        }
        QStringList zeilen;
        for (const std::string& z : Vorschlagszeilen(*ergebnis_, terrasse)) {
            zeilen << Q(z);
        }
        anz_Vorschlag->setText(zeilen.join(QLatin1Char('\n')));
    } else {
        anz_Vorschlag->setText(abgebrochen_ ? QStringLiteral("Berechnung abgebrochen.")
                                            : QStringLiteral("Noch nicht berechnet."));
    }
    DiagrammZeichnen();
    Button_Uebernehmen->setEnabled(Vorschlag().has_value());
}

void TForm_Dimensionierung::DiagrammZeichnen() {
    Diagramm = Dimensionierungsdiagramm_Zeichnen(kurven_, gerechnet_.Mindestgrad, markiert_,
                                                 Image_Diagramm->size());
    Image_Diagramm->setPixmap(QPixmap::fromImage(Diagramm));
}

void TForm_Dimensionierung::SpaltenVerteilen() {
    QTableWidget* t = Tabelle_Kandidaten;
    const QAbstractItemView* ansicht = t; // where the contents' widths are public
    const int spalten = t->columnCount();
    std::vector<int> breiten(static_cast<size_t>(spalten));
    int summe = 0;
    for (int s = 0; s < spalten; ++s) {
        breiten[static_cast<size_t>(s)] =
            std::max(ansicht->sizeHintForColumn(s), t->horizontalHeader()->sectionSizeHint(s));
        summe += breiten[static_cast<size_t>(s)];
    }
    // Room beyond the contents goes to every column alike, so that no empty strip is left.
    const int frei = std::max(0, t->viewport()->width() - summe);
    for (int s = 0; s < spalten; ++s) {
        t->setColumnWidth(s, breiten[static_cast<size_t>(s)] + frei / spalten +
                                 (s < frei % spalten ? 1 : 0));
    }
}

bool TForm_Dimensionierung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Resize && objekt == Tabelle_Kandidaten->viewport()) {
        SpaltenVerteilen();
    }
    return QDialog::eventFilter(objekt, ereignis);
}

} // namespace umbrarix
