// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/Esercizio.h"

#include "exercise/Guscio.h"
#include "exercise/OrdineAlfabetico.h"
#include "platform/Avvisi.h"
#include "platform/Casuale.h"
#include "platform/Elenchi.h"

#include <QDir>

namespace {

// A counter stops at the largest 16-bit value instead of overflowing.
qint16 piuUno(qint16 valore) {
    return valore < 32767 ? qint16(valore + 1) : valore;
}

// A raised counter is written with a blank where a minus sign would stand.
QString formaConSegno(qint16 valore) {
    return valore < 0 ? QString::number(valore) : u' ' + QString::number(valore);
}

QString quanteParoleInItaliano(int n) {
    if (n == 0)
        return QStringLiteral("non contiene nessuna parola");
    if (n == 1)
        return QStringLiteral("contiene una sola parola");
    return QStringLiteral("contiene solo %1 parole").arg(n);
}

QString messaggioElenco(const RisultatoLettura& lettura, const QString& percorso, int richieste) {
    const QString file = QDir::toNativeSeparators(percorso);
    using Esito = RisultatoLettura::Esito;
    switch (lettura.esito) {
    case Esito::Mancante:
        return QStringLiteral("Manca il file dell'elenco di parole:\n%1").arg(file);
    case Esito::Illeggibile:
        return QStringLiteral("Non riesco a leggere il file dell'elenco di parole:\n%1").arg(file);
    case Esito::NonTesto:
        return QStringLiteral("Il file dell'elenco di parole\n%1\nnon è un file di testo.")
            .arg(file);
    case Esito::TroppoGrande:
        return QStringLiteral("Il file dell'elenco di parole\n%1\nè troppo grande per essere un "
                              "elenco di parole.")
            .arg(file);
    case Esito::TroppoCorto:
    case Esito::Letto:
        break;
    }
    QString messaggio = QStringLiteral("Il file dell'elenco di parole\n%1\n%2, ma ne servono %3.")
                            .arg(file, quanteParoleInItaliano(int(lettura.campi.size())))
                            .arg(richieste);
    // A spreadsheet saved with the wrong separator: the words are there, run together.
    if (lettura.esito == Esito::TroppoCorto && (lettura.puntoEVirgola || lettura.tabulazione))
        messaggio += QStringLiteral("\nLe parole sembrano separate da %1: separale con una "
                                    "virgola o mettine una per riga.")
                         .arg(lettura.puntoEVirgola ? QStringLiteral("punto e virgola")
                                                    : QStringLiteral("tabulazioni"));
    return messaggio;
}

} // namespace

Esercizio::Esercizio(const ImpostazioniEsercizio& impostazioni, Servizi servizi)
    : impostazioni_(impostazioni)
    , servizi_(std::move(servizi)) {
    const StatoFinestra::Tessera tessera{.didascalia = impostazioni_.segnaposto};
    const StatoFinestra::Casella casella{.didascalia = impostazioni_.segnaposto};
    stato_.BtParole.fill(tessera, impostazioni_.caselle);
    stato_.Label3.fill(casella, impostazioni_.caselle);
    ParoleUsate_.fill(false, impostazioni_.voci);
}

qint16 Esercizio::quanteParole() const {
    return servizi_.guscio.valori().QuanteParole;
}

bool Esercizio::Form_Load() {
    ValoriCondivisi& valori = servizi_.guscio.valori();
    if (impostazioni_.daFile()) {
        servizi_.guscio.AzzeraContatori();
        ControlloImmediato_ = Falso;
        valori.QuanteParole = qint16(impostazioni_.contaApertura);
        stato_.ComandoIconaSi = true;
        stato_.ComandoIconaNo = false;
        AggiornaConteggio();
    } else {
        // The letters window takes the same steps in its own order and builds
        // its list once, here.
        valori.QuanteParole = qint16(impostazioni_.contaApertura);
        stato_.ComandoIconaSi = true;
        stato_.ComandoIconaNo = false;
        ControlloImmediato_ = Falso;
        servizi_.guscio.AzzeraContatori();
        AggiornaConteggio();
        CaricaElenco();
    }
    return NuovoTurno();
}

void Esercizio::AggiornaConteggio() {
    const ValoriCondivisi& valori = servizi_.guscio.valori();
    stato_.EtichettaEsatti = QString::number(valori.NumeroEsatti);
    stato_.EtichettaErrati = QString::number(valori.NumeroErrati);
}

bool Esercizio::NuovoTurno() {
    if (impostazioni_.coloreOgniTurno)
        stato_.coloreSfondo = servizi_.guscio.ColoreCasuale();
    if (impostazioni_.daFile() && !CaricaElenco())
        return false;
    ParoleOrdinate_ = 0;
    for (qsizetype i = 0; i < stato_.BtParole.size(); ++i) {
        stato_.BtParole[i].didascalia.clear();
        stato_.Label3[i].didascalia.clear();
    }
    MostraCaselle();
    DistribuisciParole();
    return true;
}

bool Esercizio::CaricaElenco() {
    if (!impostazioni_.daFile()) {
        ElencoParole_ = impostazioni_.vociIncorporate;
        return true;
    }
    PercorsoFile_ = servizi_.cartella + QStringLiteral("/testi/") + impostazioni_.prefissoFile;
    const int numero = estraiDa1A(servizi_.casuale, impostazioni_.numeroFile);
    PercorsoFile_ += QString::number(numero) + QStringLiteral(".txt");
    const RisultatoLettura lettura = servizi_.elenchi.leggi(PercorsoFile_, impostazioni_.voci);
    if (lettura.esito != RisultatoLettura::Esito::Letto) {
        servizi_.avvisi.mostra(messaggioElenco(lettura, PercorsoFile_, impostazioni_.voci),
                               Avvisi::Pulsanti::Ok, Avvisi::Icona::Esclamazione);
        return false;
    }
    ElencoParole_ = lettura.campi;
    return true;
}

void Esercizio::MostraCaselle() {
    const qint16 quante = quanteParole();
    for (qsizetype i = 0; i < stato_.BtParole.size(); ++i) {
        const bool inGioco = i < quante;
        stato_.BtParole[i].visibile = inGioco;
        if (inGioco)
            stato_.BtParole[i].abilitata = true;
        stato_.Label3[i].visibile = inGioco;
    }
}

void Esercizio::DistribuisciParole() {
    // A forward search from a random start, wrapping round: not a uniform
    // shuffle, and it is not meant to be one.
    const int voci = impostazioni_.voci;
    ParoleUsate_.fill(false, voci);
    const qint16 quante = quanteParole();
    for (int k = 1; k <= quante; ++k) {
        int p = estraiDa1A(servizi_.casuale, voci);
        while (ParoleUsate_[p - 1]) {
            if (++p == voci + 1)
                p = 1;
        }
        const QString& voce = ElencoParole_[p - 1];
        stato_.BtParole[k - 1].didascalia = impostazioni_.maiuscole ? voce.toUpper() : voce;
        ParoleUsate_[p - 1] = true;
    }
}

void Esercizio::BtParole_Click(int k) {
    if (lasciata_ || k < 0 || k >= quanteParole() || !stato_.BtParole[k].abilitata)
        return;
    const QString& parola = stato_.BtParole[k].didascalia;
    if (ControlloImmediato_ == Vero) {
        for (int i = 0; i < quanteParole(); ++i) {
            const StatoFinestra::Tessera& libera = stato_.BtParole[i];
            if (libera.abilitata && maggiore(parola, libera.didascalia)) {
                rispostaSbagliata();
                return;
            }
        }
    }
    stato_.Label3[ParoleOrdinate_].didascalia = parola;
    stato_.BtParole[k].abilitata = false;
    ++ParoleOrdinate_;
    if (ControlloImmediato_ != Vero)
        return;
    rispostaGiusta();
    stato_.EtichettaEsatti = formaConSegno(servizi_.guscio.valori().NumeroEsatti);
    if (ParoleOrdinate_ == quanteParole()) {
        servizi_.guscio.SuonoGiusto();
        nuovoTurnoOLascia();
    }
}

void Esercizio::Command1_Click() {
    if (lasciata_)
        return;
    if (ParoleOrdinate_ == quanteParole()) {
        ControllaOrdine();
        return;
    }
    servizi_.avvisi.mostra(QStringLiteral("Non hai finito di ordinare"), Avvisi::Pulsanti::Ok,
                           Avvisi::Icona::Esclamazione);
}

void Esercizio::ControllaOrdine() {
    QStringList caselle;
    for (int i = 0; i < quanteParole(); ++i)
        caselle.append(stato_.Label3[i].didascalia);
    if (!inOrdine(caselle)) {
        rispostaSbagliata();
        return;
    }
    rispostaGiusta();
    servizi_.guscio.SuonoGiusto();
    stato_.EtichettaEsatti = formaConSegno(servizi_.guscio.valori().NumeroEsatti);
    nuovoTurnoOLascia();
}

void Esercizio::Command3D1_Click() {
    if (lasciata_)
        return;
    ParoleOrdinate_ = 0;
    for (int i = 0; i < quanteParole(); ++i) {
        stato_.BtParole[i].abilitata = true;
        stato_.Label3[i].didascalia.clear();
    }
}

void Esercizio::MenuAzzera_Click() {
    if (lasciata_)
        return;
    stato_.EtichettaEsatti = QStringLiteral("0");
    stato_.EtichettaErrati = QStringLiteral("0");
    ValoriCondivisi& valori = servizi_.guscio.valori();
    valori.NumeroEsatti = 0;
    valori.NumeroErrati = 0;
}

void Esercizio::MenuFrasi_Click() {
    if (lasciata_)
        return;
    stato_.EtQuanteParoleTop = 0;
    stato_.EtQuanteParoleLeft = 0;
    stato_.EtQuanteParole = true;
}

void Esercizio::OpQuante_Click(int k) {
    // Choosing the option already selected counts too, so the panel always closes.
    if (lasciata_ || k < 0 || k >= impostazioni_.scelte())
        return;
    servizi_.guscio.valori().QuanteParole = qint16(k + 2);
    stato_.EtQuanteParole = false;
    nuovoTurnoOLascia();
}

void Esercizio::mnuImmediato_Click() {
    if (lasciata_)
        return;
    stato_.mnuImmediato = true;
    stato_.mnuTermine = false;
    stato_.Command1 = false;
    ControlloImmediato_ = Vero;
    Command3D1_Click();
    stato_.Command3D1 = false;
}

void Esercizio::mnuTermine_Click() {
    if (lasciata_)
        return;
    stato_.mnuImmediato = false;
    stato_.mnuTermine = true;
    stato_.Command1 = true;
    stato_.Command3D1 = true;
    ControlloImmediato_ = Falso;
}

void Esercizio::MenuInformazioni_Click() {
    if (!lasciata_)
        servizi_.guscio.MostraInformazioni();
}

void Esercizio::BottoneEsci_Click() {
    if (lasciata_)
        return;
    const auto risposta = servizi_.avvisi.mostra(QStringLiteral("Vuoi tornare al menù?"),
                                                 Avvisi::Pulsanti::SiNo, Avvisi::Icona::Domanda);
    if (risposta == Avvisi::Risposta::Si)
        lascia();
}

void Esercizio::rispostaGiusta() {
    stato_.ComandoIconaSi = true;
    stato_.ComandoIconaNo = false;
    ValoriCondivisi& valori = servizi_.guscio.valori();
    valori.NumeroEsatti = piuUno(valori.NumeroEsatti);
}

void Esercizio::rispostaSbagliata() {
    stato_.ComandoIconaNo = true;
    stato_.ComandoIconaSi = false;
    ValoriCondivisi& valori = servizi_.guscio.valori();
    valori.NumeroErrati = piuUno(valori.NumeroErrati);
    stato_.EtichettaErrati = formaConSegno(valori.NumeroErrati);
    servizi_.guscio.SuonoSbagliato();
}

void Esercizio::nuovoTurnoOLascia() {
    // A list that cannot be read mid-visit has been reported; back to the menu.
    if (!NuovoTurno())
        lascia();
}

void Esercizio::lascia() {
    lasciata_ = true;
    servizi_.guscio.TornaAlMenu();
}
