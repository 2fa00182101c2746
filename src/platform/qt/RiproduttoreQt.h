// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Riproduttore.h"
#include "platform/qt/CanaleAudio.h"

#include <QString>

// Plays WAV files through the desktop's sound server. Each file is read when
// it is to be played, so nothing is loaded at start-up and a replaced file
// counts from its next sound; what is not a short, whole WAV file beeps.
class RiproduttoreQt final : public Riproduttore {
public:
    // The most a sound file may hold: half a minute of CD-quality stereo.
    static constexpr qint64 limite = 5 * 1024 * 1024;

    // Connects to the sound server in the background, so that the first
    // sound does not wait for it.
    void prepara();
    void riproduci(const QString& percorso) override;

private:
    friend struct SondaRiproduttore;

    CanaleAudio canale_;
    QString inCorso_; // the file last handed to the sound thread; empty after a beep
};
