// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "variants/Finestra.h"

#include <memory>

class Programma;
class Schermata;

class FabbricaSchermate {
public:
    virtual ~FabbricaSchermate() = default;
    virtual std::unique_ptr<Schermata> crea(Finestra finestra, Programma& programma) = 0;
};
