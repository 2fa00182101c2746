// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Esercizio.h"
#include "shell/FabbricaSchermate.h"

// Makes the program's real windows.
class FabbricaFinestre final : public FabbricaSchermate {
public:
    FabbricaFinestre(Casuale& casuale, Avvisi& avvisi, Elenchi& elenchi, QString cartella);

    std::unique_ptr<Schermata> crea(Finestra finestra, Programma& programma) override;

private:
    Casuale& casuale_;
    Avvisi& avvisi_;
    Elenchi& elenchi_;
    QString cartella_;
};
