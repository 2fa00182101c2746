// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class Programma;

// The title window's behaviour.
class FormAvvio {
public:
    explicit FormAvvio(Programma& programma)
        : programma_(programma) {}

    void Form_Load();
    void BottoneAvvio_Click();
    quint32 coloreSfondo() const { return coloreSfondo_; }

private:
    Programma& programma_;
    quint32 coloreSfondo_ = 0xFFFF00; // cyan until loaded
};
