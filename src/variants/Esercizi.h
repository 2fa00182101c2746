// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/ImpostazioniEsercizio.h"

// The settings of the four exercises, named after their windows.
namespace Esercizi {
const ImpostazioniEsercizio& FormOrdina();  // letters of the alphabet
const ImpostazioniEsercizio& FormOrdina1(); // words, first letter
const ImpostazioniEsercizio& FormOrdina2(); // words, first two letters
const ImpostazioniEsercizio& FormOrdina3(); // words, all their letters
} // namespace Esercizi
