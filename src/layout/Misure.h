// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// How the windows' text measures: the tile font and the sizes that follow from
// it, the same for the windows, the list checker and the whiteboard start. An
// application object must exist.
namespace Misure {

// Arial bold at a size in points, held in pixels so the look does not depend
// on the screen's dpi setting.
QFont carattere(double punti);
// The font for a caption in a tile or slot that many pixels wide: Arial bold at
// the designed size, or for a caption too wide for it the largest smaller size
// at which it shows whole.
QFont adattato(const QString& testo, double punti, int larghezza);
// Breaks a caption at its blanks into lines no wider than the given width, as
// the title is designed to wrap; blanks that start the caption stay.
QString aCapoAiBlank(const QString& testo, const QFont& font, int larghezza);
// A menu bar's height, as Qt's Fusion style and Windows' own draw it.
int altezzaMenu();
// The smallest size that holds every window at scale factor 1, the exercises'
// menu bar included, worked out without building a window.
QSize finestraPiuGrande();

} // namespace Misure
