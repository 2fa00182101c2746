// SPDX-License-Identifier: GPL-3.0-or-later
#include "variants/Esercizi.h"

#include "variants/AlfabetoItaliano.h"

namespace {
const QString parole = QStringLiteral("allevatelo");
} // namespace

namespace Esercizi {

const ImpostazioniEsercizio& FormOrdina() {
    static const ImpostazioniEsercizio impostazioni{
        .vociIncorporate = alfabetoItaliano(),
        .voci = 21,
        .caselle = 21,
        .contaApertura = 21,
        .maiuscole = false,
        .coloreOgniTurno = true,
        .segnaposto = QStringLiteral("a"),
    };
    return impostazioni;
}

const ImpostazioniEsercizio& FormOrdina1() {
    static const ImpostazioniEsercizio impostazioni{
        .prefissoFile = QStringLiteral("a"),
        .numeroFile = 11,
        .voci = 20,
        .caselle = 20,
        .contaApertura = 20,
        .segnaposto = parole,
    };
    return impostazioni;
}

const ImpostazioniEsercizio& FormOrdina2() {
    static const ImpostazioniEsercizio impostazioni{
        .prefissoFile = QStringLiteral("b"),
        .numeroFile = 10,
        .voci = 12,
        .caselle = 12,
        .contaApertura = 12,
        .segnaposto = parole,
    };
    return impostazioni;
}

const ImpostazioniEsercizio& FormOrdina3() {
    static const ImpostazioniEsercizio impostazioni{
        .prefissoFile = QStringLiteral("c"),
        .numeroFile = 10,
        .voci = 30,
        .caselle = 20,
        .contaApertura = 20,
        .segnaposto = parole,
    };
    return impostazioni;
}

} // namespace Esercizi
