// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Riproduttore.h"

#include <QStringList>

class RiproduttoreFinto final : public Riproduttore {
public:
    QStringList suonati;
    void riproduci(const QString& percorso) override { suonati.append(percorso); }
};
