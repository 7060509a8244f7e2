#pragma once

#include <array>
#include <cstdint>

namespace umbrarix {

// A point or direction in centimetres (world or facade frame).
struct TPunkt {
    double x = 0, y = 0, z = 0;
};

// A corner in the facade frame, whole centimetres.
struct TIntPunkt {
    std::int32_t x = 0, y = 0, z = 0;
};

// A point inside one plane: (u, v) = facade (y, z) of that plane, centimetres.
struct TPunkt2D {
    double u = 0, v = 0;
};

// Open polygon (first corner not repeated) with room for 32 corners.
struct TPolygon {
    static constexpr int Kapazitaet = 32;
    std::array<TPunkt, Kapazitaet> Ecken{};
    std::int32_t Anzahl = 0; // valid corners 0 .. Anzahl - 1; 0 = empty

    // Appends a corner; corners beyond the capacity are dropped, never written.
    void Anhaengen(const TPunkt& p) {
        if (Anzahl < Kapazitaet) {
            Ecken[static_cast<std::size_t>(Anzahl)] = p;
            ++Anzahl;
        }
    }
    // Empties the polygon for refilling, zeroing only the corners it used, so that a polygon
    // refilled in place equals a fresh one (every corner beyond Anzahl zero).
    void Leeren() {
        for (int i = 0; i < GueltigeAnzahl(); ++i) {
            Ecken[static_cast<std::size_t>(i)] = {};
        }
        Anzahl = 0;
    }
    // Anzahl limited to 0..Kapazitaet, for polygons whose count came from outside.
    int GueltigeAnzahl() const {
        return Anzahl < 0 ? 0 : (Anzahl > Kapazitaet ? Kapazitaet : Anzahl);
    }
    const TPunkt& operator[](int i) const { return Ecken[static_cast<std::size_t>(i)]; }
    TPunkt& operator[](int i) { return Ecken[static_cast<std::size_t>(i)]; }
};

} // namespace umbrarix
