// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/GestoAscolto.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QStyleHints>

namespace {

// Touch screens and whiteboard pens reach the widgets as a mouse; their hold
// is the right click they lack.
bool tattile(const QMouseEvent& evento) {
    const QPointingDevice* dispositivo = evento.pointingDevice();
    return dispositivo && (dispositivo->type() == QInputDevice::DeviceType::TouchScreen ||
                           dispositivo->type() == QInputDevice::DeviceType::Stylus);
}

bool tastoMenu(const QKeyEvent& evento) {
    return evento.key() == Qt::Key_Menu ||
           (evento.key() == Qt::Key_F10 && evento.modifiers() == Qt::ShiftModifier);
}

} // namespace

GestoAscolto::GestoAscolto(QObject* genitore, std::function<void(QWidget*)> ascolta)
    : QObject(genitore)
    , ascolta_(std::move(ascolta)) {
    attesa_.setSingleShot(true);
    attesa_.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    connect(&attesa_, &QTimer::timeout, this, &GestoAscolto::tenuto);
}

void GestoAscolto::segui(QWidget* controllo) {
    controllo->installEventFilter(this);
}

bool GestoAscolto::eventFilter(QObject* oggetto, QEvent* evento) {
    auto* controllo = qobject_cast<QWidget*>(oggetto);
    switch (evento->type()) {
    case QEvent::ContextMenu:
        // The system may follow the key with its own request: one is enough.
        if (static_cast<QContextMenuEvent*>(evento)->reason() != QContextMenuEvent::Keyboard ||
            !tasto_.isValid() || tasto_.elapsed() > 500)
            ascolta_(controllo);
        tasto_.invalidate();
        return true;
    case QEvent::KeyPress:
        if (!tastoMenu(*static_cast<QKeyEvent*>(evento)))
            return false;
        tasto_.start();
        ascolta_(controllo);
        return true;
    case QEvent::MouseButtonPress: {
        const auto& mouse = *static_cast<QMouseEvent*>(evento);
        tenuto_ = false;
        if (mouse.button() == Qt::LeftButton && tattile(mouse)) {
            premuto_ = controllo;
            dove_ = mouse.position().toPoint();
            attesa_.start();
        }
        return false;
    }
    case QEvent::MouseMove: {
        const QPoint dove = static_cast<QMouseEvent*>(evento)->position().toPoint();
        // A finger sliding away is no hold.
        if (attesa_.isActive() &&
            (dove - dove_).manhattanLength() > QGuiApplication::styleHints()->startDragDistance())
            attesa_.stop();
        return tenuto_;
    }
    case QEvent::MouseButtonRelease:
        attesa_.stop();
        return std::exchange(tenuto_, false);
    default:
        return false;
    }
}

void GestoAscolto::tenuto() {
    if (!premuto_)
        return;
    tenuto_ = true;
    // Up again, so that lifting the finger presses nothing.
    if (auto* bottone = qobject_cast<QAbstractButton*>(premuto_.data()))
        bottone->setDown(false);
    ascolta_(premuto_);
}
