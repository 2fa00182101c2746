// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Schermata.h"

#include <QPointer>

class FinestraBase;

// Lets the switching rule load, show and unload a Qt window. Unloading may
// happen inside one of the window's own handlers, so the widget goes later.
class SchermataQt final : public Schermata {
public:
    explicit SchermataQt(FinestraBase* finestra);
    ~SchermataQt() override;

    bool carica() override;
    void mostra(const Schermata* alPostoDi) override;

private:
    QPointer<FinestraBase> finestra_;
};
