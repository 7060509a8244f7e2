#pragma once

#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

// What every save returns: the German message when it failed, nothing when the file was
// written.
using TSchreibfehler = std::optional<std::string>;

// The German message of a failed file operation, from the error number of the system. Every
// number gets words, never the number itself.
std::string Dateifehlertext(int fehlernummer);

// Where a save of pfad goes: symbolic links are followed to the file they name (which need
// not exist yet), so that the link stays a link. An existing file must be writable for the
// user; mode 0444 protects it even against the administrator.
struct TSchreibziel {
    std::string Pfad;    // the file to replace, links resolved
    std::string Ordner;  // its folder, where the temporary file goes
    bool Geraet = false; // a device or pipe (such as /dev/full): written as it is, not replaced
    // The program's own open descriptor that the name stands for (/dev/stdout, /dev/fd/N,
    // /proc/self/fd/N, also at the end of links), or -1. Written through it, in place, so that
    // a redirect of the shell keeps its file, its position and its append mode.
    int Deskriptor = -1;
    std::optional<std::string> Fehler; // the German message when the save cannot happen
};
TSchreibziel SchreibzielPruefen(const std::string& pfad);

// Whether a save of pfad can happen, asked before a long computation: SchreibzielPruefen, and
// for a file a temporary file tried (and removed) in its folder, so that a folder that takes
// no new file shows at once.
TSchreibfehler SchreibzielVorabPruefen(const std::string& pfad);

// A new empty temporary file ".umbrarix-XXXXXX" + endung in the folder, open for writing.
struct TZwischendatei {
    int Deskriptor = -1;
    std::string Pfad;
    std::optional<std::string> Fehler;
};
TZwischendatei ZwischendateiAnlegen(const std::string& ordner, const std::string& endung = {});

// Writes the bytes to the file at pfad (UTF-8 path). The bytes go to a temporary file in the
// same folder first, which replaces the target only when it was written completely, so a
// failed write leaves an earlier file as it was. The new file keeps the permission bits, owner
// and group of the one it replaces (as far as the user may set them); a file that did not exist
// gets the mode the umask gives. A file with other names (hard links) is split from them.
// A target that is a device (such as /dev/full) is written directly. Returns the German error
// message, or nothing on success.
TSchreibfehler DateiSchreiben(const std::string& pfad, const std::string& bytes);

// The whole file, or the German error message. Only regular files are read: a pipe without a
// writer, a socket or a device would block or never end.
struct TDateiinhalt {
    bool Gelesen = false;
    std::string Bytes;
    std::string Fehler;
};
TDateiinhalt DateiLesen(const std::string& pfad);

// Lines of a text: CR LF, LF or CR end a line; a last line without an end counts too.
std::vector<std::string> Zeilen(const std::string& text);

// Lines joined, each followed by CR LF.
std::string MitCrLf(const std::vector<std::string>& zeilen);

} // namespace umbrarix
