#include "shadow/Ergebnistext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace umbrarix {
namespace {

TEST(Ergebnistext, Beschriftungen) {
    const struct {
        double anteil;
        bool terrasse;
        const char* text;
    } faelle[] = {
        {-1, false, "Nacht"},
        {-1, true, "Nacht"},
        {-2, false, "Sonne nicht sichtbar"},
        {-2, true, "Sonne nicht sichtbar"},
        {0.4534, false, "Verschattung (Fenster): 45.3 %"},
        {0.4534, true, "Verschattung (Terrasse): 45.3 %"},
        {0.99999, false, "Verschattung (Fenster): 100.0 %"},
        {1, true, "Verschattung (Terrasse): 100.0 %"},
        {0, false, "Verschattung (Fenster): 0.0 %"},
        {-1e-9, false, "Verschattung (Fenster): 0.0 %"},
        {-0.0004, true, "Verschattung (Terrasse): 0.0 %"},
        {0.05, false, "Verschattung (Fenster): 5.0 %"},
        {1.0000000001, false, "Verschattung (Fenster): 100.0 %"},
        {std::nan(""), false, "Verschattung (Fenster): 0.0 %"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Ergebnistext(f.anteil, f.terrasse), f.text) << f.anteil;
    }
    // A share from a wildly out-of-range scene is still written in full.
    const std::string riesig = ProzentText(1e70);
    EXPECT_EQ(riesig.size(), 75u);
    EXPECT_EQ(riesig.substr(riesig.size() - 2), ".0");
}

} // namespace
} // namespace umbrarix
