// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged program folders: each word-list file a teacher might leave behind,
// read by the real reader from a copy of the program's folder. The exercise
// either deals the right words or says clearly what is wrong: opening on the
// file it stays at the menu, meeting it later in a visit it goes on with the
// last list read well; and it never writes to the folder.

#include "exercise/Esercizio.h"
#include "fakes/AvvisiFinti.h"
#include "fakes/BancoEsercizio.h"
#include "fakes/CasualeFinto.h"
#include "fakes/GuscioFinto.h"
#include "fakes/SondaEsercizio.h"
#include "platform/FileWav.h"
#include "platform/LettoreElenco.h"
#include "platform/RiproduttoreDiSistema.h"
#include "platform/SenzaBus.h"
#include "shell/ModuloColoriSuoni.h"
#include "supporto/CopiaProgramma.h"
#include "variants/AlfabetoItaliano.h"
#include "variants/Esercizi.h"

#include <QProcess>
#include <QTest>
#include <QtEndian>

#include <memory>

namespace {

enum class Azione { Scrivi, Togli, CartellaAlPosto, FifoAlPosto };

const ImpostazioniEsercizio& impostazioni(const QString& famiglia) {
    for (const Variante& variante : Esercizi::tutti()) {
        if (variante.impostazioni.prefissoFile == famiglia)
            return variante.impostazioni;
    }
    return Esercizi::di(Finestra::FormOrdina).impostazioni;
}

QStringList parole(int quante) {
    QStringList elenco;
    for (int i = 0; i < quante; ++i)
        elenco << QString(QChar(u'a' + i % 26)) + QStringLiteral("parola%1").arg(i);
    return elenco;
}

QByteArray unite(const QStringList& elenco, const char* separatore = "\n") {
    return elenco.join(QString::fromLatin1(separatore)).toUtf8();
}

using Esito = RisultatoLettura::Esito;

// How the file must read; its message is then the one tst_esercizio holds.
RisultatoLettura guasto(Esito esito) {
    return {.esito = esito};
}
RisultatoLettura corto(int parole, bool puntoEVirgola = false, bool tabulazione = false) {
    return {.esito = Esito::TroppoCorto,
            .campi = QStringList(parole, QStringLiteral("x")),
            .puntoEVirgola = puntoEVirgola,
            .tabulazione = tabulazione};
}

// The engine's message for file 2 of the exercise read so.
QString messaggioPer(const ImpostazioniEsercizio& esercizio, const QString& cartella,
                     const RisultatoLettura& lettura) {
    BancoEsercizio<> banco(cartella);
    banco.elenchi.file[esercizio.percorsoElenco(cartella, 2)] = lettura;
    banco.casuale.estrazioni = {CasualeFinto::per(2, esercizio.numeroFile)};
    banco.apri(esercizio).Form_Load();
    return banco.avvisi.mostrate.value(0).testo;
}

// The system's player, noting each sound asked of it.
struct Ascolto final : Riproduttore {
    explicit Ascolto(std::unique_ptr<Riproduttore> vero)
        : vero(std::move(vero)) {}
    void prepara() override { vero->prepara(); }
    void riproduci(const QString& percorso) override {
        chiesti.append(percorso);
        vero->riproduci(percorso);
    }
    std::unique_ptr<Riproduttore> vero;
    QStringList chiesti;
};

} // namespace

Q_DECLARE_METATYPE(Azione)
Q_DECLARE_METATYPE(RisultatoLettura)

class TestOstili : public QObject {
    Q_OBJECT

private slots:
    void elenchi_data();
    void elenchi();
    void suoni_data();
    void suoni();
    void cartella_data();
    void cartella();
    void senzaSchermo_data();
    void senzaSchermo();
    void senzaBus_data();
    void senzaBus();
};

void TestOstili::elenchi_data() {
    QTest::addColumn<QString>("famiglia"); // "" for the letters
    QTest::addColumn<Azione>("azione");    // done to file 2 of the family, or to testi/
    QTest::addColumn<QString>("bersaglio");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("volte");
    QTest::addColumn<QStringList>("attese"); // the list as read
    QTest::addColumn<RisultatoLettura>("lettura");

    const auto riga = [](const char* nome, const char* famiglia, Azione azione,
                         const char* bersaglio, const QByteArray& contenuto, int volte,
                         const QStringList& attese, const RisultatoLettura& lettura) {
        QTest::newRow(nome) << QString::fromLatin1(famiglia) << azione
                            << QString::fromLatin1(bersaglio) << contenuto << volte << attese
                            << lettura;
    };
    const auto scritto = [&](const char* nome, const char* famiglia, const QByteArray& contenuto,
                             const QStringList& attese, const RisultatoLettura& lettura = {}) {
        const QString file = QStringLiteral("testi/%1%2.txt").arg(QLatin1String(famiglia)).arg(2);
        riga(nome, famiglia, Azione::Scrivi, qPrintable(file), contenuto, 1, attese, lettura);
    };
    const QStringList venti = parole(20);
    const QStringList diciannove = parole(19);

    const RisultatoLettura manca = guasto(Esito::Mancante);
    riga("testi mancante", "a", Azione::Togli, "testi", {}, 1, {}, manca);
    riga("testi mancante, lettere", "", Azione::Togli, "testi", {}, 1, alfabetoItaliano(), {});
    riga("un file mancante", "a", Azione::Togli, "testi/a2.txt", {}, 1, {}, manca);
    riga("cartella al posto del file", "b", Azione::CartellaAlPosto, "testi/b2.txt", {}, 1, {},
         guasto(Esito::Illeggibile));
    scritto("N-1 campi", "a", unite(diciannove), {}, corto(19));
    scritto("N-1 campi, due lettere", "b", unite(parole(11), ","), {}, corto(11));
    scritto("N-1 campi, tutte le lettere", "c", unite(parole(29), "\r\n"), {}, corto(29));
    scritto("N campi senza a capo finale", "a", unite(venti), venti);
    scritto("N campi, tutte le lettere", "c", unite(parole(30)), parole(30));
    scritto("esportato con punto e virgola", "a", unite(venti, ";"), {}, corto(1, true));
    scritto("esportato con tabulazioni", "b", unite(parole(12), "\t") + "\r\n", {},
            corto(1, false, true));
    // As the format has it, a blank line is an empty word.
    scritto("solo righe vuote, tante", "a", QByteArray(25, '\n'), QStringList(20, QString()));
    QFile wav(QStringLiteral(SEQUENZIO_DATA_DIR "/suoni/no.wav"));
    QVERIFY(wav.open(QIODevice::ReadOnly));
    scritto("binario", "a", wav.readAll(), {}, guasto(Esito::NonTesto));
    QByteArray rumore;
    for (int i = 0; i < 4096; ++i)
        rumore += char(0x80 + i * 37 % 128);
    scritto("binario senza NUL", "a", rumore, {}, corto(1));
    riga("50 MB su una riga", "a", Azione::Scrivi, "testi/a2.txt", QByteArray(1 << 20, 'x'), 50, {},
         guasto(Esito::TroppoGrande));
    riga("50 MB dopo le parole", "a", Azione::Scrivi, "testi/a2.txt",
         unite(venti) + '\n' + QByteArray(1 << 20, 'x'), 50, venti, {});

    QStringList aperte = venti;
    aperte[0] = QStringLiteral("  cane, gatto");
    scritto("virgolette non chiuse", "a", "\"  cane, gatto\n" + unite(venti.mid(1)), aperte);
    // A word over the length bound is cut before its last whole character.
    QStringList lunghe = diciannove;
    lunghe.prepend(QString(99, u'x'));
    scritto("parola lunga tagliata dentro un carattere", "a",
            QByteArray(99, 'x') + "\xF0\x9F\x98\x80" + "yyy\n" + unite(diciannove), lunghe);
}

void TestOstili::elenchi() {
    QFETCH(QString, famiglia);
    QFETCH(Azione, azione);
    QFETCH(QString, bersaglio);
    QFETCH(QByteArray, contenuto);
    QFETCH(int, volte);
    QFETCH(QStringList, attese);
    QFETCH(RisultatoLettura, lettura);
    const ImpostazioniEsercizio& esercizio = impostazioni(famiglia);
    const bool letto = lettura.esito == Esito::Letto;

    CopiaProgramma copia;
    QVERIFY(copia.valida());
    switch (azione) {
    case Azione::Scrivi:
        copia.scrivi(bersaglio, contenuto, volte);
        break;
    case Azione::Togli:
        QVERIFY(QFileInfo(copia.file(bersaglio)).isDir()
                    ? QDir(copia.file(bersaglio)).removeRecursively()
                    : QFile::remove(copia.file(bersaglio)));
        break;
    case Azione::CartellaAlPosto:
        QVERIFY(QFile::remove(copia.file(bersaglio)));
        QVERIFY(QDir().mkdir(copia.file(bersaglio)));
        break;
    case Azione::FifoAlPosto:
        if (!fifoPossibili)
            QSKIP(senzaFifo);
        QVERIFY(fifoAlPosto(copia.file(bersaglio)));
        break;
    }
    copia.congela();
    const QString atteso = letto ? QString() : messaggioPer(esercizio, copia.percorso(), lettura);
    const qint64 residente = memoria("VmRSS:");
    azzeraPicco();

    BancoEsercizio<LettoreElenco> banco(copia.percorso());
    GuscioFinto& guscio = banco.guscio;
    AvvisiFinti& avvisi = banco.avvisi;
    // Opening on the file: the words, or the message and no window.
    {
        if (esercizio.daFile())
            banco.casuale.estrazioni = {CasualeFinto::per(2, esercizio.numeroFile)};
        Esercizio& aperto = banco.apri(esercizio);
        const bool aperta = aperto.Form_Load();
        QCOMPARE(aperta, letto);
        if (aperta) {
            QVERIFY(avvisi.mostrate.isEmpty());
            QCOMPARE(SondaEsercizio::elencoParole(aperto), attese);
            // Every draw was 0 past the file's, so the tiles follow the list.
            for (int i = 0; i < guscio.condivisi.QuanteParole; ++i) {
                const QString& voce = attese[i];
                QCOMPARE(aperto.stato().tessere[i].didascalia,
                         esercizio.maiuscole ? voce.toUpper() : voce);
            }
            avvisi.risposte = {Avvisi::Risposta::Si};
            aperto.BottoneEsci_Click();
            QCOMPARE(guscio.registro.last(), "TornaAlMenu");
        } else {
            QCOMPARE(avvisi.mostrate.size(), 1);
            QCOMPARE(avvisi.mostrate.first().testo, atteso);
            QCOMPARE(avvisi.mostrate.first().icona, Avvisi::Icona::Esclamazione);
            QVERIFY(!guscio.registro.contains("TornaAlMenu")); // the menu never left
        }
    }

    // Coming to the file in the middle of a visit: the new turn from it, or the
    // message and a turn from the list before; the window and the score stay.
    if (esercizio.daFile() && QFile::exists(esercizio.percorsoElenco(copia.percorso(), 1))) {
        guscio.registro.clear();
        avvisi.mostrate.clear();
        banco.casuale.estrazioni.clear();
        Esercizio& visita = banco.apri(esercizio);
        QVERIFY(visita.Form_Load());
        const QStringList primo = SondaEsercizio::elencoParole(visita);
        guscio.condivisi.NumeroEsatti = 3;
        banco.casuale.estrazioni = {CasualeFinto::per(2, esercizio.numeroFile)};
        banco.casuale.usate = 0;
        visita.OpQuante_Click(guscio.condivisi.QuanteParole - 2);
        QVERIFY(!visita.lasciata());
        QVERIFY(!guscio.registro.contains("TornaAlMenu"));
        QCOMPARE(guscio.condivisi.NumeroEsatti, 3);
        if (letto) {
            QCOMPARE(SondaEsercizio::elencoParole(visita), attese);
            QVERIFY(avvisi.mostrate.isEmpty());
        } else {
            QCOMPARE(SondaEsercizio::elencoParole(visita), primo);
            QCOMPARE(avvisi.mostrate.size(), 1);
            QCOMPARE(avvisi.mostrate.first().testo, atteso);
        }
    }

    // However big the file, reading it costs about what a small list does.
    QVERIFY2(memoria("VmHWM:") - residente < 32 * 1024,
             qPrintable(QStringLiteral("%1 KiB").arg(memoria("VmHWM:") - residente)));
    QCOMPARE(copia.cambiamenti(), QStringList());
}

void TestOstili::suoni_data() {
    QTest::addColumn<Azione>("azione"); // done to suoni/, or to each file named
    QTest::addColumn<QStringList>("guasti");
    QTest::addColumn<QByteArray>("contenuto");
    const QStringList tutti{"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"};
    QFile no(QStringLiteral(SEQUENZIO_DATA_DIR "/suoni/no.wav"));
    QVERIFY(no.open(QIODevice::ReadOnly));
    const QByteArray intero = no.readAll();

    QTest::newRow("suoni mancante") << Azione::Togli << tutti << QByteArray();
    QTest::newRow("WAV vuoti") << Azione::Scrivi << tutti << QByteArray();
    QTest::newRow("WAV rotti") << Azione::Scrivi << tutti
                               << QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\xff\xff", 22);
    QTest::newRow("WAV che sono testo") << Azione::Scrivi << tutti << QByteArray("cane\ngatto\n");
    QTest::newRow("cartelle al posto dei WAV") << Azione::CartellaAlPosto << tutti << QByteArray();
    // One damaged file among good ones once kept the program from ever ending.
    QTest::newRow("un WAV tagliato tra i buoni")
        << Azione::Scrivi << QStringList{"no.wav"} << intero.left(1000);
    QTest::newRow("un WAV tagliato nell'intestazione")
        << Azione::Scrivi << QStringList{"si2.wav"} << intero.left(40);
    QTest::newRow("un blocco piu' lungo del file")
        << Azione::Scrivi << QStringList{"si3.wav"}
        << QByteArray("RIFF\x24\0\0\0WAVELIST\0\0\x10\0", 16) + intero.mid(12);
    // Opening a named pipe waits for a writer that never comes.
    QTest::newRow("una FIFO al posto di un WAV")
        << Azione::FifoAlPosto << QStringList{"si4.wav"} << QByteArray();
    // More channels than any sound server places, each frame whole.
    QByteArray canali = intero;
    qToLittleEndian<quint16>(33, canali.data() + 22);
    qToLittleEndian<quint16>(66, canali.data() + 32);
    QTest::newRow("un WAV a 33 canali") << Azione::Scrivi << QStringList{"si1.wav"} << canali;
    // A whole, well-formed WAV, just too long for a short effect.
    const qint64 campioni = FileWav::limite;
    QByteArray lungo = intero.left(44);
    qToLittleEndian<quint32>(quint32(36 + campioni), lungo.data() + 4);
    qToLittleEndian<quint32>(quint32(campioni), lungo.data() + 40);
    QTest::newRow("un WAV oltre il limite")
        << Azione::Scrivi << QStringList{"no.wav"} << lungo + QByteArray(campioni, '\0');
}

void TestOstili::suoni() {
    QFETCH(Azione, azione);
    QFETCH(QStringList, guasti);
    QFETCH(QByteArray, contenuto);
    CopiaProgramma copia;
    QVERIFY(copia.valida());
    for (const QString& nome : guasti) {
        const QString suono = QStringLiteral("suoni/") + nome;
        if (azione == Azione::Scrivi)
            copia.scrivi(suono, contenuto);
        if (azione == Azione::CartellaAlPosto)
            QVERIFY(QFile::remove(copia.file(suono)) && QDir().mkdir(copia.file(suono)));
        if (azione == Azione::FifoAlPosto) {
            if (!fifoPossibili)
                QSKIP(senzaFifo);
            QVERIFY(fifoAlPosto(copia.file(suono)));
        }
    }
    if (azione == Azione::Togli)
        QVERIFY(QDir(copia.file(QStringLiteral("suoni"))).removeRecursively());
    copia.congela();

    BancoEsercizio<LettoreElenco> banco(copia.percorso());
    int bip = 0;
    Ascolto riproduttore(creaRiproduttoreDiSistema([&] { ++bip; }));
    ModuloColoriSuoni coloriSuoni(banco.casuale, riproduttore, copia.percorso());
    riproduttore.prepara();
    GuscioFinto& guscio = banco.guscio;
    guscio.suona = [&](bool giusto) {
        giusto ? coloriSuoni.SuonoGiusto() : coloriSuoni.SuonoSbagliato();
    };
    Esercizio& esercizio = banco.apri(Esercizi::di(Finestra::FormOrdina2).impostazioni);
    QVERIFY(esercizio.Form_Load());
    esercizio.mnuImmediato_Click();
    // Two turns: a wrong click, then every tile in order; each ends with a sound.
    for (int turno = 0; turno < 2; ++turno) {
        QList<int> ordine;
        for (int i = 0; i < guscio.condivisi.QuanteParole; ++i)
            ordine << i;
        const auto& tessere = esercizio.stato().tessere;
        std::sort(ordine.begin(), ordine.end(),
                  [&](int a, int b) { return tessere[a].didascalia < tessere[b].didascalia; });
        esercizio.BtParole_Click(ordine.last());
        for (const int i : ordine)
            esercizio.BtParole_Click(i);
    }
    for (const QString& nome : guasti)
        riproduttore.riproduci(copia.file(QStringLiteral("suoni/") + nome));
    // Every damaged sound asked for beeps at once, and no good one does.
    const auto guasto = [&](const QString& suono) {
        return azione == Azione::Togli || guasti.contains(QFileInfo(suono).fileName());
    };
    QCOMPARE(bip, std::count_if(riproduttore.chiesti.begin(), riproduttore.chiesti.end(), guasto));
    QCOMPARE(riproduttore.chiesti.size(), 2 * 2 + guasti.size()); // two sounds a turn
    QVERIFY(banco.avvisi.mostrate.isEmpty());
    QCOMPARE(guscio.condivisi.NumeroErrati, 2);
    QCOMPARE(guscio.condivisi.NumeroEsatti, 2 * 12);
    QVERIFY(!esercizio.lasciata());
    QCOMPARE(copia.cambiamenti(), QStringList());
}

void TestOstili::cartella_data() {
    QTest::addColumn<QByteArray>("eseguibile"); // as the system names the program file
    QTest::addColumn<bool>("trovata");
    QTest::addColumn<QString>("attesa");
    QTest::newRow("installato") << QByteArray("/usr/lib/sequenzio/sequenzio") << true
                                << "/usr/lib/sequenzio";
    QTest::newRow("accenti in UTF-8") << QByteArray("/home/maestra/Attività/classe è/sequenzio")
                                      << true << "/home/maestra/Attività/classe è";
    QTest::newRow("sostituito mentre gira")
        << QByteArray("/usr/lib/sequenzio/sequenzio (deleted)") << true << "/usr/lib/sequenzio";
    // Once resolved to "", and the lists were read from /testi.
    QTest::newRow("nome non UTF-8")
        << QByteArray("/home/maestra/classe \xe8/sequenzio") << false << QString();
    QTest::newRow("nessun percorso") << QByteArray() << false << QString();
    QTest::newRow("percorso relativo") << QByteArray("sequenzio") << false << QString();
}

void TestOstili::cartella() {
    if (senzaNomeInByte)
        QSKIP(senzaNomeInByte);
    QFETCH(QByteArray, eseguibile);
    QFETCH(bool, trovata);
    QFETCH(QString, attesa);
    const std::optional<QString> cartella = cartellaDaNomeInByte(eseguibile);
    QCOMPARE(cartella.has_value(), trovata);
    if (trovata)
        QCOMPARE(*cartella, attesa);
}

void TestOstili::senzaSchermo_data() {
    QTest::addColumn<QStringList>("ambiente"); // NAME=value, or NAME= to remove it
    QTest::newRow("nessuno schermo")
        << QStringList{"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="};
    QTest::newRow("X11 che non risponde")
        << QStringList{"DISPLAY=:254", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=xcb"};
    QTest::newRow("Wayland che non risponde")
        << QStringList{"DISPLAY=", "WAYLAND_DISPLAY=nessuno", "QT_QPA_PLATFORM=wayland"};
}

// The real program on a computer with no screen ends with one line that says
// why and status 1, not with an abort and a core.
void TestOstili::senzaSchermo() {
    if (::senzaSchermo)
        QSKIP(::senzaSchermo);
    QFETCH(QStringList, ambiente);
    QProcessEnvironment variabili = QProcessEnvironment::systemEnvironment();
    for (const QString& voce : ambiente) {
        const QString nome = voce.section(u'=', 0, 0);
        const QString valore = voce.section(u'=', 1);
        if (valore.isEmpty())
            variabili.remove(nome);
        else
            variabili.insert(nome, valore);
    }
    QProcess programma;
    programma.setProcessEnvironment(variabili);
    programma.start(QStringLiteral(SEQUENZIO_PROGRAMMA), {});
    QVERIFY(programma.waitForFinished(20000));
    QCOMPARE(programma.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programma.exitCode(), 1);
    const QList<QByteArray> righe = programma.readAllStandardError().trimmed().split('\n');
    QCOMPARE(righe.size(), 1);
    QVERIFY2(righe.first().startsWith("Sequenzio ha bisogno di uno schermo grafico: "),
             righe.first().constData());
}

void TestOstili::senzaBus_data() {
    QTest::addColumn<QByteArray>("bus"); // null: not set
    QTest::addColumn<QByteArray>("schermo");
    QTest::addColumn<QByteArray>("atteso");
    const QByteArray spento("disabled:");
    QTest::newRow("nessun bus, nessuno schermo") << QByteArray() << QByteArray() << spento;
    QTest::newRow("nessun bus, uno schermo che non risponde")
        << QByteArray() << QByteArray(":254") << spento;
    QTest::newRow("bus vuoto") << QByteArray("") << QByteArray() << spento;
    QTest::newRow("il bus della sessione")
        << QByteArray("unix:path=/run/user/1000/bus") << QByteArray(":254")
        << QByteArray("unix:path=/run/user/1000/bus");
}

// With no session bus, libdbus would start one that outlives the program.
void TestOstili::senzaBus() {
    if (::senzaBus)
        QSKIP(::senzaBus);
    QFETCH(QByteArray, bus);
    QFETCH(QByteArray, schermo);
    QFETCH(QByteArray, atteso);
    const QByteArray busPrima = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray schermoPrima = qgetenv("DISPLAY");
    const auto imposta = [](const char* nome, const QByteArray& valore) {
        if (valore.isNull())
            qunsetenv(nome);
        else
            qputenv(nome, valore);
    };
    imposta("DBUS_SESSION_BUS_ADDRESS", bus);
    imposta("DISPLAY", schermo);
    SenzaBus::evitaAvvioAutomatico();
    const QByteArray dopo = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    imposta("DBUS_SESSION_BUS_ADDRESS", busPrima);
    imposta("DISPLAY", schermoPrima);
    QCOMPARE(dopo, atteso);
}

QTEST_MAIN(TestOstili)
#include "tst_ostili.moc"
