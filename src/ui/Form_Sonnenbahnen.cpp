#include "ui/Form_Sonnenbahnen.h"

#include "io/Maskendatei.h"
#include "print/Sonnenbahnenseite.h"
#include "ui/Auswertungsdialog.h"
#include "views/Pngdatei.h"
#include "views/Sonnenbahnen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace umbrarix {

TForm_Sonnenbahnen::TForm_Sonnenbahnen(QWidget* eltern, TPlattform& plattform, const TSzene& szene,
                                       TDruckdaten druck, int tag, int schritt, QString ordner)
    : QDialog(eltern), plattform_(plattform), szene_(szene), druck_(std::move(druck)), tag_(tag),
      schritt_(schritt), ordner_(std::move(ordner)) {
    setObjectName(QStringLiteral("Form_Sonnenbahnen"));
    setWindowTitle(QStringLiteral("Sonnenbahnen"));
    // The target shown first; the other when it is asked for.
    maske_ = *HimmelsmaskeBerechnen(szene_, 1, {}, AnzahlRechenfaeden(), TMaskenziele::Fenster);

    auto* inhalt = DialogInhalt(*this);
    auto* spalte = new QVBoxLayout(inhalt);
    Image_Sonnenbahnen = new QLabel(inhalt);
    Image_Sonnenbahnen->setObjectName(QStringLiteral("Image_Sonnenbahnen"));
    Image_Sonnenbahnen->setFixedSize(TSonnenbahnenmasse::Breite, TSonnenbahnenmasse::Hoehe);
    spalte->addWidget(Image_Sonnenbahnen);

    auto* unten = new QHBoxLayout;
    unten->addWidget(new QLabel(QStringLiteral("Ziel:"), this));
    anz_Ziel = new QComboBox(this);
    anz_Ziel->setObjectName(QStringLiteral("anz_Ziel"));
    anz_Ziel->addItems({QStringLiteral("Fenster"), QStringLiteral("Terrasse")});
    unten->addWidget(anz_Ziel);
    unten->addStretch();
    Button_Bild = Knopf(this, "Button_Bild", QStringLiteral("&Bild speichern ..."));
    Button_Maske = Knopf(this, "Button_Maske", QStringLiteral("&Maske speichern ..."));
    Button_Drucken = Knopf(this, "Button_Drucken", QStringLiteral("&Drucken ..."));
    Button_Schliessen = Knopf(this, "Button_Schliessen", QStringLiteral("&Schließen"));
    for (QPushButton* k : {Button_Bild, Button_Maske, Button_Drucken, Button_Schliessen}) {
        unten->addWidget(k);
    }
    DialogAufbauen(*this, inhalt, nullptr, unten);

    connect(anz_Ziel, &QComboBox::currentIndexChanged, this, [this] {
        terrasseGezeigt_ = anz_Ziel->currentIndex() == 1;
        Zeichnen();
    });
    connect(Button_Bild, &QPushButton::clicked, this, [this] { BildSpeichernClick(); });
    connect(Button_Maske, &QPushButton::clicked, this, [this] { MaskeSpeichernClick(); });
    connect(Button_Drucken, &QPushButton::clicked, this, [this] { DruckenClick(); });
    connect(Button_Schliessen, &QPushButton::clicked, this, &QDialog::accept);
    Zeichnen();
}

void TForm_Sonnenbahnen::ZielErgaenzen(bool terrasse) {
    if (!maske_.Werte(terrasse).empty()) {
        return;
    }
    std::optional<THimmelsmaske> m =
        HimmelsmaskeBerechnen(szene_, maske_.Schritt, {}, AnzahlRechenfaeden(),
                              terrasse ? TMaskenziele::Terrasse : TMaskenziele::Fenster);
    (terrasse ? maske_.Terrasse : maske_.Fenster) = std::move(terrasse ? m->Terrasse : m->Fenster);
}

const THimmelsmaske& TForm_Sonnenbahnen::Maske() {
    ZielErgaenzen(false);
    ZielErgaenzen(true);
    return maske_;
}

void TForm_Sonnenbahnen::Zeichnen() {
    const bool terrasse = anz_Ziel->currentIndex() == 1;
    ZielErgaenzen(terrasse);
    bild_ = Sonnenbahnen_Zeichnen(szene_, maske_, terrasse, tag_, schritt_);
    Image_Sonnenbahnen->setPixmap(QPixmap::fromImage(bild_));
}

void TForm_Sonnenbahnen::Nachfuehren(const TSzene& szene, int tag, int schritt) {
    neuerTag_ = tag;
    neuerSchritt_ = schritt;
    if (!nachfuehrung_) {
        nachfuehrung_ = std::make_unique<TNachfuehrung<TNeu>>(
            this,
            [this](const TSzene& s, const std::function<bool()>& weiter) -> std::optional<TNeu> {
                std::optional<THimmelsmaske> m = HimmelsmaskeBerechnen(
                    s, 1, [&](int) { return weiter(); }, AnzahlRechenfaeden(),
                    terrasseGezeigt_ ? TMaskenziele::Terrasse : TMaskenziele::Fenster);
                if (!m) {
                    return std::nullopt;
                }
                return TNeu{s, std::move(*m)};
            },
            [this](TNeu neu) {
                szene_ = std::move(neu.Szene);
                maske_ = std::move(neu.Maske);
                tag_ = neuerTag_;
                schritt_ = neuerSchritt_;
                Zeichnen();
            });
    }
    nachfuehrung_->Neu(szene);
}

void TForm_Sonnenbahnen::AugenblickSetzen(int tag, int schritt) {
    neuerTag_ = tag;
    neuerSchritt_ = schritt;
    if (tag == tag_ && schritt == schritt_) {
        return; // an evaluation of the same instant: nothing moves
    }
    tag_ = tag;
    schritt_ = schritt;
    Zeichnen();
}

bool TForm_Sonnenbahnen::Aktuell() const {
    return !nachfuehrung_ || nachfuehrung_->Aktuell();
}

void TForm_Sonnenbahnen::BildSpeichernClick() {
    const TDateiDialog d = BildDialog(QStringLiteral("Bild speichern"), ordner_);
    InDateiSpeichern(this, plattform_, d, [this](const QString&) { return PngDatei(bild_); });
}

void TForm_Sonnenbahnen::MaskeSpeichernClick() {
    const TDateiDialog d{QStringLiteral("Maske speichern"),
                         QStringLiteral("CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*"),
                         QStringLiteral("csv"), ordner_, QString()};
    InDateiSpeichern(this, plattform_, d, [this](const QString&) { return MaskenCsv(Maske()); });
}

void TForm_Sonnenbahnen::DruckenClick() {
    if (Druckdatenquelle) {
        druck_ = Druckdatenquelle();
    }
    Maske();
    SeitenDrucken(this, plattform_, [this](TSeitenflaeche& seite) {
        Sonnenbahnen_Drucken(seite, druck_,
                             Sonnenbahnen_Zeichnen(szene_, maske_, false, tag_, schritt_),
                             Sonnenbahnen_Zeichnen(szene_, maske_, true, tag_, schritt_));
    });
}

} // namespace umbrarix
