// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/StileTastiera.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

void StileTastiera::applica() {
    if (!qobject_cast<StileTastiera*>(QApplication::style()))
        QApplication::setStyle(new StileTastiera());
}

int StileTastiera::styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                             QStyleHintReturn* ritorno) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
}

void StileTastiera::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione,
                                  QPainter* pittore, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(elemento, opzione, pittore, widget);
    const bool bottone = elemento == PE_PanelButtonCommand || elemento == PE_PanelButtonTool;
    const bool fuoco =
        (opzione->state & State_HasFocus) && (opzione->state & State_KeyboardFocusChange);
    if (!fuoco || !(bottone || elemento == PE_FrameFocusRect))
        return;
    pittore->save();
    pittore->setRenderHint(QPainter::Antialiasing);
    pittore->setPen(QPen(QColor(0, 0, 160), bottone ? 3 : 2));
    pittore->setBrush(Qt::NoBrush);
    pittore->drawRoundedRect(QRectF(opzione->rect).adjusted(3, 3, -3, -3), 3, 3);
    pittore->restore();
}
