// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LettoreElenco.h"

#include <QFile>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

using Esito = RisultatoLettura::Esito;
using Codifica = RisultatoLettura::Codifica;
Q_DECLARE_METATYPE(RisultatoLettura::Esito)
Q_DECLARE_METATYPE(std::optional<RisultatoLettura::Codifica>)

namespace {

// A text as a UTF-16 LE file with its byte-order mark has it, unit by unit, so
// that halves of a character may stand alone.
QByteArray utf16Le(std::initializer_list<char16_t> unita) {
    QByteArray dati("\xFF\xFE");
    for (const char16_t u : unita)
        dati.append(char(u & 0xFF)).append(char(u >> 8));
    return dati;
}

} // namespace

class TestLettore : public QObject {
    Q_OBJECT

private slots:
    void campi_data();
    void campi();
    void file_data();
    void file();
    void fileEnorme();
};

void TestLettore::campi_data() {
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<int>("quanti");
    QTest::addColumn<Esito>("esito");
    QTest::addColumn<QStringList>("attesi");
    QTest::addColumn<std::optional<Codifica>>("codifica"); // none: not looked at
    QTest::addColumn<int>("sostituiti");

    const auto riga = [](const char* nome, QByteArray dati, int quanti, Esito esito,
                         QStringList attesi, std::optional<Codifica> codifica = std::nullopt,
                         int sostituiti = 0) {
        QTest::newRow(nome) << dati << quanti << esito << attesi << codifica << sostituiti;
    };
    riga("una per riga LF", "cane\ngatto\ntopo\n", 3, Esito::Letto, {"cane", "gatto", "topo"});
    riga("CRLF", "cane\r\ngatto\r\ntopo\r\n", 3, Esito::Letto, {"cane", "gatto", "topo"});
    riga("solo CR", "cane\rgatto\rtopo", 3, Esito::Letto, {"cane", "gatto", "topo"});
    riga("virgole", "cane,gatto, topo", 3, Esito::Letto, {"cane", "gatto", "topo"});
    riga("virgole e righe", "cane,gatto\ntopo,orso\n", 4, Esito::Letto,
         {"cane", "gatto", "topo", "orso"});
    riga("blank prima e dopo", "  cane  \n\tgatto\t\n", 2, Esito::Letto, {"cane", "gatto"});
    riga("virgolette con virgola", "\"cane, gatto\",topo", 2, Esito::Letto,
         {"cane, gatto", "topo"});
    riga("virgolette con blank", "\"  orso \"\n", 1, Esito::Letto, {"  orso "});
    riga("virgolette aperte finiscono con la riga", "\"cane\ngatto\n", 2, Esito::Letto,
         {"cane", "gatto"});
    riga("dopo le virgolette fino al separatore", "\"cane\" xyz,gatto", 2, Esito::Letto,
         {"cane", "gatto"});
    riga("virgolette in mezzo restano", "ca\"ne\n", 1, Esito::Letto, {"ca\"ne"});
    riga("riga vuota", "cane\n\ngatto\n", 3, Esito::Letto, {"cane", "", "gatto"});
    riga("due virgole", "cane,,gatto", 3, Esito::Letto, {"cane", "", "gatto"});
    riga("virgola a fine riga", "cane,\ngatto", 3, Esito::Letto, {"cane", "", "gatto"});
    riga("solo i primi N", "a\nb\nc\nd\ne\n", 3, Esito::Letto, {"a", "b", "c"});
    riga("troppo pochi", "cane\ngatto\n", 3, Esito::TroppoCorto, {"cane", "gatto"});
    riga("vuoto", "", 2, Esito::TroppoCorto, {});
    riga("solo righe vuote", "\n\n\n", 5, Esito::TroppoCorto, {"", "", ""});
    riga("virgola finale non fa un campo", "cane,", 2, Esito::TroppoCorto, {"cane"});
    riga("UTF-8", "perché\ncittà\n", 2, Esito::Letto, {"perché", "città"});
    riga("UTF-8 con BOM", "\xEF\xBB\xBFperché\n", 1, Esito::Letto, {"perché"});
    riga("Windows-1252", "perch\xE9\ncitt\xE0\n\x80uro\n", 3, Esito::Letto,
         {"perché", "città", "€uro"});
    riga("UTF-8 non valido",
         "\xC3\x28"
         "a\n",
         1, Esito::Letto, {"Ã(a"});
    riga("binario", QByteArray("ca\0ne\n", 6), 1, Esito::NonTesto, {});
    // What a web page or a word processor leaves around a word never reaches a tile.
    riga("spazi Unicode intorno",
         "\xC2\xA0"
         "cane\xC2\xA0\n\xE2\x80\xAFgatto\xE3\x80\x80\n",
         2, Esito::Letto, {"cane", "gatto"});
    riga("larghezza zero ai bordi",
         "\xE2\x80\x8B"
         "cane\xEF\xBB\xBF\n\xE2\x81\xA0gatto\xE2\x80\x8D,\xE2\x80\x8C"
         "ape",
         3, Esito::Letto, {"cane", "gatto", "ape"});
    riga("controlli, direzione e separatori tolti",
         "a\x01"
         "b\x7F"
         "c\xC2\x85\n\xE2\x80\xAE"
         "abc\xE2\x80\xAC\n\xE2\x81\xA6x\xE2\x80\xA8y\xE2\x81\xA9"
         "\xE2\x80\x8F\ntab\tdentro\n",
         4, Esito::Letto, {"abc", "abc", "xy", "tab\tdentro"});
    // Word and web pages hide soft hyphens and zero-width characters inside words.
    riga("caratteri di formato in mezzo",
         "MA\xC2\xADRE\nca\xE2\x80\x8Bne\ngat\xE2\x81\xA0to\nor\xEF\xBB\xBFso\n", 4, Esito::Letto,
         {"MARE", "cane", "gatto", "orso"});
    // A line added by an older editor spoils none of the others.
    riga("UTF-8 con una riga in Windows-1252", "perch\xC3\xA9\r\ncitt\xE0\npi\xC3\xB9", 3,
         Esito::Letto, {"perché", "città", "più"});
    const QString accenti = QStringLiteral("perché\r\ncittà,€uro\n");
    riga(
        "UTF-16 LE",
        QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(accenti),
        3, Esito::Letto, {"perché", "città", "€uro"});
    riga(
        "UTF-16 BE",
        QStringEncoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom).encode(accenti),
        3, Esito::Letto, {"perché", "città", "€uro"});
    riga("UTF-16 con NUL",
         QByteArray("\xFF\xFE"
                    "a\0\0\0",
                    6),
         1, Esito::NonTesto, {});
    riga("parola lunghissima troncata", QByteArray(500, 'x') + "\n", 1, Esito::Letto,
         {QString(LettoreElenco::massimoCaratteri, u'x')});

    // Composing a word costs no more than a word, however long its accents go on.
    riga("accenti senza fine", "a" + QByteArray("\u0301\u0316").repeated(250000) + "\n", 1,
         Esito::Letto,
         {QString(QChar(0x00E1)) + QString(LettoreElenco::massimoCaratteri - 1, QChar(0x0316))});

    // Older editors' code pages, told apart by the Italian accents each reads.
    riga("DOS 850 (il testo MS-DOS di Word)", "CITT\xB7\r\nPERCH\x90\r\nTRIB\xEB\r\n", 3,
         Esito::Letto, {"CITTÀ", "PERCHÉ", "TRIBÙ"}, Codifica::Dos850);
    riga("DOS 850 minuscole", "citt\x85\nperch\x82\npi\x97\ncos\x8D\nper\x95\ncaff\x8A\n", 6,
         Esito::Letto, {"città", "perché", "più", "così", "però", "caffè"}, Codifica::Dos850);
    riga("Mac Roman con CR", "CAFF\xE9\rLUNED\xED\rPERCH\x83\r", 3, Esito::Letto,
         {"CAFFÈ", "LUNEDÌ", "PERCHÉ"}, Codifica::MacRoman);
    riga("Mac Roman minuscole", "caff\x8F\rluned\x93\rperch\x8E\rcitt\x88\rpi\x9D\rper\x98", 6,
         Esito::Letto, {"caffè", "lunedì", "perché", "città", "più", "però"}, Codifica::MacRoman);
    // Its ellipsis, dashes and quotes are letters elsewhere, but not where
    // Italian puts its accents.
    riga("Windows-1252 resta Windows-1252",
         "mela\x85\nuva \x96 pera\nl\x92"
         "ape\nsale \x93grosso\x94\nperch\xE9\n",
         5, Esito::Letto, {"mela…", "uva – pera", "l’ape", "sale “grosso”", "perché"},
         Codifica::Windows1252);
    // 0xE9 is È in Mac Roman and é in Windows-1252: the case of the letters decides.
    riga("Mac Roman, una parola sola", "CAFF\xE9\r", 1, Esito::Letto, {"CAFFÈ"},
         Codifica::MacRoman);
    // No accent at all: an ellipsis after a vowel is no DOS à.
    riga("Windows-1252 con i puntini e senza accenti", "mela\x85\npera\x85\nuva\x97\n", 3,
         Esito::Letto, {"mela…", "pera…", "uva—"}, Codifica::Windows1252);
    riga("UTF-8 con una riga in DOS 850", "perch\xC3\xA9\ncitt\x85\n", 2, Esito::Letto,
         {"perché", "città"}, Codifica::MistaDos850);
    // A letter and a combining accent are the one accented letter.
    riga("NFD diventa NFC", "perche\u0301\nCITTA\u0300\nc\u0327e\u0301\n", 3, Esito::Letto,
         {"perch\u00E9", "CITT\u00C0", "\u00E7\u00E9"});
    // Default-ignorable code points, which draw nothing, class by class.
    riga("riempitivi hangul", "\u3164cane\u115F\nga\u1160tto\uFFA0\n", 2, Esito::Letto,
         {"cane", "gatto"});
    riga("combining grapheme joiner", "cafe\u034F\u0301\nca\u034Fne\n", 2, Esito::Letto,
         {"caf\u00E9", "cane"});
    riga("selettori di variante", "mela\uFE0F\npera\uFE00\nuva\U000E0100\nfico\U000E01EF\n", 4,
         Esito::Letto, {"mela", "pera", "uva", "fico"});
    riga("vocali khmer e selettori mongoli", "ca\u17B4ne\u17B5\ngat\u180Bto\u180F\u180E\n", 2,
         Esito::Letto, {"cane", "gatto"});
    // Beyond U+FFFF, where one character is two UTF-16 units.
    riga("caratteri tag",
         "\U000E0001gat\U000E0069to\U000E007F\ncane \U000E0020 \n\"\U000E0030ape\"\n", 3,
         Esito::Letto, {"gatto", "cane", "ape"});
    riga("formato oltre U+FFFF e non assegnati",
         "ca\U0001BCA0ne\U0001D173\ngat\u2065to\uFFF0\nor\U000E0FFFso\n", 3, Esito::Letto,
         {"cane", "gatto", "orso"});
    riga("spazio braille", "\u2800cane\u2800\ngat\u2800to\n", 2, Esito::Letto, {"cane", "gatto"});
    // A broken UTF-16 file: each half of a character alone shows as one box.
    riga("UTF-16 con surrogati soli",
         utf16Le({u'a', 0xD800, u'b', u'\n', 0xDC00, u'\n', 0xD83D, 0xDE00, u'\n', 0xDBFF}), 4,
         Esito::Letto, {"a\uFFFDb", "\uFFFD", "\U0001F600", "\uFFFD"}, Codifica::Utf16Le, 3);
}

void TestLettore::campi() {
    QFETCH(QByteArray, dati);
    QFETCH(int, quanti);
    QFETCH(Esito, esito);
    QFETCH(QStringList, attesi);
    QFETCH(std::optional<Codifica>, codifica);
    QFETCH(int, sostituiti);
    const RisultatoLettura letto = LettoreElenco::analizza(dati, quanti);
    QCOMPARE(letto.esito, esito);
    QCOMPARE(letto.campi, attesi);
    if (codifica)
        QCOMPARE(letto.codifica, *codifica);
    QCOMPARE(letto.sostituiti, sostituiti);
}

void TestLettore::file_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<Esito>("esito");
    QTest::newRow("file presente") << "a1.txt" << Esito::Letto;
    QTest::newRow("file mancante") << "a2.txt" << Esito::Mancante;
    QTest::newRow("cartella al posto del file") << "cartella" << Esito::Illeggibile;
    // Opening either would wait for a writer, or read for ever.
#ifdef Q_OS_WIN
    // Windows keeps them outside every folder, by these names.
    QTest::newRow("pipe con nome") << "//./pipe/sequenzio-tst-lettore" << Esito::Illeggibile;
    QTest::newRow("dispositivo") << "//./NUL" << Esito::Illeggibile;
#else
    QTest::newRow("pipe con nome") << "pipe" << Esito::Illeggibile;
    QTest::newRow("dispositivo") << "dispositivo" << Esito::Illeggibile;
#endif
}

void TestLettore::file() {
    QFETCH(QString, nome);
    QFETCH(Esito, esito);
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    QFile scritto(cartella.filePath("a1.txt"));
    QVERIFY(scritto.open(QIODevice::WriteOnly));
    scritto.write("uno\ndue\n");
    scritto.close();
    QVERIFY(QDir(cartella.path()).mkdir("cartella"));
#ifdef Q_OS_WIN
    const HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\sequenzio-tst-lettore", PIPE_ACCESS_DUPLEX,
                                         PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    QVERIFY(pipe != INVALID_HANDLE_VALUE);
    const auto chiudi = qScopeGuard([pipe] { CloseHandle(pipe); });
#else
    QCOMPARE(::mkfifo(QFile::encodeName(cartella.filePath("pipe")).constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), cartella.filePath("dispositivo")));
#endif
    LettoreElenco lettore;
    const QString percorso = QDir::isAbsolutePath(nome) ? nome : cartella.filePath(nome);
    QCOMPARE(lettore.leggi(percorso, 2).esito, esito);
}

void TestLettore::fileEnorme() {
    // One endless line: the reader stops at its bound and says the file is too big.
    QTemporaryDir cartella;
    QFile enorme(cartella.filePath("enorme.txt"));
    QVERIFY(enorme.open(QIODevice::WriteOnly));
    const QByteArray blocco(1 << 20, 'a');
    for (int i = 0; i < 8; ++i)
        enorme.write(blocco);
    enorme.close();
    LettoreElenco lettore;
    const RisultatoLettura letto = lettore.leggi(enorme.fileName(), 20);
    QCOMPARE(letto.esito, Esito::TroppoGrande);
    QCOMPARE(letto.campi.size(), 1);
    QCOMPARE(letto.campi.first().size(), LettoreElenco::massimoCaratteri);

    // Words found within the bound are read, however long the file goes on.
    QVERIFY(enorme.open(QIODevice::WriteOnly));
    enorme.write("uno\ndue\n");
    for (int i = 0; i < 3; ++i)
        enorme.write(blocco);
    enorme.close();
    QCOMPARE(lettore.leggi(enorme.fileName(), 2).campi, QStringList({"uno", "due"}));
}

QTEST_GUILESS_MAIN(TestLettore)
#include "tst_lettore.moc"
