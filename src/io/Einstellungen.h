#pragma once

#include "io/Dateizugriff.h"

#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

// "schatten.ini" holds the working folder for customer files; "schatten.usr" the default
// contact-person lines. Both live in the program folder (a path ending in a separator).
inline constexpr const char* EinstellungsdateiName = "schatten.ini";
inline constexpr const char* AnsprechpartnerdateiName = "schatten.usr";

// Where the two files live. A copy of the program in a folder of its own (portable) keeps them
// beside the program; an installed program keeps them in the user's configuration folder only,
// even when its folder could be written (root and /usr/bin): a file there would override every
// user's own and outlive the package. Both folders end with a separator.
struct TEinstellungsorte {
    std::string Programmordner;
    std::string Benutzerordner; // e.g. ~/.config/umbrarix/; empty: the program folder only
    bool Tragbar = true;        // false: installed, the program folder is never used
    // The folder to read a file from: for a portable copy the program folder when the file is
    // there, else the user's.
    std::string Leseordner(const char* datei) const;
    // The folder to write into: for a portable copy the program folder when it can be written,
    // else the user's (created when missing).
    std::string Schreibordner() const;
    // Every folder a stored file may lie in, so that deleting it leaves none behind.
    std::vector<std::string> Ablageorte() const;
};

// An installed program lies in PREFIX/bin with its data in PREFIX/share/umbrarix/ (the package,
// `cmake --install` into /usr, /usr/local or ~/.local); anything else is a portable copy.
bool ProgrammInstalliert(const std::string& programmordner);

// True when the folder may be written by this process (asked of the system, so no probe file
// is ever left behind; read-only file systems and missing folders count as not writable).
bool OrdnerBeschreibbar(const std::string& ordner);

// The working folder from "schatten.ini", or nothing when the file cannot be read.
std::optional<std::string> ArbeitsverzeichnisLesen(const std::string& programmordner);
// Writes the folder as the file's only line; the German error message on failure.
TSchreibfehler ArbeitsverzeichnisSchreiben(const std::string& programmordner,
                                           const std::string& ordner);
// Deletes "schatten.ini"; false when it exists and cannot be deleted.
bool ArbeitsverzeichnisLoeschen(const std::string& programmordner);
bool ArbeitsverzeichnisVorhanden(const std::string& programmordner);

// The weather file chosen last for the Sonneneintrag: one line with its path as the system
// spells it, in a file of its own beside the two above ("wetter.ini").
inline constexpr const char* WetterdateiMerkerName = "wetter.ini";
std::optional<std::string> LetzteWetterdateiLesen(const std::string& ordner);
TSchreibfehler LetzteWetterdateiSchreiben(const std::string& ordner, const std::string& pfad);

// The stored contact-person lines, or nothing when there is no default.
std::optional<std::vector<std::string>> AnsprechpartnerLesen(const std::string& programmordner);
TSchreibfehler AnsprechpartnerSchreiben(const std::string& programmordner,
                                        const std::vector<std::string>& zeilen);

} // namespace umbrarix
