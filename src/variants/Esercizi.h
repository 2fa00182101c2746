// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/ImpostazioniEsercizio.h"

#include <array>

// What a list must keep for its exercise to be what its menu button promises.
enum class Regola {
    Lettere,         // the built-in alphabet, no list
    PrimaLettera,    // every word starts with a letter of its own
    PrimeDueLettere, // the second letter decides where the first is shared
    TutteLeLettere,  // any letter may decide
};

struct Variante {
    ImpostazioniEsercizio impostazioni;
    Regola regola;
};

// The settings of the four exercises, named after their windows.
namespace Esercizi {
// All four, in the order of the functions below; the word exercises read their
// lists in this order too.
const std::array<Variante, 4>& tutti();

const ImpostazioniEsercizio& FormOrdina();  // letters of the alphabet
const ImpostazioniEsercizio& FormOrdina1(); // words, first letter
const ImpostazioniEsercizio& FormOrdina2(); // words, first two letters
const ImpostazioniEsercizio& FormOrdina3(); // words, all their letters
} // namespace Esercizi
