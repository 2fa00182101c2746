// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FormAvvio.h"

#include "shell/Programma.h"

void FormAvvio::Form_Load() {
    coloreSfondo_ = programma_.ColoreCasuale();
}

void FormAvvio::BottoneAvvio_Click() {
    programma_.Mostra(Finestra::FormMenu);
}
