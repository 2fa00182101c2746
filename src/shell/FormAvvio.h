// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class Modulo1;

// The title window's behaviour.
class FormAvvio {
public:
    explicit FormAvvio(Modulo1& modulo)
        : modulo_(modulo) {}

    void Form_Load();
    void BottoneAvvio_Click();
    quint32 coloreSfondo() const { return coloreSfondo_; }

private:
    Modulo1& modulo_;
    quint32 coloreSfondo_ = 0xFFFF00; // cyan until loaded
};
