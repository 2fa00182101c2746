// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

// The ways a pupil asks to hear a tile or a slot: a right click, a finger or
// pen held down, the menu key or Shift+F10. A hold never also presses the
// tile, while a slow click with the mouse still does.
class GestoAscolto final : public QObject {
public:
    GestoAscolto(QObject* genitore, std::function<void(QWidget*)> ascolta);

    void segui(QWidget* controllo);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void tenuto();

    std::function<void(QWidget*)> ascolta_;
    QTimer attesa_;
    QPointer<QWidget> premuto_; // touched, not yet held long enough
    QPoint dove_;
    bool tenuto_ = false; // held: the rest of this touch is the gesture's
    QElapsedTimer tasto_; // since the menu key or Shift+F10 asked
};
