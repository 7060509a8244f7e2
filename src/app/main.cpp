// Umbrarix: creates the main window and runs until it is closed.

#include "Befehlszeile.h"

#include "ui/Form_Haupt.h"
#include "ui/Plattform.h"
#include "ui/Programmsymbol.h"
#include "ui/Sprache.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHashFunctions>

#include <QMessageBox>

#include <csignal>
#include <exception>
#include <iostream>
#include <new>

namespace {

// The last safety net: an error no handler caught (such as memory running out in a long
// evaluation) is a German message and the window goes on, instead of the program aborting
// with the user's work on screen.
class TAnwendung : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* empfaenger, QEvent* ereignis) override {
        QString text;
        try {
            return QApplication::notify(empfaenger, ereignis);
        } catch (const std::bad_alloc&) {
            text = QStringLiteral("Nicht genügend Arbeitsspeicher für diese Berechnung.");
        } catch (const std::exception& e) {
            text = QStringLiteral("Die Berechnung ist fehlgeschlagen: ") +
                   QString::fromLocal8Bit(e.what());
        }
        QMessageBox::critical(activeWindow(), QStringLiteral("Umbrarix"), text);
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    // Help, version and wrong calls are answered before any window, so they work without a
    // display too.
    const umbrarix::TBefehlszeile befehl =
        umbrarix::BefehlszeileLesen(std::vector<std::string>(argv + 1, argv + argc));
    if (befehl.Ausgabe) {
        (befehl.Status == 0 ? std::cout : std::cerr) << *befehl.Ausgabe << std::flush;
        return befehl.Status != 0 ? befehl.Status : std::cout ? 0 : 1;
    }
    // One seed for Qt's hash tables, so that a PDF embeds its fonts in the same order at every
    // print and the same project prints the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    // Beyond a file size limit a save fails with its message; the signal would end the
    // program and lose the work on screen.
    std::signal(SIGXFSZ, SIG_IGN);
    TAnwendung app(argc, argv);
    umbrarix::AnwendungKennzeichnen(app);
    umbrarix::DeutschEinrichten(app);
    umbrarix::TQtPlattform plattform;
    const QString programmordner =
        QDir(QApplication::applicationDirPath()).absolutePath() + QDir::separator();
    umbrarix::TForm_Haupt fenster(plattform, programmordner);
    fenster.show();
    // Work a crash left behind first, then the file asked for (which asks about it).
    fenster.WiederherstellungAnbieten();
    if (!befehl.Projekt.empty()) {
        fenster.BefehlszeileOeffnen(QFile::decodeName(befehl.Projekt.c_str()));
    }
    return app.exec();
}
