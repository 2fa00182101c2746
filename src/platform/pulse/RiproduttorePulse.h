// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Riproduttore.h"

#include <QObject>

#include <functional>
#include <memory>

// Plays WAV files through the desktop's sound server. Each file is read when
// it is to be played, so nothing is loaded at start-up and a replaced file
// counts from its next sound; what is not a short, whole WAV file, or what the
// server turns away, rings bip instead.
class RiproduttorePulse final : public Riproduttore {
public:
    explicit RiproduttorePulse(std::function<void()> bip);
    ~RiproduttorePulse() override;
    RiproduttorePulse(const RiproduttorePulse&) = delete;
    RiproduttorePulse& operator=(const RiproduttorePulse&) = delete;

    void prepara() override;
    void riproduci(const QString& percorso) override;

    struct Campanello;

private:
    std::function<void()> bip_;
    // Where the sound thread sends its beeps; with it go any not yet rung.
    QObject destinatario_;
    std::shared_ptr<Campanello> campanello_;
};
