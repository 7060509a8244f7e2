#include "ui/Plattform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace umbrarix {

namespace {

// "Daten-Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*" -> "Daten-Dateien (*.dat);;Alle ...".
QString QtFilter(const QString& filter) {
    const QStringList teile = filter.split(u'|');
    QStringList aus;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        aus.push_back(teile[i].contains(u'(')
                          ? teile[i]
                          : teile[i] + QStringLiteral(" (") + teile[i + 1] + u')');
    }
    return aus.join(QStringLiteral(";;"));
}

} // namespace

QString EndungDesFilters(const QString& filter) {
    const qsizetype auf = filter.lastIndexOf(u'(');
    const qsizetype zu = filter.lastIndexOf(u')');
    if (auf < 0 || zu < auf) {
        return {};
    }
    const QString muster = filter.mid(auf + 1, zu - auf - 1).trimmed();
    if (!muster.startsWith(QStringLiteral("*.")) || muster.contains(u' ') ||
        muster.indexOf(u'*', 1) >= 0 || muster.size() < 3) {
        return {};
    }
    return muster.mid(2);
}

void TQtPlattform::Zeigen(QDialog& dialog) {
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

int TQtPlattform::Frage(QWidget* eltern, const QString& text, const QStringList& knoepfe) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Umbrarix"), text, QMessageBox::NoButton,
                    eltern);
    QList<QPushButton*> liste;
    for (const QString& k : knoepfe) {
        liste.push_back(box.addButton(k, QMessageBox::ActionRole));
    }
    if (!liste.isEmpty()) {
        box.setDefaultButton(liste.front());
        box.setEscapeButton(liste.back());
    }
    box.exec();
    const qsizetype i = liste.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return i < 0 ? static_cast<int>(knoepfe.size()) - 1 : static_cast<int>(i);
}

void TQtPlattform::Meldung(QWidget* eltern, const QString& text, TMeldungsart art) {
    const bool fehler = art == TMeldungsart::Fehler;
    QMessageBox box(fehler ? QMessageBox::Critical : QMessageBox::Information,
                    fehler ? QStringLiteral("Fehler") : QStringLiteral("Information"), text,
                    QMessageBox::Ok, eltern);
    box.exec();
}

int TQtPlattform::ModalZeigen(QDialog& dialog) {
    return dialog.exec();
}

void TQtPlattform::NachrichtenVerarbeiten() {
    QApplication::processEvents();
}

void TQtPlattform::Signalton() {
    QApplication::beep();
}

QString TQtPlattform::DateiOeffnen(QWidget* eltern, const TDateiDialog& d) {
    QFileDialog dialog(eltern, d.Titel, d.Ordner, QtFilter(d.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!d.Dateiname.isEmpty()) {
        dialog.selectFile(d.Dateiname);
    }
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().front()
               : QString();
}

QString TQtPlattform::DateiSpeichern(QWidget* eltern, const TDateiDialog& d) {
    QFileDialog dialog(eltern, d.Titel, d.Ordner, QtFilter(d.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(d.Endung);
    // A name typed without an extension gets the one of the filter the person picked.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &d](const QString& filter) {
                         const QString endung = EndungDesFilters(filter);
                         dialog.setDefaultSuffix(endung.isEmpty() ? d.Endung : endung);
                     });
    if (!d.Dateiname.isEmpty()) {
        dialog.selectFile(d.Dateiname);
    }
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().front()
               : QString();
}

QString TQtPlattform::OrdnerWaehlen(QWidget* eltern, const QString& titel, const QString& start) {
    return QFileDialog::getExistingDirectory(eltern, titel, start);
}

std::optional<QColor> TQtPlattform::FarbeWaehlen(QWidget* eltern, const QColor& start) {
    const QColor c = QColorDialog::getColor(start, eltern);
    if (!c.isValid()) {
        return std::nullopt;
    }
    return c;
}

bool TQtPlattform::Druckdialog(QWidget* eltern, QPrinter& drucker) {
    QPrintDialog dialog(&drucker, eltern);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace umbrarix
