// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Esercizio.h"

// What the tests read of an exercise beyond what its window shows.
struct SondaEsercizio {
    static qint16 paroleOrdinate(const Esercizio& esercizio) { return esercizio.paroleOrdinate_; }
    static bool immediato(const Esercizio& esercizio) {
        return esercizio.giudizio_ == Esercizio::Giudizio::Immediato;
    }
    static const QStringList& elencoParole(const Esercizio& esercizio) {
        return esercizio.elencoParole_;
    }
};
