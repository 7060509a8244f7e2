#pragma once

#include "model/ElementeAufbauen.h"

namespace umbrarix {

// The default scene with both wall projections switched on, so that every caster throws a
// shadow: the costliest ordinary case.
inline TSzene AlleElementeAn() {
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    e.anz_ml_AbstandFenstermitte = e.anz_mr_abstandFenstermitte = 220;
    return SzeneAusEingaben(e);
}

} // namespace umbrarix
