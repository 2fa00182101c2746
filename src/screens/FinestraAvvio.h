// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/FinestraBase.h"
#include "shell/FormAvvio.h"

// The title window.
class FinestraAvvio final : public FinestraBase {
    Q_OBJECT
public:
    explicit FinestraAvvio(Programma& programma);

    bool carica() override;

private:
    FormAvvio form_;
};
