// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/OrdineAlfabetico.h"
#include "platform/LettoreElenco.h"
#include "variants/AlfabetoItaliano.h"
#include "variants/Esercizi.h"

#include <QHash>
#include <QSet>
#include <QTest>

// The word lists shipped with the program keep the rules that make each
// exercise what its menu button promises.
class TestElenchi : public QObject {
    Q_OBJECT

private slots:
    void elenchi_data();
    void elenchi();
};

void TestElenchi::elenchi_data() {
    QTest::addColumn<int>("variante");
    QTest::addColumn<int>("numero");
    for (int v = 0; v < int(Esercizi::tutti().size()); ++v) {
        const ImpostazioniEsercizio& esercizio = Esercizi::tutti()[v].impostazioni;
        for (int n = 1; n <= esercizio.numeroFile; ++n)
            QTest::addRow("%s", qPrintable(esercizio.nomeElenco(n))) << v << n;
    }
}

void TestElenchi::elenchi() {
    QFETCH(int, variante);
    QFETCH(int, numero);
    const auto& [finestra, esercizio, regola] = Esercizi::tutti()[variante];
    const int richiesta = esercizio.voci;
    LettoreElenco lettore;
    const QString percorso =
        QStringLiteral(SEQUENZIO_DATA_DIR "/testi/") + esercizio.nomeElenco(numero);
    const RisultatoLettura tutto = lettore.leggi(percorso, 1000);
    QCOMPARE(tutto.esito, RisultatoLettura::Esito::TroppoCorto); // read to its end
    const QStringList parole = tutto.campi;
    QVERIFY2(parole.size() >= richiesta, qPrintable(QString::number(parole.size())));
    QCOMPARE(QSet<QString>(parole.begin(), parole.end()).size(), parole.size());
    for (const QString& parola : parole) {
        QVERIFY2(!parola.isEmpty() && parola == parola.toLower(), qPrintable(parola));
        QVERIFY2(parola.front() >= u'a' && parola.front() <= u'z', qPrintable(parola));
    }
    const QStringList inGioco = parole.mid(0, richiesta);

    if (regola == Regola::PrimaLettera) {
        QSet<QChar> iniziali;
        for (const QString& parola : inGioco)
            iniziali.insert(parola.front().toUpper());
        QCOMPARE(iniziali.size(), richiesta);
        const QStringList alfabeto = alfabetoItaliano();
        for (const QChar iniziale : iniziali)
            QVERIFY2(alfabeto.contains(QString(iniziale)), qPrintable(QString(iniziale)));
    } else if (regola == Regola::PrimeDueLettere) {
        QHash<QString, int> primeDue;
        QHash<QChar, int> prima;
        for (const QString& parola : inGioco) {
            ++primeDue[parola.left(2)];
            ++prima[parola.front()];
        }
        QCOMPARE(primeDue.size(), richiesta); // the second letter always decides
        for (const QString& parola : inGioco)
            QVERIFY2(prima.value(parola.front()) >= 3, qPrintable(parola));
    } else {
        QStringList ordinate = inGioco;
        std::sort(ordinate.begin(), ordinate.end(),
                  [](const QString& a, const QString& b) { return maggiore(b, a); });
        int oltreLaSeconda = 0;
        int prefissi = 0;
        for (qsizetype i = 0; i + 1 < ordinate.size(); ++i) {
            if (ordinate[i].left(2) == ordinate[i + 1].left(2))
                ++oltreLaSeconda;
        }
        for (const QString& a : inGioco)
            for (const QString& b : inGioco)
                if (a != b && b.startsWith(a))
                    ++prefissi;
        QVERIFY2(oltreLaSeconda >= 10, qPrintable(QString::number(oltreLaSeconda)));
        QVERIFY2(prefissi >= 2, qPrintable(QString::number(prefissi)));
    }
}

QTEST_GUILESS_MAIN(TestElenchi)
#include "tst_elenchi.moc"
