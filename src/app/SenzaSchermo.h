// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// While the application object starts, Qt's messages are held back. When no
// platform can start (no screen, or one that does not answer) Qt would abort,
// leaving a core and advice to reinstall; instead the program says in one line
// what it needs and ends with the status given. How Qt picks its platform is left
// alone, so whatever Qt can start on (X11, Wayland, offscreen) still works.
namespace SenzaSchermo {

// Call before constructing the application object; riga is the line to print
// and must outlive the call.
void sorveglia(const char* riga, int uscita);
// Call once it is constructed: Qt's messages go out again, those held first.
void rilascia();

} // namespace SenzaSchermo
