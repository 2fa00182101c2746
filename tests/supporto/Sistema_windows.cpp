// SPDX-License-Identifier: GPL-3.0-or-later
#include "supporto/Sistema.h"

#include <windows.h>

#include <psapi.h>

const bool fifoPossibili = false;
const char* const senzaFifo = "a Windows folder holds no named pipes";
const char* const senzaSchermo = "every Windows session has its desktop";
const char* const senzaBus = "Windows programs have no session bus to start";
const char* const senzaPulseProprio =
    "it listens to a PulseAudio server of its own, which Windows programs do not reach";
const char* const senzaNomeInByte = "the program file's path as bytes is how Linux names it";
const char* const senzaCollegamenti =
    "QFile::link makes a shortcut file on Windows, not a link to the folder";

void sospendi(QProcess&) {}

void consoleInUtf8() {
    // The checker writes to a pipe in its console's code page.
    SetConsoleOutputCP(CP_UTF8);
}

bool fifoAlPosto(const QString&) {
    return false;
}

qint64 memoria(QByteArrayView voce) {
    PROCESS_MEMORY_COUNTERS contatori{};
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &contatori, sizeof contatori))
        return -1;
    return qint64(voce == "VmHWM:" ? contatori.PeakWorkingSetSize : contatori.WorkingSetSize) /
           1024;
}

void azzeraPicco() {}

// The read-only files refuse every writer; the folder compared before and after does the rest.
int osserva(const QStringList&) {
    return 0;
}

QStringList eventi(int) {
    return {};
}

void smetti(int) {}

std::optional<QString> cartellaDaNomeInByte(const QByteArray&) {
    return std::nullopt;
}
