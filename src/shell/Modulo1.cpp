// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Modulo1.h"

#include "platform/Avvisi.h"
#include "platform/Casuale.h"
#include "platform/Voce.h"
#include "shell/FabbricaSchermate.h"
#include "shell/ModuloColoriSuoni.h"
#include "shell/Schermata.h"

namespace {

QString testoInformazioni(const QString& autore, const QString& mail) {
    return autore + QStringLiteral("  \r\n ") + QString(23, u'-') + QStringLiteral(" \r\nmail: ") +
           mail;
}

} // namespace

Modulo1::Modulo1(Servizi servizi)
    : servizi_(std::move(servizi)) {}

Modulo1::~Modulo1() = default;

void Modulo1::Main() {
    servizi_.casuale.semina();
    Mostra(Finestra::FormAvvio);
}

void Modulo1::Mostra(Finestra finestra) {
    std::unique_ptr<Schermata> nuova = servizi_.fabbrica.crea(finestra, *this);
    if (!nuova->carica())
        return; // the window said why; the old one stays
    nuova->mostra(corrente_.get());
    std::unique_ptr<Schermata> vecchia = std::exchange(corrente_, std::move(nuova));
    vecchia.reset();
}

void Modulo1::ConfermaUscita() {
    const auto risposta = servizi_.avvisi.mostra(QStringLiteral("Vuoi uscire dal programma?"),
                                                 Avvisi::Pulsanti::SiNo, Avvisi::Icona::Domanda);
    if (risposta == Avvisi::Risposta::Si)
        termina();
}

void Modulo1::FinestraChiusa() {
    termina();
}

void Modulo1::termina() {
    corrente_.reset();
    servizi_.termina();
}

void Modulo1::AzzeraContatori() {
    valori_.NumeroEsatti = 0;
    valori_.NumeroErrati = 0;
}

void Modulo1::MostraInformazioni() {
    servizi_.avvisi.mostra(testoInformazioni(servizi_.autore, servizi_.mail), Avvisi::Pulsanti::Ok,
                           Avvisi::Icona::Informazione);
}

void Modulo1::TornaAlMenu() {
    Mostra(Finestra::FormMenu);
}

void Modulo1::SuonoGiusto() {
    servizi_.coloriSuoni.SuonoGiusto();
}

void Modulo1::SuonoSbagliato() {
    servizi_.coloriSuoni.SuonoSbagliato();
}

void Modulo1::Pronuncia(const QString& testo) {
    servizi_.voce.pronuncia(testo);
}

quint32 Modulo1::ColoreCasuale() {
    return servizi_.coloriSuoni.ColoreCasuale();
}
