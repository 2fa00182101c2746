// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/FinestraBase.h"
#include "shell/FormMenu.h"

// The main menu.
class FinestraMenu final : public FinestraBase {
    Q_OBJECT
public:
    // Wide enough for the exercise buttons, which reach past the designed width.
    static constexpr int larghezza = 9375;
    static constexpr int altezza = 6585;

    explicit FinestraMenu(Programma& programma);

    bool carica() override;

private:
    FormMenu form_;
};
