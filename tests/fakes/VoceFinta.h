// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Voce.h"

#include <QStringList>

#include <functional>

class VoceFinta final : public Voce {
public:
    QStringList detti;
    // Speaks too, when a test puts a real voice behind the log.
    std::function<void(const QString&)> parla;
    void pronuncia(const QString& testo) override {
        detti.append(testo);
        if (parla)
            parla(testo);
    }
};
