// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/Layout.h"

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;
class QIcon;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace Disegno {

// Arial bold at a size in points, held in pixels so the look does not depend
// on the screen's dpi setting.
QFont carattere(double punti);
// The font for a caption in a tile or slot that many pixels wide: Arial bold at
// the designed size, or for a caption too wide for it the largest smaller size
// at which it shows whole.
QFont adattato(const QString& testo, double punti, int larghezza);
// A colour written as 0x00BBGGRR.
QColor daBgr(quint32 bgr);
void sfondo(QWidget* widget, const QColor& colore);
// Breaks a caption at its blanks into lines no wider than the given width, as
// the title is designed to wrap; blanks that start the caption stay.
QString aCapoAiBlank(const QString& testo, const QFont& font, int larghezza);

QLabel* etichetta(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                  const QString& testo, double punti);
QPushButton* bottone(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                     const QString& testo, double punti);
// A push button with a 32 x 32 picture centred above its caption.
QToolButton* bottoneConFigura(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                              const QString& testo, double punti, const QIcon& figura);

} // namespace Disegno
