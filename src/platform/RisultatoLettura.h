// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

struct RisultatoLettura {
    enum class Esito {
        Letto,        // all the fields asked for
        Mancante,     // no such file
        Illeggibile,  // a folder, or no permission to read it
        NonTesto,     // holds NUL bytes: not a text file
        TroppoCorto,  // fewer fields than asked for
        TroppoGrande, // the fields asked for are not within the bytes read
    };

    Esito esito = Esito::Letto;
    QStringList campi;
};
