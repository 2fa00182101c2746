// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace Collocazione {

// Where the frame of a window goes (its top-left corner) so that the window
// opens over another one and the screen does not jump under the pupil:
// centred on the other's frame, then moved as little as needed to keep the
// whole frame on the screen's available area. A frame bigger than that area
// starts at its top-left corner, so the title bar stays within reach.
// The other window's frame and client rectangles tell how thick the window
// manager's frame is; over the bare screen both are the screen.
QPoint angoloCornice(QSize client, QRect corniceSotto, QRect clientSotto, QRect disponibile);

// The largest scale factor, in steps of passo from 1 up, at which a window of
// that client size (menu bar included) fits the available area with its frame
// around it. The frame keeps its size: the window manager draws it. Never
// below 1, even when the window does not fit at all.
double fattoreScala(QSize client, QSize cornice, QSize disponibile, double passo);

} // namespace Collocazione
