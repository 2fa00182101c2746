// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Esercizio.h"
#include "fakes/AvvisiFinti.h"
#include "fakes/CasualeFinto.h"
#include "fakes/ElenchiFinti.h"
#include "fakes/GuscioFinto.h"

#include <optional>

// An exercise with fakes around it: the program, chance and the message boxes.
// The word lists are fakes too unless a test names a real reader.
template <typename Lettore = ElenchiFinti> struct BancoEsercizio {
    GuscioFinto guscio;
    CasualeFinto casuale;
    AvvisiFinti avvisi;
    Lettore elenchi;
    QString cartella;
    std::optional<Esercizio> esercizio;

    explicit BancoEsercizio(QString cartellaProgramma = QStringLiteral("/prog"))
        : cartella(std::move(cartellaProgramma)) {}

    // A new window on the exercise, as when the menu opens it again.
    Esercizio& apri(const ImpostazioniEsercizio& impostazioni) {
        esercizio.reset();
        return esercizio.emplace(impostazioni,
                                 Esercizio::Servizi{guscio, casuale, avvisi, elenchi, cartella});
    }
};
