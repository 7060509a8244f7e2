// Qt's own dialogs in German: file, colour and print dialogs and the message box buttons.
// The pictures go to build/ansichten/ for a look by eye.

#include "ui/Sprache.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
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

} // namespace
} // namespace umbrarix
