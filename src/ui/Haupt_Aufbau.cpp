// Building the main window: every component at its pixel position, and the menu.

#include "ui/Form_Haupt.h"

#include "model/Eingabedaten.h"
#include "model/Kalender.h"
#include "simulation/Diagramme.h"
#include "solar/Standortkatalog.h"
#include "ui/Form_Dialoge.h"
#include "ui/Form_Info.h"
#include "ui/Rollflaeche.h"
#include "ui/Schrift.h"
#include "views/Horizontalschnitt.h"
#include "views/Person.h"
#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <utility>

namespace umbrarix {

namespace {

QWidget* Panel(QWidget* eltern, const char* name, QRect r, QColor farbe = Qt::white) {
    auto* p = new QWidget(eltern);
    p->setObjectName(QString::fromUtf8(name));
    p->setGeometry(r);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, farbe);
    p->setPalette(pal);
    return p;
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, int x, int y) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLabel* Fett(QLabel* l) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->adjustSize();
    return l;
}

// A label centred and bold in a row of the given width.
QLabel* Ergebniszeile(QWidget* eltern, const char* name, int y, int breite) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(0, y, breite, 20);
    l->setAlignment(Qt::AlignCenter);
    Fett(l)->setGeometry(0, y, breite, 20);
    return l;
}

constexpr int FeldX = 150, EinheitX = 220, ErsteZeile = 40, Zeilenabstand = 30;
// The location page is denser: its pick list takes rows 160 to 281.
constexpr int StandortErsteZeile = 34, StandortZeilenabstand = 24;

// A plain filled rectangle: floor and wall bars, the terrace in the side view.
TFormShape* Flaeche(QWidget* eltern, const char* name, QRect r, TFarbe farbe) {
    auto* f = new TFormShape(eltern, QString::fromUtf8(name), TFormShape::Rechteck);
    f->setGeometry(r);
    f->Stiftfarbe(farbe);
    f->Pinselfarbe(farbe);
    return f;
}

} // namespace

TGanzzahlfeld* TForm_Haupt::Spinfeld(const QString& name) const {
    const auto it = Spinfelder.find(name);
    return it == Spinfelder.end() ? nullptr : it->second;
}

TFormShape* TForm_Haupt::Marker(QWidget* panel, const char* name, TFormShape::TForm form,
                                bool gefuellt) {
    auto* m = new TFormShape(panel, QString::fromUtf8(name), form);
    m->Gefuellt(gefuellt);
    m->Stiftfarbe(Farben.Interaktivfarbe);
    m->Pinselfarbe(Farben.Interaktivfarbe);
    m->MausRunter = [this](TFormShape* s, QMouseEvent* e) { s_ueberh_MouseDown(s, e); };
    return m;
}

void TForm_Haupt::Aufbauen() {
    TitelSetzen(QStringLiteral("Umbrarix "));
    // A fixed window: system menu, minimise and close, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    ScrollBox_Client = new TRollflaeche(this);
    ScrollBox_Client->setObjectName(QStringLiteral("ScrollBox_Client"));
    Client = new QWidget;
    Client->setObjectName(QStringLiteral("Client"));
    Client->setFixedSize(1016, 694);
    Client->setAutoFillBackground(true);
    QPalette pal = Client->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 255));
    Client->setPalette(pal);
    ScrollBox_Client->setWidget(Client);
    ScrollBox_Client->setPalette(pal);
    setCentralWidget(ScrollBox_Client);
    Client->setFont(Programmschrift());

    vorlage_ansicht = Vorlage_Ansicht();
    Image_Kompass_vorlage = Vorlage_Kompass();
    anz_Tagessimulation_vorlage = Vorlage_Tagesdiagramm();
    anz_Jahressimulation_vorlage = Vorlage_Jahresdiagramm();

    EingabeseitenAufbauen();
    ArbeitsflaecheAufbauen();
    UntereLeisteAufbauen();
    MenueAufbauen();
    GriffeVerbinden();
    TastaturEinrichten();

    Timer_TagSimulieren = new QTimer(this);
    Timer_TagSimulieren->setInterval(200);
    connect(Timer_TagSimulieren, &QTimer::timeout, this, [this] { Timer_TagSimulierenTimer(); });
    Timer_JahrSimulieren = new QTimer(this);
    Timer_JahrSimulieren->setInterval(100);
    connect(Timer_JahrSimulieren, &QTimer::timeout, this, [this] { Timer_JahrSimulierenTimer(); });
    for (QToolButton* b : {Button_TagSimulationStarten, Button_JahrSimulationStarten}) {
        connect(b, &QToolButton::clicked, this, [this, b] { Button_SimulationStartenClick(b); });
    }
    for (QToolButton* b : {Button_TagSimulationPause, Button_JahrSimulationPause}) {
        connect(b, &QToolButton::clicked, this, [this] { Button_SimulationPauseClick(); });
    }
    for (QToolButton* b : {Button_TagSimulationAnhalten, Button_JahrSimulationAnhalten}) {
        connect(b, &QToolButton::clicked, this, [this] { Button_SimulationAnhaltenClick(); });
    }
    Timer_Info = new QTimer(this);
    Timer_Info->setInterval(250);
    Timer_Info->setSingleShot(true);
    connect(Timer_Info, &QTimer::timeout, this, [this] { Timer_InfoTimer(); });

    Form_Info = new TForm_Info(this);
    Form_Farbauswahl = new TForm_Farbauswahl(this, plattform_);
    Form_Arbeitsverzeichnis = new TForm_Arbeitsverzeichnis(
        this, plattform_, Einstellungsorte, Startordner, Opendialog1.Ordner, SaveDialog1.Ordner);
    Form_Projektbeschreibung = new TForm_Projektbeschreibung(this, plattform_);
    Form_Ansprechpartner = new TForm_Ansprechpartner(this, plattform_, Einstellungsorte);
    const std::pair<QAction*, void (TForm_Haupt::*)()> befehle[] = {
        {Neu1, &TForm_Haupt::Neu1Click},
        {ffnen1, &TForm_Haupt::ffnen1Click},
        {Speichern1, &TForm_Haupt::Speichern1Click},
        {Sperichernunter1, &TForm_Haupt::Sperichernunter1Click},
        {Farbauswahl1, &TForm_Haupt::Farbauswahl1Click},
        {Arbeitsverzeichnis1, &TForm_Haupt::Arbeitsverzeichnis1Click},
        {Projektbeschreibung1, &TForm_Haupt::Projektbeschreibung1Click},
        {Ansprechpartner1, &TForm_Haupt::Ansprechpartner1Click}};
    for (QAction* a : {Fenster1, Terrasse1, Fenster2, Terrasse2, Fenster3, Terrasse3}) {
        connect(a, &QAction::triggered, this, [this, a] { VerschattungsdatenSpeichernClick(a); });
    }
    for (QAction* a : {DatenblattAusgabe1, Datenblatt1, Grafiken1, AktuellerSchirm1}) {
        connect(a, &QAction::triggered, this, [this, a] { DruckenClick(a); });
    }
    for (QAction* a : {FensteralsTarget1, TerrassealsTarget1}) {
        connect(a, &QAction::triggered, this, [this, a] { VelumoraExportClick(a); });
    }
    for (const auto& [eintrag, befehl] : befehle) {
        connect(eintrag, &QAction::triggered, this, [this, befehl = befehl] { (this->*befehl)(); });
    }
    adjustSize();
    setFixedSize(sizeHint());
}

void TForm_Haupt::EingabeseitenAufbauen() {
    Panel_DatenEingaben = Panel(Client, "Panel_DatenEingaben", QRect(8, 8, 289, 444),
                                palette().color(QPalette::Button));
    PageControl1 = new QWidget(Panel_DatenEingaben);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(16, 16, 260, 385);
    const QStringList seitennamen = {QStringLiteral("Überhang / Markise"),
                                     QStringLiteral("Fenster"),
                                     QStringLiteral("Terrasse"),
                                     QStringLiteral("Standort"),
                                     QStringLiteral("Mauervorsprung links"),
                                     QStringLiteral("Mauervorsprung rechts")};
    const QStringList ueberschriften = {QStringLiteral("Überhang / Markise"),
                                        QStringLiteral("Fenster:"),
                                        QStringLiteral("Terrasse"),
                                        QStringLiteral("Standort / Ausrichtung"),
                                        QStringLiteral("Mauervorsprung links"),
                                        QStringLiteral("Mauervorsprung rechts")};
    Seiten = new QStackedWidget(PageControl1);
    Seiten->setGeometry(0, 72, 260, 313);
    auto* gruppe = new QButtonGroup(PageControl1);
    for (int i = 0; i < 6; ++i) {
        auto* knopf = new QPushButton(seitennamen[i], PageControl1);
        knopf->setCheckable(true);
        // No focus by a mouse click; the keyboard reaches the page shown (Haupt_Tastatur).
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setGeometry((i % 2) * 130, (i / 2) * 24, 130, 23);
        gruppe->addButton(knopf, i);
        Seitenknoepfe.push_back(knopf);
        auto* seite = new QWidget;
        seite->setObjectName(QStringLiteral("Seite_%1").arg(i));
        Seiten->addWidget(seite);
        Fett(Beschriftung(seite, ueberschriften[i], 8, 8));
    }
    Seitenknoepfe[0]->setChecked(true);
    connect(gruppe, &QButtonGroup::idClicked, Seiten, &QStackedWidget::setCurrentIndex);

    // Spin fields in table order, each page top down.
    std::map<QString, int> zeile;
    for (const TSpinfeld& f : umbrarix::Spinfelder()) {
        const QString seitenname =
            QString::fromUtf8(f.Seite.data(), static_cast<int>(f.Seite.size()));
        const int index = static_cast<int>(seitennamen.indexOf(seitenname));
        QWidget* seite = Seiten->widget(index);
        int& z = zeile[seitenname];
        const int y = index == 3 ? StandortErsteZeile + z * StandortZeilenabstand
                                 : ErsteZeile + z * Zeilenabstand;
        ++z;
        const QString name = QString::fromUtf8(f.Name.data(), static_cast<int>(f.Name.size()));
        Beschriftung(
            seite,
            QString::fromUtf8(f.Beschriftung.data(), static_cast<int>(f.Beschriftung.size())), 8,
            y + 3);
        auto* feld = new TGanzzahlfeld(seite, name, static_cast<int>(f.Min),
                                       static_cast<int>(f.Max), static_cast<int>(f.Vorgabe));
        feld->setGeometry(FeldX, y, 65, 21);
        const bool grad = name == QStringLiteral("anz_Vordach_Neigung") ||
                          name == QStringLiteral("anz_Fensterneigung") ||
                          name == QStringLiteral("anz_Himmelsrichtung");
        Beschriftung(seite, grad ? QStringLiteral("°") : QStringLiteral("cm"), EinheitX, y + 3);
        Spinfelder[name] = feld;
        TGanzzahlfeld* self = feld;
        feld->BeiEingabetaste = [this, self] { EndeDimensionAendern(self); };
        // The clearance under the valance is shown after the valance height.
        if (name == QStringLiteral("anz_VolantHoehe")) {
            const int y2 = ErsteZeile + z * Zeilenabstand;
            ++z;
            Beschriftung(seite, QStringLiteral("Durchgangshoehe unter Volant:"), 8, y2 + 3);
            anz_Durchgangshoehe = new QLineEdit(seite);
            anz_Durchgangshoehe->setObjectName(QStringLiteral("anz_Durchgangshoehe"));
            anz_Durchgangshoehe->setGeometry(FeldX + 20, y2, 45, 21);
            anz_Durchgangshoehe->setEnabled(false);
            Beschriftung(seite, QStringLiteral("cm"), EinheitX, y2 + 3);
        }
    }
    anz_Vordachbreite = Spinfeld("anz_Vordachbreite");
    anz_Vordachlaenge = Spinfeld("anz_Vordachlaenge");
    anz_VordachHoehe = Spinfeld("anz_VordachHoehe");
    anz_Abstand_Wand = Spinfeld("anz_Abstand_Wand");
    anz_Vordach_Neigung = Spinfeld("anz_Vordach_Neigung");
    anz_VolantHoehe = Spinfeld("anz_VolantHoehe");
    anz_Vordachzentrierung = Spinfeld("anz_Vordachzentrierung");
    anz_Fensterhoehe = Spinfeld("anz_Fensterhoehe");
    anz_Fensterbreite = Spinfeld("anz_Fensterbreite");
    anz_Fensterabstand_Boden = Spinfeld("anz_Fensterabstand_Boden");
    anz_Fensterneigung = Spinfeld("anz_Fensterneigung");
    anz_FensterZentrierung = Spinfeld("anz_FensterZentrierung");
    anz_terrassenbreite = Spinfeld("anz_terrassenbreite");
    anz_terrassenlaenge = Spinfeld("anz_terrassenlaenge");
    anz_terrassenabstand = Spinfeld("anz_terrassenabstand");
    anz_terrassenzentrierung = Spinfeld("anz_terrassenzentrierung");
    anz_Himmelsrichtung = Spinfeld("anz_Himmelsrichtung");
    anz_ml_ausfall = Spinfeld("anz_ml_ausfall");
    anz_ml_hoehe = Spinfeld("anz_ml_hoehe");
    anz_ml_bodenabstand = Spinfeld("anz_ml_bodenabstand");
    anz_ml_wandabstand = Spinfeld("anz_ml_wandabstand");
    anz_ml_AbstandFenstermitte = Spinfeld("anz_ml_AbstandFenstermitte");
    anz_mr_Ausfall = Spinfeld("anz_mr_Ausfall");
    anz_mr_hoehe = Spinfeld("anz_mr_hoehe");
    anz_mr_bodenabstand = Spinfeld("anz_mr_bodenabstand");
    anz_mr_wandabstand = Spinfeld("anz_mr_wandabstand");
    anz_mr_abstandFenstermitte = Spinfeld("anz_mr_abstandFenstermitte");

    // The location page: orientation first, then place and the three location texts.
    QWidget* standort = Seiten->widget(3);
    const auto standortZeile = [](int z) { return StandortErsteZeile + z * StandortZeilenabstand; };
    const int yOrt = standortZeile(1);
    Beschriftung(standort, QStringLiteral("Ort:"), 8, yOrt + 3);
    anz_ort = new QLineEdit(QStringLiteral("Köln"), standort);
    anz_ort->setObjectName(QStringLiteral("anz_ort"));
    anz_ort->setGeometry(FeldX - 40, yOrt, 140, 21);
    anz_ort->setReadOnly(true);
    const struct {
        TZahlfeld** feld;
        const char* name;
        const char* beschriftung;
        const char* text;
        int y;
    } dezimal[] = {
        {&anz_Breitengrad, "anz_Breitengrad", "Breitengrad:", "50.5", standortZeile(2)},
        {&anz_Laengengrad, "anz_Laengengrad", "Längengrad:", "-7.0", standortZeile(3)},
        {&anz_Zeitzone, "anz_Zeitzone", "Zeitzone", "1", standortZeile(4)},
    };
    for (const auto& d : dezimal) {
        Beschriftung(standort, QString::fromUtf8(d.beschriftung), 8, d.y + 3);
        auto* feld = new TZahlfeld(standort, QString::fromUtf8(d.name));
        feld->setText(QString::fromUtf8(d.text));
        feld->setGeometry(FeldX, d.y, 65, 21);
        Beschriftung(standort, QStringLiteral("°"), EinheitX, d.y + 3);
        feld->BeiEingabetaste = [this, feld] { EndeDimensionAendern(feld); };
        connect(feld, &QLineEdit::textChanged, this, [this] { anz_StandortChange(); });
        letzterDezimaltext_[feld] = feld->text();
        *d.feld = feld;
    }
    CheckBox_Sommerzeit =
        new QCheckBox(QStringLiteral("Sommerzeit (31. März. - 30.Oktober.)"), standort);
    CheckBox_Sommerzeit->setObjectName(QStringLiteral("CheckBox_Sommerzeit"));
    CheckBox_Sommerzeit->setGeometry(8, 286, 240, 20);
    CheckBox_Sommerzeit->setChecked(true);
    connect(CheckBox_Sommerzeit, &QCheckBox::clicked, this,
            [this] { EndeDimensionAendern(CheckBox_Sommerzeit); });

    Dimensionsliste = new QListWidget(standort);
    Dimensionsliste->setObjectName(QStringLiteral("Dimensionsliste"));
    Dimensionsliste->setGeometry(8, 160, 201, 121);
    QPalette lp = Dimensionsliste->palette();
    lp.setColor(QPalette::Base, QColor(255, 255, 170));
    Dimensionsliste->setPalette(lp);
    Dimensionsliste->hide();
    connect(Dimensionsliste, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { DimensionslisteClick(Dimensionsliste->row(item)); });
    connect(Dimensionsliste, &QListWidget::itemDoubleClicked, this,
            [this] { DimensionslisteDblClick(); });

    Button_AenderungUebernehmen =
        new QPushButton(QStringLiteral("Änderungen übernehmen"), Panel_DatenEingaben);
    Button_AenderungUebernehmen->setObjectName(QStringLiteral("Button_AenderungUebernehmen"));
    Button_AenderungUebernehmen->setGeometry(16, 408, 260, 25);
    connect(Button_AenderungUebernehmen, &QPushButton::clicked, this,
            [this] { EndeDimensionAendern(Button_AenderungUebernehmen); });

    // Element switches.
    Panel_Systeme =
        Panel(Client, "Panel_Systeme", QRect(8, 460, 289, 127), palette().color(QPalette::Button));
    const struct {
        QCheckBox** box;
        const char* name;
        const char* text;
        int x, y;
        bool an;
    } schalter[] = {
        {&CheckBox_Ueberhang, "CheckBox_Ueberhang", "Überhang / Markise", 16, 12, true},
        {&CheckBox_Volant, "CheckBox_Volant", "Volant", 40, 38, true},
        {&CheckBox_MauerLinks, "CheckBox_MauerLinks", "seitlicher Mauervorsprung links", 16, 64,
         false},
        {&CheckBox_MauerRechts, "CheckBox_MauerRechts", "seitlicher Mauervorsprung rechts", 16, 90,
         false},
    };
    for (const auto& s : schalter) {
        auto* box = new QCheckBox(QString::fromUtf8(s.text), Panel_Systeme);
        box->setObjectName(QString::fromUtf8(s.name));
        box->setGeometry(s.x, s.y, 260, 20);
        box->setChecked(s.an);
        // A change by the program counts as a click.
        connect(box, &QCheckBox::toggled, this, [this] { CheckBox_UeberhangClick(); });
        *s.box = box;
    }
}

void TForm_Haupt::ArbeitsflaecheAufbauen() {
    Panel_Arbeitsflaeche = Panel(Client, "Panel_Arbeitsflaeche", QRect(306, 8, 703, 444));
    RadioGroup_Ansicht = new QGroupBox(Panel_Arbeitsflaeche);
    RadioGroup_Ansicht->setObjectName(QStringLiteral("RadioGroup_Ansicht"));
    RadioGroup_Ansicht->setGeometry(8, 6, 689, 57);
    auto* raster = new QGridLayout(RadioGroup_Ansicht);
    raster->setContentsMargins(8, 4, 8, 4);
    const QStringList texte = {QStringLiteral("3D - Ansicht"),
                               QStringLiteral("Seitenansicht"),
                               QStringLiteral("Ansicht Fenster"),
                               QStringLiteral("Ansicht Terrasse"),
                               QStringLiteral("Diagramm Tagessimulation"),
                               QStringLiteral("Diagramm Jahressimulation")};
    for (int i = 0; i < 6; ++i) {
        auto* knopf = new QRadioButton(texte[i], RadioGroup_Ansicht);
        raster->addWidget(knopf, i % 2, i / 2);
        Ansichtsknoepfe.push_back(knopf);
        connect(knopf, &QRadioButton::clicked, this, [this] { RadioGroup_AnsichtClick(); });
    }
    Ansichtsknoepfe[0]->setChecked(true);

    const QRect platz(1, 72, 701, 370);
    Panel_3DAnsicht = Panel(Panel_Arbeitsflaeche, "Panel_3DAnsicht", platz);
    Panel_seitenansicht = Panel(Panel_Arbeitsflaeche, "Panel_seitenansicht", platz);
    Panel_AnsichtFenster = Panel(Panel_Arbeitsflaeche, "Panel_AnsichtFenster", platz);
    Panel_AnsichtTerrasse = Panel(Panel_Arbeitsflaeche, "Panel_AnsichtTerrasse", platz);
    Panel_DiagrammTagessimulation =
        Panel(Panel_Arbeitsflaeche, "Panel_DiagrammTagessimulation", platz);
    Panel_DiagrammJahressimulation =
        Panel(Panel_Arbeitsflaeche, "Panel_DiagrammJahressimulation", platz);
    for (QWidget* p : {Panel_seitenansicht, Panel_AnsichtFenster, Panel_AnsichtTerrasse,
                       Panel_DiagrammTagessimulation, Panel_DiagrammJahressimulation}) {
        p->hide();
    }

    const QSize ansicht(AnsichtBreite, AnsichtHoehe);
    Image_3d = new TBildflaeche(Panel_3DAnsicht, QStringLiteral("Image_3d"), ansicht);
    Image_3d->MausRunter = [this](QMouseEvent* e) { Image_3dMouseDown(e); };
    Image_3d->MausBewegt = [this](QMouseEvent* e) { Image_3dMouseMove(e); };

    // Front view.
    frontansicht = new TBildflaeche(Panel_AnsichtFenster, QStringLiteral("frontansicht"), ansicht);
    frontansicht->SetzeBild(vorlage_ansicht);
    Shape3 = Flaeche(Panel_AnsichtFenster, "Shape3", QRect(0, 350, 701, 11), 0);
    const auto linie = [this](QWidget* p, const char* n) {
        return Marker(p, n, TFormShape::Rechteck, false);
    };
    const auto punkt = [this](QWidget* p, const char* n) {
        return Marker(p, n, TFormShape::Rechteck, true);
    };
    QWidget* f = Panel_AnsichtFenster;
    f_fenster_oben = linie(f, "f_fenster_oben");
    f_fenster_unten = linie(f, "f_fenster_unten");
    f_fenster_links = linie(f, "f_fenster_links");
    f_fenster_rechts = linie(f, "f_fenster_rechts");
    f_ueberh_oben = linie(f, "f_ueberh_oben");
    f_ueberh_unten = linie(f, "f_ueberh_unten");
    f_ueberh_links = linie(f, "f_ueberh_links");
    f_ueberh_rechts = linie(f, "f_ueberh_rechts");
    f_volant_unten = linie(f, "f_volant_unten");
    f_volant_links = linie(f, "f_volant_links");
    f_volant_rechts = linie(f, "f_volant_rechts");
    f_mauerlinks_seite = linie(f, "f_mauerlinks_seite");
    f_mauerrechts_seite = linie(f, "f_mauerrechts_seite");
    f_mauerlinks_oben = punkt(f, "f_mauerlinks_oben");
    f_mauerlinks_unten = punkt(f, "f_mauerlinks_unten");
    f_mauerrechts_oben = punkt(f, "f_mauerrechts_oben");
    f_mauerrechts_unten = punkt(f, "f_mauerrechts_unten");

    // Side view.
    QWidget* s = Panel_seitenansicht;
    seitenansicht = new TBildflaeche(s, QStringLiteral("seitenansicht"), ansicht);
    seitenansicht->SetzeBild(vorlage_ansicht);
    Shape_Fussboden = Flaeche(s, "Shape_Fussboden", QRect(0, 350, 701, 11), 0);
    s_terrasse = Flaeche(s, "s_terrasse", QRect(150, 350, 200, 7), 0x80FF80);
    s_ueberh_innen = punkt(s, "s_ueberh_innen");
    s_ueberh_aussen = punkt(s, "s_ueberh_aussen");
    s_ueberh_volant = punkt(s, "s_ueberh_volant");
    s_wandneigung = Marker(s, "s_wandneigung", TFormShape::Kreis, true);
    s_person = punkt(s, "s_person");
    s_person->setGeometry(PersonStartLinks, 170, 5, 5);

    // Top view: the image sits 9 px down, under the wall bar.
    QWidget* b = Panel_AnsichtTerrasse;
    Horizontalschnitt = new TBildflaeche(b, QStringLiteral("Horizontalschnitt"),
                                         QSize(AnsichtBreite, HorizontalschnittHoehe));
    Horizontalschnitt->move(0, HorizontalschnittOben);
    Shape15 = Flaeche(b, "Shape15", QRect(0, 0, 701, 10), 0);
    // The terrace's edges lie above the overhang's: its near edge often lies right under the
    // overhang's back edge, which can still be dragged in the side view (s_ueberh_innen).
    b_ueberh_oben = linie(b, "b_ueberh_oben");
    b_ueberh_unten = linie(b, "b_ueberh_unten");
    b_ueberh_links = linie(b, "b_ueberh_links");
    b_ueberh_rechts = linie(b, "b_ueberh_rechts");
    b_terrasse_oben = linie(b, "b_terrasse_oben");
    b_terrasse_unten = linie(b, "b_terrasse_unten");
    b_terrasse_links = linie(b, "b_terrasse_links");
    b_terrasse_rechts = linie(b, "b_terrasse_rechts");
    b_mauerlinks_seite = linie(b, "b_mauerlinks_seite");
    b_mauerrechts_seite = linie(b, "b_mauerrechts_seite");
    b_mauerlinks_oben = punkt(b, "b_mauerlinks_oben");
    b_mauerlinks_unten = punkt(b, "b_mauerlinks_unten");
    b_mauerrechts_oben = punkt(b, "b_mauerrechts_oben");
    b_mauerrechts_unten = punkt(b, "b_mauerrechts_unten");

    DiagrammseiteAufbauen(Panel_DiagrammTagessimulation, true);
    DiagrammseiteAufbauen(Panel_DiagrammJahressimulation, false);

    // Progress panels, centred over the working area.
    Panel_SpeichernLaeuft = Panel(Client, "Panel_SpeichernLaeuft",
                                  QRect(306 + (703 - 360) / 2, 8 + (444 - 90) / 2, 360, 90),
                                  palette().color(QPalette::Button));
    auto* speichertext =
        new QLabel(QStringLiteral("Verschattungsdaten werden berechnet und gespeichert ..."),
                   Panel_SpeichernLaeuft);
    speichertext->setGeometry(10, 14, 340, 20);
    speichertext->setAlignment(Qt::AlignCenter);
    Gauge_Speichervortschritt = new QProgressBar(Panel_SpeichernLaeuft);
    Gauge_Speichervortschritt->setObjectName(QStringLiteral("Gauge_Speichervortschritt"));
    Gauge_Speichervortschritt->setGeometry(20, 48, 320, 20);
    Gauge_Speichervortschritt->setRange(0, 100);
    Gauge_Speichervortschritt->setStyleSheet(
        QStringLiteral("QProgressBar::chunk { background-color: red; }"));
    Panel_SpeichernLaeuft->hide();
    Panel_DruckvorgangLaeuft = Panel(Client, "Panel_DruckvorgangLaeuft",
                                     QRect(306 + (703 - 300) / 2, 8 + (444 - 60) / 2, 300, 60),
                                     palette().color(QPalette::Button));
    auto* drucktext =
        new QLabel(QStringLiteral("Druckvorgang läuft ..."), Panel_DruckvorgangLaeuft);
    drucktext->setGeometry(0, 0, 300, 60);
    drucktext->setAlignment(Qt::AlignCenter);
    Panel_DruckvorgangLaeuft->hide();
}

void TForm_Haupt::DiagrammseiteAufbauen(QWidget* panel, bool tag) {
    TFormShape* rahmen = new TFormShape(
        panel, tag ? QStringLiteral("Shape10") : QStringLiteral("Shape9"), TFormShape::Rechteck);
    rahmen->Gefuellt(false);
    rahmen->setGeometry(32, 40, 433, 289);
    QLabel* achse = Beschriftung(panel, QStringLiteral("Verschattung in %"), tag ? 64 : 40, 52);
    achse->setObjectName(tag ? QStringLiteral("Label82") : QStringLiteral("Label81"));
    const int bildX = tag ? 52 : 54;
    const QSize diagramm(DiagrammBreite, DiagrammHoehe);
    auto* fenster = new TBildflaeche(panel,
                                     tag ? QStringLiteral("anz_Tagessimulation_Fenster")
                                         : QStringLiteral("anz_Jahressimulation_Fenster"),
                                     diagramm);
    auto* terrasse = new TBildflaeche(panel,
                                      tag ? QStringLiteral("anz_Tagessimulation_Terrasse")
                                          : QStringLiteral("anz_Jahressimulation_Terrasse"),
                                      diagramm);
    const QImage& vorlage = tag ? anz_Tagessimulation_vorlage : anz_Jahressimulation_vorlage;
    fenster->SetzeBild(vorlage);
    terrasse->SetzeBild(vorlage);
    fenster->move(bildX, 64);
    terrasse->move(bildX, 64);
    terrasse->hide();

    auto* gruppe = new QButtonGroup(panel);
    QToolButton* knoepfe[2];
    for (int i = 0; i < 2; ++i) {
        knoepfe[i] = new QToolButton(panel);
        knoepfe[i]->setText(i == 0 ? QStringLiteral("Fenster") : QStringLiteral("Terrasse"));
        knoepfe[i]->setCheckable(true);
        knoepfe[i]->setGeometry(496, 64 + 32 * i, 129, 25);
        gruppe->addButton(knoepfe[i]);
        connect(knoepfe[i], &QToolButton::clicked, this,
                [this] { SpeedButton_SimulationsClick(); });
    }
    knoepfe[0]->setChecked(true);

    auto* lauf = new QLabel(
        tag ? QStringLiteral("Simulationsdatum") : QStringLiteral("Simulationszeit"), panel);
    lauf->setGeometry(tag ? 488 : 497, 160, tag ? 145 : 128, 20);
    lauf->setAlignment(Qt::AlignCenter);
    Fett(lauf)->setGeometry(tag ? 488 : 497, 160, tag ? 145 : 128, 20);

    const struct {
        const char* text;
        QColor grund, schrift;
    } legende[] = {{"besonnt", Qt::white, Qt::black},
                   {"beschattet", QColor(192, 192, 192), Qt::black},
                   {"Sonne nicht sichtbar", QColor(128, 128, 128), Qt::white},
                   {"Nacht", QColor(73, 73, 73), Qt::white}};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(QString::fromUtf8(legende[i].text), panel);
        l->setGeometry(497, 216 + 24 * i, 129, 17);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, legende[i].grund);
        p.setColor(QPalette::WindowText, legende[i].schrift);
        l->setPalette(p);
    }

    if (tag) {
        Shape10 = rahmen;
        Label82 = achse;
        anz_Tagessimulation_Fenster = fenster;
        anz_Tagessimulation_Terrasse = terrasse;
        SpeedButton_Tagessimulation_Fenster = knoepfe[0];
        SpeedButton_Tagessimulation_Terrasse = knoepfe[1];
        anz_Simulationsdatum = lauf;
    } else {
        Shape9 = rahmen;
        Label81 = achse;
        anz_Jahressimulation_Fenster = fenster;
        anz_Jahressimulation_Terrasse = terrasse;
        SpeedButton_Jahressimulation_Fenster = knoepfe[0];
        SpeedButton_Jahressimulation_Terrasse = knoepfe[1];
        anz_SimulationsUhrzeit = lauf;
    }
}

void TForm_Haupt::UntereLeisteAufbauen() {
    // Compass.
    Panel_Kompass = Panel(Client, "Panel_Kompass", QRect(322, 461, 125, 125));
    Image_Kompass = new TBildflaeche(Panel_Kompass, QStringLiteral("Image_Kompass"), QSize(75, 75));
    Image_Kompass->move(25, 25);
    Image_Kompass->SetzeBild(Image_Kompass_vorlage);
    const struct {
        const char* text;
        int x, y;
    } buchstaben[] = {{"N", 60, 10},  {"S", 59, 102}, {"W", 10, 56},  {"O", 102, 56},
                      {"NO", 90, 26}, {"NW", 18, 26}, {"SW", 18, 90}, {"SO", 90, 90}};
    for (const auto& b : buchstaben) {
        Beschriftung(Panel_Kompass, QString::fromUtf8(b.text), b.x, b.y);
    }
    shape_Himmelsrichtung = Marker(Panel_Kompass, "shape_Himmelsrichtung", TFormShape::Kreis, true);
    shape_Himmelsrichtung->setGeometry(58, 88, 8, 8);

    Label33 = new QLabel(
        QStringLiteral("Zum Ändern der Dimensionen benutzen Sie bitte die orangenen Punkte / "
                       "Linien innerhalb der Grafiken oder legen Sie die Dimensionen mit den "
                       "nebenstehenden Eingabefeldern fest."),
        Client);
    Label33->setObjectName(QStringLiteral("Label33"));
    Label33->setGeometry(495, 488, 194, 73);
    Label33->setAlignment(Qt::AlignCenter);
    Label33->setWordWrap(true);

    // Results.
    Panel3 = Panel(Client, "Panel3", QRect(712, 460, 297, 127), palette().color(QPalette::Button));
    anz_Uhrzeit = Ergebniszeile(Panel3, "anz_Uhrzeit", 12, 297);
    anz_Datum = Ergebniszeile(Panel3, "anz_Datum", 40, 297);
    anz_Verschattungsanteil_f = Ergebniszeile(Panel3, "anz_Verschattungsanteil_f", 68, 297);
    anz_Verschattungsanteil_t = Ergebniszeile(Panel3, "anz_Verschattungsanteil_t", 96, 297);

    // Date and time scales.
    Panel1 = Panel(Client, "Panel1", QRect(72, 594, 769, 92));
    Image_Datum = new TBildflaeche(Panel1, QStringLiteral("Image_Datum"), QSize(730, 14));
    Image_Datum->move(16, 16);
    Image_Zeit = new TBildflaeche(Panel1, QStringLiteral("Image_Zeit"), QSize(730, 14));
    Image_Zeit->move(16, 56);
    const int monatsgrenzen[] = {0, 62, 118, 180, 240, 302, 362, 426, 488, 546, 610, 670, 729};
    for (int m = 0; m < 12; ++m) {
        QLabel* l = Beschriftung(Panel1, QString::fromUtf8(Monatskuerzel(m + 1)), 0, 32);
        l->move(16 + (monatsgrenzen[m] + monatsgrenzen[m + 1]) / 2 - l->width() / 2, 32);
    }
    for (int stunde = 0; stunde <= 24; stunde += 2) {
        QLabel* l =
            Beschriftung(Panel1, QStringLiteral("%1:00").arg(stunde, 2, 10, QChar(u'0')), 0, 72);
        l->move(16 + stunde * 729 / 24 - l->width() / 2, 72);
    }
    Shape_Datum = Marker(Panel1, "Shape_Datum", TFormShape::Kreis, true);
    Shape_Datum->setGeometry(16, 17, 12, 12);
    Shape_Datum->Stiftfarbe(0);
    Shape_Datum->Pinselfarbe(0x0000FF);
    Shape_Datum->setCursor(Qt::SizeHorCursor);
    Shape_Zeit = Marker(Panel1, "Shape_Zeit", TFormShape::Kreis, true);
    Shape_Zeit->setGeometry(16, 57, 12, 12);
    Shape_Zeit->Stiftfarbe(0);
    Shape_Zeit->Pinselfarbe(0x0000FF);
    Shape_Zeit->setCursor(Qt::SizeHorCursor);
    for (TFormShape* m : {Shape_Datum, Shape_Zeit}) {
        // Date and time also by keyboard.
        m->setFocusPolicy(Qt::StrongFocus);
        m->Taste = [this](TFormShape* s, QKeyEvent* e) { return MarkerTaste(s, e); };
        m->MausBewegt = [this](TFormShape* s, QMouseEvent* e) { Shape_DatumZeitMouseMove(s, e); };
    }
    TrackBar_Datum = std::make_unique<TTrackBar>(QStringLiteral("TrackBar_Datum"), 1, 365, 172);
    TrackBar_Uhrzeit = std::make_unique<TTrackBar>(QStringLiteral("TrackBar_Uhrzeit"), 0, 143, 72);
    for (TTrackBar* t : {TrackBar_Datum.get(), TrackBar_Uhrzeit.get()}) {
        t->BeiAenderung = [this](TTrackBar* sender) { TrackBar_Datum_UhrzeitChange(sender); };
    }

    // Run buttons: year above, day below; start, pause, stop.
    const auto knopf = [this](const char* name, const char* tipp, QStyle::StandardPixmap bild,
                              int x, int y, bool an) {
        auto* b = new QToolButton(Client);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(QString::fromUtf8(tipp));
        b->setIcon(style()->standardIcon(bild));
        b->setGeometry(x, y, 22, 22);
        b->setEnabled(an);
        return b;
    };
    Button_JahrSimulationStarten = knopf("Button_JahrSimulationStarten", "Jahressimulation starten",
                                         QStyle::SP_MediaPlay, 848, 608, true);
    Button_JahrSimulationPause = knopf("Button_JahrSimulationPause", "Jahressimulation Pause",
                                       QStyle::SP_MediaPause, 872, 608, false);
    Button_JahrSimulationAnhalten =
        knopf("Button_JahrSimulationAnhalten", "Jahressimulation anhalten", QStyle::SP_MediaStop,
              896, 608, false);
    Button_TagSimulationStarten = knopf("Button_TagSimulationStarten", "Tagessimulation starten",
                                        QStyle::SP_MediaPlay, 848, 648, true);
    Button_TagSimulationPause = knopf("Button_TagSimulationPause", "Tagsimulation Pause",
                                      QStyle::SP_MediaPause, 872, 648, false);
    Button_TagSimulationAnhalten = knopf("Button_TagSimulationAnhalten", "Tagessimulation anhalten",
                                         QStyle::SP_MediaStop, 896, 648, false);
}

void TForm_Haupt::MenueAufbauen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    const auto eintrag = [this](QMenu* menue, const char* name, const QString& text) {
        QAction* a = menue->addAction(text);
        a->setObjectName(QString::fromUtf8(name));
        return a;
    };
    QMenu* datei = leiste->addMenu(QStringLiteral("&Datei"));
    Neu1 = eintrag(datei, "Neu1", QStringLiteral("&Neu"));
    ffnen1 = eintrag(datei, "ffnen1", QStringLiteral("&Öffnen ..."));
    Speichern1 = eintrag(datei, "Speichern1", QStringLiteral("&Speichern"));
    Sperichernunter1 = eintrag(datei, "Sperichernunter1", QStringLiteral("Speichern &unter ..."));
    N_VelumoraTrenner = datei->addSeparator();
    N_VelumoraTrenner->setVisible(false);
    VELUMORAExport1 = datei->addMenu(QStringLiteral("VELUMORA-Export"));
    VELUMORAExport1->setObjectName(QStringLiteral("VELUMORAExport1"));
    VELUMORAExport1->menuAction()->setVisible(false);
    FensteralsTarget1 =
        eintrag(VELUMORAExport1, "FensteralsTarget1", QStringLiteral("Fenster als Target"));
    TerrassealsTarget1 =
        eintrag(VELUMORAExport1, "TerrassealsTarget1", QStringLiteral("Terrasse als Target"));
    datei->addSeparator();
    Beenden1 = eintrag(datei, "Beenden1", QStringLiteral("&Beenden"));
    connect(Beenden1, &QAction::triggered, this, &QWidget::close);

    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("Bearbeiten1"));
    Rueckgaengig1 = eintrag(bearbeiten, "Rueckgaengig1", QStringLiteral("&Rückgängig"));
    Wiederholen1 = eintrag(bearbeiten, "Wiederholen1", QStringLiteral("&Wiederholen"));
    Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederholen1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* projekt = leiste->addMenu(QStringLiteral("&Projekt"));
    Projektbeschreibung1 =
        eintrag(projekt, "Projektbeschreibung1", QStringLiteral("Projektbeschreibung"));

    QMenu* daten = leiste->addMenu(QStringLiteral("&Verschattungsdaten"));
    QMenu* tag = daten->addMenu(QStringLiteral("Stundenwerte speichern (1Tag)"));
    tag->setObjectName(QStringLiteral("Stundenwertespeichern1"));
    Fenster1 = eintrag(tag, "Fenster1", QStringLiteral("Fenster"));
    Terrasse1 = eintrag(tag, "Terrasse1", QStringLiteral("Terrasse"));
    QMenu* jahr = daten->addMenu(QStringLiteral("Stundenwerte speichern (1 Jahr)"));
    jahr->setObjectName(QStringLiteral("Stundenwertespeichern1Jahr1"));
    Fenster2 = eintrag(jahr, "Fenster2", QStringLiteral("Fenster"));
    Terrasse2 = eintrag(jahr, "Terrasse2", QStringLiteral("Terrasse"));
    QMenu* fest = daten->addMenu(QStringLiteral("Jahreswerte Speichern (feste Uhrzeit)"));
    fest->setObjectName(QStringLiteral("JahreswerteSpeichernfesteUhrzeit1"));
    Fenster3 = eintrag(fest, "Fenster3", QStringLiteral("Fenster"));
    Terrasse3 = eintrag(fest, "Terrasse3", QStringLiteral("Terrasse"));
    AuswertungsmenueAufbauen(leiste);

    QMenu* drucken = leiste->addMenu(QStringLiteral("D&rucken"));
    DatenblattAusgabe1 =
        eintrag(drucken, "DatenblattAusgabe1", QStringLiteral("Datenblatt + Grafiken"));
    Datenblatt1 = eintrag(drucken, "Datenblatt1", QStringLiteral("Nur Datenblatt"));
    Grafiken1 = eintrag(drucken, "Grafiken1", QStringLiteral("Nur Grafiken"));
    drucken->addSeparator();
    AktuellerSchirm1 = eintrag(drucken, "AktuellerSchirm1", QStringLiteral("Aktueller Schirm"));

    QMenu* einstellungen = leiste->addMenu(QStringLiteral("&Einstellungen"));
    Ansprechpartner1 =
        eintrag(einstellungen, "Ansprechpartner1", QStringLiteral("Ansprech&partner"));
    Arbeitsverzeichnis1 =
        eintrag(einstellungen, "Arbeitsverzeichnis1", QStringLiteral("Arbeitsverzeichnis"));
    Farbauswahl1 = eintrag(einstellungen, "Farbauswahl1", QStringLiteral("&Farbauswahl"));

    QMenu* hilfe = leiste->addMenu(QStringLiteral("&?"));
    Info1 = eintrag(hilfe, "Info1", QStringLiteral("&Info"));
    connect(Info1, &QAction::triggered, this, [this] { plattform_.ModalZeigen(*Form_Info); });

    // The platform's usual keys, written out rather than taken from QKeySequence's standard
    // keys, which leave "save as" and "quit" empty on some desktops.
    const std::pair<QAction*, QKeySequence> kuerzel[] = {
        {Neu1, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ffnen1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Speichern1, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Sperichernunter1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {DatenblattAusgabe1, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {Beenden1, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {Info1, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [aktion, taste] : kuerzel) {
        aktion->setShortcut(taste);
    }
}

} // namespace umbrarix
