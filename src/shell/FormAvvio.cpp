// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FormAvvio.h"

#include "shell/Modulo1.h"

void FormAvvio::Form_Load() {
    coloreSfondo_ = modulo_.ColoreCasuale();
}

void FormAvvio::BottoneAvvio_Click() {
    modulo_.Mostra(Finestra::FormMenu);
}
