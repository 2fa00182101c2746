// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/Layout.h"

#include <QColor>
#include <QString>

class QAbstractButton;
class QIcon;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace Disegno {

// A colour written as 0x00BBGGRR.
QColor daBgr(quint32 bgr);
void sfondo(QWidget* widget, const QColor& colore);

QLabel* etichetta(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                  const QString& testo, double punti);
QPushButton* bottone(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                     const QString& testo, double punti);
// A push button with a 32 x 32 picture centred above its caption.
QToolButton* bottoneConFigura(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                              const QString& testo, double punti, const QIcon& figura);

} // namespace Disegno
