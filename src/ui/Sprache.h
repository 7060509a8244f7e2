#pragma once

class QCoreApplication;
class QTranslator;

namespace umbrarix {

// Installs Qt's own German texts (file dialogs, colour chooser, print dialog, the buttons of
// message boxes) whatever the system's language, since the whole interface is German. They come
// from the folder Qt keeps its translations in. Returns the installed translator (owned by the
// application), or nullptr when the German catalogue is not there: the dialogs then keep
// Qt's English.
QTranslator* DeutscheQtTexteLaden(QCoreApplication& app);

} // namespace umbrarix
