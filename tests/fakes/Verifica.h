// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// A fuzz target's check: a broken rule stops the run, naming the rule.
inline void verifica(bool condizione, const char* che) {
    if (!condizione) {
        std::fprintf(stderr, "violato: %s\n", che);
        std::abort();
    }
}
