// SPDX-License-Identifier: GPL-3.0-or-later
// A long morning in class: many trips between the menu and the exercises with
// the real windows, and a great many clicks in each exercise, all on a
// read-only copy of the program's folder that must come out unchanged.

#include "CopiaProgramma.h"
#include "exercise/OrdineAlfabetico.h"
#include "fakes/BancoEsercizio.h"
#include "fakes/ProgrammaFinto.h"
#include "fakes/SondaEsercizio.h"
#include "platform/LettoreElenco.h"
#include "variants/Esercizi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

namespace {

#ifdef SEQUENZIO_SANITIZZATO
// The sanitizers hold freed memory back for a while, so there the resident size
// says nothing; their leak check stands in for the bound on it.
constexpr bool memoriaSignificativa = false;
#else
constexpr bool memoriaSignificativa = true;
#endif
constexpr int viaggi = 1000;
constexpr int clicPerEsercizio = 100000;

using ProgrammaVero = ProgrammaConFinestre<LettoreElenco>;

qint16 piuUno(int valore) {
    return qint16(qMin(valore + 1, 32767));
}

std::unique_ptr<CopiaProgramma> copia;

} // namespace

class TestSessioni : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void viaggiTraMenuEdEsercizi();
    void clicCasuali_data();
    void clicCasuali();
    void cartellaIntatta();
    void cleanupTestCase();
};

void TestSessioni::initTestCase() {
    copia = std::make_unique<CopiaProgramma>();
    QVERIFY(copia->valida());
    copia->congela();
}

void TestSessioni::viaggiTraMenuEdEsercizi() {
    ProgrammaVero p(copia->percorso());
    p.casuale.seme(1);
    const QList<QPair<QString, Finestra>> esercizi{{"Command4", Finestra::FormOrdina},
                                                   {"Command2", Finestra::FormOrdina1},
                                                   {"Command3", Finestra::FormOrdina2},
                                                   {"Command5", Finestra::FormOrdina3}};
    QElapsedTimer tempo;
    tempo.start();
    p.modulo.Main();
    ProgrammaVero::clic(QStringLiteral("BottoneAvvio"));
    QCOMPARE(p.fabbrica.caricata(), Finestra::FormMenu);
    qint64 dopoIlRiscaldamento = 0;
    for (int viaggio = 0; viaggio < viaggi; ++viaggio) {
        const auto& [bottone, finestra] = esercizi[viaggio % esercizi.size()];
        ProgrammaVero::clic(bottone);
        QCOMPARE(p.fabbrica.caricata(), finestra);
        ProgrammaVero::clic(QStringLiteral("BtParole_1"));
        ProgrammaVero::clic(QStringLiteral("Command3D1"));
        ProgrammaVero::clic(QStringLiteral("BtParole_0"));
        p.avvisi.risposte = {Avvisi::Risposta::No};
        ProgrammaVero::clic(QStringLiteral("BottoneEsci"));
        QCOMPARE(p.fabbrica.caricata(), finestra);
        p.avvisi.risposte = {Avvisi::Risposta::Si};
        ProgrammaVero::clic(QStringLiteral("BottoneEsci"));
        QCOMPARE(p.fabbrica.caricata(), Finestra::FormMenu);
        p.fabbrica.registro.clear();
        QCoreApplication::processEvents(); // what the event loop would paint meanwhile
        QCOMPARE(ProgrammaVero::finestre().size(), 1);
        if (viaggio == viaggi / 10)
            dopoIlRiscaldamento = memoria("VmRSS:");
    }
    // Only the questions on leaving were asked: no list failed to load.
    QCOMPARE(p.avvisi.mostrate.size(), 2 * viaggi);
    QCOMPARE(p.terminato, 0);
    const qint64 crescita = memoria("VmRSS:") - dopoIlRiscaldamento;
    qInfo(
        "%d viaggi in %lld ms; memoria cresciuta di %lld KiB dopo il primo decimo, picco %lld KiB",
        viaggi, tempo.elapsed(), crescita, memoria("VmHWM:"));
    // Windows left behind would cost well over a megabyte each time.
    if (memoriaSignificativa)
        QVERIFY2(crescita < 16 * 1024, qPrintable(QString::number(crescita)));
}

void TestSessioni::clicCasuali_data() {
    QTest::addColumn<int>("quale");
    QTest::newRow("lettere") << 0;
    QTest::newRow("prima lettera") << 1;
    QTest::newRow("prime due lettere") << 2;
    QTest::newRow("tutte le lettere") << 3;
}

// Each judgement is foreseen from the state before the click, seen in what the
// click changes (a sound, a face, a placed tile, a new turn) and tallied here;
// the program's counters must match the tally, stopping at 32767 as it does.
void TestSessioni::clicCasuali() {
    QFETCH(int, quale);
    const ImpostazioniEsercizio& impostazioni = Esercizi::tutti()[quale].impostazioni;
    BancoEsercizio<LettoreElenco> banco(copia->percorso());
    banco.casuale.seme(100 + quale);
    GuscioFinto& guscio = banco.guscio;
    AvvisiFinti& avvisi = banco.avvisi;
    std::mt19937 scelte(quale);
    const auto probabile = [&](double p) { return std::bernoulli_distribution(p)(scelte); };
    const auto fino = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(scelte); };

    Esercizio* esercizio = nullptr;
    qint16 giuste = 0, sbagliate = 0;
    int visite = 0, giudizi = 0, turniFiniti = 0;
    QElapsedTimer tempo;
    tempo.start();
    for (int n = 0; n < clicPerEsercizio; ++n) {
        if (!esercizio || esercizio->lasciata()) {
            esercizio = &banco.apri(impostazioni);
            QVERIFY(esercizio->Form_Load());
            giuste = sbagliate = 0;
            ++visite;
        }
        const StatoFinestra& stato = esercizio->stato();
        const int quante = guscio.condivisi.QuanteParole;
        const int ordinate = SondaEsercizio::paroleOrdinate(*esercizio);
        const bool immediato = SondaEsercizio::immediato(*esercizio);
        // The second half only clicks, to drive the counters to their limit.
        const bool soloClic = n >= clicPerEsercizio / 2;
        QList<int> libere;
        for (int i = 0; i < quante; ++i)
            if (stato.tessere[i].abilitata)
                libere << i;
        const auto minore = [&](int a, int b) {
            return maggiore(stato.tessere[b].didascalia, stato.tessere[a].didascalia);
        };

        enum class Giudizio { Nessuno, Giusto, Sbagliato } atteso = Giudizio::Nessuno;
        const int mossa = soloClic ? (immediato ? 0 : 90) : fino(100);
        if (mossa < 70 && !libere.isEmpty()) {
            int k = libere[fino(int(libere.size()))];
            if (!soloClic && probabile(0.5))
                k = *std::min_element(libere.begin(), libere.end(), minore);
            if (!soloClic && probabile(0.02))
                k = fino(impostazioni.caselle + 2) - 1; // perhaps no tile at all
            const bool valida = k >= 0 && k < quante && stato.tessere[k].abilitata;
            if (valida && immediato) {
                const bool fuori = std::any_of(libere.begin(), libere.end(), [&](int i) {
                    return maggiore(stato.tessere[k].didascalia, stato.tessere[i].didascalia);
                });
                atteso = fuori ? Giudizio::Sbagliato : Giudizio::Giusto;
            }
            esercizio->BtParole_Click(k);
            if (atteso == Giudizio::Sbagliato)
                QCOMPARE(SondaEsercizio::paroleOrdinate(*esercizio), ordinate);
            else if (valida)
                QCOMPARE(SondaEsercizio::paroleOrdinate(*esercizio),
                         ordinate + 1 == quante && immediato ? 0 : ordinate + 1);
        } else if (mossa < 80) {
            if (ordinate == quante) {
                QStringList caselle;
                for (int i = 0; i < quante; ++i)
                    caselle << stato.caselle[i].didascalia;
                atteso = inOrdine(caselle) ? Giudizio::Giusto : Giudizio::Sbagliato;
            }
            esercizio->Command1_Click();
            QCOMPARE(avvisi.mostrate.size(), ordinate == quante ? 0 : 1);
            if (atteso == Giudizio::Giusto)
                QCOMPARE(SondaEsercizio::paroleOrdinate(*esercizio), 0); // a new turn
        } else if (mossa < 84) {
            esercizio->Command3D1_Click();
        } else if (mossa < 87) {
            esercizio->OpQuante_Click(fino(impostazioni.scelte() + 2) - 1);
        } else if (mossa < 91) {
            esercizio->mnuImmediato_Click();
        } else if (mossa < 95) {
            esercizio->mnuTermine_Click();
        } else if (mossa < 97) {
            esercizio->MenuFrasi_Click();
        } else if (mossa < 98) {
            esercizio->MenuAzzera_Click();
            giuste = sbagliate = 0;
        } else {
            avvisi.risposte = {probabile(0.3) ? Avvisi::Risposta::Si : Avvisi::Risposta::No};
            esercizio->BottoneEsci_Click();
        }

        const qsizetype suoniNo = guscio.registro.count(QStringLiteral("SuonoSbagliato"));
        const qsizetype suoniSi = guscio.registro.count(QStringLiteral("SuonoGiusto"));
        if (atteso == Giudizio::Sbagliato) {
            QCOMPARE(suoniNo, 1);
            QVERIFY(stato.faccinaTriste && !stato.faccinaRidente);
            sbagliate = piuUno(sbagliate);
        } else if (atteso == Giudizio::Giusto) {
            QCOMPARE(suoniNo, 0);
            QCOMPARE(suoniSi,
                     SondaEsercizio::paroleOrdinate(*esercizio) == 0 ? 1 : 0); // a finished turn
            QVERIFY(stato.faccinaRidente && !stato.faccinaTriste);
            giuste = piuUno(giuste);
        } else {
            QCOMPARE(suoniNo + suoniSi, 0);
        }
        turniFiniti += int(suoniSi);
        giudizi += atteso == Giudizio::Nessuno ? 0 : 1;
        QCOMPARE(guscio.condivisi.NumeroEsatti, giuste);
        QCOMPARE(guscio.condivisi.NumeroErrati, sbagliate);
        if (!esercizio->lasciata()) {
            QCOMPARE(stato.testoEsatti.trimmed().toInt(), giuste);
            QCOMPARE(stato.testoErrati.trimmed().toInt(), sbagliate);
        }
        guscio.registro.clear();
        avvisi.mostrate.clear();
        avvisi.risposte.clear();
    }
    qInfo("%d clic e comandi in %lld ms: %d giudizi, %d turni finiti, %d visite; "
          "contatori finali %d e %d",
          clicPerEsercizio, tempo.elapsed(), giudizi, turniFiniti, visite, giuste, sbagliate);
    QCOMPARE(sbagliate, 32767); // the second half runs the count to its limit
}

void TestSessioni::cartellaIntatta() {
    // Read-only throughout, and still not one file was created or changed.
    QCOMPARE(copia->cambiamenti(), QStringList());
}

void TestSessioni::cleanupTestCase() {
    copia.reset();
    qInfo("picco di memoria %lld KiB", memoria("VmHWM:"));
}

QTEST_MAIN(TestSessioni)
#include "tst_sessioni.moc"
