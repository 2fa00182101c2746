// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

class QProcess;

// What the tests do differently on each system, one source per system beside
// this header. A reason is null where the system has the case it names.

// Windows keeps its named pipes under \\.\pipe\, so no list or sound can be one.
extern const bool fifoPossibili;
extern const char* const senzaFifo;
// A named pipe in a file's place, where the system has them.
bool fifoAlPosto(const QString& percorso);

extern const char* const senzaSchermo;      // a session with no screen at all
extern const char* const senzaBus;          // a session bus a library could start
extern const char* const senzaPulseProprio; // a PulseAudio server of the test's own
extern const char* const senzaNomeInByte;   // the program file's path given as bytes
extern const char* const senzaCollegamenti; // a link that stands for a folder

// What a child process writes to this console arrives in UTF-8.
void consoleInUtf8();
// Stops a process without ending it, where the system can: it keeps its
// connections and never answers.
void sospendi(QProcess& processo);

// Resident memory of this process in KiB: "VmRSS:" now, "VmHWM:" at its peak
// since the last azzeraPicco(). Windows keeps the peak since the start.
qint64 memoria(QByteArrayView voce);
void azzeraPicco();

// A watch on folders that sees every change, even by root, whom permissions do
// not stop; where the system has none, comparing the folder before and after
// stands alone.
int osserva(const QStringList& cartelle);
// One line per change seen since, or why nothing can be seen.
QStringList eventi(int osservatore);
void smetti(int osservatore);

// The program's folder from its file's path as Linux gives it, in bytes.
std::optional<QString> cartellaDaNomeInByte(const QByteArray& eseguibile);
