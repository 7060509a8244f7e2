#include "auswertung/Zeitraum.h"

#include "auswertung/Parallel.h"
#include "model/Kalender.h"
#include "model/Zahltext.h"

#include <cstdio>

namespace umbrarix {

namespace {

// Period dates in the short form only ("21.06.", not "021.06.").
std::optional<int> DatumLesen(std::string_view text) {
    const std::optional<TDatumseingabe> d = DatumAusText(text);
    return d && d->Kurzform ? std::optional<int>(d->TagImJahr) : std::nullopt;
}

// "HH:MM" as a step 0..144: the short form on the ten-minute grid, 24:00 included.
std::optional<int> SchrittLesen(std::string_view t) {
    const std::optional<TUhrzeiteingabe> u = UhrzeitAusText(t);
    if (!u || !u->Kurzform || u->Minuten % 10 != 0) {
        return std::nullopt;
    }
    return u->Minuten / 10;
}

std::string Zweistellig(int n) {
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "%02d", n);
    return puffer;
}

std::string DatumKurz(int tag) {
    const TDatum d = TagImJahrZuDatum(tag);
    return Zweistellig(d.Tag) + "." + Zweistellig(d.Monat) + ".";
}

std::string UhrzeitKurz(int schritt) {
    return Zweistellig(schritt / 6) + ":" + Zweistellig(schritt % 6 * 10);
}

} // namespace

// Added in the period's order, so that both ways of computing give the same bits.
void TBesonntSumme::Hinzu(std::span<const double> anteile) {
    for (const double a : anteile) {
        if (IstBesonnt(a)) {
            Summe += a;
            ++Besonnt;
        }
    }
}

std::optional<double> TBesonntSumme::Mittel() const {
    if (Besonnt == 0) {
        return std::nullopt;
    }
    return Summe / Besonnt;
}

std::optional<double> MittelDerBesonnten(std::span<const double> anteile) {
    TBesonntSumme s;
    s.Hinzu(anteile);
    return s.Mittel();
}

std::vector<int> ZeitraumTage(const TZeitraum& z) {
    std::vector<int> tage;
    for (int n = z.VonTag;; n = n % RasterTage + 1) {
        tage.push_back(n);
        if (n == z.BisTag || tage.size() >= static_cast<size_t>(RasterTage)) {
            break;
        }
    }
    return tage;
}

std::vector<int> ZeitraumIndizes(const TZeitraum& z) {
    std::vector<int> indizes;
    for (const int n : ZeitraumTage(z)) {
        for (int k = z.VonSchritt; k < z.BisSchritt; ++k) {
            indizes.push_back(RasterIndex(n, k));
        }
    }
    return indizes;
}

TBeschattungsgrad BeschattungsgradAusRaster(const TJahresraster& r, const TZeitraum& z) {
    std::vector<double> fenster, terrasse;
    for (const int i : ZeitraumIndizes(z)) {
        fenster.push_back(r.Fenster[static_cast<size_t>(i)]);
        terrasse.push_back(r.Terrasse[static_cast<size_t>(i)]);
    }
    return {MittelDerBesonnten(fenster), MittelDerBesonnten(terrasse)};
}

std::optional<TBeschattungsgrad> BeschattungsgradBerechnen(const TSzene& szene, const TZeitraum& z,
                                                           const TFortschritt& fortschritt,
                                                           int faeden) {
    const std::vector<int> indizes = ZeitraumIndizes(z);
    std::vector<double> fenster(indizes.size()), terrasse(indizes.size());
    const bool fertig = ParallelAuswerten(
        szene, static_cast<int>(indizes.size()),
        [&](TSzene& s, int j) {
            const auto k = static_cast<size_t>(j);
            const int i = indizes[k];
            Zeitpunkt_Anteile_Simulieren(s, i / RasterSchritte + 1, i % RasterSchritte);
            fenster[k] = s.Fenster.Verschattungsanteil;
            terrasse[k] = s.Terrasse.Verschattungsanteil;
        },
        fortschritt, faeden);
    if (!fertig) {
        return std::nullopt;
    }
    return TBeschattungsgrad{MittelDerBesonnten(fenster), MittelDerBesonnten(terrasse)};
}

std::string ZeitraumText(const TZeitraum& z) {
    return DatumKurz(z.VonTag) + " bis " + DatumKurz(z.BisTag) + ", " + UhrzeitKurz(z.VonSchritt) +
           " bis " + UhrzeitKurz(z.BisSchritt) + " Uhr";
}

std::string BeschattungsgradText(const std::optional<double>& grad) {
    if (!grad) {
        return "keine direkte Sonne im Zeitraum";
    }
    return FestkommaText(100 * *grad, 1) + " %";
}

std::optional<std::string> TageLesen(const std::string& text, TZeitraum& z) {
    const std::size_t strich = text.find('-');
    const std::optional<int> von =
        strich == std::string::npos ? std::nullopt : DatumLesen(text.substr(0, strich));
    const std::optional<int> bis =
        strich == std::string::npos ? std::nullopt : DatumLesen(text.substr(strich + 1));
    if (!von || !bis) {
        return "Der Zeitraum ist zwei Daten wie 01.06.-31.08., nicht " + text;
    }
    z.VonTag = *von;
    z.BisTag = *bis;
    return std::nullopt;
}

std::optional<std::string> UhrzeitenLesen(const std::string& text, TZeitraum& z) {
    const std::size_t strich = text.find('-');
    const std::optional<int> von = strich == std::string::npos
                                       ? std::nullopt
                                       : SchrittLesen(std::string_view(text).substr(0, strich));
    const std::optional<int> bis = strich == std::string::npos
                                       ? std::nullopt
                                       : SchrittLesen(std::string_view(text).substr(strich + 1));
    if (!von || !bis || *von > 143) {
        return "Die Uhrzeiten sind zwei Zeiten in Zehnminutenschritten wie 12:00-16:00, nicht " +
               text;
    }
    if (*bis <= *von) {
        return "Die Uhrzeit bis muss nach der Uhrzeit von liegen: " + text;
    }
    z.VonSchritt = *von;
    z.BisSchritt = *bis;
    return std::nullopt;
}

} // namespace umbrarix
