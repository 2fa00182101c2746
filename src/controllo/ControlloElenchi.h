// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controllo/Rapporto.h"

namespace ControlloElenchi {
// Checks the three families of word lists in a folder as the exercises read
// them. Words are measured in the windows' font, so a QGuiApplication must exist.
Rapporto controlla(const QString& cartella);
} // namespace ControlloElenchi
