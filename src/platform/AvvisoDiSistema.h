// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A warning from a program with no window of its own (the whiteboard start),
// shown without the toolkit's widgets: in the system's own message box, titled
// Sequenzio, where the system has one. Linux has none below its desktops'
// toolkits: there the caller's line on standard error, which the desktop keeps
// in the session's log, is all.
namespace AvvisoDiSistema {

// Returns once the box is closed.
void mostra(const QString& testo);

} // namespace AvvisoDiSistema
