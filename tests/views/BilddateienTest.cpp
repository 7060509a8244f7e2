// Writes every view of three typical instants as PNG files into the build folder, so that
// anyone can look at the drawings (build/ansichten/*.png).

#include "simulation/Diagramme.h"
#include "views/Ansicht3D.h"
#include "views/Frontansicht.h"
#include "views/Horizontalschnitt.h"
#include "views/Kompass.h"
#include "views/Person.h"
#include "views/Seitenansicht.h"
#include "views/Vorlagen.h"

#include "hilfen/Szenen.h"

#include <QDir>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TEST(Bilddateien, AlleAnsichtenAlsPng) {
    const QString ordner = QStringLiteral(UMBRARIX_BILDORDNER);
    ASSERT_TRUE(QDir().mkpath(ordner));
    TEingabedaten alle;
    alle.CheckBox_MauerLinks = alle.CheckBox_MauerRechts = true;
    alle.anz_ml_AbstandFenstermitte = alle.anz_mr_abstandFenstermitte = 250;
    TEingabedaten nord = alle;
    nord.anz_Himmelsrichtung = 180;
    const struct {
        const char* name;
        TEingabedaten e;
        int position;
    } faelle[] = {{"mittag", alle, 72}, {"nacht", alle, 132}, {"nordfassade", nord, 72}};
    const QImage vorlage = Vorlage_Ansicht();
    for (const auto& f : faelle) {
        const TSzene s = testhilfen::AusgewerteteSzene(f.e, 172, f.position);
        const TFarbset farben;
        const QString basis = ordner + QStringLiteral("/") + QString::fromUtf8(f.name);
        const QImage bilder[] = {
            Ansicht3D_Zeichnen(s, farben, T3DBlick{}),
            Seitenansicht_Zeichnen(s, farben, vorlage, testhilfen::SonneVon(s), PersonStartLinks)
                .Bild,
            Frontansicht_Zeichnen(s, farben, vorlage).Bild,
            Horizontalschnitt_Zeichnen(s, farben, vorlage).Bild,
            ZeichneKompass(s.Eingaben.anz_Himmelsrichtung, s.Eingaben.anz_Breitengrad, 172, farben,
                           Vorlage_Kompass())
                .Bild,
        };
        const char* ansichten[] = {"3d", "seite", "fenster", "terrasse", "kompass"};
        for (int i = 0; i < 5; ++i) {
            const QString datei = basis + QStringLiteral("_") + QString::fromUtf8(ansichten[i]) +
                                  QStringLiteral(".png");
            EXPECT_TRUE(bilder[i].save(datei)) << datei.toStdString();
        }
    }
    // Diagrams of a whole day and a whole year of the default scene.
    TSzene s = testhilfen::AusgewerteteSzene({}, 172, 72);
    QImage tag = Vorlage_Tagesdiagramm(), jahr = Vorlage_Jahresdiagramm();
    for (int p = 1; p <= 144; ++p) {
        Zeitpunkt_Simulieren(s, 172, p % 144);
        Tagesbalken_Zeichnen(tag, p % 144, s.Fenster.Verschattungsanteil);
    }
    for (int d = 1; d <= 365; ++d) {
        Zeitpunkt_Simulieren(s, d, 72);
        Jahresbalken_Zeichnen(jahr, d, s.Fenster.Verschattungsanteil);
    }
    EXPECT_TRUE(tag.save(ordner + QStringLiteral("/tagesdiagramm.png")));
    EXPECT_TRUE(jahr.save(ordner + QStringLiteral("/jahresdiagramm.png")));
}

} // namespace
} // namespace umbrarix
