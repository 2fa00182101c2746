// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pulse/RiproduttorePulse.h"
#include "platform/FileWav.h"
#include "platform/RiproduttoreDiSistema.h"
#include "platform/pulse/CanalePulse.h"

#include <mutex>
#include <optional>
#include <utility>

// The sound thread's way to the beep, which belongs to the GUI thread: it
// outlives the player, and is silent once the player is gone.
struct RiproduttorePulse::Campanello {
    std::mutex mutex;
    QObject* destinatario = nullptr;
    std::function<void()> bip;

    void suona() {
        std::lock_guard lock(mutex);
        if (destinatario)
            QMetaObject::invokeMethod(destinatario, bip, Qt::QueuedConnection);
    }
};

RiproduttorePulse::RiproduttorePulse(std::function<void()> bip)
    : bip_(std::move(bip))
    , campanello_(std::make_shared<Campanello>()) {
    campanello_->destinatario = &destinatario_;
    campanello_->bip = bip_;
}

RiproduttorePulse::~RiproduttorePulse() {
    std::lock_guard lock(campanello_->mutex);
    campanello_->destinatario = nullptr;
}

void RiproduttorePulse::prepara() {
    // The format of the program's own sounds; another one reconnects.
    CanalePulse::programma().collega(
        {.tipo = FileWav::Pcm, .canali = 1, .frequenza = 22050, .bit = 16, .blocco = 2});
}

void RiproduttorePulse::riproduci(const QString& percorso) {
    std::optional<FileWav> suono = FileWav::leggi(percorso);
    if (!suono) {
        CanalePulse::programma().zittisci();
        bip_();
        return;
    }
    CanalePulse::programma().suona(suono->formato, suono->campioni(),
                                   [campanello = campanello_] { campanello->suona(); });
}

std::unique_ptr<Riproduttore> creaRiproduttoreDiSistema(std::function<void()> bip) {
    return std::make_unique<RiproduttorePulse>(std::move(bip));
}
