// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The platform's own style, made easier to use without a mouse: the menu bar
// opens with Alt on every desktop, and the control with the keyboard focus
// wears a thick frame that shows on any background colour. Buttons wear their
// flat face colour in a thin raised edge, sunk while pressed, as designed,
// whatever the platform's style would draw from its own theme (Windows' style
// paints its theme's faces, blind to the colours the windows give);
// a box's default button has a dark outline as well.
class StileTastiera final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    // Makes it the application's style, once.
    static void applica();

    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* ritorno) const override;
    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* pittore,
                       const QWidget* widget) const override;
    void drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* pittore,
                     const QWidget* widget) const override;
};
