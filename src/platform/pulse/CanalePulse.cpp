// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pulse/CanalePulse.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include <dlfcn.h>

namespace {

enum class Cosa { Niente, Collega, Suona, Zittisci };

// The few calls the program makes, from the library opened at run time.
struct Pulse {
    decltype(&pa_simple_new) apri;
    decltype(&pa_simple_write) scrivi;
    decltype(&pa_simple_flush) svuota;
    decltype(&pa_simple_free) chiudi;
};

template <typename Funzione> void cerca(void* libreria, const char* nome, Funzione& funzione) {
    funzione = reinterpret_cast<Funzione>(dlsym(libreria, nome));
}

// Opened once, by the sound thread, and kept for the rest of the run; by its
// versioned name, never a path, so that the loader takes it from the system's
// library folders.
const Pulse* pulse() {
    static const std::optional<Pulse> funzioni = []() -> std::optional<Pulse> {
        void* libreria = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!libreria)
            return std::nullopt;
        Pulse trovate{};
        cerca(libreria, "pa_simple_new", trovate.apri);
        cerca(libreria, "pa_simple_write", trovate.scrivi);
        cerca(libreria, "pa_simple_flush", trovate.svuota);
        cerca(libreria, "pa_simple_free", trovate.chiudi);
        if (!trovate.apri || !trovate.scrivi || !trovate.svuota || !trovate.chiudi) {
            dlclose(libreria);
            return std::nullopt;
        }
        return trovate;
    }();
    return funzioni ? &*funzioni : nullptr;
}

pa_sample_format_t codifica(const FileWav::Formato& formato) {
    switch (formato.tipo) {
    case FileWav::Pcm:
        return formato.bit == 8    ? PA_SAMPLE_U8
               : formato.bit == 16 ? PA_SAMPLE_S16LE
               : formato.bit == 24 ? PA_SAMPLE_S24LE
                                   : PA_SAMPLE_S32LE;
    case FileWav::Virgola:
        return PA_SAMPLE_FLOAT32LE;
    case FileWav::ALaw:
        return PA_SAMPLE_ALAW;
    case FileWav::MuLaw:
        return PA_SAMPLE_ULAW;
    }
    return PA_SAMPLE_INVALID;
}

bool uguali(const FileWav::Formato& a, const FileWav::Formato& b) {
    return a.tipo == b.tipo && a.canali == b.canali && a.frequenza == b.frequenza && a.bit == b.bit;
}

// Whole frames lasting about this long.
uint32_t durata(const FileWav::Formato& formato, int millisecondi) {
    const uint64_t telai = std::max<uint64_t>(1, uint64_t(formato.frequenza) * millisecondi / 1000);
    return uint32_t(telai * formato.blocco);
}

class Flusso {
public:
    enum class Esito { Aperto, SenzaServer, Rifiutato };

    ~Flusso() { chiudi(); }

    Esito apri(const FileWav::Formato& formato) {
        if (flusso_ && uguali(formato, formato_))
            return Esito::Aperto;
        chiudi();
        const Pulse* funzioni = pulse();
        if (!funzioni)
            return Esito::SenzaServer;
        const pa_sample_spec campionamento{codifica(formato), formato.frequenza,
                                           uint8_t(formato.canali)};
        // A short buffer: a sound starts, and gives way to the next, within a
        // few hundredths of a second.
        pa_buffer_attr memoria{};
        memoria.maxlength = uint32_t(-1);
        memoria.tlength = durata(formato, 40);
        memoria.prebuf = durata(formato, 5);
        memoria.minreq = uint32_t(-1);
        memoria.fragsize = uint32_t(-1);
        int errore = 0;
        flusso_ = funzioni->apri(nullptr, "Sequenzio", PA_STREAM_PLAYBACK, nullptr, "suono",
                                 &campionamento, nullptr, &memoria, &errore);
        formato_ = formato;
        if (flusso_)
            return Esito::Aperto;
        // A server reached that will not take the format (more channels than
        // it can place, say) is the file's fault; one not reached is not.
        return errore == PA_ERR_INVALID || errore == PA_ERR_NOTSUPPORTED ||
                       errore == PA_ERR_TOOLARGE
                   ? Esito::Rifiutato
                   : Esito::SenzaServer;
    }
    void svuota() {
        if (flusso_)
            pulse()->svuota(flusso_, nullptr);
    }
    bool scrivi(const char* dati, size_t quanti) {
        if (flusso_ && pulse()->scrivi(flusso_, dati, quanti, nullptr) == 0)
            return true;
        chiudi(); // the server went away; the next sound tries again
        return false;
    }
    void chiudi() {
        if (flusso_)
            pulse()->chiudi(flusso_);
        flusso_ = nullptr;
    }

private:
    pa_simple* flusso_ = nullptr;
    FileWav::Formato formato_;
};

} // namespace

struct CanalePulse::Stato {
    std::mutex mutex;
    std::condition_variable sveglia;
    // Counts the requests, so that a sound being written sees at once that a
    // newer one has come and stops.
    quint64 richiesta = 0;
    Cosa cosa = Cosa::Niente;
    FileWav::Formato formato;
    QByteArray campioni;
    std::function<void()> rifiutato;
    bool basta = false;
    bool finito = false;
    std::thread filo;
};

namespace {

using Stato = CanalePulse::Stato;

void lavora(const std::shared_ptr<Stato>& stato) {
    Flusso flusso;
    std::unique_lock lock(stato->mutex);
    for (;;) {
        stato->sveglia.wait(lock, [&] { return stato->basta || stato->cosa != Cosa::Niente; });
        if (stato->basta)
            break;
        const quint64 numero = stato->richiesta;
        const Cosa cosa = std::exchange(stato->cosa, Cosa::Niente);
        const FileWav::Formato formato = stato->formato;
        const QByteArray campioni = std::exchange(stato->campioni, QByteArray());
        const std::function<void()> rifiutato = std::exchange(stato->rifiutato, nullptr);
        lock.unlock();
        if (cosa == Cosa::Zittisci) {
            flusso.svuota();
        } else if (const Flusso::Esito esito = flusso.apri(formato);
                   esito == Flusso::Esito::Aperto) {
            flusso.svuota();
            // Written a hundredth of a second at a time, so that a newer
            // request is seen between two pieces.
            const size_t pezzo = durata(formato, 10);
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
        } else if (esito == Flusso::Esito::Rifiutato && rifiutato) {
            rifiutato();
        }
        lock.lock();
    }
    lock.unlock();
    flusso.chiudi();
    lock.lock();
    stato->finito = true;
    stato->sveglia.notify_all();
}

void chiedi(const std::shared_ptr<Stato>& stato, Cosa cosa, const FileWav::Formato& formato,
            QByteArray campioni, std::function<void()> rifiutato) {
    std::lock_guard lock(stato->mutex);
    if (stato->basta)
        return; // the program is ending
    if (!stato->filo.joinable()) {
        if (cosa == Cosa::Zittisci)
            return; // nothing ever played
        stato->filo = std::thread(lavora, stato);
    }
    // Connecting ahead never takes the place of a sound asked for.
    if (cosa == Cosa::Collega && stato->cosa != Cosa::Niente)
        return;
    ++stato->richiesta;
    stato->cosa = cosa;
    stato->formato = formato;
    stato->campioni = std::move(campioni);
    stato->rifiutato = std::move(rifiutato);
    stato->sveglia.notify_all();
}

} // namespace

CanalePulse& CanalePulse::programma() {
    static CanalePulse canale;
    return canale;
}

CanalePulse::CanalePulse()
    : stato_(std::make_shared<Stato>()) {}

// Ends the thread, which lets go of the server; a thread stuck on a server that
// no longer answers is left behind rather than waited for (it holds the state).
CanalePulse::~CanalePulse() {
    std::unique_lock lock(stato_->mutex);
    if (!stato_->filo.joinable())
        return;
    stato_->basta = true;
    stato_->sveglia.notify_all();
    if (stato_->sveglia.wait_for(lock, std::chrono::seconds(1), [&] { return stato_->finito; })) {
        lock.unlock();
        stato_->filo.join();
    } else {
        stato_->filo.detach();
    }
}

void CanalePulse::collega(const FileWav::Formato& formato) {
    chiedi(stato_, Cosa::Collega, formato, {}, nullptr);
}

void CanalePulse::suona(const FileWav::Formato& formato, QByteArray campioni,
                        std::function<void()> rifiutato) {
    chiedi(stato_, Cosa::Suona, formato, std::move(campioni), std::move(rifiutato));
}

void CanalePulse::zittisci() {
    chiedi(stato_, Cosa::Zittisci, {}, {}, nullptr);
}
