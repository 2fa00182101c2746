// SPDX-License-Identifier: GPL-3.0-or-later
// A long morning in class: many trips between the menu and the exercises with
// the real windows, on a read-only copy of the program's folder that must come
// out unchanged. Long runs of clicks within an exercise are fuzz/fuzz_turno's.

#include "fakes/ProgrammaFinto.h"
#include "platform/LettoreElenco.h"
#include "supporto/CopiaProgramma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <memory>

namespace {

// The sanitizers hold freed memory back for a while, so there the resident size
// says nothing; their leak check stands in for the bound on it.
constexpr bool memoriaSignificativa = !SEQUENZIO_SANITIZZATO;
constexpr int viaggi = 1000;

using ProgrammaVero = ProgrammaConFinestre<LettoreElenco>;

std::unique_ptr<CopiaProgramma> copia;

} // namespace

class TestSessioni : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void viaggiTraMenuEdEsercizi();
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
