// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Voce.h"

#include <QObject>

#include <functional>
#include <memory>

// The voice behind a module opened at run time (MotoreVoce), on a thread of
// its own: opening the module and reaching the speech service, which may have
// to start it, take over a second and may hang, and the windows never wait
// for them. A request made before the voice is ready is said when it is; the
// voice missing (no module, no service, no Italian voice) rings bip instead.
class VoceCaricata final : public Voce {
public:
    VoceCaricata(QString modulo, std::function<void()> bip);
    ~VoceCaricata() override;
    VoceCaricata(const VoceCaricata&) = delete;
    VoceCaricata& operator=(const VoceCaricata&) = delete;

    void prepara() override;
    void pronuncia(const QString& testo) override;

    // Opens the module and asks it for an Italian voice, here and now.
    static bool italianaPresente(const QString& modulo);

    struct Filo;

private:
    QString modulo_;
    std::function<void()> bip_;
    // Where the voice's thread sends its beeps; with it go any not yet rung.
    QObject destinatario_;
    std::shared_ptr<Filo> filo_;
};
