// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Avvisi.h"

#include <QList>

// Records every message box and answers from a queue (No, or OK, when empty).
class AvvisiFinti final : public Avvisi {
public:
    struct Scatola {
        QString testo;
        Pulsanti pulsanti;
        Icona icona;
    };
    QList<Scatola> mostrate;
    QList<Risposta> risposte;

    Risposta mostra(const QString& testo, Pulsanti pulsanti, Icona icona) override {
        mostrate.append({testo, pulsanti, icona});
        if (!risposte.isEmpty())
            return risposte.takeFirst();
        return pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
    }
};
