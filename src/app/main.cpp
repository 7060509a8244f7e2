// Umbrarix: creates the main window and runs until it is closed.

#include "ui/Form_Haupt.h"
#include "ui/Plattform.h"
#include "ui/Sprache.h"

#include <QApplication>
#include <QDir>

#include <csignal>

int main(int argc, char** argv) {
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
