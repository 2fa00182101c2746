// SPDX-License-Identifier: GPL-3.0-or-later
#include "variants/Esercizi.h"

#include "variants/AlfabetoItaliano.h"

namespace {
const QString parole = QStringLiteral("allevatelo");
} // namespace

namespace Esercizi {

const std::array<Variante, 4>& tutti() {
    static const std::array<Variante, 4> varianti{{
        {Finestra::FormOrdina,
         {
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
        {Finestra::FormOrdina1,
         {
             .prefissoFile = QStringLiteral("a"),
             .numeroFile = 11,
             .voci = 20,
             .caselle = 20,
             .contaApertura = 20,
             .segnaposto = parole,
         },
         Regola::PrimaLettera},
        {Finestra::FormOrdina2,
         {
             .prefissoFile = QStringLiteral("b"),
             .numeroFile = 10,
             .voci = 12,
             .caselle = 12,
             .contaApertura = 12,
             .segnaposto = parole,
         },
         Regola::PrimeDueLettere},
        {Finestra::FormOrdina3,
         {
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

const Variante* trova(Finestra finestra) {
    for (const Variante& variante : tutti()) {
        if (variante.finestra == finestra)
            return &variante;
    }
    return nullptr;
}

const Variante& di(Finestra finestra) {
    const Variante* variante = trova(finestra);
    Q_ASSERT(variante);
    return *variante;
}

} // namespace Esercizi
