#include "io/Projektuebernahme.h"

#include "model/Eingabedaten.h"
#include "model/ElementeAufbauen.h"
#include "model/MasseZurueckgewinnen.h"
#include "model/Runden.h"
#include "model/Zahltext.h"

#include <algorithm>
#include <cmath>

namespace umbrarix {

namespace {

std::string Text(const TProjektdaten& p, std::string_view name) {
    const auto it = p.Felder.find(std::string(name));
    return it == p.Felder.end() ? std::string() : it->second;
}

} // namespace

void EingabenLesen(const TProjektdaten& p, TEingabedaten& e) {
    for (const TSpinfeld& f : Spinfelder()) {
        e.*f.Wert = TextZuZahl(Text(p, f.Name)).value_or(f.Min);
    }
    for (const TDezimalfeld& d : Dezimalfelder()) {
        e.*d.Wert = TextZuZahl(Text(p, d.Name)).value_or(e.*d.Wert);
    }
    e.anz_ort = Text(p, "anz_ort");
    e.CheckBox_Sommerzeit = p.Sommerzeit;
    e.CheckBox_Ueberhang = p.Ueberhang;
    e.CheckBox_MauerLinks = p.MauerLinks;
    e.CheckBox_MauerRechts = p.MauerRechts;
}

TProjektdaten Startprojekt() {
    TProjektdaten p = Vorgabeprojekt();
    p.Felder["anz_Durchgangshoehe"] = "234";
    return p;
}

TProjektdaten ProjektUebernehmen(const TProjektdaten& gelesen, TSzene& s) {
    TProjektdaten p = gelesen;
    bool volant = true; // as at start-up
    // The valance cannot stay on without the overhang; switched off it has height 0.
    if (!p.Ueberhang) {
        volant = false;
        p.Felder["anz_VolantHoehe"] = GanzzahlText(0);
    }
    // The end-of-edit step, as if the projection had just been edited.
    const TSpinfeld* ausfall = SpinfeldMitNamen("anz_Vordachlaenge");
    std::string& a = p.Felder["anz_Vordachlaenge"];
    if (a.empty()) {
        a = GanzzahlText(ausfall->Vorgabe);
    }
    const std::optional<double> v = TextZuZahl(a);
    const double wert = std::clamp(Runden(v.value_or(ausfall->Min)), ausfall->Min, ausfall->Max);
    if (!v || wert != *v) {
        a = GanzzahlText(wert);
    }
    for (const TDezimalfeld& d : Dezimalfelder()) {
        std::string& t = p.Felder[std::string(d.Name)];
        if (const std::optional<double> z = TextZuZahl(t)) {
            if (*z < d.Min) {
                t = GanzzahlText(d.Min);
            } else if (*z > d.Max) {
                t = GanzzahlText(d.Max);
            }
        }
    }
    s = TSzene{};
    s.Umgebung = gelesen.Umgebung;
    EingabenLesen(p, s.Eingaben);
    s.Eingaben.CheckBox_Volant = volant;
    Daten_auslesen_Geometrie(s);
    p.Felder["anz_Durchgangshoehe"] = GanzzahlText(Durchgangshoehe_berechnen(s));
    return p;
}

} // namespace umbrarix
