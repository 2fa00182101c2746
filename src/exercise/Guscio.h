// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/ValoriCondivisi.h"

#include <QString>

// What an exercise window asks of the program around it.
class Guscio {
public:
    virtual ~Guscio() = default;
    virtual ValoriCondivisi& valori() = 0;
    virtual void AzzeraContatori() = 0;
    virtual void MostraInformazioni() = 0;
    // Shows the menu, then unloads the exercise window.
    virtual void TornaAlMenu() = 0;
    virtual void SuonoGiusto() = 0;
    virtual void SuonoSbagliato() = 0;
    // Reads a tile's or slot's text aloud, cutting what is being said.
    virtual void Pronuncia(const QString& testo) = 0;
    virtual quint32 ColoreCasuale() = 0;
};
