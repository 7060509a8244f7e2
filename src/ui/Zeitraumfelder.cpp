#include "ui/Zeitraumfelder.h"

#include "model/Kalender.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace umbrarix {

namespace {

// The fields show a date of a year without 29 February, so that no day outside the 365-day
// year can be chosen.
constexpr int Kalenderjahr = 2025;

QDate AlsDatum(int tag) {
    const TDatum d = TagImJahrZuDatum(tag);
    return QDate(Kalenderjahr, d.Monat, d.Tag);
}

QString Uhrzeittext(int schritt) {
    return QStringLiteral("%1:%2")
        .arg(schritt / 6, 2, 10, QLatin1Char('0'))
        .arg(schritt % 6 * 10, 2, 10, QLatin1Char('0'));
}

QDateEdit* Datumsfeld(QWidget* eltern, const char* name) {
    auto* f = new QDateEdit(eltern);
    f->setObjectName(QString::fromUtf8(name));
    f->setDisplayFormat(QStringLiteral("dd.MM."));
    f->setDateRange(QDate(Kalenderjahr, 1, 1), QDate(Kalenderjahr, 12, 31));
    f->setWrapping(true);
    return f;
}

// Start times 00:00 .. 23:50, end times 00:10 .. 24:00.
QComboBox* Uhrzeitfeld(QWidget* eltern, const char* name, int erster) {
    auto* f = new QComboBox(eltern);
    f->setObjectName(QString::fromUtf8(name));
    for (int k = erster; k < erster + 144; ++k) {
        f->addItem(Uhrzeittext(k), k);
    }
    return f;
}

} // namespace

TZeitraumfelder::TZeitraumfelder(QWidget* eltern) : QGroupBox(QStringLiteral("Zeitraum"), eltern) {
    setObjectName(QStringLiteral("Zeitraumfelder"));
    auto* gitter = new QGridLayout(this);
    anz_VonDatum = Datumsfeld(this, "anz_VonDatum");
    anz_BisDatum = Datumsfeld(this, "anz_BisDatum");
    anz_VonUhrzeit = Uhrzeitfeld(this, "anz_VonUhrzeit", 0);
    anz_BisUhrzeit = Uhrzeitfeld(this, "anz_BisUhrzeit", 1);
    gitter->addWidget(new QLabel(QStringLiteral("Von:"), this), 0, 0);
    gitter->addWidget(anz_VonDatum, 0, 1);
    gitter->addWidget(new QLabel(QStringLiteral("Bis:"), this), 0, 2);
    gitter->addWidget(anz_BisDatum, 0, 3);
    gitter->addWidget(new QLabel(QStringLiteral("Uhrzeit von:"), this), 1, 0);
    gitter->addWidget(anz_VonUhrzeit, 1, 1);
    gitter->addWidget(new QLabel(QStringLiteral("bis:"), this), 1, 2);
    gitter->addWidget(anz_BisUhrzeit, 1, 3);
    SetzeZeitraum(TZeitraum{});
    for (QDateEdit* f : {anz_VonDatum, anz_BisDatum}) {
        connect(f, &QDateEdit::dateChanged, this, [this, f] { Geaendert(f); });
    }
    for (QComboBox* f : {anz_VonUhrzeit, anz_BisUhrzeit}) {
        connect(f, &QComboBox::currentIndexChanged, this, [this, f] { Geaendert(f); });
    }
}

TZeitraum TZeitraumfelder::Zeitraum() const {
    return {anz_VonDatum->date().dayOfYear(), anz_BisDatum->date().dayOfYear(),
            anz_VonUhrzeit->currentData().toInt(), anz_BisUhrzeit->currentData().toInt()};
}

void TZeitraumfelder::SetzeZeitraum(const TZeitraum& z) {
    setzen_ = true;
    anz_VonDatum->setDate(AlsDatum(std::clamp(z.VonTag, 1, 365)));
    anz_BisDatum->setDate(AlsDatum(std::clamp(z.BisTag, 1, 365)));
    anz_VonUhrzeit->setCurrentIndex(std::clamp(z.VonSchritt, 0, 143));
    anz_BisUhrzeit->setCurrentIndex(std::clamp(z.BisSchritt - 1, 0, 143));
    setzen_ = false;
    Geaendert(nullptr);
}

void TZeitraumfelder::Geaendert(QObject* sender) {
    if (setzen_) {
        return;
    }
    // An end time at or before the start time moves the other field along, so that the
    // period always holds at least one step.
    const int von = anz_VonUhrzeit->currentIndex(), bis = anz_BisUhrzeit->currentIndex() + 1;
    if (bis <= von) {
        setzen_ = true;
        if (sender == anz_BisUhrzeit) {
            anz_VonUhrzeit->setCurrentIndex(bis - 1);
        } else {
            anz_BisUhrzeit->setCurrentIndex(von);
        }
        setzen_ = false;
    }
    if (BeiAenderung) {
        BeiAenderung();
    }
}

QLabel* TZeitraumfelder::Ergebniszeile(const char* name) {
    auto* gitter = static_cast<QGridLayout*>(layout());
    auto* zeile = new QLabel(this);
    zeile->setObjectName(QString::fromUtf8(name));
    gitter->addWidget(zeile, gitter->rowCount(), 0, 1, 4);
    return zeile;
}

} // namespace umbrarix
