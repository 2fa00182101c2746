// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/ImpostazioniEsercizio.h"
#include "exercise/StatoFinestra.h"

#include <QList>
#include <QString>
#include <QStringList>

class Avvisi;
class Casuale;
class Elenchi;
class Guscio;

// One exercise window's behaviour: a turn of tiles to put in order, the two
// ways of checking it, the score and the window's commands. The same class
// serves every exercise; the settings tell them apart.
class Esercizio {
public:
    struct Servizi {
        Guscio& guscio;
        Casuale& casuale;
        Avvisi& avvisi;
        Elenchi& elenchi;
        QString cartella; // the program's folder, holding testi/
    };

    Esercizio(const ImpostazioniEsercizio& impostazioni, Servizi servizi);

    const ImpostazioniEsercizio& impostazioni() const { return impostazioni_; }
    const StatoFinestra& stato() const { return stato_; }
    // The window has been left for the menu: it passes on no more events.
    bool lasciata() const { return lasciata_; }

    // False when the first word list cannot be read: the window must not open.
    bool Form_Load();
    void AggiornaConteggio();

    void BtParole_Click(int k);
    // The pupil asks to hear a tile or a filled slot; nothing else changes.
    void BtParole_Ascolta(int k);
    void Label3_Ascolta(int k);
    void Command1_Click();
    void Command3D1_Click();
    void MenuAzzera_Click();
    void MenuFrasi_Click();
    void OpQuante_Click(int k);
    void mnuImmediato_Click();
    void mnuTermine_Click();
    void MenuInformazioni_Click();
    void BottoneEsci_Click();

private:
    friend struct SondaEsercizio; // the tests' view of the state below

    // When answers are judged: the two choices of the "Controllo" menu.
    enum class Giudizio { AlTermine, Immediato };

    bool NuovoTurno();
    bool CaricaElenco();
    void MostraCaselle();
    void DistribuisciParole();
    void ControllaOrdine();

    void pronuncia(const QString& didascalia);
    void rispostaGiusta();
    void rispostaSbagliata();
    void lascia();
    qint16 quanteParole() const;

    ImpostazioniEsercizio impostazioni_;
    Servizi servizi_;
    StatoFinestra stato_;

    qint16 paroleOrdinate_ = 0; // tiles placed this turn; the next slot to fill
    Giudizio giudizio_ = Giudizio::AlTermine;
    QStringList elencoParole_; // the last list read well; position p is elencoParole_[p - 1]
    QList<bool> paroleUsate_;  // per dealing position: already on a tile this turn
    bool lasciata_ = false;
};
