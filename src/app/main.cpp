// Umbrarix: creates the main window and runs until it is closed.

#include "ui/Form_Haupt.h"
#include "ui/Plattform.h"
#include "ui/Sprache.h"

#include <QApplication>
#include <QDir>
#include <QHashFunctions>

#include <csignal>

int main(int argc, char** argv) {
    // One seed for Qt's hash tables, so that a PDF embeds its fonts in the same order at every
    // print and the same project prints the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    // Beyond a file size limit a save fails with its message; the signal would end the
    // program and lose the work on screen.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Umbrarix"));
    umbrarix::DeutscheQtTexteLaden(app);
    umbrarix::TQtPlattform plattform;
    const QString programmordner =
        QDir(QApplication::applicationDirPath()).absolutePath() + QDir::separator();
    umbrarix::TForm_Haupt fenster(plattform, programmordner);
    fenster.show();
    return app.exec();
}
