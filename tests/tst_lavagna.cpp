// SPDX-License-Identifier: GPL-3.0-or-later
// The whiteboard start, copied into folders of awkward names with a stand-in
// for the program beside it: it starts that one, with the scale factor it
// chose, or says why it cannot. Linux only: Windows names every folder in
// UTF-16, and tools/prova-windows.sh starts the installed one there.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestLavagna : public QObject {
    Q_OBJECT

private slots:
    void lavagna_data();
    void lavagna();
};

void TestLavagna::lavagna_data() {
    QTest::addColumn<QString>("nome");    // of the folder, as printf writes it
    QTest::addColumn<QString>("accanto"); // the program beside: parte, fermo (not executable), no
    QTest::addColumn<int>("uscita");
    QTest::addColumn<QString>("frase");
    const auto riga = [](const char* caso, const char* nome, const char* accanto, int uscita,
                         const char* frase) {
        QTest::newRow(caso) << QString::fromUtf8(nome) << QString::fromUtf8(accanto) << uscita
                            << QString::fromUtf8(frase);
    };
    riga("cartella semplice", "lim", "parte", 0, "QT_SCALE_FACTOR=1.00");
    riga("accenti in UTF-8", "Attività è", "parte", 0, "QT_SCALE_FACTOR=1.00");
    // As some old copies have it: Qt cannot write the name, the kernel can.
    riga("nome non UTF-8", "classe \\350", "parte", 0, "QT_SCALE_FACTOR=1.00");
    riga("programma mancante", "classe \\350", "no", 1, "manca il programma sequenzio");
    riga("programma che non parte", "lim", "fermo", 1, "c'è nella cartella");
    riga("non UTF-8, programma che non parte", "classe \\350", "fermo", 1,
         "c'è nella sua cartella");
}

void TestLavagna::lavagna() {
    QFETCH(QString, nome);
    QFETCH(QString, accanto);
    QFETCH(int, uscita);
    QFETCH(QString, frase);
    QTemporaryDir segni;
    QVERIFY(segni.isValid());
    const QString segno = segni.filePath(QStringLiteral("avviato"));
    // QProcess cannot pass a name that is not UTF-8, the shell can. The
    // program starts detached: its folder goes only once it has left its sign.
    const char* const guida =
        "d=$(mktemp -d) && n=\"$d/$(printf \"$1\")\" && mkdir \"$n\" &&\n"
        "    cp \"$LIM\" \"$n/sequenzio-lim\" || exit 9\n"
        "case \"$2\" in\n"
        "parte) printf '#!/bin/sh\\necho \"$QT_SCALE_FACTOR\" > \"$SEGNO\"\\n' > \"$n/sequenzio\"\n"
        "    chmod +x \"$n/sequenzio\" ;;\n"
        "fermo) printf '#!/bin/sh\\n' > \"$n/sequenzio\" && chmod -x \"$n/sequenzio\" ;;\n"
        "esac\n"
        "\"$n/sequenzio-lim\"; s=$?\n"
        "i=0\n"
        "while [ \"$s\" -eq 0 ] && [ ! -s \"$SEGNO\" ] && [ \"$i\" -lt 100 ]; do\n"
        "    sleep 0.1; i=$((i + 1))\n"
        "done\n"
        "rm -rf \"$d\"; exit \"$s\"\n";
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.remove(QStringLiteral("QT_SCALE_FACTOR"));
    ambiente.insert(QStringLiteral("LIM"), QStringLiteral(SEQUENZIO_LIM));
    ambiente.insert(QStringLiteral("SEGNO"), segno);
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.setProcessChannelMode(QProcess::MergedChannels);
    processo.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(guida),
                                               QStringLiteral("sh"), nome, accanto});
    QVERIFY(processo.waitForFinished(30000));
    const QString stampato = QString::fromUtf8(processo.readAll());
    QVERIFY2(stampato.contains(frase), qPrintable(stampato));
    QCOMPARE(processo.exitCode(), uscita);
    QFile avviato(segno);
    if (uscita == 0) {
        QVERIFY(avviato.open(QIODevice::ReadOnly));
        QCOMPARE(avviato.readAll(), QByteArray("1.00\n")); // the factor reached the program
    } else {
        QVERIFY(!avviato.exists());
    }
}

QTEST_GUILESS_MAIN(TestLavagna)
#include "tst_lavagna.moc"
