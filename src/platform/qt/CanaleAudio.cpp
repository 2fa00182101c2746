// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/CanaleAudio.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>

struct CanaleAudio::Stato {

    std::mutex mutex;
    std::condition_variable sveglia;
    // Counts the requests, so that a sound being written sees at once that a
    // newer one has come and stops.
    quint64 richiesta = 0;
    Cosa cosa = Cosa::Niente;
    pa_sample_spec formato{};
    QByteArray campioni;
    bool basta = false;
    bool finito = false;
    std::thread filo;

    // The living lines, for the exit hook.
    Stato* precedente = nullptr;
    Stato* successivo = nullptr;
};

namespace {

using Stato = CanaleAudio::Stato;
using Cosa = CanaleAudio::Cosa;

std::mutex registro;
Stato* primo = nullptr;

// Ends the thread, which lets go of the server; a thread stuck on a server that
// no longer answers is left behind rather than waited for (it holds the state).
void chiudi(Stato& stato) {
    std::unique_lock lock(stato.mutex);
    if (!stato.filo.joinable())
        return;
    stato.basta = true;
    stato.sveglia.notify_all();
    if (stato.sveglia.wait_for(lock, std::chrono::seconds(1), [&] { return stato.finito; })) {
        lock.unlock();
        stato.filo.join();
    } else {
        stato.filo.detach();
    }
}

void cancella(Stato* stato) {
    std::lock_guard lock(registro);
    if (stato->precedente)
        stato->precedente->successivo = stato->successivo;
    else if (primo == stato)
        primo = stato->successivo;
    if (stato->successivo)
        stato->successivo->precedente = stato->precedente;
    stato->precedente = stato->successivo = nullptr;
}

// A program that leaves through exit() (Qt does when the X server goes away)
// skips the destructors of main's objects, and a sound thread still running
// while the libraries' global objects are torn down can crash the program on
// its way out. Registered once the first thread starts, this runs before those
// global objects go and ends every thread still running.
void allUscita() {
    for (;;) {
        Stato* stato = nullptr;
        {
            std::lock_guard lock(registro);
            stato = primo;
        }
        if (!stato)
            return;
        cancella(stato);
        chiudi(*stato);
    }
}

void iscrivi(Stato* stato) {
    static const bool agganciato = std::atexit(allUscita) == 0;
    (void)agganciato;
    std::lock_guard lock(registro);
    stato->successivo = primo;
    if (primo)
        primo->precedente = stato;
    primo = stato;
}

class Flusso {
public:
    ~Flusso() { chiudi(); }

    // False when there is no server to talk to.
    bool apri(const pa_sample_spec& formato) {
        if (flusso_ && pa_sample_spec_equal(&formato, &formato_))
            return true;
        chiudi();
        // A short buffer: a sound starts, and gives way to the next, within a
        // few hundredths of a second.
        const auto tanto = [&](int ms) { return uint32_t(pa_usec_to_bytes(ms * 1000, &formato)); };
        pa_buffer_attr memoria{};
        memoria.maxlength = uint32_t(-1);
        memoria.tlength = tanto(40);
        memoria.prebuf = tanto(5);
        memoria.minreq = uint32_t(-1);
        memoria.fragsize = uint32_t(-1);
        flusso_ = pa_simple_new(nullptr, "Sequenzio", PA_STREAM_PLAYBACK, nullptr, "suono",
                                &formato, nullptr, &memoria, nullptr);
        formato_ = formato;
        return flusso_ != nullptr;
    }
    void svuota() {
        if (flusso_)
            pa_simple_flush(flusso_, nullptr);
    }
    bool scrivi(const char* dati, size_t quanti) {
        if (flusso_ && pa_simple_write(flusso_, dati, quanti, nullptr) == 0)
            return true;
        chiudi(); // the server went away; the next sound tries again
        return false;
    }
    void chiudi() {
        if (flusso_)
            pa_simple_free(flusso_);
        flusso_ = nullptr;
    }

private:
    pa_simple* flusso_ = nullptr;
    pa_sample_spec formato_{};
};

void lavora(const std::shared_ptr<Stato>& stato) {
    Flusso flusso;
    std::unique_lock lock(stato->mutex);
    for (;;) {
        stato->sveglia.wait(lock, [&] { return stato->basta || stato->cosa != Cosa::Niente; });
        if (stato->basta)
            break;
        const quint64 numero = stato->richiesta;
        const Cosa cosa = std::exchange(stato->cosa, Cosa::Niente);
        const pa_sample_spec formato = stato->formato;
        const QByteArray campioni = std::exchange(stato->campioni, QByteArray());
        lock.unlock();
        if (cosa == Cosa::Zittisci) {
            flusso.svuota();
        } else if (flusso.apri(formato)) {
            flusso.svuota();
            // Written a hundredth of a second at a time, so that a newer
            // request is seen between two pieces.
            const size_t pezzo = std::max<size_t>(
                pa_frame_size(&formato), pa_usec_to_bytes(10000, &formato) /
                                             pa_frame_size(&formato) * pa_frame_size(&formato));
            for (qsizetype da = 0; da < campioni.size(); da += qsizetype(pezzo)) {
                {
                    std::lock_guard guardia(stato->mutex);
                    if (stato->basta || stato->richiesta != numero)
                        break;
                }
                const size_t quanti = std::min(pezzo, size_t(campioni.size() - da));
                if (!flusso.scrivi(campioni.constData() + da, quanti))
                    break;
            }
        }
        lock.lock();
    }
    lock.unlock();
    flusso.chiudi();
    lock.lock();
    stato->finito = true;
    stato->sveglia.notify_all();
}

} // namespace

CanaleAudio::CanaleAudio()
    : stato_(std::make_shared<Stato>()) {}

CanaleAudio::~CanaleAudio() {
    cancella(stato_.get());
    chiudi(*stato_);
}

void CanaleAudio::collega(const pa_sample_spec& formato) {
    chiedi(Cosa::Collega, formato, {});
}

void CanaleAudio::suona(const pa_sample_spec& formato, QByteArray campioni) {
    chiedi(Cosa::Suona, formato, std::move(campioni));
}

void CanaleAudio::zittisci() {
    chiedi(Cosa::Zittisci, {}, {});
}

void CanaleAudio::chiedi(Cosa cosa, const pa_sample_spec& formato, QByteArray campioni) {
    std::lock_guard lock(stato_->mutex);
    if (stato_->basta)
        return; // the program is ending
    if (!stato_->filo.joinable()) {
        if (cosa == Cosa::Zittisci)
            return; // nothing ever played
        stato_->filo = std::thread(lavora, stato_);
        iscrivi(stato_.get());
    }
    // Connecting ahead never takes the place of a sound asked for.
    if (cosa == Cosa::Collega && stato_->cosa != Cosa::Niente)
        return;
    ++stato_->richiesta;
    stato_->cosa = cosa;
    stato_->formato = formato;
    stato_->campioni = std::move(campioni);
    stato_->sveglia.notify_all();
}
