// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ModuloColoriSuoni.h"

#include "platform/Casuale.h"
#include "platform/Riproduttore.h"

ModuloColoriSuoni::ModuloColoriSuoni(Casuale& casuale, Riproduttore& riproduttore, QString cartella)
    : casuale_(casuale)
    , riproduttore_(riproduttore)
    , cartella_(std::move(cartella)) {}

quint32 ModuloColoriSuoni::ColoreCasuale() {
    return colori[estraiDa1A(casuale_, int(colori.size())) - 1];
}

void ModuloColoriSuoni::SuonoGiusto() {
    const int n = estraiDa1A(casuale_, 4);
    riproduttore_.riproduci(suono(QStringLiteral("si%1.wav").arg(n)));
}

void ModuloColoriSuoni::SuonoSbagliato() {
    riproduttore_.riproduci(suono(QStringLiteral("no.wav")));
}

QString ModuloColoriSuoni::suono(const QString& nome) const {
    return cartella_ + QStringLiteral("/suoni/") + nome;
}
