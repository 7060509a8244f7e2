#include "ui/Form_Dialoge.h"

#include "io/Einstellungen.h"
#include "ui/Schrift.h"
#include "views/Zeichenflaeche.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace umbrarix {

namespace {

// A swatch that reports clicks.
class TFarbfeld : public QWidget {
public:
    TFarbfeld(QWidget* eltern, const QString& name, std::function<void()> klick)
        : QWidget(eltern), klick_(std::move(klick)) {
        setObjectName(name);
        setAutoFillBackground(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { klick_(); }
    // Reached by Tab too: Space or Enter opens the chooser; a dotted frame shows the focus.
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            klick_();
            return;
        }
        QWidget::keyPressEvent(e);
    }
    void paintEvent(QPaintEvent* e) override {
        QWidget::paintEvent(e);
        if (hasFocus()) {
            QPainter p(this);
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(rect().adjusted(1, 1, -2, -2));
        }
    }
    void focusInEvent(QFocusEvent* e) override {
        QWidget::focusInEvent(e);
        update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QWidget::focusOutEvent(e);
        update();
    }

private:
    std::function<void()> klick_;
};

void Einfaerben(QWidget* w, TFarbe f) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QFarbe(f));
    w->setPalette(p);
}

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromUtf8(name));
    return b;
}

// The "OK" / "Abbrechen" row at the bottom right of the text dialogs.
void OkAbbrechenZeile(QDialog* dialog, QVBoxLayout* layout) {
    auto* knoepfe = new QHBoxLayout;
    QPushButton* ok = Knopf(dialog, "BitBtn1", QStringLiteral("OK"));
    QPushButton* abbrechen = Knopf(dialog, "BitBtn2", QStringLiteral("Abbrechen"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);
}

} // namespace

// ---- TZeilenfeld

TZeilenfeld::TZeilenfeld(QWidget* eltern, const QString& name, TPlattform& plattform)
    : QPlainTextEdit(eltern), plattform_(plattform) {
    setObjectName(name);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { Grau(false); });
}

std::vector<std::string> TZeilenfeld::Zeilen() const {
    QStringList z = toPlainText().split(u'\n');
    if (!z.isEmpty() && z.back().isEmpty()) {
        z.pop_back();
    }
    std::vector<std::string> aus;
    for (const QString& s : z) {
        aus.push_back(s.toStdString());
    }
    return aus;
}

void TZeilenfeld::SetzeZeilen(const std::vector<std::string>& zeilen) {
    QString text;
    for (const std::string& z : zeilen) {
        text += QString::fromStdString(z) + u'\n';
    }
    setPlainText(text);
}

void TZeilenfeld::Grau(bool grau) {
    grau_ = grau;
    QPalette p = palette();
    p.setColor(QPalette::Text, grau ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black));
    setPalette(p);
}

// Every line the field shows counts, an empty last one too: once there are 11, the 11th can
// only be taken back.
void TZeilenfeld::keyPressEvent(QKeyEvent* e) {
    const bool zeichen = !e->text().isEmpty() && e->key() != Qt::Key_Backspace;
    if (zeichen && document()->blockCount() > 10) {
        plattform_.Signalton();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

// ---- TForm_Farbauswahl

TForm_Farbauswahl::TForm_Farbauswahl(QWidget* eltern, TPlattform& plattform)
    : QDialog(eltern, Qt::Tool), plattform_(plattform) {
    setObjectName(QStringLiteral("TForm_Farbauswahl"));
    setWindowTitle(QStringLiteral("Farbauswahl"));
    setFont(Programmschrift());
    const char* labels[] = {"Farbe des Überhangs / der Markise:",
                            "Farbe der Mauervorsprünge:",
                            "Farbe des Fensters:",
                            "Farbe der Wand:",
                            "Farbe der Terrasse:",
                            "Farbe des Bodens",
                            "Farbe der interaktiven Elemente:"};
    const char* namen[] = {"Panel_Markisenfarbe",  "Panel_Mauerfarbe",     "Panel_Fensterfarbe",
                           "Panel_Wandfarbe",      "Panel_Terrassenfarbe", "Panel_Bodenfarbe",
                           "Panel_Interaktivfarbe"};
    for (int i = 0; i < 7; ++i) {
        auto* l = new QLabel(QString::fromUtf8(labels[i]), this);
        l->move(18, 16 + 32 * i + 5);
        Panels[static_cast<std::size_t>(i)] =
            new TFarbfeld(this, QString::fromUtf8(namen[i]), [this, i] { PanelClick(i); });
        Panels[static_cast<std::size_t>(i)]->setGeometry(200, 16 + 32 * i, 201, 25);
    }
    BitBtn1 = Knopf(this, "BitBtn1", QStringLiteral("OK"));
    BitBtn2 = Knopf(this, "BitBtn2", QStringLiteral("Abbrechen"));
    BitBtn1->setGeometry(120, 250, 90, 27);
    BitBtn2->setGeometry(230, 250, 90, 27);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(420, 292);
}

void TForm_Farbauswahl::Zeigen(const TFarbset& f) {
    farben_ = {f.Markisenfarbe,  f.Mauerfarbe, f.Fensterfarbe,   f.Wandfarbe,
               f.Terrassenfarbe, f.Bodenfarbe, f.Interaktivfarbe};
    for (std::size_t i = 0; i < 7; ++i) {
        Einfaerben(Panels[i], farben_[i]);
    }
}

TFarbset TForm_Farbauswahl::Farben() const {
    TFarbset f;
    f.Markisenfarbe = farben_[0];
    f.Mauerfarbe = farben_[1];
    f.Fensterfarbe = farben_[2];
    f.Wandfarbe = farben_[3];
    f.Terrassenfarbe = farben_[4];
    f.Bodenfarbe = farben_[5];
    f.Interaktivfarbe = farben_[6];
    return f;
}

void TForm_Farbauswahl::PanelClick(int index) {
    const auto i = static_cast<std::size_t>(index);
    if (const std::optional<QColor> c = plattform_.FarbeWaehlen(this, QFarbe(farben_[i]))) {
        farben_[i] = FarbeAusRgb(c->red(), c->green(), c->blue());
        Einfaerben(Panels[i], farben_[i]);
    }
}

// ---- TForm_Arbeitsverzeichnis

TForm_Arbeitsverzeichnis::TForm_Arbeitsverzeichnis(QWidget* eltern, TPlattform& plattform,
                                                   const TEinstellungsorte& orte,
                                                   QString startordner, QString& oeffnenOrdner,
                                                   QString& speichernOrdner)
    : QDialog(eltern), plattform_(plattform), orte_(orte), startordner_(std::move(startordner)),
      oeffnenOrdner_(oeffnenOrdner), speichernOrdner_(speichernOrdner) {
    setObjectName(QStringLiteral("TForm_Arbeitsverzeichnis"));
    setWindowTitle(QStringLiteral("Arebitsverzeichnis"));
    setFont(Programmschrift());
    auto* l = new QLabel(QStringLiteral("Arbeitsverzeichnis:"), this);
    l->move(16, 16);
    anz_Arbeitsverzeichnis = new QLineEdit(this);
    anz_Arbeitsverzeichnis->setObjectName(QStringLiteral("anz_Arbeitsverzeichnis"));
    anz_Arbeitsverzeichnis->setGeometry(16, 40, 360, 23);
    BitBtn3 = Knopf(this, "BitBtn3", QStringLiteral("..."));
    BitBtn3->setGeometry(382, 39, 30, 25);
    BitBtn1 = Knopf(this, "BitBtn1", QStringLiteral("OK"));
    BitBtn2 = Knopf(this, "BitBtn2", QStringLiteral("Abbrechen"));
    BitBtn1->setGeometry(120, 84, 90, 27);
    BitBtn1->setDefault(true); // Enter in the field confirms
    BitBtn2->setGeometry(230, 84, 90, 27);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    setFixedSize(430, 124);
}

void TForm_Arbeitsverzeichnis::Vorbereiten() {
    anz_Arbeitsverzeichnis->setText(speichernOrdner_);
}

void TForm_Arbeitsverzeichnis::BitBtn3Click() {
    const QString ordner = plattform_.OrdnerWaehlen(this, QStringLiteral("Arbeitsverzeichnis"),
                                                    anz_Arbeitsverzeichnis->text());
    if (!ordner.isEmpty()) {
        anz_Arbeitsverzeichnis->setText(ordner);
    }
}

void TForm_Arbeitsverzeichnis::BitBtn1Click() {
    QString pfad = anz_Arbeitsverzeichnis->text();
    const QString nichtGespeichert = QStringLiteral(
        "Daten können nicht gespeichert werden! Der Datenträger ist entweder schreibgeschützt "
        "oder Sie haben keine Schreibberechtigung. Sie müssen bei jedem Start des Programms die "
        "Eingaben erneut vornehmen.");
    if (!pfad.isEmpty() && !QDir(pfad).exists()) {
        plattform_.Meldung(this, QStringLiteral("Der Pfad für Kundendateien existiert nicht!"),
                           TMeldungsart::Fehler);
        return;
    }
    if (!pfad.isEmpty()) {
        // Folders end with the separator, as the program folder does.
        if (!pfad.endsWith(QDir::separator())) {
            pfad += QDir::separator();
            anz_Arbeitsverzeichnis->setText(pfad);
        }
        oeffnenOrdner_ = pfad;
        speichernOrdner_ = pfad;
        if (const TSchreibfehler fehler =
                ArbeitsverzeichnisSchreiben(orte_.Schreibordner(), pfad.toStdString())) {
            plattform_.Meldung(this, nichtGespeichert, TMeldungsart::Information);
        }
    } else if (const std::vector<std::string> orte = orte_.Ablageorte();
               std::any_of(orte.begin(), orte.end(), ArbeitsverzeichnisVorhanden)) {
        // Gone from every place, so that no stored folder applies at the next start.
        bool geloescht = true;
        for (const std::string& ordner : orte) {
            geloescht = ArbeitsverzeichnisLoeschen(ordner) && geloescht;
        }
        if (!geloescht) {
            plattform_.Meldung(this, nichtGespeichert, TMeldungsart::Information);
        }
        oeffnenOrdner_ = startordner_;
        speichernOrdner_ = startordner_;
    }
    accept();
}

// ---- TForm_Projektbeschreibung

TForm_Projektbeschreibung::TForm_Projektbeschreibung(QWidget* eltern, TPlattform& plattform)
    : QDialog(eltern) {
    setObjectName(QStringLiteral("TForm_Projektbeschreibung"));
    setWindowTitle(QStringLiteral("Projektbeschreibung"));
    setFont(Programmschrift());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Projektbeschreibung (max. 10 Zeilen):"), this));
    Memo1 = new TZeilenfeld(this, QStringLiteral("Memo1"), plattform);
    layout->addWidget(Memo1);
    // Both only close the dialog: the edits stay either way.
    OkAbbrechenZeile(this, layout);
    resize(520, 330);
}

// ---- TForm_Ansprechpartner

TForm_Ansprechpartner::TForm_Ansprechpartner(QWidget* eltern, TPlattform& plattform,
                                             const TEinstellungsorte& orte)
    : QDialog(eltern), plattform_(plattform), orte_(orte) {
    setObjectName(QStringLiteral("TForm_Ansprechpartner"));
    setWindowTitle(QStringLiteral("Ansprechpartner"));
    setFont(Programmschrift());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "Ansprechpartner  (max. 10 Zeilen, erscheinen beim Ausdruck im Datenblatt):"),
        this));
    Memo2 = new TZeilenfeld(this, QStringLiteral("Memo2"), plattform);
    layout->addWidget(Memo2);
    auto* reihe = new QHBoxLayout;
    Button3 = Knopf(this, "Button3", QStringLiteral("Vorgabe laden"));
    Button2 = Knopf(this, "Button2", QStringLiteral("Löschen"));
    Button1 = Knopf(this, "Button1", QStringLiteral("Als Vorgabe speichern"));
    reihe->addWidget(Button3);
    reihe->addWidget(Button2);
    reihe->addWidget(Button1);
    layout->addLayout(reihe);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    OkAbbrechenZeile(this, layout);
    resize(560, 330);
}

void TForm_Ansprechpartner::Button1Click() {
    if (AnsprechpartnerSchreiben(orte_.Schreibordner(), Memo2->Zeilen())) {
        plattform_.Meldung(this, QStringLiteral("Daten konnten nicht gespeichert werden!"),
                           TMeldungsart::Fehler);
        return;
    }
    Memo2->Grau(true);
    plattform_.Meldung(this, QStringLiteral("Daten wurden als Vorgabe gespeichert."),
                       TMeldungsart::Information);
}

void TForm_Ansprechpartner::Button2Click() {
    Memo2->clear();
}

void TForm_Ansprechpartner::Button3Click() {
    if (const auto zeilen = AnsprechpartnerLesen(orte_.Leseordner(AnsprechpartnerdateiName))) {
        Memo2->SetzeZeilen(*zeilen);
        Memo2->Grau(true);
    } else {
        plattform_.Meldung(this, QStringLiteral("Es wurde noch keine Vorgabe abgespeichert."),
                           TMeldungsart::Fehler);
    }
}

void TForm_Ansprechpartner::VorgabeOderLeer() {
    if (const auto zeilen = AnsprechpartnerLesen(orte_.Leseordner(AnsprechpartnerdateiName))) {
        Memo2->SetzeZeilen(*zeilen);
        Memo2->Grau(true);
    } else {
        Memo2->clear();
    }
}

} // namespace umbrarix
