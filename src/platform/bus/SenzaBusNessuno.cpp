// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SenzaBus.h"

// No D-Bus here: nothing can start one.
void SenzaBus::evitaAvvioAutomatico() {}
