// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Guscio.h"

#include <QList>
#include <QStringList>

#include <functional>

// The program around an exercise, reduced to a log of what was asked of it.
class GuscioFinto final : public Guscio {
public:
    ValoriCondivisi condivisi;
    QStringList registro;
    QList<quint32> colori{0x0000FF, 0x00FF00, 0xFF0000};
    int coloriDati = 0;
    // Plays the sound too, when a test puts the real sounds behind the log.
    std::function<void(bool giusto)> suona;

    ValoriCondivisi& valori() override { return condivisi; }
    void AzzeraContatori() override {
        registro << QStringLiteral("AzzeraContatori");
        condivisi.NumeroEsatti = 0;
        condivisi.NumeroErrati = 0;
    }
    void MostraInformazioni() override { registro << QStringLiteral("MostraInformazioni"); }
    void TornaAlMenu() override { registro << QStringLiteral("TornaAlMenu"); }
    void SuonoGiusto() override {
        registro << QStringLiteral("SuonoGiusto");
        if (suona)
            suona(true);
    }
    void SuonoSbagliato() override {
        registro << QStringLiteral("SuonoSbagliato");
        if (suona)
            suona(false);
    }
    void Pronuncia(const QString& testo) override {
        registro << QStringLiteral("Pronuncia ") + testo;
    }
    quint32 ColoreCasuale() override {
        registro << QStringLiteral("ColoreCasuale");
        return colori[coloriDati++ % colori.size()];
    }
};
