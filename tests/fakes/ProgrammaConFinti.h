// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/AvvisiFinti.h"
#include "fakes/CasualeFinto.h"
#include "fakes/ElenchiFinti.h"
#include "fakes/FabbricaFinta.h"
#include "fakes/RiproduttoreFinto.h"
#include "fakes/VoceFinta.h"
#include "shell/Modulo1.h"
#include "shell/ModuloColoriSuoni.h"

// The program's shell with fakes around it: message boxes, sounds and windows
// are logged, and ending the program is counted. The word lists are fakes too
// unless a test names a real reader.
template <typename Lettore = ElenchiFinti> struct ProgrammaConFinti {
    QString cartella;
    CasualeFinto casuale;
    AvvisiFinti avvisi;
    Lettore elenchi;
    RiproduttoreFinto riproduttore;
    ModuloColoriSuoni coloriSuoni{casuale, riproduttore, cartella};
    VoceFinta voce;
    FabbricaFinta fabbrica;
    int terminato = 0;
    Modulo1 modulo{{casuale, avvisi, coloriSuoni, voce, fabbrica, [this] { ++terminato; },
                    QStringLiteral("Autore"), QStringLiteral("posta@example.org")}};

    explicit ProgrammaConFinti(QString cartellaProgramma = QStringLiteral("/prog"))
        : cartella(std::move(cartellaProgramma)) {}
    ProgrammaConFinti(const ProgrammaConFinti&) = delete;
    ProgrammaConFinti& operator=(const ProgrammaConFinti&) = delete;
};
