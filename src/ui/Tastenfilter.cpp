#include "ui/Tastenfilter.h"

namespace umbrarix {

namespace {
constexpr char16_t Enter = 13, Rueckschritt = 8;
} // namespace

TTastenaktion Ganzzahleingabe(QChar zeichen) {
    const char16_t c = zeichen.unicode();
    if (c == Enter) {
        return {TTastenaktion::Eingabetaste, {}};
    }
    if (c == Rueckschritt || c == u'-' || (c >= u'0' && c <= u'9')) {
        return {TTastenaktion::Durchlassen, {}};
    }
    return {TTastenaktion::Verwerfen, {}};
}

TTastenaktion Zahleingabe(QChar zeichen, const QString& text) {
    char16_t c = zeichen.unicode();
    const bool komma = c == u',';
    if (komma) {
        c = u'.';
    }
    if (c == Enter) {
        return {TTastenaktion::Eingabetaste, {}};
    }
    if (c == u'.' && text.contains(u'.')) {
        return {TTastenaktion::Verwerfen, {}};
    }
    if (c == Rueckschritt || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9')) {
        return komma ? TTastenaktion{TTastenaktion::Ersetzen, QChar(u'.')}
                     : TTastenaktion{TTastenaktion::Durchlassen, {}};
    }
    return {TTastenaktion::Verwerfen, {}};
}

int Ganzzahlschritt(int taste) {
    switch (taste) {
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Down:
        return -1;
    case Qt::Key_PageUp:
        return 10;
    case Qt::Key_PageDown:
        return -10;
    default:
        return 0;
    }
}

} // namespace umbrarix
