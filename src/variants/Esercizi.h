// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/ImpostazioniEsercizio.h"
#include "variants/Finestra.h"

#include <array>

// What a list must keep for its exercise to be what its menu button promises.
enum class Regola {
    Lettere,         // the built-in alphabet, no list
    PrimaLettera,    // every word starts with a letter of its own
    PrimeDueLettere, // the second letter decides where the first is shared
    TutteLeLettere,  // any letter may decide
};

// One exercise: its window, what the engine needs of it and its lists' rule.
struct Variante {
    Finestra finestra;
    ImpostazioniEsercizio impostazioni;
    Regola regola;
};

namespace Esercizi {
// The four exercises: letters, first letter, first two letters, all letters.
// The word exercises' lists are checked in this order too.
const std::array<Variante, 4>& tutti();

// The exercise shown in a window; nullptr for the title and the menu.
const Variante* trova(Finestra finestra);
// The same for a window known to be an exercise's.
const Variante& di(Finestra finestra);
} // namespace Esercizi
