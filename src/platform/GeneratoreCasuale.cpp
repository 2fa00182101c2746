// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GeneratoreCasuale.h"

#include <chrono>

void GeneratoreCasuale::semina() {
    const auto adesso = std::chrono::system_clock::now().time_since_epoch().count();
    const auto fine = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seme{static_cast<std::uint64_t>(adesso), static_cast<std::uint64_t>(fine)};
    motore_.seed(seme);
}

double GeneratoreCasuale::estrai() {
    // 53 random bits scaled by 2^-53: exactly representable, always below 1.
    // std::uniform_real_distribution may round up to 1.0 on some libraries.
    return static_cast<double>(motore_() >> 11) * 0x1.0p-53;
}
