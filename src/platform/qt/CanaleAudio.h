// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <pulse/sample.h>

#include <memory>

// A line to the desktop's sound server (PulseAudio, or PipeWire standing in for
// it), worked by a thread of its own: connecting and writing may wait on the
// server, the windows never do. Without a server every sound is silence.
class CanaleAudio {
public:
    CanaleAudio();
    ~CanaleAudio();
    CanaleAudio(const CanaleAudio&) = delete;
    CanaleAudio& operator=(const CanaleAudio&) = delete;

    // Connects ahead of the first sound, for samples in this format.
    void collega(const pa_sample_spec& formato);
    // Cuts the sound playing, if any, and plays these samples.
    void suona(const pa_sample_spec& formato, QByteArray campioni);
    // Cuts the sound playing, if any.
    void zittisci();

    enum class Cosa { Niente, Collega, Suona, Zittisci };
    struct Stato;

private:
    void chiedi(Cosa cosa, const pa_sample_spec& formato, QByteArray campioni);

    std::shared_ptr<Stato> stato_;
};
