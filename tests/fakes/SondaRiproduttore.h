// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/RiproduttoreQt.h"

// What the tests read of the sound player: the file last handed to the sound
// thread, empty when the last request only beeped.
struct SondaRiproduttore {
    static QString inCorso(const RiproduttoreQt& riproduttore) { return riproduttore.inCorso_; }
};
