#pragma once

// Keeps a window that shows an evaluation of the scene in step with it without the main
// window ever waiting: every change hands the newest scene over, a worker thread computes it
// on its own copy, and the result is shown on the window's thread. States that a newer one
// overtakes are dropped, and a computation in progress is cancelled for the newer one.

#include "model/Szene.h"

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

namespace umbrarix {

template <class TErgebnis> class TNachfuehrung {
public:
    // rechnen: on the worker; it calls weiter() between steps and stops when that says false.
    // anzeigen: on the thread of empfaenger, with the result of the newest scene.
    using TRechnen = std::function<std::optional<TErgebnis>(const TSzene& szene,
                                                            const std::function<bool()>& weiter)>;
    TNachfuehrung(QObject* empfaenger, TRechnen rechnen, std::function<void(TErgebnis)> anzeigen)
        : empfaenger_(empfaenger), rechnen_(std::move(rechnen)), anzeigen_(std::move(anzeigen)),
          faden_([this] { Arbeiten(); }) {}

    ~TNachfuehrung() {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            ende_ = true;
        }
        bedingung_.notify_all();
        faden_.join();
    }
    TNachfuehrung(const TNachfuehrung&) = delete;
    TNachfuehrung& operator=(const TNachfuehrung&) = delete;

    // The newest scene (on the window's thread): copied, the worker woken.
    void Neu(const TSzene& szene) {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            offen_ = szene;
            ++verlangt_;
        }
        bedingung_.notify_all();
    }

    // True when the newest scene handed over is the one shown.
    bool Aktuell() const { return gezeigt_.load() == verlangt_.load(); }

private:
    void Arbeiten() {
        // The worker and the threads it starts yield to the window's own thread, which must
        // stay quick while the person drags.
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
        for (;;) {
            TSzene szene;
            int nummer = 0;
            {
                std::unique_lock<std::mutex> sperre(mutex_);
                bedingung_.wait(sperre, [this] { return ende_ || offen_.has_value(); });
                // While changes keep coming (a drag), wait for a short pause: each one would
                // only cancel the computation of the one before.
                while (!ende_ && bedingung_.wait_for(sperre, Ruhe, [this, n = verlangt_.load()] {
                    return ende_ || verlangt_.load() != n;
                })) {
                }
                if (ende_) {
                    return;
                }
                szene = std::move(*offen_);
                offen_.reset();
                nummer = verlangt_.load();
            }
            const std::function<bool()> weiter = [this, nummer] {
                return !ende_flag() && verlangt_.load() == nummer;
            };
            std::optional<TErgebnis> ergebnis = rechnen_(szene, weiter);
            if (!ergebnis || verlangt_.load() != nummer) {
                continue; // overtaken: the newer scene comes next
            }
            QMetaObject::invokeMethod(
                empfaenger_,
                [this, nummer, e = std::move(*ergebnis)]() mutable {
                    if (verlangt_.load() == nummer) {
                        anzeigen_(std::move(e));
                        gezeigt_.store(nummer);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    bool ende_flag() {
        const std::lock_guard<std::mutex> sperre(mutex_);
        return ende_;
    }

    // The pause before computing. In a drag the moves come every 10 to 16 ms, so a computation
    // may start between two and be cancelled by the next; at the worker's lower priority that
    // costs the drag nothing measurable (Folgefenster.ZiehenMitBeidenFensternOffen), and the
    // result shows 15 ms sooner than after a pause of 25 ms.
    static constexpr std::chrono::milliseconds Ruhe{10};

    QObject* empfaenger_;
    TRechnen rechnen_;
    std::function<void(TErgebnis)> anzeigen_;
    std::mutex mutex_;
    std::condition_variable bedingung_;
    std::optional<TSzene> offen_;
    bool ende_ = false;
    std::atomic<int> verlangt_{0}, gezeigt_{0};
    std::thread faden_; // last: started once everything above exists
};

} // namespace umbrarix
