// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>

// One count on the count panel. The count is chosen only by a click, so the
// actions a screen reader or a switch offers on it click it too: Qt's own
// "Toggle" would tick the option without choosing anything. The whole option
// answers a click, not just its circle and number: a child aims at the middle.
class OpzioneQuante final : public QRadioButton {
    Q_OBJECT
public:
    OpzioneQuante(const QString& testo, QWidget* genitore);

protected:
    bool hitButton(const QPoint& punto) const override;
};
