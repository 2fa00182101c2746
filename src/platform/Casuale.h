// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's one source of chance. Every draw r satisfies 0 <= r < 1.
class Casuale {
public:
    virtual ~Casuale() = default;
    virtual void semina() = 0;
    virtual double estrai() = 0;
};

// A whole number from 1 to n, as floor(r * n) + 1. The clamp keeps a draw that
// misbehaves (r == 1) from reaching n + 1.
inline int estraiDa1A(Casuale& casuale, int n) {
    const int valore = static_cast<int>(casuale.estrai() * n) + 1;
    return valore > n ? n : (valore < 1 ? 1 : valore);
}
