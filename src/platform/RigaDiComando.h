// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// What a command-line program needs of the system: whether there is a terminal
// and a screen, the arguments as typed, and text written in the encoding the
// terminal shows, so that accents arrive intact.
namespace RigaDiComando {

// Whether there is a terminal, file or pipe to write to. A program started
// from the Windows desktop has none; on Linux there always is one.
bool terminale();
// Whether a graphical session is announced (on Linux DISPLAY, WAYLAND_DISPLAY
// or a chosen Qt platform; ssh and the text console announce none).
bool schermo();
// Readies Qt, before its application object, for a program that measures text
// but shows no window: on Linux the offscreen platform, which needs no display
// and has the same fonts; on Windows the desktop's own, whose fonts are the
// system's (offscreen there would have none).
void senzaFinestre();
// Whether argument n reached Qt as typed. On Linux names are bytes, and one
// not in the system's encoding would be looked for under another name.
bool argomentoIntatto(const QString& letto, int argc, const char* const* argv);

// The command, for the system's own shell, that copies file into cartella;
// amministratore when the account cannot write there.
QString comandoCopia(const QString& file, const QString& cartella, bool amministratore);
// How one edits a file the account cannot change, as an example to show.
QString comandoModificaDaAmministratore(const QString& file);

void scrivi(QStringView testo);
void scriviErrore(QStringView testo);

} // namespace RigaDiComando
