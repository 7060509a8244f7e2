#include "io/Maskendatei.h"

#include "io/Dateizugriff.h"
#include "io/Zahlformat.h"
#include "model/Zahltext.h"

#include <algorithm>
#include <vector>

namespace umbrarix {

namespace {

std::string Komma(double wert) {
    std::string t = Festkomma(wert, 4);
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

} // namespace

std::string MaskenCsv(const THimmelsmaske& m) {
    std::vector<std::string> z{"Azimut;Höhe;Verschattung Fenster;Verschattung Terrasse"};
    z.reserve(static_cast<size_t>(m.Azimute * m.Hoehen) + 1);
    for (int a = 0; a < m.Azimute; ++a) {
        for (int h = 0; h < m.Hoehen; ++h) {
            const auto i = static_cast<size_t>(m.Index(a, h));
            z.push_back(GanzzahlText(m.Azimut(a)) + ";" + GanzzahlText(m.Hoehe(h)) + ";" +
                        Komma(m.Fenster[i]) + ";" + Komma(m.Terrasse[i]));
        }
    }
    return "\xEF\xBB\xBF" + MitCrLf(z);
}

} // namespace umbrarix
