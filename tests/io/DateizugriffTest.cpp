#include "io/Dateizugriff.h"
#include "io/Cp1252.h"
#include "io/Einstellungen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace umbrarix {
namespace {

std::string Inhalt(const std::string& pfad) {
    const TDateiinhalt d = DateiLesen(pfad);
    return d.Gelesen ? d.Bytes : std::string("<nicht lesbar>");
}

struct stat Status(const std::string& pfad) {
    struct stat info {};
    EXPECT_EQ(::lstat(pfad.c_str(), &info), 0) << pfad;
    return info;
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

    // A pipe is written as it is, never replaced; without a reader it fails at once instead of
    // waiting for one forever.
    QTemporaryDir rohr;
    const std::string fifo = rohr.filePath("rohr").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(DateiSchreiben(fifo, "Daten\r\n"),
              std::optional<std::string>(Dateifehlertext(ENXIO)));
    EXPECT_TRUE(S_ISFIFO(Status(fifo).st_mode));

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

// Runs f as the unprivileged user "nobody" in a child process when the tests run as root, so
// that the kernel's own permission checks apply; as any other user f runs as that user.
// Returns what f returned, false when the child could not drop its rights.
bool AlsGewoehnlicherNutzer(const std::function<bool()>& f) {
    if (::geteuid() != 0) {
        return f();
    }
    const pid_t kind = ::fork();
    if (kind == 0) {
        const bool abgegeben =
            ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(abgegeben && f() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(Dateizugriff, SchreibgeschuetzteUndFremdeDateiBleibenStehen) {
    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    ::chmod(ordner.c_str(), 0777); // the folder itself may be written by anyone
    const std::string pfad = ordner + "/projekt.dat";
    ASSERT_EQ(DateiSchreiben(pfad, "alt\r\n"), std::nullopt);

    // Mode 0444 protects the file, even against the administrator: the temporary file and the
    // rename would otherwise replace it although it may not be written.
    ::chmod(pfad.c_str(), 0444);
    EXPECT_EQ(DateiSchreiben(pfad, "neu\r\n"),
              std::optional<std::string>("Dateizugriff verweigert"));
    EXPECT_EQ(Inhalt(pfad), "alt\r\n");
    EXPECT_EQ(Status(pfad).st_mode & 07777, 0444u);
    EXPECT_EQ(DateienIn(tmp.path()), 1) << "no temporary file left behind";

    // A file of another owner in a folder the user may write: only the kernel's rules for this
    // user decide. As root the file belongs to root and a plain user tries; otherwise the
    // file is the user's own, made unwritable for its owner.
    ::chmod(pfad.c_str(), ::geteuid() == 0 ? 0644 : 0464);
    EXPECT_TRUE(AlsGewoehnlicherNutzer([&] {
        return DateiSchreiben(pfad, "neu\r\n") ==
                   std::optional<std::string>("Dateizugriff verweigert") &&
               Inhalt(pfad) == "alt\r\n";
    }));
    EXPECT_EQ(Inhalt(pfad), "alt\r\n");
    EXPECT_EQ(DateienIn(tmp.path()), 1);

    // Writable for the group the user belongs to: replaced, and the group stays.
    ::chmod(pfad.c_str(), 0664);
    EXPECT_EQ(DateiSchreiben(pfad, "neu\r\n"), std::nullopt);
    EXPECT_EQ(Inhalt(pfad), "neu\r\n");
}

TEST(Dateizugriff, RechteUndEigentuemerBleiben) {
    QTemporaryDir tmp;
    const std::string pfad = tmp.filePath("privat.dat").toStdString();
    const mode_t maske = ::umask(077);
    ASSERT_EQ(DateiSchreiben(pfad, "a"), std::nullopt);
    EXPECT_EQ(Status(pfad).st_mode & 07777, 0600u) << "a new file follows the umask";
    ::umask(022);
    ASSERT_EQ(DateiSchreiben(pfad, "b"), std::nullopt);
    EXPECT_EQ(Status(pfad).st_mode & 07777, 0600u) << "a private file stays private";
    const std::string neu = tmp.filePath("neu.dat").toStdString();
    ASSERT_EQ(DateiSchreiben(neu, "a"), std::nullopt);
    EXPECT_EQ(Status(neu).st_mode & 07777, 0644u);
    ::umask(maske);

    const struct { mode_t modus; } faelle[] = {{0640}, {0660}, {0604}, {0755}, {0600}};
    for (const auto& f : faelle) {
        ::chmod(pfad.c_str(), f.modus);
        ASSERT_EQ(DateiSchreiben(pfad, "x"), std::nullopt);
        EXPECT_EQ(Status(pfad).st_mode & 07777, f.modus);
    }

    // Owner and group stay where the user may set them (root may set both).
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(pfad.c_str(), 4242, 4343), 0);
        ASSERT_EQ(DateiSchreiben(pfad, "y"), std::nullopt);
        EXPECT_EQ(Status(pfad).st_uid, 4242u);
        EXPECT_EQ(Status(pfad).st_gid, 4343u);
        EXPECT_EQ(Inhalt(pfad), "y");
    }
}

TEST(Dateizugriff, SymbolischeVerknuepfungenBleiben) {
    QTemporaryDir tmp;
    const QString o = tmp.path();
    ASSERT_TRUE(QDir().mkpath(o + "/daten"));
    ASSERT_TRUE(QDir().mkpath(o + "/links"));
    const std::string ziel = (o + "/daten/projekt.dat").toStdString();
    ASSERT_EQ(DateiSchreiben(ziel, "alt"), std::nullopt);
    ::chmod(ziel.c_str(), 0600);
    // Relative and absolute links, a chain of two, and a link whose target does not exist yet.
    ASSERT_EQ(::symlink("../daten/projekt.dat", (o + "/links/relativ.dat").toLocal8Bit()), 0);
    ASSERT_EQ(::symlink(ziel.c_str(), (o + "/links/absolut.dat").toLocal8Bit()), 0);
    ASSERT_EQ(::symlink("relativ.dat", (o + "/links/kette.dat").toLocal8Bit()), 0);
    ASSERT_EQ(::symlink("../daten/neu.dat", (o + "/links/offen.dat").toLocal8Bit()), 0);
    int nummer = 0;
    for (const char* link : {"relativ.dat", "absolut.dat", "kette.dat"}) {
        const std::string l = (o + "/links/").toStdString() + link;
        const std::string bytes = "Inhalt " + std::to_string(++nummer);
        ASSERT_EQ(DateiSchreiben(l, bytes), std::nullopt) << link;
        EXPECT_TRUE(S_ISLNK(Status(l).st_mode)) << link << " stays a link";
        EXPECT_EQ(Inhalt(ziel), bytes) << link;
        EXPECT_EQ(Status(ziel).st_mode & 07777, 0600u) << link;
    }
    const std::string offen = (o + "/links/offen.dat").toStdString();
    ASSERT_EQ(DateiSchreiben(offen, "neu"), std::nullopt);
    EXPECT_TRUE(S_ISLNK(Status(offen).st_mode));
    EXPECT_EQ(Inhalt((o + "/daten/neu.dat").toStdString()), "neu");
    EXPECT_EQ(DateienIn(o + "/links"), 4) << "no temporary file beside the links";
    EXPECT_EQ(DateienIn(o + "/daten"), 2);

    // A link to a protected file is refused like the file; a loop of links has its message.
    ::chmod(ziel.c_str(), 0444);
    EXPECT_EQ(DateiSchreiben((o + "/links/relativ.dat").toStdString(), "x"),
              std::optional<std::string>("Dateizugriff verweigert"));
    EXPECT_EQ(Inhalt(ziel), "Inhalt 3");
    ASSERT_EQ(::symlink("schleife2.dat", (o + "/links/schleife1.dat").toLocal8Bit()), 0);
    ASSERT_EQ(::symlink("schleife1.dat", (o + "/links/schleife2.dat").toLocal8Bit()), 0);
    EXPECT_EQ(DateiSchreiben((o + "/links/schleife1.dat").toStdString(), "x"),
              std::optional<std::string>(Dateifehlertext(ELOOP)));
    EXPECT_TRUE(S_ISLNK(Status((o + "/links/schleife1.dat").toStdString()).st_mode));
}

TEST(Dateizugriff, JedeFehlernummerHatIhrenText) {
    const int nummern[] = {EFBIG,  EROFS,   ENOSPC, EDQUOT,       EACCES, EPERM,
                           ENOENT, ENOTDIR, EISDIR, ENAMETOOLONG, ELOOP,  ETXTBSY,
                           EINVAL, EXDEV,   EIO,    EOVERFLOW,    EBUSY,  12345};
    for (const int n : nummern) {
        const std::string t = Dateifehlertext(n);
        EXPECT_FALSE(t.empty()) << n;
        EXPECT_EQ(t.find_first_of("0123456789"), std::string::npos) << n << ": " << t;
    }
    EXPECT_EQ(Dateifehlertext(EACCES), Dateifehlertext(EPERM));
    EXPECT_NE(Dateifehlertext(EFBIG), Dateifehlertext(ENOSPC));
    EXPECT_NE(Dateifehlertext(ELOOP), Dateifehlertext(ENOENT));

    // A file beyond the size a project can have (64 MiB) says so in words.
    QTemporaryDir tmp;
    const std::string gross = tmp.filePath("gross.dat").toStdString();
    const int fd = ::open(gross.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 64 * 1024 * 1024 + 1), 0);
    ::close(fd);
    EXPECT_EQ(DateiLesen(gross).Fehler, Dateifehlertext(EFBIG));

    // A write beyond the file size limit fails with its own text, the signal ignored as the
    // programs ignore it.
    const std::string pfad = tmp.filePath("p.dat").toStdString();
    std::optional<std::string> fehler;
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    const auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = vorher;
    klein.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &klein);
    fehler = DateiSchreiben(pfad, std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);
    EXPECT_EQ(fehler, std::optional<std::string>(Dateifehlertext(EFBIG)));

    // Creating a file where no file can be created reads as refused access, as for printing.
    EXPECT_EQ(DateiSchreiben("/proc/umbrarix.dat", "x"),
              std::optional<std::string>("Dateizugriff verweigert"));
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
    // Any line ends are accepted, and a file an editor saved as UTF-8.
    ASSERT_EQ(DateiSchreiben(ordner + "schatten.usr", "a\nb"), std::nullopt);
    EXPECT_EQ(AnsprechpartnerLesen(ordner), (std::optional<std::vector<std::string>>({"a", "b"})));
    ASSERT_EQ(DateiSchreiben(ordner + "schatten.usr", "Hans M\xC3\xBCller\n"), std::nullopt);
    EXPECT_EQ(AnsprechpartnerLesen(ordner),
              (std::optional<std::vector<std::string>>({"Hans Müller"})));
    // Saving the default again keeps a private file private.
    ::chmod((ordner + "schatten.usr").c_str(), 0600);
    ASSERT_EQ(AnsprechpartnerSchreiben(ordner, zeilen), std::nullopt);
    EXPECT_EQ(Status(ordner + "schatten.usr").st_mode & 07777, 0600u);
}

} // namespace
} // namespace umbrarix
