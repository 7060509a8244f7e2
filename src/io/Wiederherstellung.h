#pragma once

// Recovery copies of unsaved work: each running program keeps at most one copy of its project
// (the project file's bytes) with the original path and the time beside it in a folder of the
// user's, and holds a lock for as long as it runs. A copy whose lock can be taken belongs to a
// program that is no longer running (the system drops the lock of a process that died, even
// of one killed outright), so it is offered at the next start; two programs running at once
// never take each other's copies.

#include "io/Dateizugriff.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

// An abandoned copy, held locked by this program until Verwerfen or Beiseitelegen (or the end
// of this object).
struct TVerwaisteKopie {
    std::string Kopie;        // the copy's path
    std::string Originalpfad; // the project file it stands for ("unbenannt.dat" for a new one)
    std::time_t Zeit = 0;     // when it was written
    bool Lesbar = false;      // copy and its description were read completely
    std::string Bytes;        // the copy's bytes when Lesbar
};

class TWiederherstellung {
public:
    // ordner: the folder of the copies, ending with a separator (created when missing).
    explicit TWiederherstellung(std::string ordner);
    ~TWiederherstellung();
    TWiederherstellung(const TWiederherstellung&) = delete;
    TWiederherstellung& operator=(const TWiederherstellung&) = delete;

    // Writes this program's copy (bytes first, then its description, each atomically).
    TSchreibfehler Sichern(const std::string& bytes, const std::string& originalpfad,
                           std::time_t zeit);
    // Removes this program's copy (after a save or a clean exit).
    void Entfernen();
    bool KopieVorhanden() const;

    // The copies of programs no longer running, oldest first; each is locked for this program.
    std::vector<TVerwaisteKopie> VerwaisteSuchen();
    // Deletes an abandoned copy (restored or declined).
    void Verwerfen(const TVerwaisteKopie& kopie);
    // Renames a damaged copy so that it is never offered again but stays for inspection.
    void Beiseitelegen(const TVerwaisteKopie& kopie);

    const std::string& Ordner() const { return ordner_; }

private:
    std::string Pfad(const std::string& kennung, const char* endung) const;
    void Freigeben(const std::string& sperre);

    std::string ordner_;
    std::string kennung_;                                    // process id and start time
    int sperre_ = -1;                                        // this program's lock
    std::vector<std::pair<std::string, int>> fremdeSperren_; // locks taken of abandoned copies
};

} // namespace umbrarix
