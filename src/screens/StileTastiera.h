#pragma once

#include <QProxyStyle>

// The platform's own style, but with the menu bar reachable by Alt on every
// desktop, so the exercise windows can be used without a mouse.
class StileTastiera final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* ritorno) const override;
};
