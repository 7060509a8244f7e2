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

// The window program's German at its start: the German locale as Qt's default, so that what Qt
// formats itself (dates and file types in the file dialog, paper sizes in the print dialog) is
// German with any system locale, such as C.UTF-8; then Qt's German texts as above. The
// program's own numbers (fields, labels, files, prints) are written without a locale and keep
// their decimal point.
QTranslator* DeutschEinrichten(QCoreApplication& app);

} // namespace umbrarix
