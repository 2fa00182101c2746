// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window as the switching rule sees it. Destroying it unloads the window.
class Schermata {
public:
    virtual ~Schermata() = default;
    // Runs the load step; false when the window cannot open.
    virtual bool carica() = 0;
    // Shows the window over the one it replaces (none for the first window).
    virtual void mostra(const Schermata* alPostoDi) = 0;
};
