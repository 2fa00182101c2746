// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Modal message boxes, all titled "Sequenzio".
class Avvisi {
public:
    enum class Pulsanti { Ok, SiNo };
    enum class Icona { Informazione, Domanda, Esclamazione };
    enum class Risposta { Ok, Si, No };

    virtual ~Avvisi() = default;
    virtual Risposta mostra(const QString& testo, Pulsanti pulsanti, Icona icona) = 0;
};
