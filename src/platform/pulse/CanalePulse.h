// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileWav.h"

#include <QByteArray>

#include <functional>
#include <memory>

// The program's line to the desktop's sound server (PulseAudio, or PipeWire
// standing in for it), worked by a thread of its own: connecting and writing
// may wait on the server, the windows never do. The thread opens PulseAudio's
// client library when it starts, so the program's start never pays for it;
// without the library or a server every sound is silence.
class CanalePulse {
public:
    // The one line: made with the first player, ended when the program ends,
    // also through an exit() that skips main's own objects (Qt leaves that way
    // when the display goes), before the libraries' global objects are torn
    // down under a thread still playing.
    static CanalePulse& programma();

    ~CanalePulse();
    CanalePulse(const CanalePulse&) = delete;
    CanalePulse& operator=(const CanalePulse&) = delete;

    // Connects ahead of the first sound, for samples in this format.
    void collega(const FileWav::Formato& formato);
    // Cuts the sound playing, if any, and plays these samples; rifiutato is
    // called on the sound thread if the server turns their format away.
    void suona(const FileWav::Formato& formato, QByteArray campioni,
               std::function<void()> rifiutato);
    // Cuts the sound playing, if any.
    void zittisci();

    struct Stato;

private:
    CanalePulse();

    std::shared_ptr<Stato> stato_;
};
