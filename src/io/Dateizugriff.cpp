#include "io/Dateizugriff.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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
    case EDQUOT:
        return "Nicht genügend Speicherplatz auf dem Datenträger";
    case EISDIR:
        return "Ungültiger Dateiname: das ist ein Verzeichnis";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang";
    case EMFILE:
    case ENFILE:
        return "Zu viele geöffnete Dateien";
    case EIO:
        return "Ein-/Ausgabefehler beim Zugriff auf den Datenträger";
    default:
        return "E/A-Fehler " + std::to_string(fehlernummer);
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

} // namespace

std::optional<std::string> DateiSchreiben(const std::string& pfad, const std::string& bytes) {
    struct stat info {};
    if (::stat(pfad.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode)) {
            return Dateifehlertext(EISDIR);
        }
        // A device or pipe is not replaced: it is written as it is.
        const int fd = ::open(pfad.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) {
            return Dateifehlertext(errno);
        }
        const bool ok = AllesSchreiben(fd, bytes);
        const int fehler = errno;
        ::close(fd);
        if (!ok) {
            return Dateifehlertext(fehler);
        }
        return std::nullopt;
    }
    struct stat ordner {};
    if (::stat(Ordner(pfad).c_str(), &ordner) != 0 || !S_ISDIR(ordner.st_mode)) {
        return Dateifehlertext(ENOTDIR);
    }
    std::string vorlage = Ordner(pfad) + "/.umbrarix-XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0) {
        return Dateifehlertext(errno);
    }
    bool ok = AllesSchreiben(fd, bytes) && ::fsync(fd) == 0;
    int fehler = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        fehler = errno;
    }
    // The new file gets the usual permissions of a file the user creates.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    ::chmod(vorlage.c_str(), 0666 & ~maske);
    if (ok && ::rename(vorlage.c_str(), pfad.c_str()) != 0) {
        ok = false;
        fehler = errno;
    }
    if (!ok) {
        ::unlink(vorlage.c_str());
        return Dateifehlertext(fehler);
    }
    return std::nullopt;
}

TDateiinhalt DateiLesen(const std::string& pfad) {
    TDateiinhalt inhalt;
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        inhalt.Fehler = Dateifehlertext(errno);
        return inhalt;
    }
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
