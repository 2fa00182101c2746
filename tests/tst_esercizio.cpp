// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/BancoEsercizio.h"
#include "fakes/SondaEsercizio.h"
#include "variants/Esercizi.h"

#include <QSet>
#include <QTest>

namespace {

QStringList parole(const QString& radice, int quante) {
    QStringList elenco;
    for (int i = 1; i <= quante; ++i)
        elenco << radice + QString(QChar(u'a' + (i - 1) % 26)) + QString::number(i);
    return elenco;
}

// An exercise with its fake surroundings. Past the scripted draws every draw
// is 0: the first file, and each tile dealt the next free list position.
struct Banco : BancoEsercizio<> {
    explicit Banco(const ImpostazioniEsercizio& impostazioni = Esercizi::FormOrdina1()) {
        apri(impostazioni);
        for (int n = 1; n <= impostazioni.numeroFile; ++n)
            elenchi.metti(file(impostazioni, n), parole(QStringLiteral("w%1").arg(n), 40));
    }
    static QString file(const ImpostazioniEsercizio& impostazioni, int n) {
        return QStringLiteral("/prog/testi/") + impostazioni.nomeElenco(n);
    }
    qint16 paroleOrdinate() const { return SondaEsercizio::paroleOrdinate(*esercizio); }
    bool immediato() const { return SondaEsercizio::immediato(*esercizio); }
    const QStringList& elencoParole() const { return SondaEsercizio::elencoParole(*esercizio); }
    const StatoFinestra& stato() const { return esercizio->stato(); }
    QStringList tessere() const {
        QStringList testi;
        for (const auto& t : stato().tessere)
            if (t.visibile)
                testi << t.didascalia;
        return testi;
    }
    QStringList caselle() const {
        QStringList testi;
        for (const auto& c : stato().caselle)
            if (c.visibile)
                testi << c.didascalia;
        return testi;
    }
    int indiceDi(const QString& parola) const {
        for (int i = 0; i < stato().tessere.size(); ++i)
            if (stato().tessere[i].didascalia == parola && stato().tessere[i].abilitata)
                return i;
        return -1;
    }
    void clic(const QString& parola) {
        const int i = indiceDi(parola);
        QVERIFY2(i >= 0, qPrintable(parola));
        esercizio->BtParole_Click(i);
    }
    // Loads the first-letter window with a turn of the given words.
    void caricaCon(const QStringList& elenco) {
        QStringList pieno = elenco;
        while (pieno.size() < 20)
            pieno << QStringLiteral("zz%1").arg(pieno.size());
        elenchi.metti(file(esercizio->impostazioni(), 1), pieno);
        QVERIFY(esercizio->Form_Load());
        esercizio->OpQuante_Click(int(elenco.size()) - 2);
    }
};

} // namespace

class TestEsercizio : public QObject {
    Q_OBJECT

private slots:
    void apertura();
    void distribuzione_data();
    void distribuzione();
    void distribuzioneCopreOgniPosizione_data();
    void distribuzioneCopreOgniPosizione();
    void controlloImmediato();
    void controlloAlTermine();
    void fattoPrimaDellaFine();
    void ricomincia();
    void cambioDiControllo();
    void sceltaDelNumero();
    void contatori();
    void elencoDifettoso_data();
    void elencoDifettoso();
    void elencoDifettosoDuranteIlGioco();
    void lettere();
    void esci();
};

void TestEsercizio::apertura() {
    Banco banco;
    banco.guscio.condivisi.NumeroEsatti = 9;
    QCOMPARE(banco.stato().tessere.first().didascalia, "allevatelo");
    QVERIFY(banco.esercizio->Form_Load());
    QCOMPARE(banco.guscio.condivisi.QuanteParole, 20);
    QCOMPARE(banco.guscio.condivisi.NumeroEsatti, 0);
    QCOMPARE(banco.tessere().size(), 20);
    QCOMPARE(banco.caselle(), QStringList(20, QString()));
    QCOMPARE(banco.stato().testoEsatti, "0");
    QCOMPARE(banco.stato().testoErrati, "0");
    QVERIFY(banco.stato().faccinaRidente && !banco.stato().faccinaTriste);
    QVERIFY(!banco.immediato());
    QVERIFY(banco.stato().termineSpuntato && !banco.stato().immediatoSpuntato);
    QVERIFY(!banco.stato().pannelloVisibile);
    QCOMPARE(banco.elenchi.letti.last(), "/prog/testi/a1.txt");
    // Tiles show the list words in upper case; the list keeps them as read.
    QCOMPARE(banco.tessere().first(), banco.elencoParole().first().toUpper());
    QVERIFY(banco.elencoParole().first() != banco.tessere().first());
}

void TestEsercizio::distribuzione_data() {
    QTest::addColumn<int>("quante");
    QTest::addColumn<QList<int>>("partenze");
    QTest::addColumn<QList<int>>("posizioni");
    QTest::newRow("senza collisioni") << 3 << QList<int>{5, 1, 17} << QList<int>{5, 1, 17};
    QTest::newRow("avanti dopo una presa")
        << 5 << QList<int>{3, 3, 20, 1, 4} << QList<int>{3, 4, 20, 1, 5};
    QTest::newRow("dal 20 torna all'1") << 3 << QList<int>{20, 20, 20} << QList<int>{20, 1, 2};
    QTest::newRow("file 11, corsa lunga") << 4 << QList<int>{7, 6, 6, 6} << QList<int>{7, 6, 8, 9};
}

void TestEsercizio::distribuzione() {
    QFETCH(int, quante);
    QFETCH(QList<int>, partenze);
    QFETCH(QList<int>, posizioni);
    Banco banco;
    QVERIFY(banco.esercizio->Form_Load());
    const int file = partenze.size() == 4 ? 11 : 2;
    banco.casuale.estrazioni = {CasualeFinto::per(file, 11)};
    for (const int p : partenze)
        banco.casuale.estrazioni << CasualeFinto::per(p, 20);
    banco.casuale.usate = 0;
    banco.esercizio->OpQuante_Click(quante - 2);
    QCOMPARE(banco.casuale.usate, 1 + quante); // one draw for the file, one per tile
    QCOMPARE(banco.elenchi.letti.last(), Banco::file(Esercizi::FormOrdina1(), file));
    QStringList attese;
    for (const int p : posizioni)
        attese << banco.elencoParole()[p - 1].toUpper();
    QCOMPARE(banco.tessere(), attese);
}

void TestEsercizio::distribuzioneCopreOgniPosizione_data() {
    QTest::addColumn<QString>("esercizio");
    QTest::newRow("lettere, 21") << "FormOrdina";
    QTest::newRow("prima lettera, 20") << "FormOrdina1";
    QTest::newRow("due lettere, 12") << "FormOrdina2";
    QTest::newRow("tutte le lettere, 30") << "FormOrdina3";
}

void TestEsercizio::distribuzioneCopreOgniPosizione() {
    QFETCH(QString, esercizio);
    const QHash<QString, const ImpostazioniEsercizio*> tutti{
        {"FormOrdina", &Esercizi::FormOrdina()},
        {"FormOrdina1", &Esercizi::FormOrdina1()},
        {"FormOrdina2", &Esercizi::FormOrdina2()},
        {"FormOrdina3", &Esercizi::FormOrdina3()}};
    const ImpostazioniEsercizio& impostazioni = *tutti.value(esercizio);
    const int voci = impostazioni.voci;
    // Every start at the last position: the search must wrap, and every turn
    // deals distinct positions.
    for (int giro = 0; giro < 3; ++giro) {
        Banco banco(impostazioni);
        for (int i = 0; i < 64; ++i)
            banco.casuale.estrazioni
                << (giro == 0 ? 0.999999 : CasualeFinto::per(1 + i * 7 % voci, voci));
        QVERIFY(banco.esercizio->Form_Load());
        const QStringList tessere = banco.tessere();
        QCOMPARE(tessere.size(), impostazioni.caselle);
        QCOMPARE(QSet<QString>(tessere.begin(), tessere.end()).size(), impostazioni.caselle);
        for (const QString& t : tessere) {
            const bool nellElenco = std::any_of(
                banco.elencoParole().begin(), banco.elencoParole().end(),
                [&](const QString& v) { return (impostazioni.maiuscole ? v.toUpper() : v) == t; });
            QVERIFY(nellElenco);
        }
    }
    // Words at the far end of a long list can be dealt.
    Banco banco(impostazioni);
    if (impostazioni.daFile())
        banco.casuale.estrazioni << 0.0; // the file
    banco.casuale.estrazioni << CasualeFinto::per(voci, voci);
    QVERIFY(banco.esercizio->Form_Load());
    const QString ultima = banco.elencoParole().at(voci - 1);
    QCOMPARE(banco.tessere().first(), impostazioni.maiuscole ? ultima.toUpper() : ultima);
}

void TestEsercizio::controlloImmediato() {
    Banco banco;
    banco.caricaCon({"cane", "casa", "albero"});
    banco.esercizio->mnuImmediato_Click();
    QCOMPARE(banco.tessere(), QStringList({"CANE", "CASA", "ALBERO"}));

    banco.clic("CASA");
    QCOMPARE(banco.guscio.condivisi.NumeroErrati, 1);
    QCOMPARE(banco.stato().testoErrati, " 1");
    QVERIFY(banco.stato().faccinaTriste && !banco.stato().faccinaRidente);
    QCOMPARE(banco.guscio.registro.count("SuonoSbagliato"), 1);
    QCOMPARE(banco.paroleOrdinate(), 0);

    banco.clic("ALBERO");
    QCOMPARE(banco.caselle(), QStringList({"ALBERO", "", ""}));
    QCOMPARE(banco.stato().testoEsatti, " 1");
    QCOMPARE(banco.stato().testoErrati, " 1");
    QVERIFY(banco.stato().faccinaRidente && !banco.stato().faccinaTriste);

    banco.clic("CASA");
    banco.clic("CASA");
    QCOMPARE(banco.guscio.condivisi.NumeroErrati, 3);
    QCOMPARE(banco.guscio.registro.count("SuonoSbagliato"), 3);

    banco.clic("CANE");
    QCOMPARE(banco.guscio.registro.count("SuonoGiusto"), 0);
    const int letture = int(banco.elenchi.letti.size());
    banco.clic("CASA");
    QCOMPARE(banco.guscio.condivisi.NumeroEsatti, 3);
    QCOMPARE(banco.guscio.registro.count("SuonoGiusto"), 1);
    QCOMPARE(banco.elenchi.letti.size(), letture + 1); // the next turn, at once
    QCOMPARE(banco.paroleOrdinate(), 0);
    QCOMPARE(banco.caselle(), QStringList(3, QString()));
    QVERIFY(banco.stato().faccinaRidente);

    // Equal words may be placed in either order.
    Banco doppie;
    doppie.caricaCon({"mare", "mare"});
    doppie.esercizio->mnuImmediato_Click();
    doppie.esercizio->BtParole_Click(1);
    doppie.esercizio->BtParole_Click(0);
    QCOMPARE(doppie.guscio.condivisi.NumeroErrati, 0);
    QCOMPARE(doppie.guscio.condivisi.NumeroEsatti, 2);
}

void TestEsercizio::controlloAlTermine() {
    Banco banco;
    banco.caricaCon({"mare", "marea", "ape", "zebra"});
    for (const char* p : {"ZEBRA", "MAREA", "MARE", "APE"})
        banco.clic(p);
    QCOMPARE(banco.guscio.registro.count("SuonoSbagliato"), 0);
    QCOMPARE(banco.stato().testoEsatti, "0"); // nothing judged yet
    banco.esercizio->Command1_Click();
    QCOMPARE(banco.guscio.condivisi.NumeroErrati, 1); // one per turn, not per word
    QCOMPARE(banco.stato().testoErrati, " 1");
    QCOMPARE(banco.caselle(), QStringList({"ZEBRA", "MAREA", "MARE", "APE"}));
    banco.esercizio->Command1_Click();
    QCOMPARE(banco.guscio.condivisi.NumeroErrati, 2);

    banco.esercizio->Command3D1_Click();
    for (const char* p : {"APE", "MARE", "MAREA", "ZEBRA"})
        banco.clic(p);
    const int letture = int(banco.elenchi.letti.size());
    banco.esercizio->Command1_Click();
    QCOMPARE(banco.guscio.condivisi.NumeroEsatti, 1);
    QCOMPARE(banco.stato().testoEsatti, " 1");
    QCOMPARE(banco.guscio.registro.filter("Suono").last(), "SuonoGiusto");
    QCOMPARE(banco.elenchi.letti.size(), letture + 1);
    QCOMPARE(banco.caselle(), QStringList(4, QString()));
}

void TestEsercizio::fattoPrimaDellaFine() {
    Banco banco;
    QVERIFY(banco.esercizio->Form_Load());
    for (int i = 0; i < 19; ++i)
        banco.esercizio->BtParole_Click(i);
    const QStringList caselle = banco.caselle();
    banco.esercizio->Command1_Click();
    QCOMPARE(banco.avvisi.mostrate.size(), 1);
    QCOMPARE(banco.avvisi.mostrate.first().testo, "Non hai finito di ordinare");
    QCOMPARE(banco.avvisi.mostrate.first().pulsanti, Avvisi::Pulsanti::Ok);
    QCOMPARE(banco.avvisi.mostrate.first().icona, Avvisi::Icona::Esclamazione);
    QCOMPARE(banco.caselle(), caselle);
    QCOMPARE(banco.paroleOrdinate(), 19);
    QCOMPARE(banco.guscio.condivisi.NumeroErrati, 0);
}

void TestEsercizio::ricomincia() {
    Banco banco;
    QVERIFY(banco.esercizio->Form_Load());
    const QStringList tessere = banco.tessere();
    banco.esercizio->Command3D1_Click(); // nothing placed: nothing changes
    QCOMPARE(banco.tessere(), tessere);
    banco.esercizio->BtParole_Click(4);
    banco.esercizio->BtParole_Click(2);
    banco.esercizio->Command3D1_Click();
    QCOMPARE(banco.paroleOrdinate(), 0);
    QCOMPARE(banco.tessere(), tessere);
    QCOMPARE(banco.caselle(), QStringList(20, QString()));
    QVERIFY(std::all_of(banco.stato().tessere.begin(), banco.stato().tessere.end(),
                        [](const auto& t) { return t.abilitata; }));
}

void TestEsercizio::cambioDiControllo() {
    Banco banco;
    QVERIFY(banco.esercizio->Form_Load());
    banco.esercizio->BtParole_Click(3);
    banco.esercizio->BtParole_Click(1);
    banco.esercizio->mnuImmediato_Click();
    QVERIFY(banco.immediato());
    QVERIFY(banco.stato().immediatoSpuntato && !banco.stato().termineSpuntato);
    QVERIFY(!banco.stato().fattoVisibile && !banco.stato().ricominciaVisibile);
    QCOMPARE(banco.paroleOrdinate(), 0);
    QCOMPARE(banco.caselle(), QStringList(20, QString()));

    banco.esercizio->BtParole_Click(0); // the smallest with no draws scripted
    banco.esercizio->mnuTermine_Click();
    QVERIFY(!banco.immediato());
    QVERIFY(!banco.stato().immediatoSpuntato && banco.stato().termineSpuntato);
    QVERIFY(banco.stato().fattoVisibile && banco.stato().ricominciaVisibile);
    QCOMPARE(banco.paroleOrdinate(), 1); // the turn goes on
    QCOMPARE(banco.caselle().first(), banco.tessere().first());
}

void TestEsercizio::sceltaDelNumero() {
    Banco banco;
    QVERIFY(banco.esercizio->Form_Load());
    banco.esercizio->mnuImmediato_Click();
    banco.esercizio->MenuFrasi_Click();
    banco.esercizio->MenuFrasi_Click();
    QVERIFY(banco.stato().pannelloVisibile);
    QCOMPARE(banco.stato().pannelloLeft, 0);
    QCOMPARE(banco.stato().pannelloTop, 0);
    banco.casuale.estrazioni = {CasualeFinto::per(7, 11)};
    banco.casuale.usate = 0;
    banco.esercizio->OpQuante_Click(5);
    QCOMPARE(banco.guscio.condivisi.QuanteParole, 7);
    QVERIFY(!banco.stato().pannelloVisibile);
    QCOMPARE(banco.elenchi.letti.last(), "/prog/testi/a7.txt");
    QCOMPARE(banco.tessere().size(), 7);
    QCOMPARE(banco.caselle().size(), 7);
    for (int i = 7; i < 20; ++i) {
        QVERIFY(!banco.stato().tessere[i].visibile && !banco.stato().caselle[i].visibile);
        QVERIFY(banco.stato().tessere[i].didascalia.isEmpty());
    }
    QVERIFY(banco.immediato()); // the mode stays

    // The option already chosen still closes the panel; no option past the last.
    banco.esercizio->MenuFrasi_Click();
    banco.esercizio->OpQuante_Click(5);
    QVERIFY(!banco.stato().pannelloVisibile);
    banco.esercizio->OpQuante_Click(19);
    QCOMPARE(banco.guscio.condivisi.QuanteParole, 7);
    banco.esercizio->OpQuante_Click(18);
    QCOMPARE(banco.tessere().size(), 20);
}

void TestEsercizio::contatori() {
    Banco banco;
    banco.caricaCon({"b", "a"});
    banco.esercizio->mnuImmediato_Click();
    banco.clic("A");
    QCOMPARE(banco.stato().testoEsatti, " 1");
    QCOMPARE(banco.stato().testoErrati, "0");
    banco.esercizio->MenuAzzera_Click();
    QCOMPARE(banco.stato().testoEsatti, "0");
    QCOMPARE(banco.stato().testoErrati, "0");
    QCOMPARE(banco.guscio.condivisi.NumeroEsatti, 0);
    QVERIFY(banco.stato().faccinaRidente); // the last picture stays
    QCOMPARE(banco.paroleOrdinate(), 1);   // and so does the turn

    // A counter at the largest value stays there.
    banco.esercizio->Command3D1_Click();
    banco.guscio.condivisi.NumeroErrati = 32767;
    banco.clic("B");
    QCOMPARE(banco.guscio.condivisi.NumeroErrati, 32767);
    QCOMPARE(banco.stato().testoErrati, " 32767");
    banco.guscio.condivisi.NumeroEsatti = 32767;
    banco.clic("A");
    QCOMPARE(banco.guscio.condivisi.NumeroEsatti, 32767);
    QCOMPARE(banco.stato().testoEsatti, " 32767");
}

void TestEsercizio::elencoDifettoso_data() {
    QTest::addColumn<int>("esito");
    QTest::addColumn<QStringList>("campi");
    QTest::addColumn<QString>("messaggio");
    using E = RisultatoLettura::Esito;
    QTest::newRow("mancante") << int(E::Mancante) << QStringList()
                              << "Manca il file dell'elenco di parole:\n/prog/testi/a1.txt";
    QTest::newRow("illeggibile") << int(E::Illeggibile) << QStringList()
                                 << "Non riesco a leggere il file dell'elenco di parole:\n"
                                    "/prog/testi/a1.txt";
    QTest::newRow("sette parole") << int(E::TroppoCorto) << parole("x", 7)
                                  << "Il file dell'elenco di parole\n/prog/testi/a1.txt\n"
                                     "contiene solo 7 parole, ma ne servono 20.";
    QTest::newRow("una parola") << int(E::TroppoCorto) << parole("x", 1)
                                << "Il file dell'elenco di parole\n/prog/testi/a1.txt\n"
                                   "contiene una sola parola, ma ne servono 20.";
    QTest::newRow("vuoto") << int(E::TroppoCorto) << QStringList()
                           << "Il file dell'elenco di parole\n/prog/testi/a1.txt\n"
                              "non contiene nessuna parola, ma ne servono 20.";
    QTest::newRow("binario") << int(E::NonTesto) << QStringList()
                             << "Il file dell'elenco di parole\n/prog/testi/a1.txt\n"
                                "non è un file di testo.";
}

// Every failing list: opening on it, the window stays shut; meeting it later
// in a visit, the message still shows but the pupil keeps the window and the
// score, and the turn is dealt from the last list that was read well.
void TestEsercizio::elencoDifettoso() {
    QFETCH(int, esito);
    QFETCH(QStringList, campi);
    QFETCH(QString, messaggio);
    const QString a1 = Banco::file(Esercizi::FormOrdina1(), 1);
    const RisultatoLettura guasto{RisultatoLettura::Esito(esito), campi};
    Banco banco;
    banco.elenchi.file[a1] = guasto;
    QVERIFY(!banco.esercizio->Form_Load()); // the window does not open; the menu stays
    QCOMPARE(banco.avvisi.mostrate.size(), 1);
    // The path shows with the system's own separators.
    QCOMPARE(QDir::fromNativeSeparators(banco.avvisi.mostrate.first().testo), messaggio);
    QCOMPARE(banco.avvisi.mostrate.first().icona, Avvisi::Icona::Esclamazione);
    QVERIFY(!banco.guscio.registro.contains("TornaAlMenu"));

    Banco visita;
    QVERIFY(visita.esercizio->Form_Load());
    const QStringList buono = visita.elencoParole();
    visita.esercizio->mnuImmediato_Click();
    visita.esercizio->BtParole_Click(1); // wrong: tile 0 holds the smallest word
    visita.esercizio->BtParole_Click(0);
    visita.elenchi.file[a1] = guasto;
    visita.esercizio->OpQuante_Click(3);
    QCOMPARE(visita.avvisi.mostrate.size(), 1);
    QCOMPARE(QDir::fromNativeSeparators(visita.avvisi.mostrate.first().testo), messaggio);
    QVERIFY(!visita.guscio.registro.contains("TornaAlMenu"));
    QVERIFY(!visita.esercizio->lasciata());
    QCOMPARE(visita.guscio.condivisi.NumeroEsatti, 1);
    QCOMPARE(visita.guscio.condivisi.NumeroErrati, 1);
    QCOMPARE(visita.stato().testoEsatti, " 1");
    QCOMPARE(visita.stato().testoErrati, " 1");
    QCOMPARE(visita.elencoParole(), buono);
    QStringList attese;
    for (const QString& parola : buono.mid(0, 5))
        attese << parola.toUpper();
    QCOMPARE(visita.tessere(), attese);
    QCOMPARE(visita.caselle(), QStringList(5, QString()));
    QVERIFY(visita.immediato());
    visita.esercizio->BtParole_Click(0); // and play goes on
    QCOMPARE(visita.guscio.condivisi.NumeroEsatti, 2);
}

void TestEsercizio::elencoDifettosoDuranteIlGioco() {
    Banco banco;
    QVERIFY(banco.esercizio->Form_Load());
    banco.elenchi.file.remove(Banco::file(Esercizi::FormOrdina1(), 1));
    const QStringList tessere = banco.tessere();
    for (int i = 0; i < 20; ++i)
        banco.esercizio->BtParole_Click(i);
    banco.esercizio->Command1_Click(); // right: the next turn's file is missing
    QCOMPARE(banco.avvisi.mostrate.size(), 1);
    QCOMPARE(QDir::fromNativeSeparators(banco.avvisi.mostrate.first().testo),
             "Manca il file dell'elenco di parole:\n/prog/testi/a1.txt");
    QCOMPARE(banco.guscio.registro.last(), "SuonoGiusto");
    QVERIFY(!banco.esercizio->lasciata());
    QCOMPARE(banco.guscio.condivisi.NumeroEsatti, 1);
    QCOMPARE(banco.stato().testoEsatti, " 1");
    // The same list dealt again, with the same draws: the same tiles, all free.
    QCOMPARE(banco.tessere(), tessere);
    QCOMPARE(banco.paroleOrdinate(), 0);
    banco.esercizio->BtParole_Click(2);
    banco.esercizio->Command3D1_Click();
    QCOMPARE(banco.paroleOrdinate(), 0);
    banco.esercizio->BottoneEsci_Click(); // answered No
    QCOMPARE(banco.avvisi.mostrate.size(), 2);
    QCOMPARE(banco.avvisi.mostrate.last().testo, "Vuoi tornare al menù?");
}

void TestEsercizio::lettere() {
    Banco banco(Esercizi::FormOrdina());
    QVERIFY(banco.esercizio->Form_Load());
    QVERIFY(banco.elenchi.letti.isEmpty());
    QCOMPARE(banco.guscio.condivisi.QuanteParole, 21);
    QStringList tessere = banco.tessere();
    QCOMPARE(tessere.size(), 21);
    tessere.sort();
    QCOMPARE(tessere.join(QString()), "ABCDEFGHILMNOPQRSTUVZ");
    QCOMPARE(banco.stato().coloreSfondo, 0x0000FF);
    QCOMPARE(banco.guscio.registro.count("ColoreCasuale"), 1);

    banco.esercizio->BtParole_Click(3);
    banco.esercizio->Command3D1_Click();
    banco.esercizio->mnuImmediato_Click();
    QCOMPARE(banco.guscio.registro.count("ColoreCasuale"), 1); // not on a restart
    banco.esercizio->OpQuante_Click(0);
    QCOMPARE(banco.stato().coloreSfondo, 0x00FF00);
    QCOMPARE(banco.tessere(), QStringList({"A", "B"}));
    banco.clic("B");
    QCOMPARE(banco.guscio.condivisi.NumeroErrati, 1);
    banco.clic("A");
    banco.clic("B");
    QCOMPARE(banco.stato().coloreSfondo, 0xFF0000); // a new colour for the new turn
    QCOMPARE(banco.guscio.condivisi.NumeroEsatti, 2);
}

void TestEsercizio::esci() {
    Banco banco;
    QVERIFY(banco.esercizio->Form_Load());
    banco.esercizio->BtParole_Click(0);
    banco.esercizio->BottoneEsci_Click(); // answered No
    QCOMPARE(banco.avvisi.mostrate.first().testo, "Vuoi tornare al menù?");
    QCOMPARE(banco.avvisi.mostrate.first().pulsanti, Avvisi::Pulsanti::SiNo);
    QCOMPARE(banco.avvisi.mostrate.first().icona, Avvisi::Icona::Domanda);
    QVERIFY(!banco.guscio.registro.contains("TornaAlMenu"));
    QCOMPARE(banco.paroleOrdinate(), 1);
    banco.esercizio->MenuInformazioni_Click();
    QCOMPARE(banco.guscio.registro.last(), "MostraInformazioni");
    banco.avvisi.risposte = {Avvisi::Risposta::Si};
    banco.esercizio->BottoneEsci_Click();
    QCOMPARE(banco.guscio.registro.last(), "TornaAlMenu");
}

QTEST_GUILESS_MAIN(TestEsercizio)
#include "tst_esercizio.moc"
