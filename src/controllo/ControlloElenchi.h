// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controllo/Rapporto.h"

namespace ControlloElenchi {
// Checks the families of word lists in a folder as the exercises read them.
// Words are measured in the windows' font, so a QGuiApplication must exist.
// originali, when it exists, holds the lists as shipped: a list missing or
// broken in cartella is told the command that brings the shipped one back.
Rapporto controlla(const QString& cartella, const QString& originali = {});

// A word on a tile drawn in a font smaller than this many pixels cannot be
// read: 9 px is about 7 points on a 96 dpi screen, the smallest print a
// desktop uses (footnotes, status bars) and already hard from a pupil's seat;
// below it a word turns into a row of smudges, and 30 letters end near 5 px.
inline constexpr int pixelLeggibili = 9;
} // namespace ControlloElenchi
