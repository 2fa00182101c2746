// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/FinestraBase.h"
#include "shell/FormMenu.h"

// The main menu.
class FinestraMenu final : public FinestraBase {
    Q_OBJECT
public:
    explicit FinestraMenu(Programma& programma);

    bool carica() override;

private:
    FormMenu form_;
};
