// SPDX-License-Identifier: GPL-3.0-or-later
// Whole visits to each of the four exercises, driven by the fuzz bytes:
//   byte 0      bit 0/1: list A/B was cut short; bit 2: even-numbered files missing;
//               bit 3: each visit's counters start just short of their limit
//   bytes 1-4   lengths of A and B (16 bits each, little-endian)
//   A, B        the contents of odd- and even-numbered list files
//   the rest    a tape of commands; the random draws are taken from it too.
// After every command the window's state must hold together, and the score,
// sound and face must be those of the judgement foreseen before it.

#include "exercise/OrdineAlfabetico.h"
#include "fakes/BancoEsercizio.h"
#include "fakes/SondaEsercizio.h"
#include "fakes/Verifica.h"
#include "platform/LettoreElenco.h"
#include "variants/Esercizi.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cstdint>

namespace {

// The fuzz bytes read in order; past the end they read as zero.
class Nastro {
public:
    Nastro(const std::uint8_t* dati, std::size_t dimensione)
        : dati_(dati)
        , dimensione_(dimensione) {}

    bool finito() const { return pos_ >= dimensione_; }
    std::size_t posizione() const { return pos_; }
    void vaiA(std::size_t pos) { pos_ = pos; }
    std::uint8_t byte() { return pos_ < dimensione_ ? dati_[pos_++] : 0; }
    std::size_t parola() { return byte() | std::size_t(byte()) << 8; }
    QByteArrayView pezzo(std::size_t quanti) {
        quanti = std::min(quanti, dimensione_ - std::min(pos_, dimensione_));
        const QByteArrayView visto(reinterpret_cast<const char*>(dati_ + pos_), qsizetype(quanti));
        pos_ += quanti;
        return visto;
    }

private:
    const std::uint8_t* dati_;
    std::size_t dimensione_;
    std::size_t pos_ = 0;
};

struct Contenuto {
    QByteArrayView dati;
    bool troncato = false;
};

// Odd-numbered files hold A, even-numbered ones B (or are missing).
class ElenchiNastro final : public Elenchi {
public:
    Contenuto dispari, pari;
    bool pariMancanti = false;

    RisultatoLettura leggi(const QString& percorso, int campi) override {
        static const QRegularExpression numero(QStringLiteral("(\\d+)\\.txt$"));
        const int n = numero.match(percorso).captured(1).toInt();
        if (n % 2 == 0 && pariMancanti)
            return {RisultatoLettura::Esito::Mancante, {}};
        const Contenuto& c = n % 2 ? dispari : pari;
        return LettoreElenco::analizza(c.dati, campi, c.troncato);
    }
};

int argomento(Nastro& nastro) {
    return nastro.byte() % 24 - 1; // a little beyond each end of every row of controls
}

qint16 numero(const QString& etichetta) {
    bool ok = false;
    const int valore = etichetta.trimmed().toInt(&ok);
    verifica(ok, "contatore non numerico");
    return qint16(valore);
}

// Which tiles have been placed, in the order they went into the slots.
struct Posate {
    QList<int> tessere;

    void dopo(const Esercizio& esercizio, int ordinatePrima, int cliccata) {
        const int ordinate = SondaEsercizio::paroleOrdinate(esercizio);
        if (ordinate == 0)
            tessere.clear();
        else if (cliccata >= 0 && ordinate == ordinatePrima + 1)
            tessere.append(cliccata);
        else
            verifica(ordinate == ordinatePrima, "parole ordinate cambiate senza un clic");
        verifica(tessere.size() == ordinate, "posate e parole ordinate non tornano");
    }
};

// Each tile of a deal shows a different entry of the list (the same text may
// stand twice in it). Checked only when the captions change: it is the slow part.
void controllaDistribuzione(const Esercizio& esercizio, QStringList& vista) {
    const ImpostazioniEsercizio& impostazioni = esercizio.impostazioni();
    QStringList didascalie;
    for (int i = 0; i < esercizio.stato().tessere.size(); ++i)
        if (esercizio.stato().tessere[i].visibile)
            didascalie.append(esercizio.stato().tessere[i].didascalia);
    if (didascalie == vista)
        return;
    vista = didascalie;
    QHash<QString, int> disponibili;
    for (const QString& voce : SondaEsercizio::elencoParole(esercizio))
        ++disponibili[impostazioni.maiuscole ? voce.toUpper() : voce];
    for (const QString& didascalia : didascalie)
        verifica(--disponibili[didascalia] >= 0, "tessera non data dall'elenco");
}

void controlla(const Esercizio& esercizio, const GuscioFinto& guscio, const Posate& posate) {
    const StatoFinestra& stato = esercizio.stato();
    const ImpostazioniEsercizio& impostazioni = esercizio.impostazioni();
    const ValoriCondivisi& valori = guscio.condivisi;
    const int quante = valori.QuanteParole;
    const int ordinate = SondaEsercizio::paroleOrdinate(esercizio);
    verifica(quante >= 2 && quante <= impostazioni.caselle, "numero di parole fuori scelta");
    verifica(ordinate >= 0 && ordinate <= quante, "parole ordinate fuori dal turno");
    verifica(valori.NumeroEsatti >= 0 && valori.NumeroErrati >= 0, "contatore negativo");
    verifica(numero(stato.testoEsatti) == valori.NumeroEsatti, "esatti mostrati diversi");
    verifica(numero(stato.testoErrati) == valori.NumeroErrati, "errati mostrati diversi");

    int spente = 0;
    for (int i = 0; i < impostazioni.caselle; ++i) {
        const StatoFinestra::Tessera& tessera = stato.tessere[i];
        verifica(tessera.visibile == (i < quante), "tessera mostrata fuori dal turno");
        verifica(stato.caselle[i].visibile == (i < quante), "casella mostrata fuori dal turno");
        if (i >= quante)
            continue;
        spente += tessera.abilitata ? 0 : 1;
        if (i >= ordinate)
            verifica(stato.caselle[i].didascalia.isEmpty(), "casella piena oltre le ordinate");
    }
    verifica(spente == ordinate, "tessere spente diverse dalle parole ordinate");
    for (int i = 0; i < ordinate; ++i) {
        const StatoFinestra::Tessera& posata = stato.tessere[posate.tessere[i]];
        verifica(!posata.abilitata, "tessera posata ancora accesa");
        verifica(stato.caselle[i].didascalia == posata.didascalia, "casella diversa dalla tessera");
    }
}

enum class Giudizio { Nessuno, Giusto, Sbagliato };

// What a command is judged against: the state before it.
struct Prima {
    int comando = 0;
    int tessera = -1;
    int quante = 0;
    int ordinate = 0;
    bool immediato = false;
    bool libera = false; // the tile clicked is in play and not yet placed
    qint16 esatti = 0, errati = 0;
    qsizetype messaggi = 0;
    Giudizio giudizio = Giudizio::Nessuno;
};

// Foreseen from the state alone: Fatto on a full row is right when the row is
// in order; in immediate mode a free tile is right when it is the least free one.
Prima prima(const Esercizio& esercizio, const GuscioFinto& guscio, const AvvisiFinti& avvisi,
            int comando, int tessera) {
    const StatoFinestra& stato = esercizio.stato();
    Prima p{comando, tessera, guscio.condivisi.QuanteParole,
            SondaEsercizio::paroleOrdinate(esercizio), SondaEsercizio::immediato(esercizio)};
    p.esatti = guscio.condivisi.NumeroEsatti;
    p.errati = guscio.condivisi.NumeroErrati;
    p.messaggi = avvisi.mostrate.size();
    const auto libera = [&](int i) { return i >= 0 && i < p.quante && stato.tessere[i].abilitata; };
    p.libera = libera(tessera);
    if (comando == 1 && p.ordinate == p.quante) {
        QStringList caselle;
        for (int i = 0; i < p.quante; ++i)
            caselle.append(stato.caselle[i].didascalia);
        p.giudizio = inOrdine(caselle) ? Giudizio::Giusto : Giudizio::Sbagliato;
    } else if (comando == 0 && p.immediato && p.libera) {
        QList<QString> libere;
        for (int i = 0; i < p.quante; ++i)
            if (libera(i))
                libere.append(stato.tessere[i].didascalia);
        const QString& minima =
            *std::min_element(libere.begin(), libere.end(),
                              [](const QString& x, const QString& y) { return maggiore(y, x); });
        p.giudizio = maggiore(stato.tessere[tessera].didascalia, minima) ? Giudizio::Sbagliato
                                                                         : Giudizio::Giusto;
    }
    return p;
}

qint16 piuUno(qint16 valore) {
    return qint16(qMin(valore + 1, 32767)); // a counter stops at its limit
}

void controllaGiudizio(const Esercizio& esercizio, const GuscioFinto& guscio,
                       const AvvisiFinti& avvisi, const Prima& p) {
    const StatoFinestra& stato = esercizio.stato();
    const int ordinate = SondaEsercizio::paroleOrdinate(esercizio);
    const qsizetype no = guscio.registro.count(QStringLiteral("SuonoSbagliato"));
    const qsizetype si = guscio.registro.count(QStringLiteral("SuonoGiusto"));
    const bool azzera = p.comando == 6;
    const bool giusto = p.giudizio == Giudizio::Giusto;
    const bool sbagliato = p.giudizio == Giudizio::Sbagliato;
    verifica(guscio.condivisi.NumeroEsatti == (azzera   ? 0
                                               : giusto ? piuUno(p.esatti)
                                                        : p.esatti),
             "esatti diversi dai giudizi");
    verifica(guscio.condivisi.NumeroErrati == (azzera      ? 0
                                               : sbagliato ? piuUno(p.errati)
                                                           : p.errati),
             "errati diversi dai giudizi");
    if (sbagliato) {
        verifica(no == 1 && si == 0, "errore senza il suo suono");
        verifica(stato.faccinaTriste && !stato.faccinaRidente, "errore senza faccina triste");
        verifica(ordinate == p.ordinate, "tessera sbagliata posata");
    } else if (giusto) {
        verifica(no == 0 && si == (ordinate == 0 ? 1 : 0), "suono giusto fuori da un turno finito");
        verifica(stato.faccinaRidente && !stato.faccinaTriste, "risposta giusta senza sorriso");
    } else {
        verifica(no + si == 0, "suono senza giudizio");
    }
    if (p.comando == 0 && p.libera && !sbagliato) {
        const bool finito = p.immediato && p.ordinate + 1 == p.quante;
        verifica(ordinate == (finito ? 0 : p.ordinate + 1), "tessera libera non posata");
    }
    if (p.comando == 1 && giusto)
        verifica(ordinate == 0, "riga giusta senza un nuovo turno");
    if (p.comando == 1 && !giusto && !sbagliato)
        verifica(avvisi.mostrate.size() == p.messaggi + 1 &&
                     avvisi.mostrate.last().testo == QStringLiteral("Non hai finito di ordinare"),
                 "Fatto su una riga incompleta senza avviso");
}

void visite(const ImpostazioniEsercizio& impostazioni, Nastro& nastro, const ElenchiNastro& elenchi,
            bool alLimite) {
    BancoEsercizio<ElenchiNastro> banco(QStringLiteral("/p"));
    banco.elenchi = elenchi;
    banco.casuale.poi = [&nastro] { return nastro.byte() / 256.0; };
    GuscioFinto& guscio = banco.guscio;
    AvvisiFinti& avvisi = banco.avvisi;
    // Each visit is a new window, as when the menu opens it again.
    for (int visita = 0; visita < 8 && !nastro.finito(); ++visita) {
        guscio.condivisi.NumeroEsatti = guscio.condivisi.NumeroErrati = 0; // the menu's load
        const auto messaggi = avvisi.mostrate.size();
        Esercizio& esercizio = banco.apri(impostazioni);
        if (!esercizio.Form_Load()) {
            verifica(avvisi.mostrate.size() == messaggi + 1, "finestra non aperta senza motivo");
            continue;
        }
        if (alLimite) { // as after a very long morning
            guscio.condivisi.NumeroEsatti = guscio.condivisi.NumeroErrati = 32765;
            esercizio.AggiornaConteggio();
        }
        Posate posate;
        QStringList vista;
        controlla(esercizio, guscio, posate);
        controllaDistribuzione(esercizio, vista);
        while (!nastro.finito() && !esercizio.lasciata()) {
            const int comando = nastro.byte() % 9;
            const int tessera = comando == 0 || comando == 3 ? argomento(nastro) : -1;
            const Prima p = prima(esercizio, guscio, avvisi, comando, tessera);
            guscio.registro.clear();
            avvisi.risposte.clear();
            switch (comando) {
            case 0:
                esercizio.BtParole_Click(tessera);
                break;
            case 1:
                esercizio.Command1_Click();
                break;
            case 2:
                esercizio.Command3D1_Click();
                break;
            case 3:
                esercizio.OpQuante_Click(tessera);
                break;
            case 4:
                esercizio.mnuImmediato_Click();
                break;
            case 5:
                esercizio.mnuTermine_Click();
                break;
            case 6:
                esercizio.MenuAzzera_Click();
                break;
            case 7:
                esercizio.MenuFrasi_Click();
                break;
            case 8:
                avvisi.risposte = {nastro.byte() & 1 ? Avvisi::Risposta::Si : Avvisi::Risposta::No};
                esercizio.BottoneEsci_Click();
                break;
            }
            if (esercizio.lasciata())
                break; // the window is gone; what it shows no longer matters
            posate.dopo(esercizio, p.ordinate, comando == 0 ? tessera : -1);
            controlla(esercizio, guscio, posate);
            controllaDistribuzione(esercizio, vista);
            controllaGiudizio(esercizio, guscio, avvisi, p);
        }
        avvisi.mostrate.clear();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    Nastro nastro(dati, dimensione);
    const std::uint8_t bandiere = nastro.byte();
    const std::size_t lunghezzaA = nastro.parola();
    const std::size_t lunghezzaB = nastro.parola();
    ElenchiNastro elenchi;
    elenchi.dispari = {nastro.pezzo(lunghezzaA), (bandiere & 1) != 0};
    elenchi.pari = {nastro.pezzo(lunghezzaB), (bandiere & 2) != 0};
    elenchi.pariMancanti = (bandiere & 4) != 0;
    const std::size_t comandi = nastro.posizione();
    for (const Variante& variante : Esercizi::tutti()) {
        nastro.vaiA(comandi);
        visite(variante.impostazioni, nastro, elenchi, (bandiere & 8) != 0);
    }
    return 0;
}
