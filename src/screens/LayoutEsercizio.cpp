// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/LayoutEsercizio.h"

Rettangolo Griglia::posto(int i) const {
    return {left + passoX * (i % colonne), top + passoY * (i / colonne), width, height};
}

Rettangolo LayoutEsercizio::opzione(int i) const {
    return {colonneOpzioni[i / righeOpzioni], 1080 + 600 * (i % righeOpzioni), 1095, 435};
}

namespace Layout {

// clang-format off
const LayoutEsercizio& FormOrdina1() {
    static const LayoutEsercizio layout{
        .larghezza = 12405, .altezza = 10440,
        .tessere = {.left = 120, .top = 2760, .passoX = 1800, .passoY = 720, .colonne = 4,
                    .width = 1695, .height = 615, .punti = 9.75},
        .caselle = {.left = 120, .top = 120, .passoX = 1800, .passoY = 480, .colonne = 4,
                    .width = 1695, .height = 375, .punti = 9.75},
        .colonneOpzioni = {480, 1800, 3240, 4440}, .righeOpzioni = 5,
        .larghezzaPannello = 11295, .altezzaPannello = 9975,
        .bottoniLeft = 7680, .bottoniWidth = 1695,
        .topFatto = 3000, .topRicomincia = 4200, .topEsci = 5400,
        .faccineLeft = 8280, .faccineTop = 120,
        .topLabel2 = 2160, .topErrati = 2040, .puntiEtichette = 12,
    };
    return layout;
}

const LayoutEsercizio& FormOrdina() {
    static const LayoutEsercizio layout{
        .larghezza = 12210, .altezza = 10620,
        .tessere = {.left = 120, .top = 3360, .passoX = 960, .passoY = 840, .colonne = 7,
                    .width = 855, .height = 735, .punti = 24},
        .caselle = {.left = 120, .top = 120, .passoX = 960, .passoY = 840, .colonne = 7,
                    .width = 855, .height = 735, .punti = 24},
        .colonneOpzioni = {480, 1800, 3240, 4440}, .righeOpzioni = 5,
        .larghezzaPannello = 12255, .altezzaPannello = 10095,
        .bottoniLeft = 7440, .bottoniWidth = 1935,
        .topFatto = 2760, .topRicomincia = 3840, .topEsci = 4920,
        .faccineLeft = 8160, .faccineTop = 120,
        .topLabel2 = 1800, .topErrati = 1680, .puntiEtichette = 12,
        .etichetteTrasparenti = true,
    };
    return layout;
}

const LayoutEsercizio& FormOrdina2() {
    static const LayoutEsercizio layout{
        .larghezza = 9465, .altezza = 6540,
        .tessere = {.left = 120, .top = 3240, .passoX = 1800, .passoY = 720, .colonne = 4,
                    .width = 1695, .height = 615, .punti = 12},
        .caselle = {.left = 240, .top = 600, .passoX = 1800, .passoY = 480, .colonne = 4,
                    .width = 1695, .height = 375, .punti = 12},
        .colonneOpzioni = {480, 1920, 3240}, .righeOpzioni = 4,
        .larghezzaPannello = 9615, .altezzaPannello = 6615,
        .bottoniLeft = 7560, .bottoniWidth = 1575,
        .topFatto = 3240, .topRicomincia = 4440, .topEsci = 5520,
        .faccineLeft = 8160, .faccineTop = 0,
        .topLabel2 = 2160, .topErrati = 2040, .puntiEtichette = 12,
    };
    return layout;
}
// clang-format on

// The first-letter window on a smaller client area.
const LayoutEsercizio& FormOrdina3() {
    static const LayoutEsercizio layout = [] {
        LayoutEsercizio tutte = FormOrdina1();
        tutte.larghezza = 9510;
        tutte.altezza = 6540;
        tutte.larghezzaPannello = 9615;
        tutte.altezzaPannello = 6615;
        tutte.bottoniLeft = 7440;
        tutte.bottoniWidth = 1815;
        tutte.topEsci = 5280;
        tutte.faccineLeft = 8040;
        tutte.puntiEtichette = 9.75;
        return tutte;
    }();
    return layout;
}

} // namespace Layout
