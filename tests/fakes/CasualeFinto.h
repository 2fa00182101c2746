// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Casuale.h"

#include <QList>

// Hands out a scripted sequence of draws; past its end it draws 0.
class CasualeFinto final : public Casuale {
public:
    QList<double> estrazioni;
    int usate = 0;
    int semine = 0;

    void semina() override { ++semine; }
    double estrai() override {
        return usate < estrazioni.size() ? estrazioni[usate++] : (++usate, 0.0);
    }
    // A draw that gives n from 1 to quanti.
    static double per(int n, int quanti) { return (n - 0.5) / quanti; }
};
