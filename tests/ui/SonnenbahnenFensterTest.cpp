// The Sonnenbahnen window: the diagram of the window's scene, its target, saving and printing.

#include "ui/Form_Haupt.h"
#include "ui/Form_Sonnenbahnen.h"

#include "io/Dateizugriff.h"
#include "io/Maskendatei.h"
#include "views/Pngdatei.h"
#include "views/Sonnenbahnen.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<fehlt>");
}

TEST(Sonnenbahnenfenster, DiagrammZielSpeichernDrucken) {
    testhilfen::THauptfenster w;
    w->CheckBox_MauerLinks->click();
    const QString bild = w.Ordner.filePath(QStringLiteral("bahnen.png"));
    const QString maske = w.Ordner.filePath(QStringLiteral("maske.csv"));
    const QString pdf = w.Ordner.filePath(QStringLiteral("bahnen.pdf"));
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto& s = dynamic_cast<TForm_Sonnenbahnen&>(d);
        EXPECT_EQ(s.windowTitle(), QStringLiteral("Sonnenbahnen"));
        const THimmelsmaske m = *HimmelsmaskeBerechnen(w->Szene);
        EXPECT_EQ(s.Maske().Fenster, m.Fenster);
        EXPECT_EQ(s.Bild(), Sonnenbahnen_Zeichnen(w->Szene, m, false, 172, 72));
        s.anz_Ziel->setCurrentIndex(1);
        EXPECT_EQ(s.Bild(), Sonnenbahnen_Zeichnen(w->Szene, m, true, 172, 72));
        EXPECT_EQ(s.Image_Sonnenbahnen->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                  s.Bild());
        w.Plattform.Dateiantworten.push_back(bild);
        s.BildSpeichernClick();
        EXPECT_EQ(Inhalt(bild), PngDatei(s.Bild()));
        w.Plattform.Dateiantworten.push_back(maske);
        s.MaskeSpeichernClick();
        EXPECT_EQ(Inhalt(maske), MaskenCsv(m));
        w.Plattform.Druckantworten.push_back(pdf);
        s.DruckenClick();
    };
    w->Sonnenbahnen1->trigger();
    ASSERT_EQ(w.Plattform.GezeigteDialoge, QStringList{QStringLiteral("Form_Sonnenbahnen")});
    const QString inhalt = QString::fromLatin1(QByteArray::fromStdString(Inhalt(pdf)));
    EXPECT_EQ(inhalt.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    EXPECT_TRUE(text.readAllStandardOutput().contains("Sonnenbahnen, Seite 1 / 1"));
    EXPECT_TRUE(w.Plattform.Meldungen.isEmpty());
}

} // namespace
} // namespace umbrarix
