#include "simulation/Volllauf.h"
#include "model/ElementeAufbauen.h"
#include "referenz/SimulierenBisher.h"
#include "shadow/Simulieren.h"
#include "simulation/Diagramme.h"
#include "views/Vorlagen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace umbrarix {
namespace {

// The full runs compute their shares on several threads and then draw; the diagrams are the
// pixels of the old evaluation drawn step by step, the steps are reported in their order and
// the scene ends at the run's last instant.
TEST(Volllauf, DiagrammeWieSchrittFuerSchritt) {
    TEingabedaten e;
    e.CheckBox_MauerLinks = true;
    e.anz_ml_AbstandFenstermitte = 220;
    e.anz_Himmelsrichtung = 300;
    const TSzene vorlage = SzeneAusEingaben(e);
    for (const bool tag : {true, false}) {
        TSzene alt = vorlage;
        QImage erwartetF = tag ? Vorlage_Tagesdiagramm() : Vorlage_Jahresdiagramm();
        QImage erwartetT = erwartetF;
        std::vector<int> erwarteteSchritte;
        if (tag) {
            for (int schritt = 0; schritt <= 144; ++schritt) {
                const int p = std::min(schritt, 143);
                bisher::Zeitpunkt_Simulieren_Bisher(alt, 200, p);
                Tagesbalken_Zeichnen(erwartetF, p, alt.Fenster.Verschattungsanteil);
                Tagesbalken_Zeichnen(erwartetT, p, alt.Terrasse.Verschattungsanteil);
                erwarteteSchritte.push_back(p);
            }
        } else {
            for (int d = 1; d <= 365; ++d) {
                bisher::Zeitpunkt_Simulieren_Bisher(alt, d, 50);
                Jahresbalken_Zeichnen(erwartetF, d, alt.Fenster.Verschattungsanteil);
                Jahresbalken_Zeichnen(erwartetT, d, alt.Terrasse.Verschattungsanteil);
                erwarteteSchritte.push_back(d);
            }
        }
        TSzene s = vorlage;
        QImage fenster, terrasse;
        std::vector<int> schritte;
        const auto nachSchritt = [&schritte](int p) { schritte.push_back(p); };
        if (tag) {
            Tageslauf(s, 200, Vorlage_Tagesdiagramm(), fenster, terrasse, nachSchritt);
        } else {
            Jahreslauf(s, 50, Vorlage_Jahresdiagramm(), fenster, terrasse, nachSchritt);
        }
        EXPECT_TRUE(fenster == erwartetF) << tag;
        EXPECT_TRUE(terrasse == erwartetT) << tag;
        EXPECT_EQ(schritte, erwarteteSchritte);
        EXPECT_EQ(s.IstNacht, alt.IstNacht);
        EXPECT_EQ(s.Fenster.Verschattungsanteil, alt.Fenster.Verschattungsanteil);
        EXPECT_EQ(s.Terrasse.Verschattungsanteil, alt.Terrasse.Verschattungsanteil);
    }
}

} // namespace
} // namespace umbrarix
