// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/Layout.h"

QRect Rettangolo::inPixel() const {
    return {Layout::pixel(left), Layout::pixel(top), Layout::pixel(width), Layout::pixel(height)};
}

Rettangolo Griglia::posto(int i) const {
    return {left + passoX * (i % colonne), top + passoY * (i / colonne), width, height};
}

Rettangolo Colonne::posto(int i) const {
    return {lefts[i / righe], top + passoY * (i % righe), width, height};
}

namespace Layout {

int pixel(int twips) {
    return qRound(twips / 15.0);
}

// clang-format off
const LayoutAvvio& FormAvvio() {
    static const LayoutAvvio layout{
        .larghezza = 11355, .altezza = 8625,
        .titolo = {{1800, 1560, 5895, 3015}, 60},
        .sottotitolo = {{2280, 480, 4932, 852}, 18},
        .avvio = {{2880, 4680, 3855, 1335}, 20.25},
    };
    return layout;
}

// Wider than designed (7350) so the exercise buttons, which reach 8295, show whole.
const LayoutMenu& FormMenu() {
    static const LayoutMenu layout{
        .larghezza = 9375, .altezza = 6585,
        .esci = {{2160, 5400, 5172, 1095}, 18},
        .esercizi = {{{{1080, 240, 7215, 735}, 13.5},
                      {{1080, 1080, 7215, 735}, 13.5},
                      {{1080, 1920, 7215, 735}, 13.5},
                      {{1080, 2760, 7215, 735}, 13.5}}},
    };
    return layout;
}

namespace {

const QString dieciBlank(10, u' ');

const LayoutEsercizio& FormOrdina1() {
    static const LayoutEsercizio layout{
        .larghezza = 12405, .altezza = 10440,
        .tessere = {.left = 120, .top = 2760, .passoX = 1800, .passoY = 720, .colonne = 4,
                    .width = 1695, .height = 615, .punti = 9.75},
        .caselle = {.left = 120, .top = 120, .passoX = 1800, .passoY = 480, .colonne = 4,
                    .width = 1695, .height = 375, .punti = 9.75},
        .opzioni = {.lefts = {480, 1800, 3240, 4440}, .top = 1080, .passoY = 600, .righe = 5,
                    .width = 1095, .height = 435, .punti = 18},
        .pannello = {0, 0, 11295, 9975},
        .label1 = {{7680, 1200, 735, 375}, 12},
        .label2 = {{7680, 2160, 735, 495}, 12},
        .esatti = {{8520, 1080, 975, 615}, 18},
        .errati = {{8520, 2040, 855, 615}, 18},
        .faccine = {8280, 120, 975, 855},
        .fatto = {{7680, 3000, 1695, 975}, 14.25},
        .ricomincia = {{7680, 4200, 1695, 975}, 9},
        .esci = {{7680, 5400, 1695, 855}, 14.25},
        .didascaliaMenuFrasi = QStringLiteral("Scegli il numero di parole") + dieciBlank,
    };
    return layout;
}

// The other three windows: the first-letter one with their differences.
const LayoutEsercizio& FormOrdina() {
    static const LayoutEsercizio layout = [] {
        LayoutEsercizio lettere = FormOrdina1();
        lettere.larghezza = 12210;
        lettere.altezza = 10620;
        // Square tiles and slots, seven to a row.
        const Griglia lettera{.left = 120, .top = 120, .passoX = 960, .passoY = 840,
                              .colonne = 7, .width = 855, .height = 735, .punti = 24};
        lettere.caselle = lettera;
        lettere.tessere = lettera;
        lettere.tessere.top = 3360;
        lettere.pannello = {0, 0, 12255, 10095};
        lettere.label2.rettangolo.top = 1800;
        lettere.errati.rettangolo.top = 1680;
        lettere.faccine.left = 8160;
        lettere.fatto.rettangolo = {7440, 2760, 1935, 975};
        lettere.ricomincia.rettangolo = {7440, 3840, 1935, 975};
        lettere.esci.rettangolo = {7440, 4920, 1935, 855};
        lettere.etichetteTrasparenti = true;
        lettere.didascaliaMenuFrasi = QStringLiteral("Scegli il numero di lettere") + dieciBlank;
        return lettere;
    }();
    return layout;
}

const LayoutEsercizio& FormOrdina2() {
    static const LayoutEsercizio layout = [] {
        LayoutEsercizio due = FormOrdina1();
        due.larghezza = 9465;
        due.altezza = 6540;
        due.tessere.top = 3240;
        due.tessere.punti = 12;
        due.caselle.left = 240;
        due.caselle.top = 600;
        due.caselle.punti = 12;
        due.opzioni.lefts = {480, 1920, 3240};
        due.opzioni.righe = 4;
        due.pannello = {0, 0, 9615, 6615};
        due.faccine = {8160, 0, 975, 855};
        due.fatto.rettangolo = {7560, 3240, 1575, 975};
        due.ricomincia.rettangolo = {7560, 4440, 1575, 975};
        due.esci.rettangolo = {7560, 5520, 1575, 855};
        due.didascaliaMenuFrasi += u' ';
        return due;
    }();
    return layout;
}

const LayoutEsercizio& FormOrdina3() {
    static const LayoutEsercizio layout = [] {
        LayoutEsercizio tutte = FormOrdina1();
        tutte.larghezza = 9510;
        tutte.altezza = 6540;
        tutte.pannello = {0, 0, 9615, 6615};
        tutte.faccine.left = 8040;
        tutte.fatto.rettangolo = {7440, 3000, 1815, 975};
        tutte.ricomincia.rettangolo = {7440, 4200, 1815, 975};
        tutte.esci.rettangolo = {7440, 5280, 1815, 855};
        tutte.label1.punti = 9.75;
        tutte.label2.punti = 9.75;
        return tutte;
    }();
    return layout;
}

} // namespace

// clang-format on

const LayoutEsercizio& esercizio(Finestra finestra) {
    switch (finestra) {
    case Finestra::FormOrdina1:
        return FormOrdina1();
    case Finestra::FormOrdina2:
        return FormOrdina2();
    case Finestra::FormOrdina3:
        return FormOrdina3();
    case Finestra::FormAvvio:
    case Finestra::FormMenu:
    case Finestra::FormOrdina:
        break;
    }
    Q_ASSERT(finestra == Finestra::FormOrdina);
    return FormOrdina();
}

} // namespace Layout
