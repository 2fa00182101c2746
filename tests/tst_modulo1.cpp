// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/ProgrammaConFinti.h"
#include "shell/FormAvvio.h"
#include "shell/FormMenu.h"

#include <QTest>

using ProgrammaSenzaFinestre = ProgrammaConFinti<>;

class TestModulo1 : public QObject {
    Q_OBJECT

private slots:
    void cambioDiFinestra();
    void finestraCheNonSiApre();
    void uscita_data();
    void uscita();
    void menuAzzeraEColora();
    void informazioni();
    void colori_data();
    void colori();
    void suoni_data();
    void suoni();
};

void TestModulo1::cambioDiFinestra() {
    ProgrammaSenzaFinestre p;
    p.modulo.Main();
    QCOMPARE(p.casuale.semine, 1);
    QCOMPARE(p.fabbrica.registro, QStringList({"carica FormAvvio", "mostra FormAvvio"}));
    const QList<Finestra> percorso{
        Finestra::FormMenu,   Finestra::FormOrdina1, Finestra::FormMenu,
        Finestra::FormOrdina, Finestra::FormMenu,    Finestra::FormOrdina2,
        Finestra::FormMenu,   Finestra::FormOrdina3, Finestra::FormMenu};
    Finestra vecchia = Finestra::FormAvvio;
    for (const Finestra nuova : percorso) {
        p.fabbrica.registro.clear();
        p.modulo.Mostra(nuova);
        // The new window is loaded and shown before the old one goes.
        QCOMPARE(p.fabbrica.registro, QStringList({"carica " + FabbricaFinta::nome(nuova),
                                                   "mostra " + FabbricaFinta::nome(nuova),
                                                   "scarica " + FabbricaFinta::nome(vecchia)}));
        QCOMPARE(p.fabbrica.caricate, QSet<Finestra>{nuova});
        QCOMPARE(p.fabbrica.caricata(), nuova);
        vecchia = nuova;
    }
    QCOMPARE(p.terminato, 0);
}

void TestModulo1::finestraCheNonSiApre() {
    ProgrammaSenzaFinestre p;
    p.modulo.Main();
    p.modulo.Mostra(Finestra::FormMenu);
    p.fabbrica.nonSiAprono.insert(Finestra::FormOrdina2);
    p.fabbrica.registro.clear();
    p.modulo.Mostra(Finestra::FormOrdina2);
    QCOMPARE(p.fabbrica.registro, QStringList({"carica FormOrdina2", "scarica FormOrdina2"}));
    QCOMPARE(p.fabbrica.caricate, QSet<Finestra>{Finestra::FormMenu});
    QCOMPARE(p.fabbrica.caricata(), Finestra::FormMenu);
}

void TestModulo1::uscita_data() {
    QTest::addColumn<bool>("si");
    QTest::newRow("Sì") << true;
    QTest::newRow("No") << false;
}

void TestModulo1::uscita() {
    QFETCH(bool, si);
    ProgrammaSenzaFinestre p;
    p.modulo.Main();
    p.modulo.Mostra(Finestra::FormMenu);
    p.modulo.valori().NumeroEsatti = 4;
    p.avvisi.risposte = {si ? Avvisi::Risposta::Si : Avvisi::Risposta::No};
    FormMenu menu(p.modulo);
    menu.Command1_Click();
    QCOMPARE(p.avvisi.mostrate.size(), 1);
    QCOMPARE(p.avvisi.mostrate.first().testo, "Vuoi uscire dal programma?");
    QCOMPARE(p.avvisi.mostrate.first().pulsanti, Avvisi::Pulsanti::SiNo);
    QCOMPARE(p.avvisi.mostrate.first().icona, Avvisi::Icona::Domanda);
    QCOMPARE(p.terminato, si ? 1 : 0);
    QCOMPARE(p.fabbrica.caricate.isEmpty(), si);
    QCOMPARE(p.modulo.valori().NumeroEsatti, 4);
}

void TestModulo1::menuAzzeraEColora() {
    ProgrammaSenzaFinestre p;
    p.casuale.estrazioni = {CasualeFinto::per(3, 18), CasualeFinto::per(17, 18)};
    FormAvvio titolo(p.modulo);
    QCOMPARE(titolo.coloreSfondo(), 0xFFFF00u); // cyan until loaded
    titolo.Form_Load();
    QCOMPARE(titolo.coloreSfondo(), 0x0000FFu);
    p.modulo.valori() = {.NumeroEsatti = 5, .NumeroErrati = 7, .QuanteParole = 9};
    FormMenu menu(p.modulo);
    menu.Form_Load();
    QCOMPARE(menu.coloreSfondo(), 0xFF0000u);
    QCOMPARE(p.modulo.valori().NumeroEsatti, 0);
    QCOMPARE(p.modulo.valori().NumeroErrati, 0);
    QCOMPARE(p.modulo.valori().QuanteParole, 9);
}

void TestModulo1::informazioni() {
    ProgrammaSenzaFinestre p;
    p.modulo.MostraInformazioni();
    QCOMPARE(p.avvisi.mostrate.size(), 1);
    QCOMPARE(p.avvisi.mostrate.first().testo,
             "Autore  \r\n ----------------------- \r\nmail: posta@example.org");
    QCOMPARE(p.avvisi.mostrate.first().pulsanti, Avvisi::Pulsanti::Ok);
    QCOMPARE(p.avvisi.mostrate.first().icona, Avvisi::Icona::Informazione);
}

void TestModulo1::colori_data() {
    QTest::addColumn<double>("estrazione");
    QTest::addColumn<quint32>("colore");
    QTest::newRow("r = 0") << 0.0 << quint32(0xC0C0FF);
    QTest::newRow("appena sotto 1/18") << (1.0 / 18 - 1e-12) << quint32(0xC0C0FF);
    QTest::newRow("13 e 14 uguali") << (13.5 / 18) << quint32(0xFFC0FF);
    QTest::newRow("14 e 15 uguali") << (14.5 / 18) << quint32(0xFFC0FF);
    QTest::newRow("r appena sotto 1") << std::nextafter(1.0, 0.0) << quint32(0xFF00FF);
}

void TestModulo1::colori() {
    QFETCH(double, estrazione);
    QFETCH(quint32, colore);
    ProgrammaSenzaFinestre p;
    p.casuale.estrazioni = {estrazione};
    QCOMPARE(p.coloriSuoni.ColoreCasuale(), colore);
    QCOMPARE(p.casuale.usate, 1);
}

void TestModulo1::suoni_data() {
    QTest::addColumn<QList<double>>("estrazioni");
    QTest::addColumn<QStringList>("suonati");
    QTest::newRow("r = 0") << QList<double>{0.0} << QStringList{"/prog/suoni/si1.wav"};
    QTest::newRow("uno per quarto")
        << QList<double>{0.25, 0.5, 0.75, std::nextafter(1.0, 0.0), 0.2}
        << QStringList{"/prog/suoni/si2.wav", "/prog/suoni/si3.wav", "/prog/suoni/si4.wav",
                       "/prog/suoni/si4.wav", "/prog/suoni/si1.wav"};
}

void TestModulo1::suoni() {
    QFETCH(QList<double>, estrazioni);
    QFETCH(QStringList, suonati);
    ProgrammaSenzaFinestre p;
    p.casuale.estrazioni = estrazioni;
    for (qsizetype i = 0; i < estrazioni.size(); ++i)
        p.modulo.SuonoGiusto();
    QCOMPARE(p.riproduttore.suonati, suonati);
    p.modulo.SuonoSbagliato();
    QCOMPARE(p.riproduttore.suonati.last(), "/prog/suoni/no.wav");
    QCOMPARE(p.casuale.usate, estrazioni.size()); // the failure sound draws nothing
}

QTEST_GUILESS_MAIN(TestModulo1)
#include "tst_modulo1.moc"
