#pragma once

// Sizing the awning: which projection (and width and slope) shades the window or the terrace
// over a period at least as much as the customer wants. Every candidate is the scene with its
// values taken over as an edit of the fields is, the overhang switched on.

#include "auswertung/Zeitraum.h"

#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

// Candidate values VON, VON + SCHRITT, ... up to BIS (whole cm or degrees).
struct TBereich {
    int Von = 0;
    int Bis = 0;
    int Schritt = 1;
    bool operator==(const TBereich&) const = default;
};

std::vector<int> BereichsWerte(const TBereich& b);

struct TDimensionierungsfrage {
    bool Terrasse = false; // target: the terrace, else the window
    TZeitraum Zeitraum;
    double Mindestgrad = 0.8;        // required Beschattungsgrad, 0..1
    TBereich Ausfall{0, 400, 10};    // anz_Vordachlaenge
    std::optional<TBereich> Breite;  // anz_Vordachbreite; nothing: the scene's value
    std::optional<TBereich> Neigung; // anz_Vordach_Neigung; nothing: the scene's value

    bool operator==(const TDimensionierungsfrage&) const = default;
};

struct TKandidat {
    int Ausfall = 0, Breite = 0, Neigung = 0;
    TBeschattungsgrad Grad;     // over the period, window and terrace
    double Durchgangshoehe = 0; // clearance under the valance after the rebuild, cm

    std::optional<double> Zielgrad(bool terrasse) const {
        return terrasse ? Grad.Terrasse : Grad.Fenster;
    }
};

// A candidate can be built when its valance ends at or above the ground (clearance >= 0 cm);
// others are listed, never proposed.
inline bool Baubar(const TKandidat& k) {
    return k.Durchgangshoehe >= 0;
}

struct TDimensionierung {
    std::vector<TKandidat> Kandidaten; // by projection, then width, then slope
    int Vorschlag = -1;                // index of the proposal (or of the best candidate)
    bool Erreichbar = false;           // whether the proposal reaches the required level
};

// Most candidates one question may ask for (the batch program and the dialog refuse more).
inline constexpr size_t HoechstzahlKandidaten = 10000;
// Most evaluations (candidates times the period's instants) one question may ask for: about a
// minute on two cores. 10,000 candidates over the dialog's default period are allowed.
inline constexpr size_t HoechstzahlAuswertungen = 25'000'000;

// Below this clearance under the valance (cm) the answer points it out.
inline constexpr double MindestDurchgangshoehe = 200;

// The scene of one candidate: the three values written into the fields, held in their limits
// and taken over (elements rebuilt, clearance recomputed), the overhang switched on.
TSzene Kandidatenszene(const TSzene& szene, int ausfall, int breite, int neigung);

// Number of candidates the question asks for.
size_t AnzahlKandidaten(const TSzene& szene, const TDimensionierungsfrage& frage);

// The German reason why a question asks for more than HoechstzahlAuswertungen, one text for the
// dialog and the batch program; nothing when it does not.
std::optional<std::string> FrageZuGross(const TSzene& szene, const TDimensionierungsfrage& frage);

// Evaluates every candidate over the period on copies of the scene. fortschritt receives the
// number of finished candidates; nothing when it cancelled the scan or the question asks for
// more than HoechstzahlKandidaten or FrageZuGross. The shares wait for their sum in sections of at
// most werteJeAbschnitt per target (about 32 MB each by default), however long the period and
// however many the candidates.
inline constexpr std::size_t WerteJeAbschnitt = 4'000'000;
std::optional<TDimensionierung> Dimensionieren(const TSzene& szene,
                                               const TDimensionierungsfrage& frage,
                                               const std::function<bool(int)>& fortschritt = {},
                                               int faeden = AnzahlRechenfaeden(),
                                               std::size_t werteJeAbschnitt = WerteJeAbschnitt);

// The proposal among evaluated candidates: the first (smallest projection, then width, then
// slope) whose target Beschattungsgrad reaches the required one unrounded; else the best one
// (highest Beschattungsgrad, ties as above) with Erreichbar false. Candidates that cannot be
// built are never chosen; when none can, there is no proposal (-1).
void VorschlagWaehlen(TDimensionierung& d, bool terrasse, double mindestgrad);

} // namespace umbrarix
