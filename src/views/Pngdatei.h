#pragma once

#include <QImage>

#include <string>

namespace umbrarix {

// The bytes of a PNG file of the picture, as every saved view and heat map is written.
std::string PngDatei(const QImage& bild);

} // namespace umbrarix
