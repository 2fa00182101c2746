// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FinestraBase.h"

#include "layout/Layout.h"
#include "platform/Collocazione.h"
#include "shell/Programma.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

FinestraBase::FinestraBase(Programma& programma, int larghezzaTwips, int altezzaTwips)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , programma_(programma)
    , area_(new QWidget(this)) {
    area_->setObjectName(QStringLiteral("area"));
    area_->setFixedSize(Layout::pixel(larghezzaTwips), Layout::pixel(altezzaTwips));
    setCentralWidget(area_);
    setWindowTitle(QString());
}

void FinestraBase::fissaDimensioni() {
    const int menu = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    setFixedSize(area_->width(), area_->height() + menu);
}

void FinestraBase::closeEvent(QCloseEvent* evento) {
    // The program unloads windows by hiding them; a close can only come from
    // the frame, and closing the only window ends the program.
    evento->accept();
    programma_.FinestraChiusa();
}

void FinestraBase::keyPressEvent(QKeyEvent* evento) {
    // No button is a default button: Enter presses the one that has the focus.
    const int tasto = evento->key();
    auto* bottone = qobject_cast<QAbstractButton*>(focusWidget());
    if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter) && bottone && bottone->isEnabled() &&
        bottone->isVisible()) {
        bottone->click();
        return;
    }
    // F10 opens the menu bar as Alt does.
    if (tasto == Qt::Key_F10 && evento->modifiers() == Qt::NoModifier && menuWidget()) {
        QKeyEvent premuto(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent lasciato(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QApplication::sendEvent(this, &premuto);
        QApplication::sendEvent(this, &lasciato);
        return;
    }
    QMainWindow::keyPressEvent(evento);
}

void FinestraBase::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (QWindow* finestra = windowHandle()) {
        connect(finestra, &QWindow::screenChanged, this, &FinestraBase::seguiSchermo,
                Qt::UniqueConnection);
        osservaSchermo(finestra->screen());
    }
}

void FinestraBase::osservaSchermo(QScreen* schermo) {
    disconnect(areaDisponibile_);
    if (schermo)
        areaDisponibile_ =
            connect(schermo, &QScreen::availableGeometryChanged, this, &FinestraBase::ricolloca);
}

// A projector switched to mirror mode shrinks the screen under an open window,
// and a window may land on another screen: it is placed again as a new window
// would be, so that Esci and Fatto stay within reach.
void FinestraBase::seguiSchermo(QScreen* schermo) {
    osservaSchermo(schermo);
    ricolloca();
}

void FinestraBase::ricolloca() {
    const QScreen* schermo = screen();
    if (!isVisible() || !schermo)
        return;
    move(Collocazione::angoloCornice(size(), frameGeometry(), geometry(),
                                     schermo->availableGeometry()));
}
