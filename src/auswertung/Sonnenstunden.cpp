#include "auswertung/Sonnenstunden.h"

#include "model/Kalender.h"

namespace umbrarix {

namespace {

void Addieren(TSonnenstunden& summe, const TSonnenstunden& tag) {
    summe.FensterMit += tag.FensterMit;
    summe.FensterOhne += tag.FensterOhne;
    summe.TerrasseMit += tag.TerrasseMit;
    summe.TerrasseOhne += tag.TerrasseOhne;
}

TSonnenstunden Geteilt(TSonnenstunden s, int tage) {
    s.FensterMit /= tage;
    s.FensterOhne /= tage;
    s.TerrasseMit /= tage;
    s.TerrasseOhne /= tage;
    return s;
}

} // namespace

TSonnenstunden DirekteSonneAmTag(const TJahresraster& r, int tag) {
    constexpr double StundenProSchritt = 10.0 / 60.0;
    TSonnenstunden s;
    for (int k = 0; k < RasterSchritte; ++k) {
        const auto i = static_cast<size_t>(RasterIndex(tag, k));
        // Behind the surroundings no direct sun comes, with or without the shading.
        const bool offen = !r.IstHinterUmgebung(i);
        if (IstBesonnt(r.Fenster[i])) {
            s.FensterMit += (1 - r.Fenster[i]) * StundenProSchritt;
            s.FensterOhne += offen ? StundenProSchritt : 0;
        }
        if (IstBesonnt(r.Terrasse[i])) {
            s.TerrasseMit += (1 - r.Terrasse[i]) * StundenProSchritt;
            s.TerrasseOhne += offen ? StundenProSchritt : 0;
        }
    }
    return s;
}

TSonnenstundenUebersicht SonnenstundenBerechnen(const TJahresraster& r) {
    TSonnenstundenUebersicht u;
    std::array<int, 12> tage{};
    for (int n = 1; n <= RasterTage; ++n) {
        const TSonnenstunden s = DirekteSonneAmTag(r, n);
        const auto m = static_cast<size_t>(TagImJahrZuDatum(n).Monat - 1);
        Addieren(u.Monate[m], s);
        ++tage[m];
        Addieren(u.Jahr, s);
    }
    for (size_t m = 0; m < 12; ++m) {
        u.Monate[m] = Geteilt(u.Monate[m], tage[m]);
    }
    u.Jahr = Geteilt(u.Jahr, RasterTage);
    return u;
}

} // namespace umbrarix
