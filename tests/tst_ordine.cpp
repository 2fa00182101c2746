// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/OrdineAlfabetico.h"

#include <QStringList>
#include <QTest>

class TestOrdine : public QObject {
    Q_OBJECT

private slots:
    void coppie_data();
    void coppie();
    void sequenze_data();
    void sequenze();
};

void TestOrdine::coppie_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("aMaggiore");
    QTest::addColumn<bool>("bMaggiore");
    QTest::newRow("lettere") << "A"
                             << "Z" << false << true;
    QTest::newRow("decide la terza") << "CANE"
                                     << "CASA" << false << true;
    QTest::newRow("prefisso prima") << "MARE"
                                    << "MAREA" << false << true;
    QTest::newRow("uguali") << "MARE"
                            << "MARE" << false << false;
    QTest::newRow("vuota prima di tutto") << ""
                                          << "A" << false << true;
    QTest::newRow("blank prima delle lettere") << "L ALBERO"
                                               << "LA" << false << true;
    QTest::newRow("apostrofo prima delle lettere") << "L'ALBERO"
                                                   << "LA" << false << true;
    QTest::newRow("accentate dopo la Z") << "ZZZ"
                                         << "À" << false << true;
    QTest::newRow("per codice, non per lingua") << "Z"
                                                << "a" << false << true;
    // Code units, not code points: a character past U+FFFF sorts by its high surrogate.
    QTest::newRow("surrogati") << QString::fromUtf8("\xF0\x9F\x98\x80") << QString(QChar(0xFFFD))
                               << false << true;
}

void TestOrdine::coppie() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, aMaggiore);
    QFETCH(bool, bMaggiore);
    QCOMPARE(maggiore(a, b), aMaggiore);
    QCOMPARE(maggiore(b, a), bMaggiore);
}

void TestOrdine::sequenze_data() {
    QTest::addColumn<QStringList>("testi");
    QTest::addColumn<bool>("ordinati");
    QTest::newRow("vuota") << QStringList() << true;
    QTest::newRow("una") << QStringList{"X"} << true;
    QTest::newRow("in ordine con ripetute") << QStringList{"APE", "CANE", "CANE", "CASA"} << true;
    QTest::newRow("ultima fuori posto") << QStringList{"APE", "CANE", "CASA", "BUE"} << false;
    QTest::newRow("prefisso dopo") << QStringList{"MAREA", "MARE"} << false;
}

void TestOrdine::sequenze() {
    QFETCH(QStringList, testi);
    QFETCH(bool, ordinati);
    QCOMPARE(inOrdine(testi), ordinati);
}

QTEST_GUILESS_MAIN(TestOrdine)
#include "tst_ordine.moc"
