#pragma once

// Runs over many instants (tables, full runs, the grids of the planning functions) split over
// the machine's hardware threads. Each thread works on its own copy of the scene, so the
// caller's scene is never touched and the results do not depend on the number of threads.

#include "auswertung/Fortschritt.h"
#include "model/Szene.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace umbrarix {

// Calls aufgabe(szeneKopie, i) once for every i in 0..anzahl-1, on up to `faeden` threads, each
// with its own copy of `szene`. aufgabe writes its result by index, so the order of the
// results is the order one thread gives. Indices are handed out in small blocks so that the
// threads finish together even where night steps are cheap and day steps dear. Returns false
// when fortschritt cancelled the run (results of unfinished indices are then left unwritten).
template <class Aufgabe>
bool ParallelAuswerten(const TSzene& szene, int anzahl, Aufgabe&& aufgabe,
                       const TFortschritt& fortschritt = {}, int faeden = AnzahlRechenfaeden());

// ---------------------------------------------------------------------------------------------

namespace detail {
inline constexpr int BlockGroesse = 64;
// A thread's copy of the scene on cache lines of its own: the flags at the end of one copy,
// written at every instant, would otherwise share a line with the inputs at the start of the
// next, read at every instant by another thread.
struct alignas(64) TFadenszene {
    TSzene Szene;
};
inline constexpr std::chrono::milliseconds FortschrittTakt{25};
} // namespace detail

template <class Aufgabe>
bool ParallelAuswerten(const TSzene& szene, int anzahl, Aufgabe&& aufgabe,
                       const TFortschritt& fortschritt, int faeden) {
    if (anzahl <= 0) {
        return !fortschritt || fortschritt(0);
    }
    faeden =
        std::max(1, std::min(faeden, (anzahl + detail::BlockGroesse - 1) / detail::BlockGroesse));
    if (faeden == 1) {
        // One core: no thread at all, the caller's thread reports between blocks.
        TSzene kopie = szene;
        for (int i = 0; i < anzahl; ++i) {
            aufgabe(kopie, i);
            if (fortschritt && (i + 1) % detail::BlockGroesse == 0 && i + 1 < anzahl &&
                !fortschritt(i + 1)) {
                return false;
            }
        }
        return !fortschritt || fortschritt(anzahl);
    }

    // With progress to report the calling thread only watches (so that a window stays live)
    // and all `faeden` threads compute; without, the calling thread is one of them. Every copy
    // of the scene is made here, before any thread starts: while the workers run, the caller
    // may handle events that change its own scene.
    const int zusaetzlich = fortschritt ? faeden : faeden - 1;
    std::vector<detail::TFadenszene> kopien(static_cast<size_t>(faeden),
                                            detail::TFadenszene{szene});
    std::atomic<int> naechster{0};
    std::atomic<int> erledigt{0};
    std::atomic<bool> abbrechen{false};
    // Wakes the watching thread as soon as the last block is done instead of at its next tick.
    std::mutex wache;
    std::condition_variable fertig;
    const auto arbeiten = [&](TSzene& kopie) {
        while (!abbrechen.load(std::memory_order_relaxed)) {
            const int anfang = naechster.fetch_add(detail::BlockGroesse);
            if (anfang >= anzahl) {
                break;
            }
            const int ende = std::min(anzahl, anfang + detail::BlockGroesse);
            for (int i = anfang; i < ende; ++i) {
                aufgabe(kopie, i);
            }
            if (erledigt.fetch_add(ende - anfang, std::memory_order_release) + (ende - anfang) ==
                anzahl) {
                const std::lock_guard<std::mutex> sperre(wache);
                fertig.notify_all();
            }
        }
    };
    std::vector<std::jthread> helfer;
    helfer.reserve(static_cast<size_t>(zusaetzlich));
    for (int k = 0; k < zusaetzlich; ++k) {
        helfer.emplace_back(
            [&arbeiten, &kopien, k] { arbeiten(kopien[static_cast<size_t>(k)].Szene); });
    }
    if (!fortschritt) {
        arbeiten(kopien.back().Szene);
        helfer.clear(); // joins
        return true;
    }
    while (erledigt.load(std::memory_order_acquire) < anzahl) {
        {
            std::unique_lock<std::mutex> sperre(wache);
            fertig.wait_for(sperre, detail::FortschrittTakt,
                            [&] { return erledigt.load(std::memory_order_acquire) >= anzahl; });
        }
        const int stand = erledigt.load(std::memory_order_acquire);
        if (stand < anzahl && !fortschritt(stand)) {
            abbrechen = true;
            helfer.clear();
            return false;
        }
    }
    helfer.clear();
    return fortschritt(anzahl);
}

} // namespace umbrarix
