// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FabbricaFinestre.h"

#include "screens/FinestraAvvio.h"
#include "screens/FinestraEsercizio.h"
#include "screens/FinestraMenu.h"
#include "screens/Layout.h"
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
    const Esercizio::Servizi servizi{programma, casuale_, avvisi_, elenchi_, cartella_};
    const auto esercizio = [&](const ImpostazioniEsercizio& impostazioni,
                               const LayoutEsercizio& layout) -> FinestraBase* {
        return new FinestraEsercizio(programma, impostazioni, layout, servizi);
    };
    FinestraBase* nuova = nullptr;
    switch (finestra) {
    case Finestra::FormAvvio:
        nuova = new FinestraAvvio(programma);
        break;
    case Finestra::FormMenu:
        nuova = new FinestraMenu(programma);
        break;
    case Finestra::FormOrdina1:
        nuova = esercizio(Esercizi::FormOrdina1(), Layout::FormOrdina1());
        break;
    case Finestra::FormOrdina2:
        nuova = esercizio(Esercizi::FormOrdina2(), Layout::FormOrdina2());
        break;
    case Finestra::FormOrdina:
        nuova = esercizio(Esercizi::FormOrdina(), Layout::FormOrdina());
        break;
    case Finestra::FormOrdina3:
        nuova = esercizio(Esercizi::FormOrdina3(), Layout::FormOrdina3());
        break;
    }
    return std::make_unique<SchermataQt>(nuova);
}
