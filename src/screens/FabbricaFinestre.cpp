// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FabbricaFinestre.h"

#include "layout/Layout.h"
#include "screens/FinestraAvvio.h"
#include "screens/FinestraEsercizio.h"
#include "screens/FinestraMenu.h"
#include "screens/SchermataQt.h"
#include "shell/Programma.h"
#include "variants/Esercizi.h"

FabbricaFinestre::FabbricaFinestre(Casuale& casuale, Avvisi& avvisi, Elenchi& elenchi,
                                   QString cartella)
    : casuale_(casuale)
    , avvisi_(avvisi)
    , elenchi_(elenchi)
    , cartella_(std::move(cartella)) {}

std::unique_ptr<Schermata> FabbricaFinestre::crea(Finestra finestra, Programma& programma) {
    FinestraBase* nuova = nullptr;
    if (const Variante* variante = Esercizi::trova(finestra)) {
        const Esercizio::Servizi servizi{programma, casuale_, avvisi_, elenchi_, cartella_};
        nuova = new FinestraEsercizio(programma, variante->impostazioni,
                                      Layout::esercizio(finestra), servizi);
    } else if (finestra == Finestra::FormMenu) {
        nuova = new FinestraMenu(programma);
    } else {
        nuova = new FinestraAvvio(programma);
    }
    return std::make_unique<SchermataQt>(nuova);
}
