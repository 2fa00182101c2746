// SPDX-License-Identifier: GPL-3.0-or-later
// The list checker on a copy of the shipped lists with one fault each: it names
// the fault, finds nothing else, exits with the status a script can rely on,
// and leaves the folder as it was.

#include "controllo/ControlloElenchi.h"
#include "controllo/FinestraControllo.h"
#include "platform/LettoreElenco.h"
#include "supporto/CopiaProgramma.h"
#include "supporto/Sistema.h"
#include "variants/Esercizi.h"

#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Azione { Scrivi, Togli, Rinomina, Pipe, Collega };

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

// A shipped list with every line written "prima<word>dopo".
QByteArray ogniRiga(const char* nome, const QByteArray& prima, const QByteArray& dopo = {}) {
    QByteArray righe;
    for (const QByteArray& parola : spedito(nome).trimmed().split('\n'))
        righe += prima + parola + dopo + '\n';
    return righe;
}

} // namespace

Q_DECLARE_METATYPE(Azione)

class TestControllo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void segnalazioni_data();
    void segnalazioni();
    void programma_data();
    void programma();
};

void TestControllo::initTestCase() {
    consoleInUtf8();
}

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
            "ERRORE: Ha solo 29 parole, ma ne servono 30: aggiungetene 1");
    scritto("troppo grande", "b2.txt", QByteArray(LettoreElenco::massimoByte + 10, 'x'), 2, 3,
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
            "comincia con «K», che non è tra le 21 lettere dell'alfabeto italiano insegnate "
            "dall'esercizio delle lettere: nell'ordine del programma viene tra la I e la L");
    scritto("spazio non divisibile", "a7.txt",
            conRiga("a7.txt", 7, "\xC2\xA0" + spedito("a7.txt").split('\n')[6]), 1, 1,
            "La parola 7, « ");
    scritto("larghezza zero", "b6.txt", conRiga("b6.txt", 2, "gatto\xE2\x80\x8B"), 1, 1,
            "finisce con un carattere invisibile: cancellatelo");
    scritto("carattere di controllo", "b7.txt", conRiga("b7.txt", 2, "ga\x01tto"), 1, 1,
            "«ga·tto», ha un carattere di controllo");
    scritto("direzione della scrittura", "b8.txt", conRiga("b8.txt", 2, "\xE2\x80\xAEgufo"), 1, 1,
            "cambia il verso della scrittura");
    scritto("apostrofo tipografico", "c7.txt",
            conRiga("c7.txt", 5,
                    "l\xE2\x80\x99"
                    "ape"),
            1, 1, "ha ’, un apostrofo tipografico che nell'ordine viene dopo la Z");
    scritto("parola troppo larga", "b9.txt", conRiga("b9.txt", 4, "velocissimamente"), 1, 1,
            "«velocissimamente», è più larga della sua tessera: sarà scritta alta 10 pixel "
            "invece di 16");
    scritto("parola illeggibile", "b10.txt", conRiga("b10.txt", 4, "precipitevolissimevolmente"), 2,
            1,
            "è troppo larga per la sua tessera: sarà scritta alta 6 pixel invece di 16, e sotto "
            "i 9 pixel un bambino non la può leggere");
    scritto("trattino invisibile", "b3.txt", conRiga("b3.txt", 2, "fio\xC2\xADre"), 1, 1,
            "«fio·re», ha un trattino invisibile (quello che Word e le pagine web mettono per "
            "andare a capo) in mezzo, che il programma toglie: la tessera mostra «FIORE»");
    scritto("due codifiche", "c5.txt", conRiga("c5.txt", 3, "perch\xC3\xA9\ncitt\xE0"), 1, 1,
            "Il file mescola due codifiche: la riga 4 in Windows-1252");
    scritto("virgolette di Excel", "c8.txt", conRiga("c8.txt", 4, "\"il \"\"sugo\"\"\""), 1, 1,
            "La parola 4, «\"il \"\"sugo\"\"\"», ha delle virgolette dentro le virgolette, come "
            "le scrive Excel per una cella che ne contiene: la tessera mostra solo «IL »");
    scritto("accento che cambia l'ordine", "c9.txt",
            conRiga("c9.txt", 13, "caff\xC3\xA8\ncaffeina"), 1, 1,
            "diversamente dal dizionario: «CAFFEINA» prima di «CAFFÈ» (le lettere accentate "
            "vengono dopo la Z)");
    scritto("trattino che cambia l'ordine", "c9.txt",
            conRiga("c9.txt", 13, "pesce-spada\npescecane"), 1, 1,
            "«PESCE-SPADA» prima di «PESCECANE» (il trattino viene prima di ogni lettera)");
    scritto("accento diverso", "c3.txt", conRiga("c3.txt", 2, "p\xC3\xA8sca\np\xC3\xA9sca"), 1, 1,
            "«PÈSCA» e «PÉSCA» (solo per l'accento)");
    scritto("spazi ripetuti", "c4.txt", conRiga("c4.txt", 2, "gatto  nero\ngatto nero"), 1, 2,
            "«GATTO  NERO» e «GATTO NERO» (solo per gli spazi)");
    scritto("elenco puntato", "a2.txt", ogniRiga("a2.txt", "* "), 1, 1, "«* BANANA», «* MARE»");
    scritto("elenco numerato", "c2.txt", ogniRiga("c2.txt", "1. "), 1, 1,
            "(segni di un elenco puntato o numerato: togliete i segni dell'elenco e i numeri)");
    scritto("punteggiatura", "c5.txt", conRiga("c5.txt", 2, "mela\xE2\x80\xA6\n\xE2\x80\xA6"), 1, 1,
            "«MELA…», «…» (segni di punteggiatura: toglieteli)");
    scritto("numeri", "c6.txt", conRiga("c6.txt", 2, "mela2"), 1, 1,
            "«MELA2» (numeri: togliete i numeri, o scriveteli in lettere)");
    scritto("altro alfabeto", "c7.txt", conRiga("c7.txt", 2, "m\xD0\xB0re"), 1, 1,
            "(lettere di un altro alfabeto");
    scritto("carattere illeggibile", "c8.txt", conRiga("c8.txt", 2, "m\xEF\xBF\xBDre"), 1, 1,
            "«M�RE» (caratteri che il programma non ha saputo leggere");
    scritto("WordPad", "a10.txt",
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Calibri;}}\n" + ogniRiga("a10.txt", "", "\\par"),
            2, 2, "ERRORE: È un documento di WordPad, non un testo semplice");
    scritto("seconda colonna di Calc", "c10.txt", ogniRiga("c10.txt", "\"", "\";\"frutta\""), 1, 1,
            "hanno una seconda colonna, come un foglio di calcolo con qualcosa nella colonna B: le "
            "tessere mostrano solo la prima");
    scritto("colonne con tabulazione", "b4.txt", ogniRiga("b4.txt", "", "\tcibo"), 1, 1,
            "hanno due colonne separate da una tabulazione");
    scritto("colonne con la virgola", "c3.txt", ogniRiga("c3.txt", "", ",cibo"), 1, 15,
            "hanno due colonne separate da una virgola");
    scritto("titolo", "a11.txt", "Le parole della classe terza:\n" + spedito("a11.txt"), 1, 1,
            "sembra un titolo");
    scritto("prime due lettere uguali", "b2.txt", conRiga("b2.txt", 1, "mare\nmatita"), 1, 1,
            "Più parole cominciano con «MA»");
    scritto("testo MS-DOS", "b1.txt", "virt\x97\nlibert\x85\n" + spedito("b1.txt"), 1, 1,
            "È salvato come Testo MS-DOS");
    scritto("codifica sbagliata", "c1.txt", conRiga("c1.txt", 2, "caff\xA9"), 1, 2,
            "«CAFF©» (simboli: toglieteli)");
    scritto(
        "invisibile oltre U+FFFF", "c1.txt", conRiga("c1.txt", 2, "ca\xF3\xA0\x81\x81ne"), 1, 1,
        "ha un carattere invisibile in mezzo, che il programma toglie: la tessera mostra «CANE»");
    scritto("nessuna parola", "a7.txt", "", 2, 1, "ERRORE: Non ha nessuna parola: ne servono 20");
    QByteArray colonne;
    for (const QByteArray& parola : spedito("a8.txt").trimmed().split('\n'))
        colonne += parola + (colonne.isEmpty() ? ";CLASSE 3B\n" : ";\n");
    scritto("seconda colonna", "a8.txt", colonne, 1, 1,
            "finiscono con un punto e virgola: il file ha una seconda colonna, come un foglio di "
            "calcolo con qualcosa nella colonna B, e le tessere la mostrano («TETTO;CLASSE 3B»)");
    scritto("parola tagliata", "c10.txt", conRiga("c10.txt", 2, QByteArray(150, 'a')), 2, 2,
            "ha più di 100 caratteri: l'esercizio ne legge solo i primi 100");
    riga("elenco da rimettere", Azione::Togli, "a9.txt", {}, 2, 1,
         "Per rimettere l'elenco originale: ");
    riga("cartella collegata", Azione::Collega, "collegamento", {}, 0, 0, "/testi\n");
    scritto("mai letto", "a12.txt", spedito("a1.txt"), 1, 1, "«a12.txt» non viene mai letto");
    scritto("estensione doppia", "a3.txt.txt", spedito("a3.txt"), 1, 1,
            "Rinominatelo «a3.txt», cioè «a3» dove Windows nasconde l'estensione");
    // Windows finds a file whatever the case of its name, Linux only as written.
    QTemporaryDir prova;
    QFile(prova.filePath("x")).open(QIODevice::WriteOnly);
    if (QFile::exists(prova.filePath("X")))
        riga("nome in maiuscole", Azione::Rinomina, "A4.TXT", {}, 0, 0, "a4.txt: UTF-8");
    else
        riga("nome in maiuscole", Azione::Rinomina, "A4.TXT", {}, 2, 2,
             "«A4.TXT» non viene mai letto: gli esercizi cercano il nome scritto in minuscolo. "
             "Rinominatelo «a4.txt»");
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
    case Azione::Rinomina: {
        // By way of another name: where case does not count, a rename to the
        // same name in capitals changes nothing.
        const QString via = copia.file(QStringLiteral("via"));
        QVERIFY(QFile::rename(copia.file(relativo.toLower()), via));
        QVERIFY(QFile::rename(via, copia.file(relativo)));
        break;
    }
    case Azione::Pipe:
        if (!fifoPossibili)
            QSKIP(senzaFifo);
        QVERIFY(fifoAlPosto(copia.file(relativo)));
        break;
    case Azione::Collega:
        if (senzaCollegamenti)
            QSKIP(senzaCollegamenti);
        QVERIFY(QFile::link(copia.file(QStringLiteral("testi")), copia.file(nome)));
        break;
    }
    copia.congela();
    const QString cartella = copia.file(azione == Azione::Collega ? nome : QStringLiteral("testi"));
    const QString originali = QStringLiteral(SEQUENZIO_DATA_DIR "/testi");
    const Rapporto rapporto = ControlloElenchi::controlla(cartella, originali);
    const QString testo = rapporto.testo();
    QVERIFY2(testo.contains(frase), qPrintable(testo));
    QCOMPARE(rapporto.errori() + rapporto.avvisi(), quante);
    QCOMPARE(rapporto.codiceUscita(), uscita);
    // Only a list the program cannot use is told how to get the shipped one back.
    for (const RapportoFile& file : rapporto.file) {
        const QString origine = QDir::toNativeSeparators(originali + u'/' + file.nome);
        QVERIFY2(file.ripristino.isEmpty() ||
                     ((file.ripristino.contains(origine + u' ') ||
                       file.ripristino.contains(origine + u'"')) &&
                      std::any_of(file.segnalazioni.begin(), file.segnalazioni.end(),
                                  [](const Segnalazione& s) {
                                      return s.gravita == Segnalazione::Gravita::Errore;
                                  })),
                 qPrintable(file.ripristino));
    }
    // The window ends with the status of the report it shows.
    QCOMPARE(FinestraControllo(cartella, originali).codiceUscita(), uscita);
    int liste = 0;
    for (const Variante& variante : Esercizi::tutti())
        liste += variante.impostazioni.numeroFile;
    QCOMPARE(rapporto.file.size(), liste);
    QCOMPARE(copia.cambiamenti(), QStringList());
}

void TestControllo::programma_data() {
    QTest::addColumn<QString>("programma"); // the checker itself when empty
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QStringList>("ambiente");
    QTest::addColumn<int>("uscita");
    QTest::addColumn<QString>("frase"); // in what it prints, standard error included
    const QString testi = QStringLiteral(SEQUENZIO_DATA_DIR "/testi");
    QTest::newRow("elenchi spediti") << QString() << QStringList{testi} << QStringList() << 0
                                     << "31 elenchi controllati: tutto a posto.\n";
    QTest::newRow("cartella che non c'è")
        << QString() << QStringList{QStringLiteral("/nessuna/cartella")} << QStringList() << 2
        << "31 elenchi controllati: 32 errori, nessun avviso. Correggete gli errori: l'esercizio "
           "non può usare quegli elenchi, o i bambini non possono leggerli.\n";
    // No speech service to reach: the last line says what to install.
    QTest::newRow("senza voce italiana")
        << QString() << QStringList{testi}
        << QStringList{QStringLiteral("SPEECHD_ADDRESS=unix_socket:/nessuna/presa")} << 0
        << "tutto a posto.\nLettura ad alta voce: questo computer non ha una voce italiana";
    // A folder name must not drive the terminal nor fake a line of the report.
    QTest::newRow("cartella con sequenze di escape")
        << QString() << QStringList{QStringLiteral("/nessuna/\x1b]0;titolo\a\ncartella")}
        << QStringList() << 2
        << QDir::toNativeSeparators(
               QStringLiteral("La cartella /nessuna/·]0;titolo··cartella non c'è"));
    QTest::newRow("versione") << QString() << QStringList{QStringLiteral("--version")}
                              << QStringList() << 0 << "sequenzio-elenchi " SEQUENZIO_VERSIONE "\n";
    QTest::newRow("opzione sconosciuta")
        << QString() << QStringList{QStringLiteral("--nessuna")} << QStringList() << 2 << "";
    QTest::newRow("finestra senza schermo che risponde")
        << QString() << QStringList{QStringLiteral("--finestra"), testi}
        << QStringList{QStringLiteral("QT_QPA_PLATFORM=nessuna")} << 2
        << "ha bisogno di uno schermo grafico che risponde";
    // The shell passes the name's bytes as they are, which QProcess cannot.
    // Windows hands names over as UTF-16, so every one decodes.
    if (!senzaNomeInByte)
        QTest::newRow("nome non UTF-8")
            << QStringLiteral("/bin/sh")
            << QStringList{QStringLiteral("-c"),
                           QStringLiteral("d=$(mktemp -d) && n=\"$d/x$(printf '\\377')\" && mkdir "
                                          "\"$n\" && \"$0\" \"$n\"; s=$?; rm -rf \"$d\"; exit $s"),
                           QStringLiteral(SEQUENZIO_ELENCHI)}
            << QStringList() << 2 << "contiene caratteri che il programma non sa leggere";
}

void TestControllo::programma() {
    QFETCH(QString, programma);
    QFETCH(QStringList, argomenti);
    QFETCH(QStringList, ambiente);
    QFETCH(int, uscita);
    QFETCH(QString, frase);
    QProcess processo;
    // Terminal mode needs no display, whatever the environment says.
    QProcessEnvironment sistema = QProcessEnvironment::systemEnvironment();
    sistema.remove(QStringLiteral("DISPLAY"));
    sistema.remove(QStringLiteral("WAYLAND_DISPLAY"));
    sistema.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString& voce : ambiente)
        sistema.insert(voce.section(u'=', 0, 0), voce.section(u'=', 1));
    processo.setProcessEnvironment(sistema);
    processo.setProcessChannelMode(QProcess::MergedChannels);
    processo.start(programma.isEmpty() ? QStringLiteral(SEQUENZIO_ELENCHI) : programma, argomenti);
    QVERIFY(processo.waitForFinished(30000));
    const QString stampato = QString::fromUtf8(processo.readAll());
    QCOMPARE(processo.exitStatus(), QProcess::NormalExit);
    QVERIFY2(stampato.contains(frase), qPrintable(stampato));
    QCOMPARE(processo.exitCode(), uscita);
    for (const QChar c : stampato)
        QVERIFY2(c == u'\n' || c.category() != QChar::Other_Control, qPrintable(stampato));
}

QTEST_MAIN(TestControllo)
#include "tst_controllo.moc"
