// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Riproduttore.h"

#include <functional>
#include <memory>

// The player of the system the program was built for. bip is the desktop's
// alert beep, rung on the GUI thread for a sound that cannot be played.
std::unique_ptr<Riproduttore> creaRiproduttoreDiSistema(std::function<void()> bip);
