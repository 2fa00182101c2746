// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The first bytes of a file, read only if it is an ordinary file: a named pipe
// or a device put in a list's or a sound's place is turned away before a
// single read could wait on it.
struct FileRegolare {
    enum class Esito {
        Letto,
        Mancante,    // no such file
        Illeggibile, // a folder, a pipe, a device, or no permission to read it
    };

    Esito esito = Esito::Mancante;
    QByteArray dati;       // at most the bytes asked for
    bool troncato = false; // the file went on beyond them

    static FileRegolare leggi(const QString& percorso, qsizetype massimo);
};
