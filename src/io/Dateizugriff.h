#pragma once

#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

// The German message of a failed file operation, from the error number of the system.
std::string Dateifehlertext(int fehlernummer);

// Writes the bytes to the file at pfad (UTF-8 path). The bytes go to a temporary file in the
// same folder first, which replaces the target only when it was written completely, so a
// failed write leaves an earlier file as it was. A target that is a device (such as
// /dev/full) is written directly. Returns the German error message, or nothing on success.
std::optional<std::string> DateiSchreiben(const std::string& pfad, const std::string& bytes);

// The whole file, or the German error message.
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
