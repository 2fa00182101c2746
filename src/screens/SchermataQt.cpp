// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/SchermataQt.h"

#include "screens/FinestraBase.h"

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

void SchermataQt::mostra() {
    finestra_->show();
}
