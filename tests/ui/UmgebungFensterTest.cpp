// The skyline dialog and what the window does with its answer: the shares at an instant behind
// the surroundings, the project file, "&Neu".

#include "ui/Form_Haupt.h"
#include "ui/Form_Umgebung.h"

#include "io/Dateizugriff.h"
#include "io/Horizontdatei.h"

#include "hilfen/Hauptfenster.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<fehlt>");
}

void Zeile(TForm_Umgebung& d, const QString& azimut, const QString& hoehe) {
    d.Tabelle_Punkte->setCurrentCell(d.Tabelle_Punkte->rowCount() - 1, 0);
    d.PunktHinzufuegenClick();
    const int z = d.Tabelle_Punkte->currentRow();
    d.Tabelle_Punkte->setItem(z, 0, new QTableWidgetItem(azimut));
    d.Tabelle_Punkte->setItem(z, 1, new QTableWidgetItem(hoehe));
}

// A skyline typed in the dialog hides the midsummer noon sun; it goes into the project file
// and comes back with it; "&Neu" is an open site again.
TEST(UmgebungFenster, SkylineVerdecktDieSonneUndReistMitDemProjekt) {
    THauptfenster w;
    const QString offen = w->anz_Verschattungsanteil_f->text();
    ASSERT_EQ(offen, QStringLiteral("Verschattung (Fenster): 100.0 %")) << "the awning's own";
    const QString terrasseOffen = w->anz_Verschattungsanteil_t->text();
    w.Plattform.BeimZeigen = [](QDialog& dialog) {
        auto& d = dynamic_cast<TForm_Umgebung&>(dialog);
        EXPECT_EQ(d.Tabelle_Punkte->rowCount(), 0);
        ASSERT_FALSE(d.Image_Horizont->pixmap().isNull());
        Zeile(d, QStringLiteral("90"), QStringLiteral("70"));
        Zeile(d, QStringLiteral("270"), QStringLiteral("70,5"));
        d.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(d.grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/umgebung_dialog.png")));
        d.OkClick();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    };
    w.Plattform.Dialogantworten.push_back(QDialog::Accepted);
    w->Umgebung1->trigger();
    ASSERT_EQ(w.Plattform.GezeigteDialoge.back(), QStringLiteral("TForm_Umgebung"));
    EXPECT_EQ(w->Szene.Umgebung, TUmgebung({{90, 70}, {270, 70.5}}));
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(),
              QStringLiteral("Fenster: 100.0 % - Sonne hinter der Umgebung"));
    EXPECT_EQ(w->anz_Verschattungsanteil_t->text(),
              QStringLiteral("Terrasse: 100.0 % - Sonne hinter der Umgebung"));

    QCoreApplication::processEvents();
    EXPECT_TRUE(w->grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/umgebung_fenster.png")));
    const QString pfad = w.Ordner.filePath(QStringLiteral("hang.dat"));
    w.Plattform.Dateiantworten.push_back(pfad);
    w->Sperichernunter1Click();
    const std::string datei = Inhalt(pfad);
    EXPECT_NE(datei.find("Umgebung:\r\n---------\r\nHorizontpunkt:"), std::string::npos);

    w->Neu1Click();
    EXPECT_TRUE(w->Szene.Umgebung.Leer());
    EXPECT_EQ(w->anz_Verschattungsanteil_t->text(), terrasseOffen);
    w.Plattform.Dateiantworten.push_back(pfad);
    w->ffnen1Click();
    EXPECT_EQ(w->Szene.Umgebung, TUmgebung({{90, 70}, {270, 70.5}}));
    EXPECT_EQ(w->anz_Verschattungsanteil_t->text(),
              QStringLiteral("Terrasse: 100.0 % - Sonne hinter der Umgebung"));
    w.Plattform.Dateiantworten.push_back(pfad);
    w->Sperichernunter1Click();
    EXPECT_EQ(Inhalt(pfad), datei) << "saved again byte for byte";

    // Cancelled: nothing changes.
    w.Plattform.BeimZeigen = [](QDialog& dialog) {
        dynamic_cast<TForm_Umgebung&>(dialog).KeineUmgebungClick();
    };
    w->Umgebung1->trigger();
    EXPECT_FALSE(w->Szene.Umgebung.Leer());
}

// What the dialog refuses, and its buttons.
TEST(UmgebungFenster, DialogPrueftSortiertImportiertExportiert) {
    THauptfenster w;
    const QString ordner = w.Ordner.path() + QStringLiteral("/");
    TForm_Umgebung d(w.Fenster.get(), w.Plattform, TUmgebung({{200, 10}, {20, 5}}), 0, {}, ordner);
    ASSERT_EQ(d.Tabelle_Punkte->rowCount(), 2);
    EXPECT_EQ(d.Tabelle_Punkte->item(0, 0)->text(), QStringLiteral("20"));

    const struct {
        const char* azimut;
        const char* hoehe;
        const char* meldung;
    } falsch[] = {
        {"abc", "5", "Punkt 3: Azimut und Höhe müssen Zahlen sein."},
        {"10", "", "Punkt 3: Azimut und Höhe müssen Zahlen sein."},
        {"400", "5", "Punkt 3: Der Azimut liegt außerhalb von -360 bis 360 Grad."},
        {"10", "95", "Punkt 3: Die Höhe liegt außerhalb von 0 bis 90 Grad."},
        {"10", "-0,5", "Punkt 3: Die Höhe liegt außerhalb von 0 bis 90 Grad."},
    };
    for (const auto& f : falsch) {
        d.Tabelle_Punkte->setCurrentCell(1, 0);
        Zeile(d, QString::fromUtf8(f.azimut), QString::fromUtf8(f.hoehe));
        const auto meldungen = w.Plattform.Meldungen.size();
        d.OkClick();
        ASSERT_EQ(w.Plattform.Meldungen.size(), meldungen + 1) << f.azimut;
        EXPECT_EQ(w.Plattform.Meldungen.back(), QString::fromUtf8(f.meldung));
        EXPECT_NE(d.result(), QDialog::Accepted);
        d.Tabelle_Punkte->setCurrentCell(2, 0);
        d.PunktEntfernenClick();
    }
    // An empty row counts as none; a decimal comma is a number.
    Zeile(d, QString(), QString());
    Zeile(d, QStringLiteral("-90"), QStringLiteral("12,5"));
    d.SortierenClick();
    ASSERT_EQ(d.Tabelle_Punkte->rowCount(), 3);
    EXPECT_EQ(d.Tabelle_Punkte->item(2, 0)->text(), QStringLiteral("270"));
    EXPECT_EQ(d.Tabelle_Punkte->item(2, 1)->text(), QStringLiteral("12,5"));

    // Export writes the program's list; import reads it back, and a bad file changes nothing.
    const QString liste = w.Ordner.filePath(QStringLiteral("horizont.csv"));
    w.Plattform.Dateiantworten.push_back(liste);
    d.ExportierenClick();
    const TUmgebung erwartet({{20, 5}, {200, 10}, {270, 12.5}});
    EXPECT_EQ(Inhalt(liste), HorizontSchreiben(erwartet));
    d.KeineUmgebungClick();
    EXPECT_EQ(d.Tabelle_Punkte->rowCount(), 0);
    const QString kaputt = w.Ordner.filePath(QStringLiteral("kaputt.csv"));
    ASSERT_EQ(DateiSchreiben(kaputt.toStdString(), "Azimut;Höhe\r\n10;5\r\nx;y\r\n"), std::nullopt);
    w.Plattform.Dateiantworten.push_back(kaputt);
    d.ImportierenClick();
    EXPECT_TRUE(w.Plattform.Meldungen.back().startsWith(QStringLiteral("Zeile 3")))
        << w.Plattform.Meldungen.back().toStdString();
    EXPECT_EQ(d.Tabelle_Punkte->rowCount(), 0);
    w.Plattform.Dateiantworten.push_back(liste);
    d.ImportierenClick();
    d.OkClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Ergebnis(), erwartet);
}

} // namespace
} // namespace umbrarix
