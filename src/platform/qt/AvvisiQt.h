// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Avvisi.h"

class AvvisiQt final : public Avvisi {
public:
    Risposta mostra(const QString& testo, Pulsanti pulsanti, Icona icona) override;
};
