// SPDX-License-Identifier: GPL-3.0-or-later
#include "variants/Esercizi.h"

#include "variants/AlfabetoItaliano.h"

namespace {
const QString parole = QStringLiteral("allevatelo");
} // namespace

namespace Esercizi {

const std::array<Variante, 4>& tutti() {
    static const std::array<Variante, 4> varianti{{
        {{
             .vociIncorporate = alfabetoItaliano(),
             .nomiIncorporati = nomiLettereItaliane(),
             .voci = 21,
             .caselle = 21,
             .contaApertura = 21,
             .maiuscole = false,
             .coloreOgniTurno = true,
             .segnaposto = QStringLiteral("a"),
         },
         Regola::Lettere},
        {{
             .prefissoFile = QStringLiteral("a"),
             .numeroFile = 11,
             .voci = 20,
             .caselle = 20,
             .contaApertura = 20,
             .segnaposto = parole,
         },
         Regola::PrimaLettera},
        {{
             .prefissoFile = QStringLiteral("b"),
             .numeroFile = 10,
             .voci = 12,
             .caselle = 12,
             .contaApertura = 12,
             .segnaposto = parole,
         },
         Regola::PrimeDueLettere},
        {{
             .prefissoFile = QStringLiteral("c"),
             .numeroFile = 10,
             .voci = 30,
             .caselle = 20,
             .contaApertura = 20,
             .segnaposto = parole,
         },
         Regola::TutteLeLettere},
    }};
    return varianti;
}

const ImpostazioniEsercizio& FormOrdina() {
    return tutti()[0].impostazioni;
}

const ImpostazioniEsercizio& FormOrdina1() {
    return tutti()[1].impostazioni;
}

const ImpostazioniEsercizio& FormOrdina2() {
    return tutti()[2].impostazioni;
}

const ImpostazioniEsercizio& FormOrdina3() {
    return tutti()[3].impostazioni;
}

} // namespace Esercizi
