// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The program's pictures, drawn by hand and compiled into the executable.
// All in ARGB32: transparent pixels have alpha 0.
namespace Immagini {

QImage lettere();           // red A, blue italic A and black "a" on white
QImage persona();           // a figure waving its hand
QImage bacchetta();         // gloved hand with a magic wand, 32x32
QImage bacchetta16();       // the same wand, 16x16
QImage faccinaSorridente(); // smiling face
QImage faccinaRidente();    // laughing face
QImage faccinaTriste();     // sad face

// Pixel art is enlarged pixel by pixel, never blended, so at any size it keeps
// its 16 colours and its hard-edged mask; only shrinking blends.
QPixmap stirata(const QImage& figura, QSize misura, qreal rapporto = 1.0); // fills the size
QIcon icona(const QImage& figura);
QIcon iconaBacchetta(); // the wand in both sizes

} // namespace Immagini
