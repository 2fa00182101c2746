// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class Programma;

// The main menu's behaviour.
class FormMenu {
public:
    explicit FormMenu(Programma& programma)
        : programma_(programma) {}

    void Form_Load();
    void Command1_Click(); // "Esci"
    void Command2_Click(); // first letter
    void Command3_Click(); // first two letters
    void Command4_Click(); // letters of the alphabet
    void Command5_Click(); // all the letters
    quint32 coloreSfondo() const { return coloreSfondo_; }

private:
    Programma& programma_;
    quint32 coloreSfondo_ = 0xFFFF80; // light cyan until loaded
};
