// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/Disegno.h"

#include <QList>

// A grid of like controls, filled row by row.
struct Griglia {
    int left = 0;
    int top = 0;
    int passoX = 0;
    int passoY = 0;
    int colonne = 0;
    int width = 0;
    int height = 0;
    double punti = 0;

    Rettangolo posto(int i) const;
};

// The look of one exercise window, in twips. What all four share is written
// once in FinestraEsercizio; this table holds where they differ.
struct LayoutEsercizio {
    int larghezza = 0; // client area
    int altezza = 0;
    Griglia tessere;
    Griglia caselle;
    QList<int> colonneOpzioni; // Left of each column of the count options
    int righeOpzioni = 0;      // options per column, filled column by column
    int larghezzaPannello = 0;
    int altezzaPannello = 0;
    int bottoniLeft = 0; // "Fatto", "Ricomincia", "Esci"
    int bottoniWidth = 0;
    int topFatto = 0;
    int topRicomincia = 0;
    int topEsci = 0;
    int faccineLeft = 0;
    int faccineTop = 0;
    int topLabel2 = 0;
    int topErrati = 0;
    double puntiEtichette = 0; // Label1 and Label2
    bool etichetteTrasparenti = false;

    Rettangolo opzione(int i) const;
};

namespace Layout {
const LayoutEsercizio& FormOrdina();
const LayoutEsercizio& FormOrdina1();
const LayoutEsercizio& FormOrdina2();
const LayoutEsercizio& FormOrdina3();
} // namespace Layout
