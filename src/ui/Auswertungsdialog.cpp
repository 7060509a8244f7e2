#include "ui/Auswertungsdialog.h"

#include "io/Dateizugriff.h"
#include "print/Seitenflaeche_Qt.h"
#include "ui/Plattform.h"
#include "ui/Schrift.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace umbrarix {

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromUtf8(name));
    k->setAutoDefault(false);
    return k;
}

void KnoepfeAnordnen(QBoxLayout* unten, std::initializer_list<QPushButton*> knoepfe, int zeilen) {
    auto* gitter = new QGridLayout;
    int nummer = 0;
    for (QPushButton* k : knoepfe) {
        gitter->addWidget(k, nummer % zeilen, nummer / zeilen);
        ++nummer;
    }
    unten->addLayout(gitter);
    unten->addStretch();
}

TDateiDialog BildDialog(const QString& titel, const QString& ordner) {
    return {titel, QStringLiteral("PNG-Bilder (*.png)|*.png|Alle Dateien (*.*)|*.*"),
            QStringLiteral("png"), ordner, QString()};
}

TDateiDialog TabellenDialog(const QString& ordner) {
    return {QStringLiteral("Tabelle speichern"),
            QStringLiteral(
                "Text-Dateien (*.txt)|*.txt|CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*"),
            QStringLiteral("txt"), ordner, QString()};
}

void InDateiSpeichern(QWidget* fenster, TPlattform& plattform, const TDateiDialog& d,
                      const std::function<std::string(const QString& pfad)>& inhalt) {
    const QString pfad = plattform.DateiSpeichern(fenster, d);
    if (pfad.isEmpty()) {
        return;
    }
    if (const TSchreibfehler fehler = DateiSchreiben(pfad.toStdString(), inhalt(pfad))) {
        plattform.Meldung(fenster, QString::fromStdString(*fehler), TMeldungsart::Fehler);
    }
}

void SeitenDrucken(QWidget* fenster, TPlattform& plattform,
                   const std::function<void(TSeitenflaeche&)>& seiteZeichnen) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Umbrarix"));
    if (!plattform.Druckdialog(fenster, drucker)) {
        return;
    }
    TQtSeitenflaeche seite(drucker);
    if (seite.Aktiv()) {
        seiteZeichnen(seite);
        seite.Beenden();
    }
    if (!seite.Fehler().isEmpty()) {
        plattform.Meldung(fenster, seite.Fehler(), TMeldungsart::Fehler);
    }
}

QWidget* DialogInhalt(QDialog& dialog) {
    dialog.setFont(Programmschrift());
    return new QWidget(&dialog);
}

void DialogAufbauen(QDialog& dialog, QWidget* inhalt, QLayout* seite, QLayout* unten) {
    dialog.setFont(Programmschrift());
    auto* rollen = new QScrollArea(&dialog);
    rollen->setWidget(inhalt);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    auto* aussen = new QVBoxLayout(&dialog);
    aussen->setContentsMargins(8, 8, 8, 8);
    if (inhalt->layout() != nullptr) {
        inhalt->layout()->setContentsMargins(0, 0, 0, 0); // the dialog's margins suffice
    }
    auto* oben = new QHBoxLayout;
    oben->addWidget(rollen, 1);
    if (seite != nullptr) {
        oben->addLayout(seite);
    }
    aussen->addLayout(oben, 1);
    if (unten != nullptr) {
        aussen->addLayout(unten);
    }
    // The content's size, the side column and the rows below it, the margins and spacing.
    const QSize rand(aussen->contentsMargins().left() + aussen->contentsMargins().right(),
                     aussen->contentsMargins().top() + aussen->contentsMargins().bottom());
    QSize gewuenscht =
        inhalt->sizeHint() + rand + QSize(2 * aussen->spacing(), 2 * aussen->spacing());
    if (seite != nullptr) {
        gewuenscht.rwidth() += seite->sizeHint().width();
        gewuenscht.rheight() =
            std::max(gewuenscht.height(), seite->sizeHint().height() + rand.height());
    }
    if (unten != nullptr) {
        gewuenscht.rheight() += unten->sizeHint().height();
    }
    // Layouts round; a few pixels more keep the scroll bars away when there is room.
    gewuenscht += QSize(16, 16);
    if (const QScreen* schirm = dialog.screen()) {
        // Room for the window frame and title bar.
        gewuenscht = gewuenscht.boundedTo(schirm->availableSize() - QSize(8, 48));
    }
    dialog.resize(gewuenscht);
}

} // namespace umbrarix
