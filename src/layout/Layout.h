// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "variants/Finestra.h"

#include <QList>
#include <QRect>
#include <QString>

#include <array>

// Every window's geometry, in twips, and the size of its text. The window
// classes only walk these tables; the list checker and the whiteboard start
// measure with them too.

// Window layouts are written in twips, as designed; 15 twips make a pixel at 96 dpi.
struct Rettangolo {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect inPixel() const;
};

// One control: where it stands and the size of its text in points.
struct Posto {
    Rettangolo rettangolo;
    double punti = 0;
};

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

// The count options, filled column by column.
struct Colonne {
    QList<int> lefts;
    int top = 0;
    int passoY = 0;
    int righe = 0;
    int width = 0;
    int height = 0;
    double punti = 0;

    Rettangolo posto(int i) const;
};

struct LayoutEsercizio {
    int larghezza = 0; // client area
    int altezza = 0;
    Griglia tessere;
    Griglia caselle;
    Colonne opzioni;
    Rettangolo pannello;
    Posto label1; // "Esatti"
    Posto label2; // "Errati"
    Posto esatti; // the counters
    Posto errati;
    Rettangolo faccine; // both faces share it
    Posto fatto;
    Posto ricomincia;
    Posto esci;
    bool etichetteTrasparenti = false; // the window's own colour shows behind the counters
    QString didascaliaMenuFrasi;
};

struct LayoutAvvio {
    int larghezza = 0;
    int altezza = 0;
    Posto titolo;
    Posto sottotitolo;
    Posto avvio;
};

struct LayoutMenu {
    int larghezza = 0;
    int altezza = 0;
    Posto esci;
    // The exercise buttons from the top: letters, first letter, first two
    // letters, all letters.
    std::array<Posto, 4> esercizi;
};

namespace Layout {
int pixel(int twips);

const LayoutAvvio& FormAvvio();
const LayoutMenu& FormMenu();
// The layout of an exercise's window.
const LayoutEsercizio& esercizio(Finestra finestra);
} // namespace Layout
