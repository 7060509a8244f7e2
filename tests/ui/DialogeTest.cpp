// Qt's own dialogs in German: file, colour and print dialogs and the message box buttons; the
// German locale for what Qt formats, without a change to what the window writes itself.
// The pictures go to build/ansichten/ for a look by eye.

#include "ui/Form_Haupt.h"
#include "ui/Sprache.h"

#include "io/Dateizugriff.h"
#include "print/Druckauftrag.h"

#include "hilfen/AufzeichnendeSeitenflaeche.h"
#include "hilfen/Hauptfenster.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

// The German catalogue for the time of one test, so other tests see the state they expect.
struct TDeutsch {
    QTranslator* Uebersetzer = DeutscheQtTexteLaden(*QCoreApplication::instance());
    ~TDeutsch() {
        if (Uebersetzer != nullptr) {
            QCoreApplication::removeTranslator(Uebersetzer);
            delete Uebersetzer;
        }
    }
};

// Every visible text of the dialog's buttons and labels, shown and painted once.
QStringList Texte(QDialog& d, const char* bild) {
    d.show();
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral(UMBRARIX_BILDORDNER));
    d.grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/") + QString::fromUtf8(bild));
    QStringList t;
    for (const QAbstractButton* b : d.findChildren<QAbstractButton*>()) {
        t << b->text().remove(u'&');
    }
    for (const QLabel* l : d.findChildren<QLabel*>()) {
        t << l->text().remove(u'&');
    }
    d.hide();
    return t;
}

TEST(Dialoge, SprechenDeutsch) {
    TDeutsch deutsch;
    ASSERT_NE(deutsch.Uebersetzer, nullptr) << "German Qt catalogue missing";
    const struct {
        const char* kontext;
        const char* englisch;
        const char* deutsch;
    } faelle[] = {
        {"QPlatformTheme", "Cancel", "Abbrechen"},
        {"QPlatformTheme", "Save", "Speichern"},
        {"QFileDialog", "File &name:", "Datei&name:"},
        {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
         "Die Datei %1 existiert bereits.\nSoll sie überschrieben werden?"},
        {"QColorDialog", "Select Color", "Farbauswahl"},
        {"QPrintDialog", "Print", "Drucken"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(QCoreApplication::translate(f.kontext, f.englisch), QString::fromUtf8(f.deutsch))
            << f.kontext << " / " << f.englisch;
    }

    const QTemporaryDir ordner;
    QFileDialog speichern(nullptr, QStringLiteral("Speichern unter"), ordner.path(),
                          QStringLiteral("Daten-Dateien (*.dat);;Alle Dateien (*.*)"));
    speichern.setAcceptMode(QFileDialog::AcceptSave);
    speichern.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList s = Texte(speichern, "dialog_speichern.png");
    EXPECT_TRUE(s.contains(QStringLiteral("Speichern"))) << s.join(u'|').toStdString();
    EXPECT_TRUE(s.contains(QStringLiteral("Abbrechen"))) << s.join(u'|').toStdString();
    EXPECT_FALSE(s.contains(QStringLiteral("Cancel")));

    // Saving over an existing file asks first, in German; "Nein" keeps the dialog open.
    QFile vorhanden(ordner.filePath(QStringLiteral("alt.dat")));
    ASSERT_TRUE(vorhanden.open(QIODevice::WriteOnly));
    vorhanden.close();
    speichern.show();
    speichern.selectFile(vorhanden.fileName());
    QString frage;
    QTimer::singleShot(100, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            frage = box->text();
            box->grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/dialog_ueberschreiben.png"));
            box->button(QMessageBox::No)->click();
        }
    });
    QMetaObject::invokeMethod(&speichern, "accept", Qt::DirectConnection);
    EXPECT_EQ(frage, QStringLiteral("Die Datei alt.dat existiert bereits.\nSoll sie überschrieben "
                                    "werden?"));
    EXPECT_NE(speichern.result(), QDialog::Accepted);
    speichern.hide();

    QColorDialog farbe(QColor(0, 0, 128));
    farbe.setOption(QColorDialog::DontUseNativeDialog);
    const QStringList c = Texte(farbe, "dialog_farbe.png");
    EXPECT_TRUE(c.contains(QStringLiteral("Abbrechen"))) << c.join(u'|').toStdString();
    EXPECT_FALSE(c.contains(QStringLiteral("Pick Screen Color")));

    QPrinter drucker;
    QPrintDialog druck(&drucker);
    const QStringList p = Texte(druck, "dialog_drucken.png");
    EXPECT_TRUE(p.contains(QStringLiteral("Drucken"))) << p.join(u'|').toStdString();
    EXPECT_FALSE(p.contains(QStringLiteral("Print")));
}

// Everything of its own the window shows and writes, under the locale of the moment: the texts
// of its labels and fields (a latitude typed with a comma), the project file, a shading table,
// the data sheet, its picture, and the texts of the Jahresübersicht and the sizing dialog.
struct TEigeneAusgaben {
    QStringList Texte;
    std::string Projekt, Tabelle;
    QStringList Datenblatt;
    QImage Fenster;
};

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string();
}

void TexteSammeln(const QWidget& w, QStringList& texte) {
    for (const QLabel* l : w.findChildren<QLabel*>()) {
        texte << l->text();
    }
    for (const QLineEdit* e : w.findChildren<QLineEdit*>()) {
        texte << e->text();
    }
    for (const QAbstractSpinBox* f : w.findChildren<QAbstractSpinBox*>()) {
        texte << f->text();
    }
    for (const QTableWidget* t : w.findChildren<QTableWidget*>()) {
        for (int z = 0; z < t->rowCount(); ++z) {
            for (int s = 0; s < t->columnCount(); ++s) {
                texte << (t->item(z, s) != nullptr ? t->item(z, s)->text() : QString());
            }
        }
    }
}

TEigeneAusgaben EigeneAusgaben() {
    testhilfen::THauptfenster w;
    testhilfen::Tippen(w->anz_Breitengrad, QStringLiteral("47,5"));
    QTest::keyClick(w->anz_Breitengrad, Qt::Key_Return);
    TEigeneAusgaben a;
    TexteSammeln(*w, a.Texte);
    a.Fenster = w->grab().toImage();
    const QString projekt = w.Ordner.filePath(QStringLiteral("projekt.dat"));
    w.Plattform.Dateiantworten.push_back(projekt);
    w->Speichern1Click();
    a.Projekt = Inhalt(projekt);
    const QString tabelle = w.Ordner.filePath(QStringLiteral("tabelle.dat"));
    w.Plattform.Dateiantworten.push_back(tabelle);
    w->Fenster1->trigger();
    a.Tabelle = Inhalt(tabelle);
    testhilfen::TAufzeichnendeSeitenflaeche seite;
    const auto daten = [&] { return w->Druckdaten(); };
    Druckauftrag_Drucken(seite, true, false, daten, daten);
    for (const testhilfen::TDruckeintrag& e : seite.Eintraege) {
        a.Datenblatt << e.Inhalt;
    }
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        d.show();
        QCoreApplication::processEvents();
        TexteSammeln(d, a.Texte);
    };
    w->Jahresuebersicht1->trigger();
    w->MarkiseDimensionieren1->trigger();
    return a;
}

// The window program sets the German locale at its start. With a system locale of C.UTF-8,
// Qt's dates and file types become German; the window's own texts, files, data sheet and
// pixels stay exactly as under the C locale, decimal points included.
TEST(Dialoge, DeutschesGebietsschemaAendertKeineEigeneAusgabe) {
    const QLocale vorher;
    QLocale::setDefault(QLocale::c()); // what C.UTF-8 gives
    const QDate datum(2026, 12, 9);
    EXPECT_FALSE(QLocale().toString(datum, QLocale::LongFormat).contains(QStringLiteral("Dez")));
    const TEigeneAusgaben c = EigeneAusgaben();

    QTranslator* uebersetzer = DeutschEinrichten(*QCoreApplication::instance());
    const QString langesDatum = QLocale().toString(datum, QLocale::LongFormat);
    const QString dateityp =
        QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment();
    const TEigeneAusgaben de = EigeneAusgaben();
    QLocale::setDefault(vorher);
    if (uebersetzer != nullptr) {
        QCoreApplication::removeTranslator(uebersetzer);
        delete uebersetzer;
    }

    EXPECT_EQ(langesDatum.toStdString(), "Mittwoch, 9. Dezember 2026");
    EXPECT_EQ(dateityp.toStdString(), "Einfaches Textdokument") << "not \"plain text document\"";
    EXPECT_EQ(de.Texte.join(u'|').toStdString(), c.Texte.join(u'|').toStdString());
    EXPECT_EQ(de.Projekt, c.Projekt);
    EXPECT_EQ(de.Tabelle, c.Tabelle);
    EXPECT_EQ(de.Datenblatt.join(u'|').toStdString(), c.Datenblatt.join(u'|').toStdString());
    EXPECT_TRUE(de.Fenster == c.Fenster) << "the window's pixels";
    // And the point is there to keep, in each kind of output.
    const QRegularExpression ergebnis(QStringLiteral("^Verschattung \\(Fenster\\): \\d+\\.\\d %$"));
    EXPECT_EQ(de.Texte.filter(ergebnis).size(), 1) << de.Texte.join(u'|').toStdString();
    EXPECT_TRUE(de.Texte.contains(QStringLiteral("47.5")));
    EXPECT_NE(de.Projekt.find("47.5"), std::string::npos);
    EXPECT_FALSE(de.Datenblatt.filter(QStringLiteral("47.5")).isEmpty());
    EXPECT_NE(de.Tabelle.find("."), std::string::npos);
    EXPECT_EQ(de.Tabelle.find(","), std::string::npos);
}

} // namespace
} // namespace umbrarix
