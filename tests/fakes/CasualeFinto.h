// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Casuale.h"

#include <QList>

#include <cstdint>
#include <functional>
#include <random>

// Hands out a scripted sequence of draws; past its end it draws from `poi`,
// or 0 when that is not set.
class CasualeFinto final : public Casuale {
public:
    QList<double> estrazioni;
    std::function<double()> poi;
    int usate = 0;
    int semine = 0;

    void semina() override { ++semine; }
    double estrai() override {
        if (usate < estrazioni.size())
            return estrazioni[usate++];
        ++usate;
        return poi ? poi() : 0.0;
    }
    // Past the script, chance from a fixed seed: a failure comes back on the next run.
    void seme(std::uint64_t seme) {
        poi = [motore = std::mt19937_64(seme)]() mutable {
            return double(motore() >> 11) * 0x1.0p-53;
        };
    }
    // A draw that gives n from 1 to quanti.
    static double per(int n, int quanti) { return (n - 0.5) / quanti; }
};
