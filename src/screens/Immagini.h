// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// Le figure del programma, disegnate a mano e compilate dentro l'eseguibile.
// Tutte in formato ARGB32: i pixel trasparenti hanno alfa 0.
namespace Immagini {

QImage lettere();           // A rossa, A blu corsiva e "a" nera su fondo bianco
QImage persona();           // figura che saluta con la mano
QImage bacchetta();         // mano guantata con bacchetta magica, 32x32
QImage bacchetta16();       // la stessa bacchetta, 16x16
QImage faccinaSorridente(); // faccina che sorride
QImage faccinaRidente();    // faccina che ride
QImage faccinaTriste();     // faccina triste

// Pixel art is enlarged pixel by pixel, never blended, so at any size it keeps
// its 16 colours and its hard-edged mask; only shrinking blends.
QPixmap stirata(const QImage& figura, QSize misura, qreal rapporto = 1.0); // riempie la misura
QIcon icona(const QImage& figura);
QIcon iconaBacchetta(); // bacchetta in entrambe le misure

} // namespace Immagini
