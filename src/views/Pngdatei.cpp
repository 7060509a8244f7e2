#include "views/Pngdatei.h"

#include <QBuffer>

namespace umbrarix {

std::string PngDatei(const QImage& bild) {
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return png.toStdString();
}

} // namespace umbrarix
