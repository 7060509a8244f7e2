// Targets and limits of the batch program: printed PDFs by the name's own bytes, the same
// bytes for the same input, nothing left beside the target when the program is stopped; the
// targets of the sizing checked before it computes; too little memory is a message.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string Projekt = std::string(UMBRARIX_QUELLEN) + "/beispiele/vorgabe.dat";

std::string Lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return f ? s.str() : std::string("<fehlt>");
}

// Runs the batch program through the shell in ordner (after vorher, e.g. a ulimit), its
// messages into fehler.txt; the exit status, or -1 when a signal ended it.
int Aufruf(const std::string& ordner, const std::string& argumente,
           const std::string& vorher = "true") {
    const std::string befehl = "cd '" + ordner + "' && " + vorher + " && '" + UMBRARIX_BATCH +
                               "' " + argumente + " 2> fehler.txt";
    const int status = std::system(befehl.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Printing into ziel, whose name may carry printf escapes.
int Drucken(const std::string& ordner, const std::string& inhalt, const std::string& ziel) {
    return Aufruf(ordner, "drucken '" + Projekt + "' --inhalt " + inhalt + " -o \"$(printf '" +
                              ziel + "')\"");
}

// Counted by the system's own names: Qt would not list a name that is not valid UTF-8.
int DateienIn(const std::string& ordner) {
    int n = 0;
    DIR* d = ::opendir(ordner.c_str());
    while (const dirent* e = d ? ::readdir(d) : nullptr) {
        n += e->d_name[0] != '.' || (e->d_name[1] != '\0' && e->d_name[1] != '.');
    }
    if (d) {
        ::closedir(d);
    }
    return n;
}

// A name that is not valid UTF-8 ("K\xf6ln.pdf" from a Windows-1252 system) is that file: its
// protection counts, and no file of another name appears.
TEST(Druckziele, NamenOhneUtf8BleibenIhreBytes) {
    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    const std::string geschuetzt = ordner + "/K\xf6ln.pdf";
    std::ofstream(geschuetzt) << "ALT\n";
    ASSERT_EQ(::chmod(geschuetzt.c_str(), 0444), 0);
    EXPECT_EQ(Drucken(ordner, "datenblatt", "K\\366ln.pdf"), 1);
    EXPECT_NE(Lesen(ordner + "/fehler.txt").find("Dateizugriff verweigert"), std::string::npos);
    EXPECT_EQ(Lesen(geschuetzt), "ALT\n");
    EXPECT_EQ(DateienIn(ordner), 2); // the protected file and fehler.txt

    EXPECT_EQ(Drucken(ordner, "datenblatt", "Gr\\374\\337e.pdf"), 0);
    EXPECT_EQ(Lesen(ordner + "/Gr\xfc\xdf"
                             "e.pdf")
                  .substr(0, 5),
              "%PDF-");
    EXPECT_EQ(DateienIn(ordner), 3);
    ::unlink(geschuetzt.c_str());
    ::unlink((ordner + "/Gr\xfc\xdf"
                       "e.pdf")
                 .c_str());
}

// The same project printed twice on the same day gives the same bytes, also a second later.
TEST(Druckziele, GleicheEingabeGleicheBytes) {
    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    ASSERT_EQ(Drucken(ordner, "alles", "a.pdf"), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    ASSERT_EQ(Drucken(ordner, "alles", "b.pdf"), 0);
    const std::string a = Lesen(ordner + "/a.pdf");
    EXPECT_GT(a.size(), 1000u);
    EXPECT_TRUE(a == Lesen(ordner + "/b.pdf"));
    EXPECT_NE(a.find("000000"), std::string::npos);
}

// Stopped while it builds the pages, the program leaves no temporary file beside the target
// and the earlier file as it was.
TEST(Druckziele, AbgebrochenerDruckHinterlaesstNichts) {
    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    const std::string ziel = ordner + "/kunde.pdf";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        for (const int ms : {50, 200, 400}) {
            std::ofstream(ziel) << "ALT\n";
            const pid_t kind = ::fork();
            ASSERT_GE(kind, 0);
            if (kind == 0) {
                ::execl(UMBRARIX_BATCH, UMBRARIX_BATCH, "drucken", Projekt.c_str(), "--inhalt",
                        "alles", "-o", ziel.c_str(), static_cast<char*>(nullptr));
                ::_exit(127);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            ::kill(kind, signal);
            int status = 0;
            ASSERT_EQ(::waitpid(kind, &status, 0), kind);
            const std::string inhalt = Lesen(ziel);
            EXPECT_TRUE(inhalt == "ALT\n" || inhalt.substr(0, 5) == "%PDF-") << signal << " " << ms;
            EXPECT_EQ(DateienIn(ordner), 1) << signal << " " << ms;
        }
    }
}

const std::string Frage = "dimensionieren '" + Projekt +
                          "' --ziel fenster --zeitraum 21.06.-21.06. --uhrzeit 12:00-12:10 "
                          "--mindestens 50 ";

// The sizing's targets are asked before it computes and its project file is written only after
// its table; one file for both is a wrong call.
TEST(Stapelgrenzen, ZieleDerDimensionierungVorherGeprueft) {
    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    EXPECT_EQ(Aufruf(ordner, Frage + "--projekt neu.dat -o fehlt/x.txt"), 1);
    EXPECT_NE(Lesen(ordner + "/fehler.txt").find("Pfad nicht gefunden: fehlt/x.txt"),
              std::string::npos);
    EXPECT_EQ(Lesen(ordner + "/neu.dat"), "<fehlt>");
    EXPECT_EQ(Aufruf(ordner, Frage + "--projekt x.txt -o x.txt"), 2);
    EXPECT_NE(Lesen(ordner + "/fehler.txt").find("--projekt und -o nennen dieselbe Datei: x.txt"),
              std::string::npos);
    EXPECT_EQ(Aufruf(ordner, Frage + "--projekt ./neu.dat -o tabelle.txt"), 0);
    EXPECT_EQ(Lesen(ordner + "/neu.dat").substr(0, 24), "Verschattungssimulation:");
    EXPECT_EQ(Aufruf(ordner, Frage + "--projekt neu.dat -o ./neu.dat"), 2);
}

// 9,624 candidates under a memory limit of 150 MB: a German message and status 1, not an abort.
TEST(Stapelgrenzen, ZuWenigSpeicherIstEineMeldung) {
#ifdef UMBRARIX_SANITIZER_BUILD
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    EXPECT_EQ(
        Aufruf(ordner, Frage + "--ausfall 0-400:1 --breite 15-700:29 -o d.txt", "ulimit -v 150000"),
        1);
    EXPECT_EQ(Lesen(ordner + "/fehler.txt"),
              "umbrarix-batch: Nicht genügend Arbeitsspeicher für diese Berechnung.\n");
}

} // namespace
