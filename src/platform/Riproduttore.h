// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Plays a WAV file asynchronously; a new sound replaces one still playing.
// Never reports a failure: a sound that cannot play is at most a beep.
class Riproduttore {
public:
    virtual ~Riproduttore() = default;
    // Gets ready for the first sound in the background, once the title is up,
    // so that neither the start nor that sound waits for it.
    virtual void prepara() {}
    virtual void riproduci(const QString& percorso) = 0;
};
