#include "io/Dateizugriff.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace umbrarix {

std::string Dateifehlertext(int fehlernummer) {
    switch (fehlernummer) {
    case ENOENT:
        return "Datei nicht gefunden";
    case ENOTDIR:
        return "Pfad nicht gefunden";
    case EACCES:
    case EPERM:
        return "Dateizugriff verweigert";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt";
    case ENOSPC:
        return "Nicht genügend Speicherplatz auf dem Datenträger";
    case EDQUOT:
        return "Das Speicherkontingent auf dem Datenträger ist ausgeschöpft";
    case EFBIG:
    case EOVERFLOW:
        return "Die Datei ist zu groß";
    case EISDIR:
        return "Ungültiger Dateiname: das ist ein Verzeichnis";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang";
    case ELOOP:
        return "Zu viele symbolische Verknüpfungen im Pfad";
    case ETXTBSY:
    case EBUSY:
        return "Die Datei wird gerade von einem anderen Programm verwendet";
    case EINVAL:
        return "Ungültiger Dateiname";
    case EXDEV:
        return "Die Datei kann nicht über Datenträgergrenzen hinweg ersetzt werden";
    case ENXIO:
    case ENODEV:
        return "Das Gerät ist nicht bereit";
    case EMFILE:
    case ENFILE:
        return "Zu viele geöffnete Dateien";
    case EIO:
        return "Ein-/Ausgabefehler beim Zugriff auf den Datenträger";
    case EBADF:
        return "Der Ausgabekanal ist nicht zum Schreiben geöffnet";
    default:
        return "Unbekannter Fehler beim Dateizugriff";
    }
}

namespace {

// Writes everything, retrying short writes; false with errno set on failure.
bool AllesSchreiben(int fd, const std::string& bytes) {
    std::size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

std::string Ordner(const std::string& pfad) {
    const std::size_t p = pfad.find_last_of('/');
    return p == std::string::npos ? std::string(".")
                                  : (p == 0 ? std::string("/") : pfad.substr(0, p));
}

// Follows a chain of symbolic links to the name at its end, which need not exist yet (a link
// to a file still to be made); 0 or the error number.
int VerknuepfungenFolgen(std::string& pfad) {
    for (int schritt = 0; schritt < 40; ++schritt) {
        struct stat info {};
        if (::lstat(pfad.c_str(), &info) != 0) {
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(info.st_mode)) {
            return 0;
        }
        std::string ziel(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(pfad.c_str(), ziel.data(), ziel.size());
        if (n < 0) {
            return errno;
        }
        if (static_cast<std::size_t>(n) >= ziel.size()) {
            return ENAMETOOLONG; // changed while read; refuse rather than guess
        }
        ziel.resize(static_cast<std::size_t>(n));
        pfad = !ziel.empty() && ziel.front() == '/' ? ziel : Ordner(pfad) + "/" + ziel;
    }
    return ELOOP;
}

// N when the name is one of the forms under which the system shows this process's descriptor
// N, or -1.
int Deskriptornummer(const std::string& pfad) {
    const std::string eigene = "/proc/" + std::to_string(::getpid()) + "/fd/";
    for (const std::string& vorne : {std::string("/dev/fd/"), std::string("/proc/self/fd/"),
                                     std::string("/proc/thread-self/fd/"), eigene}) {
        if (pfad.size() > vorne.size() && pfad.compare(0, vorne.size(), vorne) == 0) {
            const std::string zahl = pfad.substr(vorne.size());
            if (zahl.size() <= 9 && std::all_of(zahl.begin(), zahl.end(),
                                                [](char c) { return c >= '0' && c <= '9'; })) {
                return std::stoi(zahl);
            }
        }
    }
    return -1;
}

// The descriptor at the end of the chain of links that starts at pfad, or -1. Such a name is a
// link to whatever the descriptor has open; replacing that file would destroy a redirect.
int EigenerDeskriptor(std::string pfad) {
    for (int schritt = 0; schritt < 40; ++schritt) {
        if (const int n = Deskriptornummer(pfad); n >= 0) {
            return n;
        }
        struct stat info {};
        if (::lstat(pfad.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return -1;
        }
        char ziel[4096];
        const ssize_t n = ::readlink(pfad.c_str(), ziel, sizeof ziel);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof ziel) {
            return -1;
        }
        const std::string z(ziel, static_cast<std::size_t>(n));
        pfad = z.front() == '/' ? z : Ordner(pfad) + "/" + z;
    }
    return -1;
}

// Whether the user may write the existing file: the system's own rules, and for the
// administrator (whom the system lets write anything) the write bits of the file's mode.
int Schreibrecht(const std::string& pfad, const struct stat& info) {
    if (::faccessat(AT_FDCWD, pfad.c_str(), W_OK, AT_EACCESS) != 0) {
        return errno;
    }
    if (::geteuid() == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    return 0;
}

// A device or pipe is not replaced: it is written as it is.
std::optional<std::string> GeraetSchreiben(const std::string& pfad, const std::string& bytes) {
    // Without a reader a pipe would block the open forever: it fails instead.
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return Dateifehlertext(errno);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    const bool ok = AllesSchreiben(fd, bytes);
    const int fehler = errno;
    ::close(fd);
    if (!ok) {
        return Dateifehlertext(fehler);
    }
    return std::nullopt;
}

// The ACL entry tags of the kernel's "system.posix_acl_access" value (version 2, entries of
// tag, permissions and id, little-endian).
constexpr unsigned AclGruppeneigentuemer = 0x04;

// The permissions of the owning group's entry in an ACL value, or -1.
int AclGruppenrechte(const std::string& acl) {
    for (std::size_t i = 4; i + 8 <= acl.size(); i += 8) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(acl[i + k]); };
        if ((byte(0) | byte(1) << 8) == AclGruppeneigentuemer) {
            return static_cast<int>((byte(2) | byte(3) << 8) & 7);
        }
    }
    return -1;
}

// The extended attributes of the replaced file on the new one: its ACL first of all, which
// grants rights the mode bits do not show. Attributes the user may not set (trusted.*,
// security.* of another owner) are passed over; when the ACL cannot be set, the group bits,
// which then stand alone, fall back to the owning group's own entry, so no one gains rights.
void AttributeUebernehmen(const std::string& alt, int fd, mode_t modus) {
    const ssize_t laenge = ::listxattr(alt.c_str(), nullptr, 0);
    if (laenge <= 0) {
        return;
    }
    std::string namen(static_cast<std::size_t>(laenge), '\0');
    const ssize_t n = ::listxattr(alt.c_str(), namen.data(), namen.size());
    if (n <= 0) {
        return;
    }
    namen.resize(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < namen.size(); i = namen.find('\0', i) + 1) {
        const std::string name = namen.substr(i, namen.find('\0', i) - i);
        const ssize_t g = ::getxattr(alt.c_str(), name.c_str(), nullptr, 0);
        if (g < 0) {
            continue;
        }
        std::string wert(static_cast<std::size_t>(g), '\0');
        const ssize_t w = ::getxattr(alt.c_str(), name.c_str(), wert.data(), wert.size());
        if (w < 0) {
            continue;
        }
        wert.resize(static_cast<std::size_t>(w));
        if (::fsetxattr(fd, name.c_str(), wert.data(), wert.size(), 0) != 0 &&
            name == "system.posix_acl_access") {
            const int gruppe = AclGruppenrechte(wert);
            ::fchmod(fd, (modus & ~static_cast<mode_t>(S_IRWXG)) |
                             (gruppe < 0 ? 0 : static_cast<mode_t>(gruppe) << 3));
        }
    }
}

// Bytes through a descriptor the program already holds, at its position.
TSchreibfehler DeskriptorSchreiben(int fd, const std::string& bytes) {
    if (!AllesSchreiben(fd, bytes)) {
        return Dateifehlertext(errno);
    }
    return std::nullopt;
}

} // namespace

TSchreibziel SchreibzielPruefen(const std::string& pfad) {
    TSchreibziel z;
    z.Pfad = pfad;
    z.Deskriptor = EigenerDeskriptor(pfad);
    if (z.Deskriptor >= 0) {
        z.Geraet = true;
        return z;
    }
    struct stat info {};
    const bool vorhanden = ::stat(pfad.c_str(), &info) == 0;
    if (vorhanden && S_ISDIR(info.st_mode)) {
        z.Fehler = Dateifehlertext(EISDIR);
        return z;
    }
    if (vorhanden && !S_ISREG(info.st_mode)) {
        z.Geraet = true; // such as /dev/full or /dev/stdout, also through links
        return z;
    }
    if (const int fehler = VerknuepfungenFolgen(z.Pfad)) {
        z.Fehler = Dateifehlertext(fehler);
        return z;
    }
    z.Ordner = Ordner(z.Pfad);
    struct stat ordner {};
    if (::stat(z.Ordner.c_str(), &ordner) != 0 || !S_ISDIR(ordner.st_mode)) {
        z.Fehler = Dateifehlertext(ENOTDIR);
        return z;
    }
    if (vorhanden) {
        if (const int fehler = Schreibrecht(z.Pfad, info)) {
            z.Fehler = Dateifehlertext(fehler);
        }
    }
    return z;
}

TZwischendatei ZwischendateiAnlegen(const std::string& ordner, const std::string& endung) {
    TZwischendatei t;
    t.Pfad = ordner + "/.umbrarix-XXXXXX" + endung;
    t.Deskriptor = ::mkostemps(t.Pfad.data(), static_cast<int>(endung.size()), O_CLOEXEC);
    if (t.Deskriptor < 0) {
        // The folder exists (checked before): a folder that takes no new files, such as
        // /proc, refuses access.
        t.Fehler = Dateifehlertext(errno == ENOENT ? EACCES : errno);
        t.Pfad.clear();
    }
    return t;
}

TSchreibfehler SchreibzielVorabPruefen(const std::string& pfad) {
    const TSchreibziel ziel = SchreibzielPruefen(pfad);
    if (ziel.Fehler || ziel.Geraet) {
        return ziel.Fehler;
    }
    const TZwischendatei probe = ZwischendateiAnlegen(ziel.Ordner);
    if (probe.Fehler) {
        return probe.Fehler;
    }
    ::close(probe.Deskriptor);
    ::unlink(probe.Pfad.c_str());
    return std::nullopt;
}

TSchreibfehler DateiSchreiben(const std::string& pfad, const std::string& bytes) {
    const TSchreibziel ziel = SchreibzielPruefen(pfad);
    if (ziel.Fehler) {
        return ziel.Fehler;
    }
    if (ziel.Deskriptor >= 0) {
        return DeskriptorSchreiben(ziel.Deskriptor, bytes);
    }
    if (ziel.Geraet) {
        return GeraetSchreiben(pfad, bytes);
    }
    struct stat alt {};
    const bool ersetzt = ::stat(ziel.Pfad.c_str(), &alt) == 0;
    const TZwischendatei tmp = ZwischendateiAnlegen(ziel.Ordner);
    if (tmp.Fehler) {
        return tmp.Fehler;
    }
    const int fd = tmp.Deskriptor;
    if (ersetzt) {
        // Owner and group as before where the user may set them (the group of a file the
        // user owns, both for the administrator); then the permission bits, which a change
        // of owner may have cleared.
        const bool beide = ::fchown(fd, alt.st_uid, alt.st_gid) == 0;
        const bool gruppe = beide || ::fchown(fd, static_cast<uid_t>(-1), alt.st_gid) == 0;
        static_cast<void>(gruppe); // a group the user is not in becomes the user's own
        ::fchmod(fd, alt.st_mode & 07777);
        AttributeUebernehmen(ziel.Pfad, fd, alt.st_mode & 07777);
    } else {
        // A new file gets the usual permissions of a file the user creates.
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }
    bool ok = AllesSchreiben(fd, bytes) && ::fsync(fd) == 0;
    int fehler = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        fehler = errno;
    }
    if (ok && ::rename(tmp.Pfad.c_str(), ziel.Pfad.c_str()) != 0) {
        ok = false;
        fehler = errno;
    }
    if (!ok) {
        ::unlink(tmp.Pfad.c_str());
        return Dateifehlertext(fehler);
    }
    return std::nullopt;
}

TDateiinhalt DateiLesen(const std::string& pfad) {
    TDateiinhalt inhalt;
    // Opened without waiting, so that a pipe without a writer cannot hold the program.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        inhalt.Fehler = Dateifehlertext(errno);
        return inhalt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !(S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))) {
        inhalt.Fehler = "Keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)";
        ::close(fd);
        return inhalt;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            inhalt.Fehler = Dateifehlertext(errno);
            ::close(fd);
            inhalt.Bytes.clear();
            return inhalt;
        }
        if (n == 0) {
            break;
        }
        inhalt.Bytes.append(puffer, static_cast<std::size_t>(n));
        // Project and settings files are small; anything this large is not one of them.
        if (inhalt.Bytes.size() > 64u * 1024 * 1024) {
            inhalt.Fehler = Dateifehlertext(EFBIG);
            ::close(fd);
            inhalt.Bytes.clear();
            return inhalt;
        }
    }
    ::close(fd);
    inhalt.Gelesen = true;
    return inhalt;
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::string zeile;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            z.push_back(zeile);
            zeile.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            zeile += c;
        }
    }
    if (!zeile.empty()) {
        z.push_back(zeile);
    }
    return z;
}

std::string MitCrLf(const std::vector<std::string>& zeilen) {
    std::string s;
    for (const std::string& z : zeilen) {
        s += z;
        s += "\r\n";
    }
    return s;
}

} // namespace umbrarix
