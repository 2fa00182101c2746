// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/SondaRiproduttore.h"
#include "platform/qt/RiproduttoreQt.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The real sound back end, on a machine that may have no audio device: it must
// never block, fail loudly or crash, and a new sound takes the place of the old.
class TestRiproduttore : public QObject {
    Q_OBJECT

private slots:
    void unoSostituisceLAltro();
    void fileMancanteOGuasto_data();
    void fileMancanteOGuasto();
};

void TestRiproduttore::unoSostituisceLAltro() {
    const QString si = QStringLiteral(SEQUENZIO_DATA_DIR "/suoni/si1.wav");
    const QString no = QStringLiteral(SEQUENZIO_DATA_DIR "/suoni/no.wav");
    RiproduttoreQt riproduttore;
    riproduttore.prepara();
    riproduttore.riproduci(si);
    QCOMPARE(SondaRiproduttore::inCorso(riproduttore), si);
    riproduttore.riproduci(no);
    QCOMPARE(SondaRiproduttore::inCorso(riproduttore), no);
    riproduttore.riproduci(no); // the same sound again starts over
    QCOMPARE(SondaRiproduttore::inCorso(riproduttore), no);
    QTest::qWait(50);
}

void TestRiproduttore::fileMancanteOGuasto_data() {
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<bool>("esiste");
    QTest::newRow("mancante") << QByteArray() << false;
    QTest::newRow("vuoto") << QByteArray() << true;
    QTest::newRow("non è un WAV") << QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 20) << true;
    QTest::newRow("testo") << QByteArray("cane\ngatto\n") << true;
}

void TestRiproduttore::fileMancanteOGuasto() {
    QFETCH(QByteArray, contenuto);
    QFETCH(bool, esiste);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("si1.wav"));
    if (esiste) {
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contenuto);
    }
    RiproduttoreQt riproduttore;
    riproduttore.riproduci(QStringLiteral(SEQUENZIO_DATA_DIR "/suoni/si2.wav"));
    riproduttore.riproduci(percorso);
    // Whatever went wrong shows once loading has given up: nothing is left playing.
    QTRY_VERIFY_WITH_TIMEOUT(SondaRiproduttore::inCorso(riproduttore).isEmpty(), 5000);
    riproduttore.riproduci(percorso); // and asking again is just as harmless
    QTRY_VERIFY_WITH_TIMEOUT(SondaRiproduttore::inCorso(riproduttore).isEmpty(), 5000);
}

QTEST_MAIN(TestRiproduttore)
#include "tst_riproduttore.moc"
