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

namespace {

void facciaPiatta(const QStyleOption* opzione, QPainter* pittore) {
    const bool premuto = opzione->state & (QStyle::State_Sunken | QStyle::State_On);
    const QColor faccia = opzione->palette.color(QPalette::Button).darker(premuto ? 115 : 100);
    QColor luce = faccia.lighter(150);
    QColor ombra = faccia.darker(150);
    const QColor bordo(Qt::black);
    if (premuto)
        std::swap(luce, ombra);
    // Edges as strips one pixel wide at the button's own border, so that they
    // stay on the border at any scale factor.
    QRectF r = opzione->rect;
    pittore->save();
    pittore->setRenderHint(QPainter::Antialiasing, false);
    // The button Enter presses wears one more dark edge all round, as in the
    // classic desktop look, from the moment its box opens.
    const auto* bottone = qstyleoption_cast<const QStyleOptionButton*>(opzione);
    if (bottone && (bottone->features & QStyleOptionButton::DefaultButton)) {
        pittore->fillRect(r, bordo);
        r.adjust(1, 1, -1, -1);
    }
    pittore->fillRect(r, faccia);
    // Outer edge, then inner edge: light above and left, shadow below and right.
    const auto spigolo = [&](QRectF q, const QColor& sopra, const QColor& sotto) {
        pittore->fillRect(QRectF(q.left(), q.top(), q.width(), 1), sopra);
        pittore->fillRect(QRectF(q.left(), q.top(), 1, q.height()), sopra);
        pittore->fillRect(QRectF(q.left(), q.bottom() - 1, q.width(), 1), sotto);
        pittore->fillRect(QRectF(q.right() - 1, q.top(), 1, q.height()), sotto);
    };
    spigolo(r, premuto ? bordo : luce, bordo);
    spigolo(r.adjusted(1, 1, -1, -1), luce, ombra);
    pittore->restore();
}

} // namespace

void StileTastiera::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione,
                                  QPainter* pittore, const QWidget* widget) const {
    // Windows' style draws a tool button's face as a plain bevel.
    const bool bottone = elemento == PE_PanelButtonCommand || elemento == PE_PanelButtonTool ||
                         elemento == PE_PanelButtonBevel;
    if (bottone)
        facciaPiatta(opzione, pittore);
    else
        QProxyStyle::drawPrimitive(elemento, opzione, pittore, widget);
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

void StileTastiera::drawControl(ControlElement elemento, const QStyleOption* opzione,
                                QPainter* pittore, const QWidget* widget) const {
    // A push button's face as Qt's common styles draw it, through the panel
    // above: Windows' style would paint its theme's face instead.
    const auto* bottone = qstyleoption_cast<const QStyleOptionButton*>(opzione);
    const auto altri = QStyleOptionButton::Flat | QStyleOptionButton::CommandLinkButton |
                       QStyleOptionButton::HasMenu;
    if (elemento == CE_PushButtonBevel && bottone && !(bottone->features & altri)) {
        proxy()->drawPrimitive(PE_PanelButtonCommand, opzione, pittore, widget);
        return;
    }
    QProxyStyle::drawControl(elemento, opzione, pittore, widget);
}
