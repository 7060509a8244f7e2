#pragma once

// A platform for tests: every message, dialog and beep is recorded, answers come from queues,
// nothing ever waits for a person.

#include "ui/Plattform.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>

#include <deque>
#include <functional>

namespace umbrarix::testhilfen {

class TSkriptPlattform : public TPlattform {
public:
    QStringList Meldungen;              // texts of the message boxes shown
    QStringList GezeigteDialoge;        // object names of the modal dialogs shown
    std::deque<int> Dialogantworten;    // result codes for ModalZeigen; default: rejected
    std::deque<QString> Dateiantworten; // paths for the file dialogs; default: cancelled
    std::deque<QString> Ordnerantworten;
    std::deque<std::optional<QColor>> Farbantworten;
    QList<TDateiDialog> Dateidialoge; // settings of every file dialog shown
    int Signaltoene = 0;
    int Verarbeitungen = 0;

    QList<TMeldungsart> Meldungsarten; // their kinds
    void Meldung(QWidget*, const QString& text, TMeldungsart art) override {
        Meldungen.push_back(text);
        Meldungsarten.push_back(art);
    }
    // Questions asked and the answers (button indexes); without an answer the second button
    // ("Verwerfen", "Nein"), so that tests written before a question existed go on as before.
    QStringList Fragen;
    std::deque<int> Fragenantworten;
    int Frage(QWidget*, const QString& text, const QStringList& knoepfe) override {
        Fragen.push_back(text);
        return Naechste(Fragenantworten, knoepfe.size() > 1 ? 1 : 0);
    }
    // What the person does while a dialog is shown (before the answer is taken).
    std::function<void(QDialog&)> BeimZeigen;

    // A window that stays open: recorded and shown, BeimZeigen runs as for a modal one.
    void Zeigen(QDialog& dialog) override {
        GezeigteDialoge.push_back(dialog.objectName());
        dialog.show();
        if (BeimZeigen) {
            BeimZeigen(dialog);
        }
    }
    int ModalZeigen(QDialog& dialog) override {
        GezeigteDialoge.push_back(dialog.objectName());
        if (BeimZeigen) {
            BeimZeigen(dialog);
        }
        if (Dialogantworten.empty()) {
            return QDialog::Rejected;
        }
        const int a = Dialogantworten.front();
        Dialogantworten.pop_front();
        return a;
    }
    void NachrichtenVerarbeiten() override { ++Verarbeitungen; }
    void Signalton() override { ++Signaltoene; }
    QString DateiOeffnen(QWidget*, const TDateiDialog& d) override { return Datei(d); }
    QString DateiSpeichern(QWidget*, const TDateiDialog& d) override { return Datei(d); }
    QString OrdnerWaehlen(QWidget*, const QString&, const QString&) override {
        return Naechste(Ordnerantworten, QString());
    }
    std::optional<QColor> FarbeWaehlen(QWidget*, const QColor&) override {
        return Naechste(Farbantworten, std::optional<QColor>());
    }
    // Print dialog: the next answer is a PDF file to print to; none (or empty) cancels.
    std::deque<QString> Druckantworten;
    QStringList Druckauftraege; // document names of the jobs started
    bool Druckdialog(QWidget*, QPrinter& drucker) override {
        const QString datei = Naechste(Druckantworten, QString());
        if (datei.isEmpty()) {
            return false;
        }
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        Druckauftraege.push_back(drucker.docName());
        return true;
    }

private:
    QString Datei(const TDateiDialog& d) {
        Dateidialoge.push_back(d);
        return Naechste(Dateiantworten, QString());
    }
    template <class T> static T Naechste(std::deque<T>& q, T vorgabe) {
        if (q.empty()) {
            return vorgabe;
        }
        T a = q.front();
        q.pop_front();
        return a;
    }
};

} // namespace umbrarix::testhilfen
