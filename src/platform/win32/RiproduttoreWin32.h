// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Riproduttore.h"

#include <QByteArray>

#include <functional>

// Plays WAV files with the Windows multimedia API. PlaySoundW returns at once
// and a new sound cuts the one playing, as the program wants. The file is read
// and checked when it is to play, like on every system, and played from those
// very bytes; what cannot be played rings bip instead.
class RiproduttoreWin32 final : public Riproduttore {
public:
    explicit RiproduttoreWin32(std::function<void()> bip);
    ~RiproduttoreWin32() override;
    RiproduttoreWin32(const RiproduttoreWin32&) = delete;
    RiproduttoreWin32& operator=(const RiproduttoreWin32&) = delete;

    void riproduci(const QString& percorso) override;

private:
    std::function<void()> bip_;
    // PlaySoundW reads the sound from here while it plays.
    QByteArray inRiproduzione_;
};
