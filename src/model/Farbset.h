#pragma once

#include <cstdint>

namespace umbrarix {

// Colour values are 0x00BBGGRR: red in the lowest byte.
using TFarbe = std::uint32_t;

// The seven colours the views paint the scene and the handles in.
struct TFarbset {
    TFarbe Markisenfarbe = 0x800000;   // overhang and valance (navy)
    TFarbe Mauerfarbe = 0x000033;      // wall projections (dark red)
    TFarbe Fensterfarbe = 0xFFFF00;    // window (cyan)
    TFarbe Wandfarbe = 0xDDDDDD;       // wall surface (light grey)
    TFarbe Terrassenfarbe = 0x80FF80;  // terrace (light green)
    TFarbe Bodenfarbe = 0xBBFFBB;      // ground surface (pale green)
    TFarbe Interaktivfarbe = 0x0080FF; // drag handles and markers (orange)

    bool operator==(const TFarbset&) const = default;
};

// Red, green and blue of a colour value.
constexpr int FarbeRot(TFarbe f) {
    return static_cast<int>(f & 0xFFu);
}
constexpr int FarbeGruen(TFarbe f) {
    return static_cast<int>((f >> 8) & 0xFFu);
}
constexpr int FarbeBlau(TFarbe f) {
    return static_cast<int>((f >> 16) & 0xFFu);
}
constexpr TFarbe FarbeAusRgb(int r, int g, int b) {
    return static_cast<TFarbe>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

} // namespace umbrarix
