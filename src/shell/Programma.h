// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Guscio.h"
#include "variants/Finestra.h"

// What any window asks of the program: what an exercise needs, and going to
// another window, leaving, and its frame being closed.
class Programma : public Guscio {
public:
    // Shows the new window first, then unloads the old one.
    virtual void Mostra(Finestra finestra) = 0;
    virtual void ConfermaUscita() = 0;
    // The loaded window was closed through its frame.
    virtual void FinestraChiusa() = 0;
};
