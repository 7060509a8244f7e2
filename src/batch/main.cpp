// umbrarix-batch: the tables, data files, printed pages and pictures of a project without a
// window, for scripts on machines without a display.

#include "batch/Standardausgabe.h"
#include "batch/Stapelausfuehrung.h"

#include <QGuiApplication>
#include <QHashFunctions>

#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>

namespace {

// Standard error carries the program's own German messages only, not the toolkit's notes.
void QtMeldungenVerwerfen(QtMsgType art, const QMessageLogContext&, const QString& text) {
    if (art == QtFatalMsg) {
        std::cerr << text.toStdString() << "\n";
    }
}

// Help and version on standard output; a write that fails is status 1 with its reason.
int Ausgeben(const std::string& text, const char* was) {
    if (const umbrarix::TSchreibfehler f = umbrarix::StandardausgabeAbschliessen(text)) {
        std::cerr << "umbrarix-batch: " << was << " kann nicht ausgegeben werden: " << *f << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // One seed for Qt's hash tables, so that a PDF embeds its fonts in the same order at every
    // run and the same input prints the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    // Beyond a file size limit a write then fails with its message instead of killing the
    // program halfway, which would leave the temporary file behind.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> argumente(argv + 1, argv + argc);
    const umbrarix::TStapelLesen gelesen = umbrarix::StapelauftragLesen(argumente);
    if (!gelesen.Auftrag) {
        std::cerr << "umbrarix-batch: " << gelesen.Fehler << "\n"
                  << "Aufruf: umbrarix-batch --help\n";
        return 2;
    }
    const umbrarix::TStapelauftrag& auftrag = *gelesen.Auftrag;
    if (auftrag.Befehl == umbrarix::TStapelauftrag::Hilfe) {
        return Ausgeben(auftrag.Hilfethema == umbrarix::TStapelauftrag::Hilfe
                            ? umbrarix::StapelHilfe()
                            : umbrarix::StapelbefehlHilfe(auftrag.Hilfethema),
                        "Die Hilfe");
    }
    if (auftrag.Befehl == umbrarix::TStapelauftrag::Version) {
        return Ausgeben(umbrarix::StapelVersion(), "Die Version");
    }
    // Never a window: drawing and printing run on the offscreen platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QtMeldungenVerwerfen);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    // Whatever goes wrong ends with a German message and status 1, never with an abort.
    try {
        return umbrarix::StapelAusfuehren(auftrag, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "umbrarix-batch: Nicht genügend Arbeitsspeicher für diese Berechnung.\n";
    } catch (const std::exception& e) {
        std::cerr << "umbrarix-batch: Die Berechnung ist fehlgeschlagen: " << e.what() << "\n";
    }
    return 1;
}
