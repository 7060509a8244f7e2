// The writer's targets beyond plain files: the program's own descriptors, files with an ACL
// and extended attributes, and reading from what is not a file.

#include "io/Dateizugriff.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdint>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace umbrarix {
namespace {

std::string Lesen(const std::string& pfad) {
    const TDateiinhalt d = DateiLesen(pfad);
    return d.Gelesen ? d.Bytes : "<" + d.Fehler + ">";
}

ino_t Knoten(const std::string& pfad) {
    struct stat info {};
    EXPECT_EQ(::stat(pfad.c_str(), &info), 0) << pfad;
    return info.st_ino;
}

// A redirect of the shell ("-o /dev/stdout >> protokoll.txt") keeps its file: the names of an
// open descriptor are written through it at its position, never replaced.
TEST(Schreibziele, EigeneDeskriptorenWerdenAnOrtUndStelleBeschrieben) {
    QTemporaryDir tmp;
    const std::string protokoll = tmp.filePath("protokoll.txt").toStdString();
    ASSERT_EQ(DateiSchreiben(protokoll, "ALT\n"), std::nullopt);
    const ino_t vorher = Knoten(protokoll);
    const int fd = ::open(protokoll.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const std::string n = std::to_string(fd);
    const std::string verknuepfung = tmp.filePath("ausgabe").toStdString();
    ASSERT_EQ(::symlink(("/proc/self/fd/" + n).c_str(), verknuepfung.c_str()), 0);
    for (const std::string& name :
         {"/proc/self/fd/" + n, "/dev/fd/" + n, "/proc/" + std::to_string(::getpid()) + "/fd/" + n,
          verknuepfung}) {
        EXPECT_EQ(DateiSchreiben(name, name + "\n"), std::nullopt) << name;
    }
    ::close(fd);
    EXPECT_EQ(Lesen(protokoll), "ALT\n/proc/self/fd/" + n + "\n/dev/fd/" + n + "\n/proc/" +
                                    std::to_string(::getpid()) + "/fd/" + n + "\n" + verknuepfung +
                                    "\n");
    EXPECT_EQ(Knoten(protokoll), vorher);

    // A descriptor open for reading only is not a way to replace its file.
    const int lesend = ::open(protokoll.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lesend, 0);
    EXPECT_EQ(DateiSchreiben("/dev/fd/" + std::to_string(lesend), "WEG\n"),
              std::optional<std::string>("Der Ausgabekanal ist nicht zum Schreiben geöffnet"));
    ::close(lesend);
    EXPECT_EQ(Lesen(protokoll).substr(0, 4), "ALT\n");
    EXPECT_EQ(Knoten(protokoll), vorher);
}

// An ACL as the kernel stores it: user::rw-, user:nobody:rw-, group::r--, mask::rw-,
// other::---.
std::string Acl() {
    std::string a;
    const auto teil = [&a](std::uint32_t wert, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            a += static_cast<char>((wert >> (8 * i)) & 0xFF);
        }
    };
    teil(2, 4);
    const std::uint32_t keine = 0xFFFFFFFF;
    const std::uint32_t eintraege[][3] = {
        {0x01, 6, keine}, {0x02, 6, 65534}, {0x04, 4, keine}, {0x10, 6, keine}, {0x20, 0, keine}};
    for (const auto& e : eintraege) {
        teil(e[0], 2);
        teil(e[1], 2);
        teil(e[2], 4);
    }
    return a;
}

std::string Attribut(const std::string& pfad, const char* name) {
    char wert[256];
    const ssize_t n = ::getxattr(pfad.c_str(), name, wert, sizeof wert);
    return n < 0 ? std::string("<keins>") : std::string(wert, static_cast<std::size_t>(n));
}

// A save must not widen a file's rights: the ACL (whose mask the group bits show) and the
// user's own attributes go to the new file.
TEST(Schreibziele, AclUndErweiterteAttributeBleiben) {
    QTemporaryDir tmp;
    const std::string pfad = tmp.filePath("kunde.dat").toStdString();
    ASSERT_EQ(DateiSchreiben(pfad, "ALT"), std::nullopt);
    ASSERT_EQ(::chmod(pfad.c_str(), 0640), 0);
    const std::string acl = Acl();
    if (::setxattr(pfad.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0 ||
        ::setxattr(pfad.c_str(), "user.kommentar", "Kunde Meier", 11, 0) != 0) {
        GTEST_SKIP() << "the file system of the temporary folder takes no ACLs";
    }
    struct stat vorher {};
    ASSERT_EQ(::stat(pfad.c_str(), &vorher), 0);
    ASSERT_EQ(vorher.st_mode & 07777, 0660u); // the group bits show the mask

    ASSERT_EQ(DateiSchreiben(pfad, "NEU"), std::nullopt);
    struct stat nachher {};
    ASSERT_EQ(::stat(pfad.c_str(), &nachher), 0);
    EXPECT_NE(nachher.st_ino, vorher.st_ino);
    EXPECT_EQ(Lesen(pfad), "NEU");
    EXPECT_EQ(nachher.st_mode & 07777, 0660u);
    EXPECT_EQ(Attribut(pfad, "system.posix_acl_access"), acl);
    EXPECT_EQ(Attribut(pfad, "user.kommentar"), "Kunde Meier");
}

// Reading takes regular files only and never waits: a pipe without a writer used to hold the
// program forever. Run in a child, so that a hang fails the test instead of stopping it.
TEST(Schreibziele, LesenWartetNieAufPipesOderGeraete) {
    QTemporaryDir tmp;
    const std::string pipe = tmp.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string keineDatei =
        "<Keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)>";
    for (const std::string& name : {pipe, std::string("/dev/null"), std::string("/dev/zero")}) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            ::alarm(5);
            ::_exit(Lesen(name) == keineDatei ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << " " << status;
    }
    EXPECT_EQ(Lesen(tmp.path().toStdString()), "<Ungültiger Dateiname: das ist ein Verzeichnis>");
}

} // namespace
} // namespace umbrarix
