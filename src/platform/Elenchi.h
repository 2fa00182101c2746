// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RisultatoLettura.h"

#include <QString>

// Reads the first fields of a word-list file.
class Elenchi {
public:
    virtual ~Elenchi() = default;
    virtual RisultatoLettura leggi(const QString& percorso, int campi) = 0;
};
