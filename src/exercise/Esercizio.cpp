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
    stato_.tessere.fill(tessera, impostazioni_.caselle);
    stato_.caselle.fill(casella, impostazioni_.caselle);
    paroleUsate_.fill(false, impostazioni_.voci);
}

qint16 Esercizio::quanteParole() const {
    return servizi_.guscio.valori().QuanteParole;
}

bool Esercizio::Form_Load() {
    // The order of these steps cannot be seen: the window is drawn after them.
    servizi_.guscio.AzzeraContatori();
    giudizio_ = Giudizio::AlTermine;
    servizi_.guscio.valori().QuanteParole = qint16(impostazioni_.contaApertura);
    stato_.faccinaRidente = true;
    stato_.faccinaTriste = false;
    AggiornaConteggio();
    // The letters window builds its list once, here; the others read a file
    // every turn.
    if (!impostazioni_.daFile())
        CaricaElenco();
    return NuovoTurno();
}

void Esercizio::AggiornaConteggio() {
    const ValoriCondivisi& valori = servizi_.guscio.valori();
    stato_.testoEsatti = QString::number(valori.NumeroEsatti);
    stato_.testoErrati = QString::number(valori.NumeroErrati);
}

bool Esercizio::NuovoTurno() {
    if (impostazioni_.coloreOgniTurno)
        stato_.coloreSfondo = servizi_.guscio.ColoreCasuale();
    // A list that fails later in a visit has been reported; the turn is dealt
    // from the last list read well, so the pupil keeps the window and the score.
    // Only a window with no good list yet stays shut.
    if (impostazioni_.daFile() && !CaricaElenco() && elencoParole_.isEmpty())
        return false;
    paroleOrdinate_ = 0;
    for (qsizetype i = 0; i < stato_.tessere.size(); ++i) {
        stato_.tessere[i].didascalia.clear();
        stato_.caselle[i].didascalia.clear();
    }
    MostraCaselle();
    DistribuisciParole();
    return true;
}

bool Esercizio::CaricaElenco() {
    if (!impostazioni_.daFile()) {
        elencoParole_ = impostazioni_.vociIncorporate;
        return true;
    }
    const int numero = estraiDa1A(servizi_.casuale, impostazioni_.numeroFile);
    const QString percorso = impostazioni_.percorsoElenco(servizi_.cartella, numero);
    const RisultatoLettura lettura = servizi_.elenchi.leggi(percorso, impostazioni_.voci);
    if (lettura.esito != RisultatoLettura::Esito::Letto) {
        servizi_.avvisi.mostra(messaggioElenco(lettura, percorso, impostazioni_.voci),
                               Avvisi::Pulsanti::Ok, Avvisi::Icona::Esclamazione);
        return false;
    }
    elencoParole_ = lettura.campi;
    return true;
}

void Esercizio::MostraCaselle() {
    const qint16 quante = quanteParole();
    for (qsizetype i = 0; i < stato_.tessere.size(); ++i) {
        const bool inGioco = i < quante;
        stato_.tessere[i].visibile = inGioco;
        if (inGioco)
            stato_.tessere[i].abilitata = true;
        stato_.caselle[i].visibile = inGioco;
    }
}

void Esercizio::DistribuisciParole() {
    // A forward search from a random start, wrapping round: not a uniform
    // shuffle, and it is not meant to be one.
    const int voci = impostazioni_.voci;
    paroleUsate_.fill(false, voci);
    const qint16 quante = quanteParole();
    for (int k = 1; k <= quante; ++k) {
        int p = estraiDa1A(servizi_.casuale, voci);
        while (paroleUsate_[p - 1]) {
            if (++p == voci + 1)
                p = 1;
        }
        const QString& voce = elencoParole_[p - 1];
        stato_.tessere[k - 1].didascalia = impostazioni_.maiuscole ? voce.toUpper() : voce;
        paroleUsate_[p - 1] = true;
    }
}

void Esercizio::BtParole_Click(int k) {
    if (k < 0 || k >= quanteParole() || !stato_.tessere[k].abilitata)
        return;
    const QString& parola = stato_.tessere[k].didascalia;
    const bool immediato = giudizio_ == Giudizio::Immediato;
    if (immediato) {
        for (int i = 0; i < quanteParole(); ++i) {
            const StatoFinestra::Tessera& libera = stato_.tessere[i];
            if (libera.abilitata && maggiore(parola, libera.didascalia)) {
                rispostaSbagliata();
                return;
            }
        }
    }
    stato_.caselle[paroleOrdinate_].didascalia = parola;
    stato_.tessere[k].abilitata = false;
    ++paroleOrdinate_;
    if (!immediato)
        return;
    rispostaGiusta();
    stato_.testoEsatti = formaConSegno(servizi_.guscio.valori().NumeroEsatti);
    if (paroleOrdinate_ == quanteParole()) {
        servizi_.guscio.SuonoGiusto();
        NuovoTurno();
    }
}

void Esercizio::BtParole_Ascolta(int k) {
    if (k >= 0 && k < quanteParole())
        pronuncia(stato_.tessere[k].didascalia);
}

void Esercizio::Label3_Ascolta(int k) {
    if (k >= 0 && k < quanteParole() && !stato_.caselle[k].didascalia.isEmpty())
        pronuncia(stato_.caselle[k].didascalia);
}

void Esercizio::pronuncia(const QString& didascalia) {
    // A letter is said by its name: a voice would read a lone "H" as a sound.
    for (qsizetype i = 0; i < impostazioni_.nomiIncorporati.size(); ++i) {
        const QString& voce = impostazioni_.vociIncorporate[i];
        if ((impostazioni_.maiuscole ? voce.toUpper() : voce) == didascalia) {
            servizi_.guscio.Pronuncia(impostazioni_.nomiIncorporati[i]);
            return;
        }
    }
    servizi_.guscio.Pronuncia(didascalia);
}

void Esercizio::Command1_Click() {
    if (paroleOrdinate_ == quanteParole()) {
        ControllaOrdine();
        return;
    }
    servizi_.avvisi.mostra(QStringLiteral("Non hai finito di ordinare"), Avvisi::Pulsanti::Ok,
                           Avvisi::Icona::Esclamazione);
}

void Esercizio::ControllaOrdine() {
    QStringList caselle;
    for (int i = 0; i < quanteParole(); ++i)
        caselle.append(stato_.caselle[i].didascalia);
    if (!inOrdine(caselle)) {
        rispostaSbagliata();
        return;
    }
    rispostaGiusta();
    servizi_.guscio.SuonoGiusto();
    stato_.testoEsatti = formaConSegno(servizi_.guscio.valori().NumeroEsatti);
    NuovoTurno();
}

void Esercizio::Command3D1_Click() {
    paroleOrdinate_ = 0;
    for (int i = 0; i < quanteParole(); ++i) {
        stato_.tessere[i].abilitata = true;
        stato_.caselle[i].didascalia.clear();
    }
}

void Esercizio::MenuAzzera_Click() {
    stato_.testoEsatti = QStringLiteral("0");
    stato_.testoErrati = QStringLiteral("0");
    ValoriCondivisi& valori = servizi_.guscio.valori();
    valori.NumeroEsatti = 0;
    valori.NumeroErrati = 0;
}

void Esercizio::MenuFrasi_Click() {
    stato_.pannelloTop = 0;
    stato_.pannelloLeft = 0;
    stato_.pannelloVisibile = true;
}

void Esercizio::OpQuante_Click(int k) {
    // Choosing the option already selected counts too, so the panel always closes.
    if (k < 0 || k >= impostazioni_.scelte())
        return;
    servizi_.guscio.valori().QuanteParole = qint16(k + 2);
    stato_.pannelloVisibile = false;
    NuovoTurno();
}

void Esercizio::mnuImmediato_Click() {
    stato_.immediatoSpuntato = true;
    stato_.termineSpuntato = false;
    stato_.fattoVisibile = false;
    giudizio_ = Giudizio::Immediato;
    Command3D1_Click();
    stato_.ricominciaVisibile = false;
}

void Esercizio::mnuTermine_Click() {
    stato_.immediatoSpuntato = false;
    stato_.termineSpuntato = true;
    stato_.fattoVisibile = true;
    stato_.ricominciaVisibile = true;
    giudizio_ = Giudizio::AlTermine;
}

void Esercizio::MenuInformazioni_Click() {
    servizi_.guscio.MostraInformazioni();
}

void Esercizio::BottoneEsci_Click() {
    const auto risposta = servizi_.avvisi.mostra(QStringLiteral("Vuoi tornare al menù?"),
                                                 Avvisi::Pulsanti::SiNo, Avvisi::Icona::Domanda);
    if (risposta == Avvisi::Risposta::Si)
        lascia();
}

void Esercizio::rispostaGiusta() {
    stato_.faccinaRidente = true;
    stato_.faccinaTriste = false;
    ValoriCondivisi& valori = servizi_.guscio.valori();
    valori.NumeroEsatti = piuUno(valori.NumeroEsatti);
}

void Esercizio::rispostaSbagliata() {
    stato_.faccinaTriste = true;
    stato_.faccinaRidente = false;
    ValoriCondivisi& valori = servizi_.guscio.valori();
    valori.NumeroErrati = piuUno(valori.NumeroErrati);
    stato_.testoErrati = formaConSegno(valori.NumeroErrati);
    servizi_.guscio.SuonoSbagliato();
}

void Esercizio::lascia() {
    lasciata_ = true;
    servizi_.guscio.TornaAlMenu();
}
