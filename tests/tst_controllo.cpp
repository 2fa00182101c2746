// SPDX-License-Identifier: GPL-3.0-or-later
// The list checker on a copy of the shipped lists with one fault each: it names
// the fault, finds nothing else, exits with the status a script can rely on,
// and leaves the folder as it was.

#include "CopiaProgramma.h"
#include "controllo/ControlloElenchi.h"
#include "platform/LettoreElenco.h"

#include <QProcess>
#include <QStringEncoder>
#include <QTest>

namespace {

enum class Azione { Scrivi, Togli, Pipe };

// A shipped list with its line k (from 1) replaced.
QByteArray conRiga(const char* nome, int k, const QByteArray& riga) {
    QFile file(QStringLiteral(SEQUENZIO_DATA_DIR "/testi/") + QLatin1String(nome));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> righe = file.readAll().split('\n');
    righe[k - 1] = riga;
    return righe.join('\n');
}

QByteArray spedito(const char* nome) {
    QFile file(QStringLiteral(SEQUENZIO_DATA_DIR "/testi/") + QLatin1String(nome));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Azione)

class TestControllo : public QObject {
    Q_OBJECT

private slots:
    void segnalazioni_data();
    void segnalazioni();
    void programma_data();
    void programma();
};

void TestControllo::segnalazioni_data() {
    QTest::addColumn<Azione>("azione");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("uscita");
    QTest::addColumn<int>("quante"); // findings in the whole report
    QTest::addColumn<QString>("frase");

    const auto riga = [](const char* caso, Azione azione, const char* nome,
                         const QByteArray& contenuto, int uscita, int quante, const char* frase) {
        QTest::newRow(caso) << azione << QString::fromLatin1(nome) << contenuto << uscita << quante
                            << QString::fromUtf8(frase);
    };
    const auto scritto = [&](const char* caso, const char* nome, const QByteArray& contenuto,
                             int uscita, int quante, const char* frase) {
        riga(caso, Azione::Scrivi, nome, contenuto, uscita, quante, frase);
    };
    scritto("elenchi spediti", "a1.txt", spedito("a1.txt"), 0, 0, "tutto a posto");
    riga("file mancante", Azione::Togli, "b4.txt", {}, 2, 1, "b4.txt\n  ERRORE: Il file manca");
    riga("pipe", Azione::Pipe, "c3.txt", {}, 2, 1, "c3.txt\n  ERRORE: Non si può leggere");
    scritto("non testo", "a5.txt", QByteArray("cane\0gatto\n", 11), 2, 1,
            "ERRORE: Non è un file di testo");
    scritto("troppo corto", "c2.txt", spedito("c2.txt").split('\n').mid(0, 29).join('\n'), 2, 1,
            "ERRORE: Ha solo 29 parole, ma ne servono 30: aggiungine 1");
    scritto("troppo grande", "b2.txt", QByteArray(LettoreElenco::massimoByte + 10, 'x'), 2, 2,
            "ERRORE: È troppo grande");
    scritto("foglio di calcolo", "a3.txt", spedito("a3.txt").split('\n').join(';'), 2, 2,
            "Alla riga 1 le parole sembrano separate da punto e virgola");
    scritto("tabulazioni", "c4.txt", conRiga("c4.txt", 5, "uno\tdue"), 1, 1,
            "Alla riga 5 le parole sembrano separate da tabulazioni");
    scritto("parola vuota", "b5.txt", conRiga("b5.txt", 3, ""), 1, 1,
            "La parola 3 è vuota: la sua tessera resterà bianca");
    scritto("parola doppia", "c6.txt", conRiga("c6.txt", 9, "Cane\ncane"), 1, 1,
            "La parola 10, «cane», c'è già: è uguale alla parola 9");
    scritto("iniziale ripetuta", "a4.txt", conRiga("a4.txt", 20, "anatra"), 1, 1,
            "Più parole cominciano con «A»");
    scritto("iniziale fuori dall'alfabeto", "a6.txt", conRiga("a6.txt", 1, "kiwi"), 1, 1,
            "comincia con «K», che non è tra le 21 lettere");
    scritto("spazio non divisibile", "a7.txt",
            conRiga("a7.txt", 7, "\xC2\xA0" + spedito("a7.txt").split('\n')[6]), 1, 1,
            "La parola 7, « ");
    scritto("larghezza zero", "b6.txt", conRiga("b6.txt", 2, "gatto\xE2\x80\x8B"), 1, 1,
            "finisce con un carattere invisibile: cancellalo");
    scritto("carattere di controllo", "b7.txt", conRiga("b7.txt", 2, "ga\x01tto"), 1, 1,
            "«ga·tto», ha un carattere di controllo");
    scritto("direzione della scrittura", "b8.txt", conRiga("b8.txt", 2, "\xE2\x80\xAEgatto"), 1, 1,
            "cambia il verso della scrittura");
    scritto("apostrofo tipografico", "c7.txt",
            conRiga("c7.txt", 5,
                    "l\xE2\x80\x99"
                    "ape"),
            1, 1, "ha ’, un apostrofo tipografico che nell'ordine viene dopo la Z");
    scritto("parola troppo larga", "b9.txt", conRiga("b9.txt", 4, "precipitevolissimevolmente"), 1,
            1, "«precipitevolissimevolmente», è più larga della sua tessera");
    scritto("mai letto", "a12.txt", spedito("a1.txt"), 1, 1, "«a12.txt» non viene mai letto");
    scritto("Blocco note Unicode", "b1.txt",
            QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)
                .encode(QString::fromUtf8(spedito("b1.txt"))),
            0, 0, "b1.txt: UTF-16");
}

void TestControllo::segnalazioni() {
    QFETCH(Azione, azione);
    QFETCH(QString, nome);
    QFETCH(QByteArray, contenuto);
    QFETCH(int, uscita);
    QFETCH(int, quante);
    QFETCH(QString, frase);
    CopiaProgramma copia;
    QVERIFY(copia.valida());
    const QString relativo = QStringLiteral("testi/") + nome;
    switch (azione) {
    case Azione::Scrivi:
        copia.scrivi(relativo, contenuto);
        break;
    case Azione::Togli:
        QVERIFY(QFile::remove(copia.file(relativo)));
        break;
    case Azione::Pipe:
        QVERIFY(QFile::remove(copia.file(relativo)));
        QCOMPARE(::mkfifo(QFile::encodeName(copia.file(relativo)).constData(), 0600), 0);
        break;
    }
    copia.congela();
    const Rapporto rapporto = ControlloElenchi::controlla(copia.file(QStringLiteral("testi")));
    const QString testo = rapporto.testo();
    QVERIFY2(testo.contains(frase), qPrintable(testo));
    QCOMPARE(rapporto.errori() + rapporto.avvisi(), quante);
    QCOMPARE(rapporto.codiceUscita(), uscita);
    QCOMPARE(rapporto.file.size(), 31);
    QCOMPARE(copia.cambiamenti(), QStringList());
}

void TestControllo::programma_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("uscita");
    QTest::addColumn<QString>("ultima"); // the last line printed
    QTest::newRow("elenchi spediti") << QStringList{QStringLiteral(SEQUENZIO_DATA_DIR "/testi")}
                                     << 0 << "31 elenchi controllati: tutto a posto.";
    QTest::newRow("cartella che non c'è")
        << QStringList{QStringLiteral("/nessuna/cartella")} << 2
        << "31 elenchi controllati: 32 errori e 0 avvisi. Correggi gli errori: l'esercizio non "
           "può usare quegli elenchi.";
    QTest::newRow("versione") << QStringList{QStringLiteral("--version")} << 0
                              << "sequenzio-elenchi " SEQUENZIO_VERSIONE;
    QTest::newRow("opzione sconosciuta") << QStringList{QStringLiteral("--nessuna")} << 2 << "";
}

void TestControllo::programma() {
    QFETCH(QStringList, argomenti);
    QFETCH(int, uscita);
    QFETCH(QString, ultima);
    QProcess processo;
    // Terminal mode needs no display, whatever the environment says.
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("DISPLAY"));
    ambiente.remove(QStringLiteral("QT_QPA_PLATFORM"));
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(SEQUENZIO_ELENCHI), argomenti);
    QVERIFY(processo.waitForFinished(30000));
    QCOMPARE(processo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(processo.exitCode(), uscita);
    if (!ultima.isEmpty())
        QCOMPARE(QString::fromUtf8(processo.readAllStandardOutput()).trimmed().split(u'\n').last(),
                 ultima);
}

QTEST_MAIN(TestControllo)
#include "tst_controllo.moc"
