// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/ProgrammaFinto.h"
#include "platform/TestoParlato.h"
#include "platform/VoceDiSistema.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

// A socket that takes connections and never answers, as a hung service; kept
// open to the end, so that the voice's thread goes on waiting on it.
bool socketMuto(const QString& percorso) {
#ifdef Q_OS_UNIX
    const int presa = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    const QByteArray nome = QFile::encodeName(percorso);
    if (presa < 0 || size_t(nome.size()) >= sizeof(indirizzo.sun_path))
        return false;
    memcpy(indirizzo.sun_path, nome.constData(), size_t(nome.size()));
    return bind(presa, reinterpret_cast<sockaddr*>(&indirizzo), sizeof(indirizzo)) == 0 &&
           listen(presa, 4) == 0;
#else
    Q_UNUSED(percorso);
    return false;
#endif
}

} // namespace

// The voice, from what reaches a speech engine to what reaches the speakers.
// Where pulseaudio, parec and speech-dispatcher with espeak-ng are installed,
// the test runs a sound server with a null sink and a speech service of its
// own, and listens to what is said.
class TestVoce : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void testoPerIlMotore_data();
    void testoPerIlMotore();
    void tesseraAscoltata();
    void unaRichiestaTagliaLaPrecedente();
    void marcaturaNonObbedita();
    void senzaVoce_data();
    void senzaVoce();

private:
    bool ascolta(); // false, with the reason skipped, where nothing can be heard
    void silenzio();

    QTemporaryDir cartella_;
    QString mancante_; // the program that is missing to hear anything
    QProcess server_;
    QProcess servizio_; // speech-dispatcher
    QProcess orecchio_; // records the null sink
    QElapsedTimer orologio_;
    qint64 primoForte_ = -1;
    qint64 ultimoForte_ = -1;
    int bip_ = 0;
    std::unique_ptr<Voce> voce_;
};

void TestVoce::initTestCase() {
    QStringList programmi;
    for (const char* nome : {"pulseaudio", "parec", "speech-dispatcher", "espeak-ng"}) {
        programmi << QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (programmi.last().isEmpty() && mancante_.isEmpty())
            mancante_ = QString::fromLatin1(nome);
    }
#ifdef SEQUENZIO_MODULO_VOCE
    if (!QFile::exists(QStringLiteral(SEQUENZIO_MODULO_VOCE)))
#endif
        mancante_ = QStringLiteral("the speech module (built with Qt TextToSpeech)");
    if (!mancante_.isEmpty())
        return;
    const QString presa = cartella_.filePath(QStringLiteral("presa"));
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("HOME"), cartella_.path());
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartella_.path());
    ambiente.insert(QStringLiteral("PULSE_RUNTIME_PATH"), cartella_.filePath(QStringLiteral("pa")));
    server_.setProcessEnvironment(ambiente);
    server_.start(programmi[0],
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("-L"),
                   QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + presa,
                   QStringLiteral("-L"), QStringLiteral("module-null-sink")});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(presa), 10000);
    ambiente.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + presa);

    // A service of the test's own: its configuration, its socket, espeak-ng.
    QDir(cartella_.path()).mkdir(QStringLiteral("sd"));
    QFile configurazione(cartella_.filePath(QStringLiteral("sd/speechd.conf")));
    QVERIFY(configurazione.open(QIODevice::WriteOnly));
    configurazione.write("AudioOutputMethod \"pulse\"\n"
                         "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                         "DefaultModule espeak-ng\nDefaultLanguage \"it\"\n");
    configurazione.close();
    const QString servizio = cartella_.filePath(QStringLiteral("sd.sock"));
    servizio_.setProcessEnvironment(ambiente);
    servizio_.start(programmi[2],
                    {QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("0"),
                     QStringLiteral("-c"), QStringLiteral("unix_socket"), QStringLiteral("-S"),
                     servizio, QStringLiteral("-C"), cartella_.filePath(QStringLiteral("sd")),
                     QStringLiteral("-L"), cartella_.path(), QStringLiteral("-P"),
                     cartella_.filePath(QStringLiteral("sd.pid"))});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(servizio), 10000);
    qputenv("SPEECHD_ADDRESS", QFile::encodeName(QStringLiteral("unix_socket:") + servizio));

    orecchio_.setProcessEnvironment(ambiente);
    orologio_.start();
    connect(&orecchio_, &QProcess::readyReadStandardOutput, this, [this] {
        const QByteArray dati = orecchio_.readAllStandardOutput();
        for (qsizetype i = 0; i + 1 < dati.size(); i += 2)
            if (qAbs(qFromLittleEndian<qint16>(dati.constData() + i)) > 1000) {
                ultimoForte_ = orologio_.elapsed();
                if (primoForte_ < 0)
                    primoForte_ = ultimoForte_;
            }
    });
    orecchio_.start(programmi[1],
                    {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                     QStringLiteral("--rate=22050"), QStringLiteral("--channels=1"),
                     QStringLiteral("--latency-msec=10"), QStringLiteral("--device=null.monitor")});
    QVERIFY(orecchio_.waitForStarted());
#ifdef SEQUENZIO_MODULO_VOCE
    voce_ = creaVoceDiSistema(QFileInfo(QStringLiteral(SEQUENZIO_MODULO_VOCE)).path(),
                              [this] { ++bip_; });
    voce_->prepara();
#endif
}

void TestVoce::cleanupTestCase() {
    voce_.reset();
    for (QProcess* processo : {&orecchio_, &servizio_, &server_}) {
        processo->kill();
        processo->waitForFinished();
    }
}

bool TestVoce::ascolta() {
    if (!mancante_.isEmpty()) {
        QTest::qSkip(qPrintable(QStringLiteral("needs %1, to hear a voice").arg(mancante_)),
                     __FILE__, __LINE__);
        return false;
    }
    return true;
}

// From silence, so that what is heard next is what the test asked for.
void TestVoce::silenzio() {
    QTRY_VERIFY_WITH_TIMEOUT(orologio_.elapsed() - ultimoForte_ >= 400, 15000);
    primoForte_ = ultimoForte_ = -1;
}

void TestVoce::testoPerIlMotore_data() {
    QTest::addColumn<QString>("parola");
    QTest::addColumn<QString>("detta");
    QTest::newRow("maiuscole") << "ALBERO"
                               << "albero";
    QTest::newRow("accenti") << "PERCHÉ CITTÀ"
                             << "perché città";
    QTest::newRow("accento a parte") << QString::fromUtf8("CITTA\xcc\x80") << "città";
    QTest::newRow("apostrofo") << "L'ALBERO"
                               << "l'albero";
    QTest::newRow("apostrofo tipografico") << "L’ALBERO"
                                           << "l'albero";
    QTest::newRow("trattino") << "PESCE-SPADA"
                              << "pesce-spada";
    QTest::newRow("virgola") << "SALE, PEPE"
                             << "sale pepe";
    QTest::newRow("spazi e tabulazioni") << " \tCANE  GATTO\t"
                                         << "cane gatto";
    QTest::newRow("SSML") << "CANE<BREAK TIME=\"9S\"/>GATTO"
                          << "cane break time s gatto";
    QTest::newRow("voce") << "<voice gender=\"female\">ciao</voice>"
                          << "voice gender female ciao voice";
    QTest::newRow("comando di speech-dispatcher") << "\r\n.\r\nQUIT"
                                                  << "quit";
    QTest::newRow("e commerciale") << "R&D"
                                   << "r d";
    QTest::newRow("cifre") << "A1"
                           << "a";
    QTest::newRow("niente da dire") << "123 ?!"
                                    << "";
    QTest::newRow("lettere greche") << "ΑΛΦΑ"
                                    << "αλφα";
}

void TestVoce::testoPerIlMotore() {
    QFETCH(QString, parola);
    QFETCH(QString, detta);
    QCOMPARE(testoDaPronunciare(parola), detta);
}

// A right click reads the tile aloud and leaves it where it was.
void TestVoce::tesseraAscoltata() {
    if (!ascolta())
        return;
    ProgrammaFinto p;
    p.voce.parla = [this](const QString& testo) { voce_->pronuncia(testo); };
    p.modulo.Mostra(Finestra::FormOrdina1);
    auto* tessera = ProgrammaFinto::controllo<QAbstractButton>("BtParole_0");
    silenzio();
    QWindow* finestra = tessera->window()->windowHandle();
    QTest::mouseClick(finestra, Qt::RightButton, {},
                      tessera->mapTo(tessera->window(), tessera->rect().center()));
    QTRY_VERIFY_WITH_TIMEOUT(primoForte_ >= 0, 10000);
    QCOMPARE(p.voce.detti.size(), 1);
    QVERIFY(tessera->isEnabled());
    QVERIFY(ProgrammaFinto::controllo<QLabel>("Label3_0")->text().isEmpty());
    QCOMPARE(bip_, 0);
}

void TestVoce::unaRichiestaTagliaLaPrecedente() {
    if (!ascolta())
        return;
    silenzio();
    voce_->pronuncia(QStringLiteral("precipitevolissimevolmente ").repeated(8));
    QTRY_VERIFY_WITH_TIMEOUT(primoForte_ >= 0 && ultimoForte_ - primoForte_ >= 300, 10000);
    voce_->pronuncia(QStringLiteral("sì"));
    // The long word, seconds of it, stops; the short one is over soon after.
    QTRY_VERIFY_WITH_TIMEOUT(orologio_.elapsed() - ultimoForte_ >= 500, 3000);
    QVERIFY2(ultimoForte_ - primoForte_ < 2500,
             qPrintable(QString::number(ultimoForte_ - primoForte_)));
    QCOMPARE(bip_, 0);
}

// A pause asked for in a list's word is never made: the words run on.
void TestVoce::marcaturaNonObbedita() {
    if (!ascolta())
        return;
    silenzio();
    voce_->pronuncia(QStringLiteral("cane<break time=\"6s\"/>gatto"));
    QTRY_VERIFY_WITH_TIMEOUT(primoForte_ >= 0, 10000);
    QTest::qWait(7000);
    QVERIFY2(ultimoForte_ - primoForte_ < 4000,
             qPrintable(QString::number(ultimoForte_ - primoForte_)));
}

void TestVoce::senzaVoce_data() {
    QTest::addColumn<QString>("indirizzo"); // of the speech service
    QTest::addColumn<bool>("modulo");
    QTest::addColumn<int>("bip"); // for two requests
    QTest::newRow("nessun modulo") << QString() << false << 2;
    QTest::newRow("nessun servizio") << "unix_socket:/nessuna/presa" << true << 2;
    QTest::newRow("servizio che non risponde") << "muto" << true << 0;
}

// The program plays on; a missing voice beeps at each request.
void TestVoce::senzaVoce() {
    QFETCH(QString, indirizzo);
    QFETCH(bool, modulo);
    QFETCH(int, bip);
#ifdef SEQUENZIO_MODULO_VOCE
    if (modulo && !QFile::exists(QStringLiteral(SEQUENZIO_MODULO_VOCE)))
        QSKIP("needs the speech module, built with Qt TextToSpeech");
    const QString cartella = modulo ? QFileInfo(QStringLiteral(SEQUENZIO_MODULO_VOCE)).path()
                                    : QStringLiteral("/nessuna");
#else
    if (modulo)
        QSKIP("needs the speech module, built with Qt TextToSpeech");
    const QString cartella = QStringLiteral("/nessuna");
#endif
    const QByteArray prima = qgetenv("SPEECHD_ADDRESS");
    if (indirizzo == QLatin1String("muto")) {
        const QString presa = cartella_.filePath(QStringLiteral("muto.sock"));
        if (!socketMuto(presa))
            QSKIP("needs a Unix socket, to stand for a hung speech service");
        indirizzo = QStringLiteral("unix_socket:") + presa;
    }
    if (!indirizzo.isEmpty())
        qputenv("SPEECHD_ADDRESS", indirizzo.toUtf8());
    int suonati = 0;
    {
        ProgrammaFinto p;
        const std::unique_ptr<Voce> voce = creaVoceDiSistema(cartella, [&] { ++suonati; });
        p.voce.parla = [&](const QString& testo) { voce->pronuncia(testo); };
        p.modulo.Mostra(Finestra::FormOrdina1);
        auto* tessera = ProgrammaFinto::controllo<QAbstractButton>("BtParole_1");
        QWindow* finestra = tessera->window()->windowHandle();
        QTest::mouseClick(finestra, Qt::RightButton, {},
                          tessera->mapTo(tessera->window(), tessera->rect().center()));
        // Once the voice is known to be missing, each request beeps at once.
        if (bip > 0)
            QTRY_COMPARE_WITH_TIMEOUT(suonati, 1, 10000);
        else
            QTest::qWait(2000);
        QElapsedTimer attesa;
        attesa.start();
        voce->pronuncia(QStringLiteral("cane"));
        ProgrammaFinto::clic("BtParole_0");
        QVERIFY(attesa.elapsed() < 500);
        QVERIFY(!ProgrammaFinto::controllo("BtParole_0")->isEnabled());
        QCOMPARE(suonati, bip);
    }
    QCOMPARE(suonati, bip);
    qputenv("SPEECHD_ADDRESS", prima);
}

QTEST_MAIN(TestVoce)
#include "tst_voce.moc"
