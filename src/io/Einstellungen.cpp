#include "io/Einstellungen.h"

#include "io/Cp1252.h"
#include "io/Dateizugriff.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrarix {

namespace {

bool Vorhanden(const std::string& pfad) {
    struct stat info {};
    return ::stat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

bool ProgrammInstalliert(const std::string& programmordner) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    std::string pfad = programmordner;
    while (pfad.size() > 1 && pfad.back() == '/') {
        pfad.pop_back();
    }
    const fs::path ordner = fs::weakly_canonical(fs::path(pfad), fehler);
    if (fehler || ordner.filename() != "bin") {
        return false;
    }
    return fs::is_directory(ordner.parent_path() / "share" / "umbrarix", fehler);
}

bool OrdnerBeschreibbar(const std::string& ordner) {
    struct stat info {};
    return ::stat(ordner.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(ordner.c_str(), W_OK | X_OK) == 0;
}

std::string TEinstellungsorte::Leseordner(const char* datei) const {
    if (Benutzerordner.empty()) {
        return Programmordner;
    }
    return Tragbar && Vorhanden(Programmordner + datei) ? Programmordner : Benutzerordner;
}

std::vector<std::string> TEinstellungsorte::Ablageorte() const {
    std::vector<std::string> orte;
    if (Tragbar || Benutzerordner.empty()) {
        orte.push_back(Programmordner);
    }
    if (!Benutzerordner.empty()) {
        orte.push_back(Benutzerordner);
    }
    return orte;
}

std::string TEinstellungsorte::Schreibordner() const {
    if (Benutzerordner.empty() || (Tragbar && OrdnerBeschreibbar(Programmordner))) {
        return Programmordner;
    }
    std::error_code fehler;
    std::filesystem::create_directories(Benutzerordner, fehler);
    return Benutzerordner;
}

std::optional<std::string> ArbeitsverzeichnisLesen(const std::string& programmordner) {
    const TDateiinhalt d = DateiLesen(programmordner + EinstellungsdateiName);
    if (!d.Gelesen) {
        return std::nullopt;
    }
    const std::vector<std::string> z = Zeilen(AusCp1252(d.Bytes));
    return z.empty() ? std::string() : z.front();
}

TSchreibfehler ArbeitsverzeichnisSchreiben(const std::string& programmordner,
                                           const std::string& ordner) {
    return DateiSchreiben(programmordner + EinstellungsdateiName, NachCp1252(MitCrLf({ordner})));
}

bool ArbeitsverzeichnisVorhanden(const std::string& programmordner) {
    return Vorhanden(programmordner + EinstellungsdateiName);
}

bool ArbeitsverzeichnisLoeschen(const std::string& programmordner) {
    const std::string pfad = programmordner + EinstellungsdateiName;
    return ::unlink(pfad.c_str()) == 0 || errno == ENOENT;
}

std::optional<std::string> LetzteWetterdateiLesen(const std::string& ordner) {
    const TDateiinhalt d = DateiLesen(ordner + WetterdateiMerkerName);
    if (!d.Gelesen) {
        return std::nullopt;
    }
    const std::vector<std::string> z = Zeilen(d.Bytes);
    if (z.empty() || z.front().empty()) {
        return std::nullopt;
    }
    return z.front();
}

TSchreibfehler LetzteWetterdateiSchreiben(const std::string& ordner, const std::string& pfad) {
    return DateiSchreiben(ordner + WetterdateiMerkerName, MitCrLf({pfad}));
}

std::optional<std::vector<std::string>> AnsprechpartnerLesen(const std::string& programmordner) {
    const std::string pfad = programmordner + AnsprechpartnerdateiName;
    if (!Vorhanden(pfad)) {
        return std::nullopt;
    }
    const TDateiinhalt d = DateiLesen(pfad);
    if (!d.Gelesen) {
        return std::nullopt;
    }
    return Zeilen(AusDateitext(d.Bytes));
}

TSchreibfehler AnsprechpartnerSchreiben(const std::string& programmordner,
                                        const std::vector<std::string>& zeilen) {
    return DateiSchreiben(programmordner + AnsprechpartnerdateiName, NachCp1252(MitCrLf(zeilen)));
}

} // namespace umbrarix
