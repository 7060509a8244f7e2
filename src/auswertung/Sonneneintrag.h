#pragma once

// Sonneneintrag: the solar energy that reaches window or terrace over a weather year, with and
// without the shading. The direct beam is shaded by the evaluated share of its hour; the
// diffuse light of an isotropic sky by the sky mask, integrated over the sky the target sees;
// the light reflected by the ground is not shaded.

#include "auswertung/Fortschritt.h"
#include "auswertung/Himmelsmaske.h"
#include "auswertung/Wetterjahr.h"
#include "auswertung/Zeitraum.h"
#include "model/Szene.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

inline constexpr double AlbedoVorgabe = 0.2;
// Below this elevation a horizontal direct radiation is not turned into a beam: dividing by
// the sine of a grazing sun would blow up the file's rounding.
inline constexpr double MindesthoeheHorizontalDirekt = 2; // degrees

// Energy on the target plane in Wh/m² (per hour, or summed).
struct TEintrag {
    double DirektMit = 0, DirektOhne = 0; // the beam, with and without the shading
    double DiffusMit = 0, DiffusOhne = 0; // the sky's diffuse light
    double Reflex = 0;                    // reflected by the ground, never shaded
    double GesamtMit() const { return DirektMit + DiffusMit + Reflex; }
    double GesamtOhne() const { return DirektOhne + DiffusOhne + Reflex; }
    TEintrag& operator+=(const TEintrag& e);
};

// What the shading holds back in a period: 1 - with / without, of the total, the beam and the
// diffuse part; nothing where no such energy arrives without shading.
struct TAbminderung {
    std::optional<double> Gesamt, Direkt, Diffus;
};
TAbminderung AbminderungVon(const TEintrag& summe);

struct TSonneneintrag {
    bool Terrasse = false;
    double Albedo = AlbedoVorgabe;
    double Flaeche = 0; // the target's area in m²
    // The part of the isotropic sky's diffuse horizontal radiation that reaches the target,
    // with and without the shading.
    double SichtfaktorMit = 0, SichtfaktorOhne = 0;
    std::vector<TEintrag> Stunden; // indexed as TWetterjahr::Stunden
    // The hour's middle in the scene's clock time (with summer time), as periods read it:
    // day 1..365 and minutes since midnight.
    std::vector<int> Tag;
    std::vector<double> Minuten;
    // "Wetterdaten von 48.1° N, 11.6° O, Projekt 50.9° N, 6.9° O" when the file's place lies
    // more than one degree from the scene's; empty otherwise.
    std::string Ortshinweis;
};

// The sums of the hours in a period (its days, and the hours whose middle lies between its
// clock times), of each month and of the year.
TEintrag EintragImZeitraum(const TSonneneintrag& e, const TZeitraum& z);
std::array<TEintrag, 12> EintragJeMonat(const TSonneneintrag& e);
TEintrag EintragImJahr(const TSonneneintrag& e);

// The outward normal of the target's plane: the wall's for the window, up for the terrace.
TPunkt Zielnormale(const TSzene& s, bool terrasse);

// (1/pi) x the integral of (1 - mask) cos(theta) over the sky directions in front of the
// target's plane, in front of the wall and above the skyline; each direction of the mask stands
// for its cell (the lowest row reaching down to the horizon, the highest up to the zenith),
// integrated exactly over the cell.
double DiffusSichtfaktor(const THimmelsmaske& m, bool terrasse, const TPunkt& normale);

// The mask of the scene without shading elements, from the mask with them: the wall and the
// surroundings hide the same directions, everything else is open.
THimmelsmaske OhneSonnenschutzMaske(THimmelsmaske m);

// The "Wetterdaten von ..." note, or empty.
std::string Ortshinweis(const TSzene& s, const TWetterjahr& w);

// The whole year for one target, on copies of the scene over the threads: one sky mask, and
// the instant of every hour with direct radiation. albedo: 0..1. fortschritt receives the
// finished directions of the mask, then those plus the finished hours. Nothing when cancelled.
std::optional<TSonneneintrag> SonneneintragBerechnen(const TSzene& szene, const TWetterjahr& w,
                                                     bool terrasse, double albedo,
                                                     const TFortschritt& fortschritt = {},
                                                     int faeden = AnzahlRechenfaeden());

} // namespace umbrarix
