// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Programma.h"

#include <QString>

#include <functional>
#include <memory>

class Avvisi;
class Casuale;
class FabbricaSchermate;
class ModuloColoriSuoni;
class Voce;
class Schermata;

// The program around the exercises: the shared counters, which window is
// loaded, leaving the program and the information box.
class Modulo1 final : public Programma {
public:
    struct Servizi {
        Casuale& casuale;
        Avvisi& avvisi;
        ModuloColoriSuoni& coloriSuoni;
        Voce& voce;
        FabbricaSchermate& fabbrica;
        std::function<void()> termina; // ends the program at once
        QString autore;
        QString mail;
    };

    explicit Modulo1(Servizi servizi);
    ~Modulo1() override;

    void Main();
    void Mostra(Finestra finestra) override;
    void ConfermaUscita() override;
    void FinestraChiusa() override;

    ValoriCondivisi& valori() override { return valori_; }
    void AzzeraContatori() override;
    void MostraInformazioni() override;
    void TornaAlMenu() override;
    void SuonoGiusto() override;
    void SuonoSbagliato() override;
    void Pronuncia(const QString& testo) override;
    quint32 ColoreCasuale() override;

private:
    void termina();

    Servizi servizi_;
    ValoriCondivisi valori_;
    std::unique_ptr<Schermata> corrente_;
};
