// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FormMenu.h"

#include "shell/Modulo1.h"

void FormMenu::Form_Load() {
    modulo_.valori().NumeroEsatti = 0;
    modulo_.valori().NumeroErrati = 0;
    coloreSfondo_ = modulo_.ColoreCasuale();
}

void FormMenu::Command1_Click() {
    modulo_.ConfermaUscita();
}
void FormMenu::Command2_Click() {
    modulo_.Mostra(Finestra::FormOrdina1);
}
void FormMenu::Command3_Click() {
    modulo_.Mostra(Finestra::FormOrdina2);
}
void FormMenu::Command4_Click() {
    modulo_.Mostra(Finestra::FormOrdina);
}
void FormMenu::Command5_Click() {
    modulo_.Mostra(Finestra::FormOrdina3);
}
