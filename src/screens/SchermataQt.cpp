// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/SchermataQt.h"

#include "platform/Collocazione.h"
#include "screens/FinestraBase.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

SchermataQt::SchermataQt(FinestraBase* finestra)
    : finestra_(finestra) {}

SchermataQt::~SchermataQt() {
    if (finestra_) {
        finestra_->hide();
        finestra_->deleteLater();
    }
}

bool SchermataQt::carica() {
    return finestra_->carica();
}

void SchermataQt::mostra(const Schermata* alPostoDi) {
    // Every window opens on the centre of the one it replaces, the first one
    // on the screen that holds the pointer. The old frame's thickness stands
    // in for the new one's, which the window manager tells only once shown;
    // so the first window, with no frame to go by, sits half a title bar low.
    const auto* vecchia = dynamic_cast<const SchermataQt*>(alPostoDi);
    const FinestraBase* sotto = vecchia ? vecchia->finestra_.data() : nullptr;
    QScreen* schermo = sotto ? sotto->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!schermo)
        schermo = QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect corniceSotto = sotto ? sotto->frameGeometry() : schermo->geometry();
        const QRect clientSotto = sotto ? sotto->geometry() : schermo->geometry();
        finestra_->move(Collocazione::angoloCornice(finestra_->size(), corniceSotto, clientSotto,
                                                    schermo->availableGeometry()));
    }
    finestra_->show();
}
