#include "ui/Schrift.h"

#include "views/Bildschrift.h"

namespace umbrarix {

QFont Programmschrift() {
    return Bildschrift(); // the same typeface and size as the labels of the pictures
}

} // namespace umbrarix
