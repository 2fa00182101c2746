// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RiproduttoreDiSistema.h"
#include "supporto/ServerSuono.h"
#include "supporto/Sistema.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

namespace {

// A WAV of silence, or of a loud square wave, 16-bit at 22050 Hz.
QByteArray wav(quint16 canali, double secondi, bool forte = false) {
    const quint16 blocco = 2 * canali;
    const quint32 telai = quint32(22050 * secondi);
    QByteArray file("RIFF\0\0\0\0WAVEfmt \x10\0\0\0", 20);
    file.resize(44);
    char* p = file.data();
    qToLittleEndian<quint16>(1, p + 20);
    qToLittleEndian<quint16>(canali, p + 22);
    qToLittleEndian<quint32>(22050, p + 24);
    qToLittleEndian<quint32>(22050 * blocco, p + 28);
    qToLittleEndian<quint16>(blocco, p + 32);
    qToLittleEndian<quint16>(16, p + 34);
    memcpy(p + 36, "data", 4);
    qToLittleEndian<quint32>(telai * blocco, p + 40);
    qToLittleEndian<quint32>(36 + telai * blocco, p + 4);
    QByteArray campioni(qsizetype(telai) * blocco, '\0');
    for (quint32 i = 0; forte && i < telai * canali; ++i)
        qToLittleEndian<qint16>((i / canali) % 50 < 25 ? 20000 : -20000, campioni.data() + 2 * i);
    return file + campioni;
}

} // namespace

// The system's sound player: a new sound takes the place of the old, and one it
// cannot play beeps instead (tst_ostili's damaged folders hold the rest of what
// it turns away). Where pulseaudio is installed the tests run a server of their
// own with a null sink, and listen to what reaches it.
class TestRiproduttore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void unoSostituisceLAltro_data();
    void unoSostituisceLAltro();

private:
    QTemporaryDir cartella_;
    ServerSuono suono_{5000};
};

void TestRiproduttore::initTestCase() {
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (pulseaudio.isEmpty() || parec.isEmpty())
        return;
    suono_.avvia(pulseaudio, parec, cartella_.path());
    // This process and its sound thread use that server too.
    qputenv("PULSE_SERVER", suono_.ambiente().value(QStringLiteral("PULSE_SERVER")).toLocal8Bit());
}

void TestRiproduttore::cleanupTestCase() {
    suono_.ferma();
}

void TestRiproduttore::unoSostituisceLAltro_data() {
    QTest::addColumn<QByteArray>("secondo"); // the file asked for while a loud one plays
    QTest::addColumn<bool>("esiste");
    QTest::addColumn<int>("bip");
    QTest::newRow("un altro suono") << wav(1, 1.0) << true << 0;
    QTest::newRow("un altro formato") << wav(2, 1.0) << true << 0;
    QTest::newRow("un file guasto")
        << QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 20) << true << 1;
    QTest::newRow("un file mancante") << QByteArray() << false << 1;
    // More channels than the server can place: it turns the stream away.
    QTest::newRow("7 canali") << wav(7, 0.5) << true << 1;
    QTest::newRow("32 canali") << wav(32, 0.5) << true << 1;
}

void TestRiproduttore::unoSostituisceLAltro() {
    QFETCH(QByteArray, secondo);
    QFETCH(bool, esiste);
    QFETCH(int, bip);
    if (senzaPulseProprio)
        QSKIP(senzaPulseProprio);
    if (!suono_.inAscolto())
        QSKIP("needs pulseaudio and parec, for a sound server of the test's own");
    QTemporaryDir cartella;
    const QString forte = cartella.filePath(QStringLiteral("forte.wav"));
    const QString poi = cartella.filePath(QStringLiteral("poi.wav"));
    for (const auto& [nome, contenuto] : {std::pair(forte, wav(1, 4.0, true)), {poi, secondo}}) {
        QFile file(nome);
        if (nome == poi && !esiste)
            continue;
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contenuto);
    }
    int suonati = 0;
    const std::unique_ptr<Riproduttore> riproduttore =
        creaRiproduttoreDiSistema([&] { ++suonati; });
    riproduttore->prepara();
    // From silence, so that what is heard next is the loud sound.
    QTRY_VERIFY_WITH_TIMEOUT(suono_.adesso() - suono_.ultimoForte() >= 300, 5000);
    suono_.azzera();
    riproduttore->riproduci(forte);
    QTRY_VERIFY_WITH_TIMEOUT(
        suono_.primoForte() >= 0 && suono_.ultimoForte() - suono_.primoForte() >= 200, 5000);
    riproduttore->riproduci(poi);
    // The loud sound stops within a few hundredths of a second, long before its end.
    QTRY_VERIFY_WITH_TIMEOUT(suono_.adesso() - suono_.ultimoForte() >= 300, 1500);
    QTRY_COMPARE_WITH_TIMEOUT(suonati, bip, 2000);
}

QTEST_MAIN(TestRiproduttore)
#include "tst_riproduttore.moc"
