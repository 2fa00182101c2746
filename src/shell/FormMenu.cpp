// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FormMenu.h"

#include "shell/Programma.h"

void FormMenu::Form_Load() {
    programma_.valori().NumeroEsatti = 0;
    programma_.valori().NumeroErrati = 0;
    coloreSfondo_ = programma_.ColoreCasuale();
}

void FormMenu::Command1_Click() {
    programma_.ConfermaUscita();
}
void FormMenu::Command2_Click() {
    programma_.Mostra(Finestra::FormOrdina1);
}
void FormMenu::Command3_Click() {
    programma_.Mostra(Finestra::FormOrdina2);
}
void FormMenu::Command4_Click() {
    programma_.Mostra(Finestra::FormOrdina);
}
void FormMenu::Command5_Click() {
    programma_.Mostra(Finestra::FormOrdina3);
}
