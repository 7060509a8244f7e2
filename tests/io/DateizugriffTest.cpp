#include "io/Dateizugriff.h"
#include "io/Cp1252.h"
#include "io/Einstellungen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrarix {
namespace {

std::string Inhalt(const std::string& pfad) {
    const TDateiinhalt d = DateiLesen(pfad);
    return d.Gelesen ? d.Bytes : std::string("<nicht lesbar>");
}

int DateienIn(const QString& ordner) {
    return static_cast<int>(QDir(ordner).entryList(QDir::Files | QDir::Hidden).size());
}

TEST(Dateizugriff, SchreibenUndLesen) {
    QTemporaryDir tmp;
    const std::string pfad = tmp.filePath("a.dat").toStdString();
    EXPECT_EQ(DateiSchreiben(pfad, "eins\r\n"), std::nullopt);
    EXPECT_EQ(DateiSchreiben(pfad, "zwei\r\n"), std::nullopt);
    EXPECT_EQ(Inhalt(pfad), "zwei\r\n");
    EXPECT_EQ(DateienIn(tmp.path()), 1) << "no temporary file left behind";
    EXPECT_EQ(DateiLesen(tmp.filePath("fehlt.dat").toStdString()).Fehler, "Datei nicht gefunden");
    EXPECT_EQ(DateiSchreiben(tmp.filePath("nichtda/x.dat").toStdString(), "x"),
              std::optional<std::string>("Pfad nicht gefunden"));
    EXPECT_EQ(Zeilen("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(Zeilen("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(MitCrLf({"a", ""}), "a\r\n\r\n");
}

TEST(Dateizugriff, VollesGeraetUndAbgebrochenesSchreiben) {
    // A full device reports its German message.
    EXPECT_EQ(DateiSchreiben("/dev/full", "Daten\r\n"),
              std::optional<std::string>("Nicht genügend Speicherplatz auf dem Datenträger"));

    // A write that breaks off midway leaves the earlier file as it was: limit the file size
    // the process may write (this holds for every user, root included).
    QTemporaryDir tmp;
    const std::string pfad = tmp.filePath("projekt.dat").toStdString();
    ASSERT_EQ(DateiSchreiben(pfad, "alt\r\n"), std::nullopt);
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    const auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = vorher;
    klein.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &klein);
    const std::optional<std::string> fehler = DateiSchreiben(pfad, std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);
    ASSERT_TRUE(fehler.has_value());
    EXPECT_FALSE(fehler->empty());
    EXPECT_EQ(Inhalt(pfad), "alt\r\n");
    EXPECT_EQ(DateienIn(tmp.path()), 1);
}

TEST(Dateizugriff, SchreibgeschuetzterOrdner) {
    QTemporaryDir tmp;
    const std::string pfad = tmp.filePath("projekt.dat").toStdString();
    ASSERT_EQ(DateiSchreiben(pfad, "alt\r\n"), std::nullopt);
    chmod(tmp.path().toLocal8Bit().constData(), 0555);
    const bool schuetzt = access(tmp.path().toLocal8Bit().constData(), W_OK) != 0;
    const std::optional<std::string> fehler = DateiSchreiben(pfad, "neu\r\n");
    chmod(tmp.path().toLocal8Bit().constData(), 0755);
    if (schuetzt) {
        EXPECT_EQ(fehler, std::optional<std::string>("Dateizugriff verweigert"));
        EXPECT_EQ(Inhalt(pfad), "alt\r\n");
    } else {
        // Running with full rights (root) the folder protects nothing; a folder no one may
        // write to is still refused.
        EXPECT_EQ(fehler, std::nullopt);
        EXPECT_TRUE(DateiSchreiben("/proc/umbrarix.dat", "x").has_value());
    }
}

TEST(Einstellungen, ArbeitsverzeichnisUndAnsprechpartner) {
    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString() + "/";
    EXPECT_EQ(ArbeitsverzeichnisLesen(ordner), std::nullopt);
    EXPECT_FALSE(ArbeitsverzeichnisVorhanden(ordner));
    EXPECT_EQ(ArbeitsverzeichnisSchreiben(ordner, "/home/kunde/Projekte/"), std::nullopt);
    EXPECT_EQ(Inhalt(ordner + "schatten.ini"), "/home/kunde/Projekte/\r\n");
    EXPECT_EQ(ArbeitsverzeichnisLesen(ordner), std::optional<std::string>("/home/kunde/Projekte/"));
    EXPECT_TRUE(ArbeitsverzeichnisLoeschen(ordner));
    EXPECT_FALSE(ArbeitsverzeichnisVorhanden(ordner));
    EXPECT_TRUE(ArbeitsverzeichnisLoeschen(ordner)) << "nothing to delete is no failure";

    EXPECT_EQ(AnsprechpartnerLesen(ordner), std::nullopt);
    const std::vector<std::string> zeilen{"Hans Müller", "Sonnenschutz GmbH", "", "Tel. 0221/1234"};
    EXPECT_EQ(AnsprechpartnerSchreiben(ordner, zeilen), std::nullopt);
    EXPECT_EQ(Inhalt(ordner + "schatten.usr"),
              "Hans M\xFCller\r\nSonnenschutz GmbH\r\n\r\nTel. 0221/1234\r\n");
    EXPECT_EQ(AnsprechpartnerLesen(ordner), std::optional(zeilen));
    // Any line ends are accepted.
    ASSERT_EQ(DateiSchreiben(ordner + "schatten.usr", "a\nb"), std::nullopt);
    EXPECT_EQ(AnsprechpartnerLesen(ordner), (std::optional<std::vector<std::string>>({"a", "b"})));
}

} // namespace
} // namespace umbrarix
