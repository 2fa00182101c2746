// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VoceCaricata.h"

#include "platform/MotoreVoce.h"
#include "platform/TestoParlato.h"

#include <QLibrary>
#include <QThread>

#include <mutex>
#include <optional>

namespace {

std::unique_ptr<MotoreVoce> creaMotore(const QString& modulo) {
    // Never unloaded: the engine's library may keep threads of its own.
    QLibrary libreria(modulo);
    libreria.setLoadHints(QLibrary::PreventUnloadHint);
    const auto fabbrica =
        reinterpret_cast<FabbricaMotoreVoce>(libreria.resolve(nomeFabbricaMotoreVoce));
    return std::unique_ptr<MotoreVoce>(fabbrica ? fabbrica() : nullptr);
}

// A thread stuck on a service that never answered stays to the end of the
// run, as the service's library it waits in does.
void lasciaIndietro(QThread* thread) {
    static auto* const lasciati = new QList<QThread*>;
    lasciati->append(thread);
}

} // namespace

struct VoceCaricata::Filo {
    enum class Stato { Spenta, Accende, Pronta, Assente };

    std::mutex mutex;
    Stato stato = Stato::Spenta;
    std::optional<QString> inAttesa; // asked for while the voice was starting
    quint64 richiesta = 0;           // the newest request; older ones are dropped
    QObject* destinatario = nullptr;
    std::function<void()> bip;
    QThread* thread = nullptr;
    QObject* contesto = nullptr; // lives on the thread
    std::unique_ptr<MotoreVoce> motore;

    void suona() {
        std::lock_guard lock(mutex);
        if (destinatario)
            QMetaObject::invokeMethod(destinatario, bip, Qt::QueuedConnection);
    }
    // On the thread.
    void accendi(const QString& modulo) {
        std::unique_ptr<MotoreVoce> nuovo = creaMotore(modulo);
        const bool pronto = nuovo && nuovo->italiano();
        if (pronto)
            motore = std::move(nuovo);
        std::unique_lock lock(mutex);
        stato = pronto ? Stato::Pronta : Stato::Assente;
        const std::optional<QString> attesa = std::exchange(inAttesa, std::nullopt);
        const quint64 numero = richiesta;
        lock.unlock();
        if (attesa)
            di(*attesa, numero);
    }
    void di(const QString& testo, quint64 numero) {
        {
            std::lock_guard lock(mutex);
            if (numero != richiesta)
                return;
        }
        if (!motore || !motore->di(testo))
            suona();
    }
};

VoceCaricata::VoceCaricata(QString modulo, std::function<void()> bip)
    : modulo_(std::move(modulo))
    , bip_(std::move(bip))
    , filo_(std::make_shared<Filo>()) {
    filo_->destinatario = &destinatario_;
    filo_->bip = bip_;
}

// The engine goes with its thread; a thread stuck on a service that does not
// answer is left behind rather than waited for.
VoceCaricata::~VoceCaricata() {
    std::unique_lock lock(filo_->mutex);
    filo_->destinatario = nullptr;
    QThread* thread = filo_->thread;
    if (!thread)
        return;
    lock.unlock();
    QMetaObject::invokeMethod(
        filo_->contesto,
        [filo = filo_] {
            filo->motore.reset();
            filo->contesto->deleteLater();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (thread->wait(1000))
        delete thread;
    else
        lasciaIndietro(thread);
}

void VoceCaricata::prepara() {
    std::lock_guard lock(filo_->mutex);
    if (filo_->stato != Filo::Stato::Spenta)
        return;
    filo_->stato = Filo::Stato::Accende;
    filo_->thread = new QThread;
    filo_->thread->setObjectName(QStringLiteral("voce"));
    filo_->contesto = new QObject;
    filo_->contesto->moveToThread(filo_->thread);
    filo_->thread->start();
    QMetaObject::invokeMethod(
        filo_->contesto, [filo = filo_, modulo = modulo_] { filo->accendi(modulo); },
        Qt::QueuedConnection);
}

void VoceCaricata::pronuncia(const QString& testo) {
    const QString detto = testoDaPronunciare(testo);
    prepara();
    std::unique_lock lock(filo_->mutex);
    const quint64 numero = ++filo_->richiesta;
    switch (filo_->stato) {
    case Filo::Stato::Spenta:
    case Filo::Stato::Accende:
        filo_->inAttesa = detto;
        return;
    case Filo::Stato::Assente:
        lock.unlock();
        bip_();
        return;
    case Filo::Stato::Pronta:
        break;
    }
    QMetaObject::invokeMethod(
        filo_->contesto, [filo = filo_, detto, numero] { filo->di(detto, numero); },
        Qt::QueuedConnection);
}

bool VoceCaricata::italianaPresente(const QString& modulo) {
    const std::unique_ptr<MotoreVoce> motore = creaMotore(modulo);
    return motore && motore->italiano();
}
