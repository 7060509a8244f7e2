#pragma once

#include "model/Farbset.h"
#include "model/Geometrie.h"
#include "model/Szene.h"

#include <QImage>
#include <QPoint>

namespace umbrarix {

// The two view angles of the 3D view in whole degrees, each held in -90..90.
class T3DBlick {
public:
    static constexpr int Minimum = -90, Maximum = 90;

    int Teta() const { return teta_; } // elevation; negative looks down onto the scene
    int Phi() const { return phi_; }   // azimuth
    // Each returns true when the angle really changed (the view is then redrawn).
    bool SetzeTeta(int wert);
    bool SetzePhi(int wert);
    // The pointer moved by (dx, dy) pixels with the left button held: one degree per pixel,
    // right lowers phi, down lowers Teta. Returns how many angles changed (each is a redraw).
    int Ziehen(int dx, int dy);

private:
    int teta_ = -15;
    int phi_ = -60;
};

// Projection of the 3D view for a facade azimuth h (degrees): world point to pixel,
// 0.8 px per cm, the foot of the facade at its middle on (350, 300).
class T3DProjektion {
public:
    T3DProjektion(const T3DBlick& blick, double himmelsrichtung);
    QPoint Pixel(const TPunkt& p) const;

private:
    double m_[3][3];
};

// The whole scene as flat filled polygons in a fixed painter's order by the two angles, with
// a north arrow on the ground. Image 701 x 361.
QImage Ansicht3D_Zeichnen(const TSzene& szene, const TFarbset& farben, const T3DBlick& blick);

} // namespace umbrarix
