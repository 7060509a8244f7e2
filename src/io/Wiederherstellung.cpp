#include "io/Wiederherstellung.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace umbrarix {

namespace {

constexpr const char* Kopieendung = ".dat";
constexpr const char* Beschreibungsendung = ".info";
constexpr const char* Sperrendung = ".sperre";

// The lock file opened and locked without waiting, or -1 when another process holds it.
int Sperren(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// "12345-1765290000123.dat" -> "12345-1765290000123"; nothing for other names.
std::optional<std::string> KennungAusName(std::string_view name, std::string_view endung) {
    if (!name.ends_with(endung) || name.size() == endung.size()) {
        return std::nullopt;
    }
    name.remove_suffix(endung.size());
    const bool gueltig = std::all_of(name.begin(), name.end(),
                                     [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
    return gueltig ? std::optional<std::string>(name) : std::nullopt;
}

} // namespace

TWiederherstellung::TWiederherstellung(std::string ordner) : ordner_(std::move(ordner)) {
    // Process id and start time: a later program that gets the same process id never takes
    // the copy of a dead one for its own.
    timespec jetzt{};
    ::clock_gettime(CLOCK_REALTIME, &jetzt);
    kennung_ = std::to_string(static_cast<long>(::getpid())) + "-" +
               std::to_string(static_cast<long long>(jetzt.tv_sec) * 1000000000LL + jetzt.tv_nsec);
    std::error_code fehler;
    std::filesystem::create_directories(ordner_, fehler);
    sperre_ = Sperren(Pfad(kennung_, Sperrendung));
}

TWiederherstellung::~TWiederherstellung() {
    for (const auto& [pfad, fd] : fremdeSperren_) {
        ::close(fd);
    }
    if (sperre_ >= 0) {
        ::unlink(Pfad(kennung_, Sperrendung).c_str());
        ::close(sperre_);
    }
}

std::string TWiederherstellung::Pfad(const std::string& kennung, const char* endung) const {
    return ordner_ + kennung + endung;
}

TSchreibfehler TWiederherstellung::Sichern(const std::string& bytes,
                                           const std::string& originalpfad, std::time_t zeit) {
    if (sperre_ < 0) {
        return std::string("Die Wiederherstellungskopie kann nicht gesperrt werden");
    }
    if (TSchreibfehler f = DateiSchreiben(Pfad(kennung_, Kopieendung), bytes)) {
        return f;
    }
    return DateiSchreiben(Pfad(kennung_, Beschreibungsendung),
                          originalpfad + "\n" + std::to_string(static_cast<long long>(zeit)) +
                              "\n" + std::to_string(bytes.size()) + "\n");
}

void TWiederherstellung::Entfernen() {
    ::unlink(Pfad(kennung_, Kopieendung).c_str());
    ::unlink(Pfad(kennung_, Beschreibungsendung).c_str());
}

bool TWiederherstellung::KopieVorhanden() const {
    return ::access(Pfad(kennung_, Kopieendung).c_str(), F_OK) == 0;
}

std::vector<TVerwaisteKopie> TWiederherstellung::VerwaisteSuchen() {
    std::vector<TVerwaisteKopie> kopien;
    std::error_code fehler;
    std::vector<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner_, fehler)) {
        namen.push_back(eintrag.path().filename().string());
    }
    for (const std::string& name : namen) {
        // A lock left by a program that died without a copy is only cleared away.
        if (const std::optional<std::string> k = KennungAusName(name, Sperrendung);
            k && *k != kennung_ && ::access(Pfad(*k, Kopieendung).c_str(), F_OK) != 0) {
            if (const int fd = Sperren(Pfad(*k, Sperrendung)); fd >= 0) {
                ::unlink(Pfad(*k, Sperrendung).c_str());
                ::close(fd);
            }
        }
        const std::optional<std::string> kennung = KennungAusName(name, Kopieendung);
        if (!kennung || *kennung == kennung_) {
            continue;
        }
        const std::string sperre = Pfad(*kennung, Sperrendung);
        if (std::any_of(fremdeSperren_.begin(), fremdeSperren_.end(),
                        [&](const auto& s) { return s.first == sperre; })) {
            continue;
        }
        const int fd = Sperren(sperre);
        if (fd < 0) {
            continue; // its program runs
        }
        fremdeSperren_.emplace_back(sperre, fd);
        TVerwaisteKopie k;
        k.Kopie = Pfad(*kennung, Kopieendung);
        const TDateiinhalt kopie = DateiLesen(k.Kopie);
        const TDateiinhalt info = DateiLesen(Pfad(*kennung, Beschreibungsendung));
        const std::vector<std::string> zeilen =
            info.Gelesen ? Zeilen(info.Bytes) : std::vector<std::string>{};
        if (kopie.Gelesen && zeilen.size() >= 3) {
            k.Originalpfad = zeilen[0];
            long long zeit = 0;
            unsigned long long laenge = 0;
            const auto [e1, f1] =
                std::from_chars(zeilen[1].data(), zeilen[1].data() + zeilen[1].size(), zeit);
            const auto [e2, f2] =
                std::from_chars(zeilen[2].data(), zeilen[2].data() + zeilen[2].size(), laenge);
            // The length written beside the copy tells a copy that is complete.
            k.Lesbar = f1 == std::errc{} && f2 == std::errc{} && !k.Originalpfad.empty() &&
                       laenge == kopie.Bytes.size();
            k.Zeit = static_cast<std::time_t>(zeit);
            k.Bytes = kopie.Bytes;
        }
        kopien.push_back(std::move(k));
    }
    std::sort(kopien.begin(), kopien.end(),
              [](const TVerwaisteKopie& a, const TVerwaisteKopie& b) { return a.Zeit < b.Zeit; });
    return kopien;
}

void TWiederherstellung::Freigeben(const std::string& sperre) {
    const auto it = std::find_if(fremdeSperren_.begin(), fremdeSperren_.end(),
                                 [&](const auto& s) { return s.first == sperre; });
    if (it != fremdeSperren_.end()) {
        ::unlink(it->first.c_str());
        ::close(it->second);
        fremdeSperren_.erase(it);
    }
}

void TWiederherstellung::Verwerfen(const TVerwaisteKopie& k) {
    const std::string basis =
        k.Kopie.substr(0, k.Kopie.size() - std::string_view(Kopieendung).size());
    ::unlink(k.Kopie.c_str());
    ::unlink((basis + Beschreibungsendung).c_str());
    Freigeben(basis + Sperrendung);
}

void TWiederherstellung::Beiseitelegen(const TVerwaisteKopie& k) {
    const std::string basis =
        k.Kopie.substr(0, k.Kopie.size() - std::string_view(Kopieendung).size());
    std::rename(k.Kopie.c_str(), (k.Kopie + ".beschaedigt").c_str());
    std::rename((basis + Beschreibungsendung).c_str(),
                (basis + Beschreibungsendung + ".beschaedigt").c_str());
    Freigeben(basis + Sperrendung);
}

} // namespace umbrarix
