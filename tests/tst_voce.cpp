// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/ProgrammaFinto.h"
#include "platform/TestoParlato.h"
#include "platform/VoceDiSistema.h"
#include "supporto/ServerSuono.h"
#include "supporto/Sistema.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

#ifdef SEQUENZIO_MODULO_VOCE
const QString modulo = QFileInfo(QStringLiteral(SEQUENZIO_MODULO_VOCE)).path();
#else
const QString modulo;
#endif

QStringList parole(const char* testo) {
    return QString::fromUtf8(testo).split(u' ');
}

} // namespace

// The voice, from what reaches a speech engine to what reaches the speakers.
// Where pulseaudio, parec, speech-dispatcher and espeak-ng are installed, the
// test runs a sound server with a null sink and a speech service of its own,
// and listens to what is said.
class TestVoce : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void testoPerIlMotore_data();
    void testoPerIlMotore();
    void unaRichiestaTagliaLaPrecedente();
    void marcaturaNonObbedita();
    void clicDestro_data();
    void clicDestro(); // last: it leaves the service stopped

private:
    void configura(QProcessEnvironment& ambiente);
    bool ascolta(); // skips, with the reason, where nothing can be heard
    void silenzio();

    QTemporaryDir cartella_;
    QString mancante_;
    ServerSuono suono_{1000};
    QProcess servizio_;
    std::unique_ptr<Voce> voce_;
    int bip_ = 0; // voce_'s, which has an Italian voice
};

void TestVoce::initTestCase() {
    QStringList programmi;
    for (const QString& nome : parole("pulseaudio parec speech-dispatcher espeak-ng")) {
        programmi << QStandardPaths::findExecutable(nome);
        if (programmi.last().isEmpty() && mancante_.isEmpty())
            mancante_ = nome;
    }
    if (modulo.isEmpty())
        mancante_ = QStringLiteral("the speech module, built with Qt TextToSpeech");
    if (!mancante_.isEmpty())
        return;
    const QString servizio = cartella_.filePath(QStringLiteral("sd.sock"));
    suono_.avvia(programmi[0], programmi[1], cartella_.path());
    if (QTest::currentTestFailed())
        return;
    QProcessEnvironment ambiente = suono_.ambiente();
    configura(ambiente);
    servizio_.setProcessEnvironment(ambiente);
    servizio_.start(programmi[2], parole("-s -t 0 -c unix_socket -S")
                                      << servizio << "-C" << cartella_.filePath("sd") << "-L"
                                      << cartella_.path());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(servizio), 10000);
    qputenv("SPEECHD_ADDRESS", QFile::encodeName("unix_socket:" + servizio));
    voce_ = creaVoceDiSistema(modulo, [this] { ++bip_; });
    voce_->prepara();
}

// The speech service's own configuration: espeak-ng's Italian alone (its whole
// list of voices takes libspeechd minutes to read under the sanitizers).
void TestVoce::configura(QProcessEnvironment& ambiente) {
    QDir(cartella_.path()).mkdir(QStringLiteral("sd"));
    QFile configurazione(cartella_.filePath(QStringLiteral("sd/speechd.conf")));
    QVERIFY(configurazione.open(QIODevice::WriteOnly));
    configurazione.write("AudioOutputMethod \"pulse\"\nDefaultModule espeak-ng\n"
                         "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n");
    configurazione.close();
    const QStringList dati = QDir(QStringLiteral("/usr/lib")).entryList({"*"}, QDir::Dirs);
    for (const QString& da : dati + QStringList{"../share"}) {
        const QString origine = "/usr/lib/" + da + "/espeak-ng-data/";
        if (!QFile::exists(origine + "lang/roa/it"))
            continue;
        QVERIFY(QDir(cartella_.path()).mkpath(QStringLiteral("espeak/lang/roa")));
        for (const QString& file :
             parole("phontab phonindex phondata intonations it_dict lang/roa/it"))
            QVERIFY(QFile::link(origine + file, cartella_.filePath("espeak/" + file)));
        ambiente.insert(QStringLiteral("ESPEAK_DATA_PATH"), cartella_.filePath("espeak"));
        break;
    }
}

// The service first, so that nothing waits on it stopped.
void TestVoce::cleanupTestCase() {
    servizio_.kill();
    servizio_.waitForFinished();
    suono_.ferma();
    voce_.reset();
}

bool TestVoce::ascolta() {
    if (mancante_.isEmpty())
        return true;
    QTest::qSkip(qPrintable("needs " + mancante_ + ", to hear a voice"), __FILE__, __LINE__);
    return false;
}

// From silence, so that what is heard next is what the test asked for.
void TestVoce::silenzio() {
    QTRY_VERIFY_WITH_TIMEOUT(suono_.adesso() - suono_.ultimoForte() >= 400, 15000);
    suono_.azzera();
}

void TestVoce::testoPerIlMotore_data() {
    QTest::addColumn<QString>("parola");
    QTest::addColumn<QString>("detta");
    QTest::newRow("maiuscole e accenti") << "PERCHÉ CITTÀ"
                                         << "perché città";
    QTest::newRow("accento a parte") << QString::fromUtf8("CITTA\xcc\x80") << "città";
    QTest::newRow("apostrofi") << "L'ALBERO L’ORTO"
                               << "l'albero l'orto";
    QTest::newRow("trattino") << "PESCE-SPADA"
                              << "pesce-spada";
    QTest::newRow("virgola e blank") << " \tSALE,  PEPE\t"
                                     << "sale pepe";
    QTest::newRow("SSML") << "CANE<BREAK TIME=\"9S\"/>GATTO"
                          << "cane break time s gatto";
    QTest::newRow("comando di speech-dispatcher") << "\r\n.\r\nQUIT"
                                                  << "quit";
    QTest::newRow("e commerciale e cifre") << "R&D A1"
                                           << "r d a";
    QTest::newRow("niente da dire") << "123 ?!"
                                    << "";
}

void TestVoce::testoPerIlMotore() {
    QFETCH(QString, parola);
    QFETCH(QString, detta);
    QCOMPARE(testoDaPronunciare(parola), detta);
}

void TestVoce::clicDestro_data() {
    QTest::addColumn<QString>("servizio"); // its address; empty: the test's own
    QTest::addColumn<bool>("conModulo");
    QTest::addColumn<int>("bip"); // for each request
    QTest::newRow("voce italiana") << QString() << true << 0;
    QTest::newRow("nessun modulo") << QString() << false << 1;
    QTest::newRow("nessun servizio") << "unix_socket:/nessuna/presa" << true << 1;
    QTest::newRow("servizio fermo") << "fermo" << true << 0; // takes a connection, never answers
}

// A right click is heard, or beeps where there is no voice; the tile stays
// and the program plays on at once, whatever the service does.
void TestVoce::clicDestro() {
    QFETCH(QString, servizio);
    QFETCH(bool, conModulo);
    QFETCH(int, bip);
    const bool udita = bip == 0 && servizio.isEmpty();
    if ((udita || servizio == "fermo") && !ascolta())
        return;
    if (conModulo && modulo.isEmpty())
        QSKIP("needs the speech module, built with Qt TextToSpeech");
    const QByteArray prima = qgetenv("SPEECHD_ADDRESS");
    if (servizio == "fermo")
        sospendi(servizio_);
    if (!servizio.isEmpty() && servizio != "fermo")
        qputenv("SPEECHD_ADDRESS", servizio.toUtf8());
    int suonati = 0;
    {
        ProgrammaFinto p;
        const auto voce = creaVoceDiSistema(conModulo ? modulo : "/nessuna", [&] { ++suonati; });
        p.voce.parla = [&](const QString& testo) { voce->pronuncia(testo); };
        p.modulo.Mostra(Finestra::FormOrdina1);
        auto* tessera = ProgrammaFinto::elemento<QAbstractButton>("BtParole_1");
        if (udita)
            silenzio();
        QTest::mouseClick(tessera->window()->windowHandle(), Qt::RightButton, {},
                          tessera->mapTo(tessera->window(), tessera->rect().center()));
        if (bip > 0)
            QTRY_COMPARE_WITH_TIMEOUT(suonati, 1, 10000);
        else if (udita)
            QTRY_VERIFY_WITH_TIMEOUT(suono_.primoForte() >= 0, 10000);
        else
            QTest::qWait(2000);
        QVERIFY(tessera->isEnabled());
        QVERIFY(ProgrammaFinto::elemento<QLabel>("Label3_0")->text().isEmpty());
        QElapsedTimer attesa;
        attesa.start();
        voce->pronuncia(QStringLiteral("cane"));
        ProgrammaFinto::clic("BtParole_0");
        QVERIFY(attesa.elapsed() < 500);
        QVERIFY(!ProgrammaFinto::elemento("BtParole_0")->isEnabled());
        QCOMPARE(suonati, 2 * bip);
    }
    qputenv("SPEECHD_ADDRESS", prima);
}

void TestVoce::unaRichiestaTagliaLaPrecedente() {
    if (!ascolta())
        return;
    silenzio();
    voce_->pronuncia(QStringLiteral("precipitevolissimevolmente ").repeated(8));
    QTRY_VERIFY_WITH_TIMEOUT(
        suono_.primoForte() >= 0 && suono_.ultimoForte() - suono_.primoForte() >= 300, 10000);
    voce_->pronuncia(QStringLiteral("sì"));
    // Seconds of the long word stop; the short one is over soon after.
    QTRY_VERIFY_WITH_TIMEOUT(suono_.adesso() - suono_.ultimoForte() >= 500, 3000);
    QCOMPARE_LT(suono_.ultimoForte() - suono_.primoForte(), 2500);
    QCOMPARE(bip_, 0);
}

// A pause asked for in a list's word is never made: the words run on.
void TestVoce::marcaturaNonObbedita() {
    if (!ascolta())
        return;
    silenzio();
    voce_->pronuncia(QStringLiteral("cane<break time=\"6s\"/>gatto"));
    QTRY_VERIFY_WITH_TIMEOUT(suono_.primoForte() >= 0, 10000);
    QTest::qWait(7000);
    QCOMPARE_LT(suono_.ultimoForte() - suono_.primoForte(), 4000);
}

QTEST_MAIN(TestVoce)
#include "tst_voce.moc"
