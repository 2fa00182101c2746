// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Started where no session bus is announced, Qt's first call to the bus makes
// libdbus start one of its own, which writes under the home folder and lives
// on after the program. The program leaves nothing behind, so the bus is then
// turned off for it; where the display announces an accessibility bus, the
// session is left as it is, so that a screen reader still reaches the program.
namespace SenzaBus {

// Call before constructing the application object.
void evitaAvvioAutomatico();

} // namespace SenzaBus
