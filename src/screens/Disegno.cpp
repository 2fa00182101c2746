// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Disegno.h"

#include "layout/Misure.h"

#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QToolButton>

namespace Disegno {

QColor daBgr(quint32 bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void sfondo(QWidget* widget, const QColor& colore) {
    // Buttons paint their background with the button colour, other widgets
    // with the window colour.
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(widget->backgroundRole(), colore);
    widget->setPalette(tavolozza);
    widget->setAutoFillBackground(true);
}

namespace {
template <typename W>
W* piazza(W* widget, const QString& nome, const Rettangolo& posto, double punti) {
    widget->setObjectName(nome);
    widget->setGeometry(posto.inPixel());
    widget->setFont(Misure::carattere(punti));
    return widget;
}
} // namespace

QLabel* etichetta(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                  const QString& testo, double punti) {
    auto* scritta = piazza(new QLabel(testo, genitore), nome, posto, punti);
    // Words come from files anyone can edit: never markup, never a picture to load.
    scritta->setTextFormat(Qt::PlainText);
    return scritta;
}

QPushButton* bottone(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                     const QString& testo, double punti) {
    return piazza(new QPushButton(testo, genitore), nome, posto, punti);
}

QToolButton* bottoneConFigura(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                              const QString& testo, double punti, const QIcon& figura) {
    auto* bottone = piazza(new QToolButton(genitore), nome, posto, punti);
    bottone->setText(testo);
    bottone->setIcon(figura);
    bottone->setIconSize(QSize(32, 32));
    bottone->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bottone->setFocusPolicy(Qt::StrongFocus);
    return bottone;
}

} // namespace Disegno
