// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Casuale.h"

#include <cstdint>
#include <random>

class GeneratoreCasuale final : public Casuale {
public:
    void semina() override;
    double estrai() override;

private:
    std::mt19937_64 motore_{0x5EC0E2210ULL};
};
