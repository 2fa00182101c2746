// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/ProgrammaFinto.h"
#include "platform/Collocazione.h"
#include "platform/qt/AvvisiQt.h"
#include "screens/Disegno.h"
#include "screens/FabbricaFinestre.h"
#include "screens/FinestraBase.h"
#include "screens/FinestraEsercizio.h"
#include "screens/Layout.h"
#include "shell/Modulo1.h"
#include "shell/ModuloColoriSuoni.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPointingDevice>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

namespace {

QRect inPixel(int left, int top, int width, int height) {
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

// A button's text as drawn: "&&" shows one '&', a lone '&' underlines the next
// character (the shortcut) and is not shown.
QString comeDisegnato(const QString& testo) {
    QString visto;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] == u'&' && ++i == testo.size())
            break;
        visto += testo[i];
    }
    return visto;
}

} // namespace

class TestFinestre : public QObject {
    Q_OBJECT

private slots:
    void geometria_data();
    void geometria();
    void caratteri_data();
    void caratteri();
    void menuDellEsercizio();
    void ordineDiTabulazione();
    void giocoColMouse();
    void ascolto_data();
    void ascolto();
    void viaggio();
    void chiusuraDallaCornice();
    void figure_data();
    void figure();
    void titoloACapo_data();
    void titoloACapo();
    void collocazione_data();
    void collocazione();
    void seguonoLoSchermo();
    void fattoreScala_data();
    void fattoreScala();
    void finestraPiuGrande();
    void paroleLunghe_data();
    void paroleLunghe();
    void paroleComeScritte_data();
    void paroleComeScritte();
};

void TestFinestre::geometria_data() {
    QTest::addColumn<Finestra>("finestra");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QRect>("posto");
    const auto riga = [](Finestra f, const char* nome, QRect posto) {
        QTest::addRow("%d %s", int(f), nome) << f << QString::fromLatin1(nome) << posto;
    };
    const Finestra o1 = Finestra::FormOrdina1;
    riga(o1, "area", inPixel(0, 0, 12405, 10440));
    riga(o1, "BtParole_0", inPixel(120, 2760, 1695, 615));
    riga(o1, "BtParole_5", inPixel(1920, 3480, 1695, 615));
    riga(o1, "BtParole_19", inPixel(5520, 5640, 1695, 615));
    riga(o1, "Label3_19", inPixel(5520, 2040, 1695, 375));
    riga(o1, "OpQuante_18", inPixel(4440, 2880, 1095, 435));
    riga(o1, "OpQuante_5", inPixel(1800, 1080, 1095, 435));
    riga(o1, "Label1", inPixel(7680, 1200, 735, 375));
    riga(o1, "Label2", inPixel(7680, 2160, 735, 495));
    riga(o1, "EtichettaEsatti", inPixel(8520, 1080, 975, 615));
    riga(o1, "EtichettaErrati", inPixel(8520, 2040, 855, 615));
    riga(o1, "ComandoIconaSi", inPixel(8280, 120, 975, 855));
    riga(o1, "ComandoIconaNo", inPixel(8280, 120, 975, 855));
    riga(o1, "Command1", inPixel(7680, 3000, 1695, 975));
    riga(o1, "Command3D1", inPixel(7680, 4200, 1695, 975));
    riga(o1, "BottoneEsci", inPixel(7680, 5400, 1695, 855));
    riga(o1, "EtQuanteParole", inPixel(0, 0, 11295, 9975));
    const Finestra lettere = Finestra::FormOrdina;
    riga(lettere, "area", inPixel(0, 0, 12210, 10620));
    riga(lettere, "BtParole_20", inPixel(5880, 5040, 855, 735));
    riga(lettere, "Label3_20", inPixel(5880, 1800, 855, 735));
    riga(lettere, "OpQuante_19", inPixel(4440, 3480, 1095, 435));
    riga(lettere, "EtQuanteParole", inPixel(0, 0, 12255, 10095));
    riga(lettere, "Command1", inPixel(7440, 2760, 1935, 975));
    riga(lettere, "Command3D1", inPixel(7440, 3840, 1935, 975));
    riga(lettere, "BottoneEsci", inPixel(7440, 4920, 1935, 855));
    riga(lettere, "ComandoIconaSi", inPixel(8160, 120, 975, 855));
    riga(lettere, "Label2", inPixel(7680, 1800, 735, 495));
    riga(lettere, "EtichettaErrati", inPixel(8520, 1680, 855, 615));
    const Finestra due = Finestra::FormOrdina2;
    riga(due, "area", inPixel(0, 0, 9465, 6540));
    riga(due, "BtParole_11", inPixel(5520, 4680, 1695, 615));
    riga(due, "Label3_11", inPixel(5640, 1560, 1695, 375));
    riga(due, "OpQuante_10", inPixel(3240, 2280, 1095, 435));
    riga(due, "EtQuanteParole", inPixel(0, 0, 9615, 6615));
    riga(due, "Command1", inPixel(7560, 3240, 1575, 975));
    riga(due, "Command3D1", inPixel(7560, 4440, 1575, 975));
    riga(due, "BottoneEsci", inPixel(7560, 5520, 1575, 855));
    riga(due, "ComandoIconaNo", inPixel(8160, 0, 975, 855));
    riga(due, "Label2", inPixel(7680, 2160, 735, 495));
    const Finestra tutte = Finestra::FormOrdina3;
    riga(tutte, "area", inPixel(0, 0, 9510, 6540));
    riga(tutte, "BtParole_19", inPixel(5520, 5640, 1695, 615));
    riga(tutte, "Label3_19", inPixel(5520, 2040, 1695, 375));
    riga(tutte, "OpQuante_18", inPixel(4440, 2880, 1095, 435));
    riga(tutte, "EtQuanteParole", inPixel(0, 0, 9615, 6615));
    riga(tutte, "Command1", inPixel(7440, 3000, 1815, 975));
    riga(tutte, "BottoneEsci", inPixel(7440, 5280, 1815, 855));
    riga(tutte, "ComandoIconaSi", inPixel(8040, 120, 975, 855));
    riga(tutte, "EtichettaEsatti", inPixel(8520, 1080, 975, 615));
    const Finestra avvio = Finestra::FormAvvio;
    riga(avvio, "area", inPixel(0, 0, 11355, 8625));
    riga(avvio, "Label2_1", inPixel(2280, 480, 4932, 852));
    riga(avvio, "Label2_0", inPixel(1800, 1560, 5895, 3015));
    riga(avvio, "BottoneAvvio", inPixel(2880, 4680, 3855, 1335));
    const Finestra menu = Finestra::FormMenu;
    riga(menu, "Command4", inPixel(1080, 240, 7215, 735));
    riga(menu, "Command2", inPixel(1080, 1080, 7215, 735));
    riga(menu, "Command3", inPixel(1080, 1920, 7215, 735));
    riga(menu, "Command5", inPixel(1080, 2760, 7215, 735));
    riga(menu, "Command1", inPixel(2160, 5400, 5172, 1095));
}

void TestFinestre::geometria() {
    QFETCH(Finestra, finestra);
    QFETCH(QString, nome);
    QFETCH(QRect, posto);
    ProgrammaFinto p;
    p.modulo.Mostra(finestra);
    QWidget* controllo = ProgrammaFinto::controllo(nome);
    QVERIFY(controllo);
    if (nome == "area") {
        QCOMPARE(controllo->size(), posto.size()); // below the menu bar, if any
        return;
    }
    QCOMPARE(controllo->geometry(), posto);
    // Everything designed lies inside the window's client area; the count
    // panel may reach past it.
    if (nome != "EtQuanteParole")
        QVERIFY(ProgrammaFinto::controllo("area")->rect().contains(controllo->geometry()));
}

void TestFinestre::caratteri_data() {
    QTest::addColumn<Finestra>("finestra");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("pixel");
    QTest::newRow("tessera") << Finestra::FormOrdina1 << "BtParole_7" << 13;
    QTest::newRow("casella") << Finestra::FormOrdina1 << "Label3_7" << 13;
    QTest::newRow("contatore") << Finestra::FormOrdina1 << "EtichettaEsatti" << 24;
    QTest::newRow("Ricomincia") << Finestra::FormOrdina1 << "Command3D1" << 12;
    QTest::newRow("Fatto") << Finestra::FormOrdina1 << "Command1" << 19;
    QTest::newRow("titolo") << Finestra::FormAvvio << "Label2_0" << 80;
    QTest::newRow("Avvio") << Finestra::FormAvvio << "BottoneAvvio" << 27;
    QTest::newRow("esercizio nel menu") << Finestra::FormMenu << "Command2" << 18;
    QTest::newRow("lettera") << Finestra::FormOrdina << "BtParole_20" << 32;
    QTest::newRow("casella a due lettere") << Finestra::FormOrdina2 << "Label3_3" << 16;
    QTest::newRow("Esatti, tutte le lettere") << Finestra::FormOrdina3 << "Label1" << 13;
    QTest::newRow("Esatti, prima lettera") << Finestra::FormOrdina1 << "Label1" << 16;
}

void TestFinestre::caratteri() {
    QFETCH(Finestra, finestra);
    QFETCH(QString, nome);
    QFETCH(int, pixel);
    ProgrammaFinto p;
    p.modulo.Mostra(finestra);
    const QFont font = ProgrammaFinto::controllo(nome)->font();
    QCOMPARE(font.pixelSize(), pixel);
    QCOMPARE(font.family(), "Arial");
    QVERIFY(font.bold());
}

void TestFinestre::menuDellEsercizio() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    FinestraBase* f = ProgrammaFinto::finestra();
    QVERIFY(f);
    QStringList voci;
    for (QAction* voce : f->menuBar()->actions())
        voci << voce->text();
    const QString dieci(10, u' ');
    QCOMPARE(voci, QStringList({"Azzera conteggio" + dieci, "Scegli il numero di parole" + dieci,
                                "Controllo" + dieci, "Informazioni"}));
    auto* immediato = f->findChild<QAction*>("mnuImmediato");
    auto* termine = f->findChild<QAction*>("mnuTermine");
    QVERIFY(!immediato->isChecked() && termine->isChecked());
    ProgrammaFinto::menu("mnuImmediato");
    QVERIFY(immediato->isChecked() && !termine->isChecked());
    QVERIFY(ProgrammaFinto::controllo("Command1")->isHidden());
    ProgrammaFinto::menu("mnuImmediato"); // chosen again, it stays ticked
    QVERIFY(immediato->isChecked());
    ProgrammaFinto::menu("mnuTermine");
    ProgrammaFinto::menu("mnuTermine");
    QVERIFY(!immediato->isChecked() && termine->isChecked());
    QVERIFY(!ProgrammaFinto::controllo("Command3D1")->isHidden());
    QVERIFY(f->windowTitle().isEmpty());
}

void TestFinestre::ordineDiTabulazione() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    QStringList atteso{"BtParole_0"};
    for (int i = 19; i >= 1; --i)
        atteso << QStringLiteral("BtParole_%1").arg(i);
    atteso << "Command1"
           << "Command3D1"
           << "BottoneEsci";
    for (int i = 18; i >= 0; --i)
        atteso << QStringLiteral("OpQuante_%1").arg(i);
    QStringList ordine;
    QWidget* w = ProgrammaFinto::controllo("BtParole_0");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            ordine << w->objectName();
        w = w->nextInFocusChain();
    } while (w != ProgrammaFinto::controllo("BtParole_0") && ordine.size() < 100);
    QCOMPARE(ordine, atteso);
}

enum class Gesto { Destro, TastoMenu, TastoMenuColSistema, MaiuscF10, Tenuta, Tocco, ClicLento };

void TestFinestre::ascolto_data() {
    QTest::addColumn<Finestra>("finestra");
    QTest::addColumn<bool>("immediato");
    QTest::addColumn<Gesto>("gesto");
    QTest::addColumn<QString>("nome");      // asked about; a slot once the first tile is placed
    QTest::addColumn<QStringList>("detti"); // "=": the first tile's word
    const Finestra lettere = Finestra::FormOrdina;
    const Finestra parole = Finestra::FormOrdina1;
    const QStringList prima{"="};
    // With no draws scripted the letters are dealt A to Z: tile 7 is H.
    QTest::newRow("clic destro") << lettere << false << Gesto::Destro << "BtParole_7"
                                 << QStringList{"acca"};
    QTest::newRow("clic destro, immediato")
        << parole << true << Gesto::Destro << "BtParole_0" << prima;
    QTest::newRow("casella piena")
        << Finestra::FormOrdina2 << false << Gesto::Destro << "Label3_0" << prima;
    QTest::newRow("casella vuota")
        << parole << false << Gesto::Destro << "Label3_1" << QStringList();
    QTest::newRow("tasto menu") << lettere << false << Gesto::TastoMenu << "BtParole_14"
                                << QStringList{"cu"};
    QTest::newRow("tasto menu, e il sistema chiede anche lui")
        << Finestra::FormOrdina3 << false << Gesto::TastoMenuColSistema << "BtParole_0" << prima;
    QTest::newRow("Maiusc+F10") << lettere << true << Gesto::MaiuscF10 << "BtParole_20"
                                << QStringList{"zeta"};
    QTest::newRow("dito tenuto") << parole << false << Gesto::Tenuta << "BtParole_0" << prima;
    QTest::newRow("dito tenuto, immediato")
        << lettere << true << Gesto::Tenuta << "BtParole_0" << QStringList{"a"};
    QTest::newRow("tocco breve") << parole << false << Gesto::Tocco << "BtParole_0"
                                 << QStringList();
    QTest::newRow("clic lento col mouse")
        << parole << false << Gesto::ClicLento << "BtParole_0" << QStringList();
}

// Every way of asking to hear a tile or a slot reads it once and leaves it
// where it was; a touch not held, and the mouse however slow, still place it.
void TestFinestre::ascolto() {
    QFETCH(Finestra, finestra);
    QFETCH(bool, immediato);
    QFETCH(Gesto, gesto);
    QFETCH(QString, nome);
    QFETCH(QStringList, detti);
    ProgrammaFinto p;
    p.modulo.Mostra(finestra);
    if (immediato)
        ProgrammaFinto::menu("mnuImmediato");
    auto* prima = ProgrammaFinto::controllo<QAbstractButton>("BtParole_0");
    const QString parola = prima->text();
    const bool casella = nome.startsWith("Label3");
    if (casella)
        QTest::mouseClick(prima, Qt::LeftButton);
    QWidget* bersaglio = ProgrammaFinto::controllo(nome);
    const QPoint centro = bersaglio->rect().center();
    const int tenuta = QGuiApplication::styleHints()->mousePressAndHoldInterval();
    static QPointingDevice* const dito = QTest::createTouchDevice(); // Qt keeps it
    bersaglio->setFocus();
    switch (gesto) {
    case Gesto::Destro: // through the window, where Qt makes the context menu request
        QTest::mouseClick(bersaglio->window()->windowHandle(), Qt::RightButton, {},
                          bersaglio->mapTo(bersaglio->window(), centro));
        break;
    case Gesto::TastoMenu:
    case Gesto::TastoMenuColSistema: {
        QTest::keyClick(bersaglio, Qt::Key_Menu);
        QContextMenuEvent richiesta(QContextMenuEvent::Keyboard, centro,
                                    bersaglio->mapToGlobal(centro));
        if (gesto == Gesto::TastoMenuColSistema) // as X11 does
            QApplication::sendEvent(bersaglio, &richiesta);
        break;
    }
    case Gesto::MaiuscF10:
        QTest::keyClick(bersaglio, Qt::Key_F10, Qt::ShiftModifier);
        break;
    case Gesto::Tenuta:
    case Gesto::Tocco:
        QTest::touchEvent(bersaglio, dito).press(0, centro, bersaglio);
        QTest::qWait(gesto == Gesto::Tenuta ? tenuta + 200 : 50);
        QTest::touchEvent(bersaglio, dito).release(0, centro, bersaglio);
        break;
    case Gesto::ClicLento:
        QTest::mousePress(bersaglio, Qt::LeftButton);
        QTest::qWait(tenuta + 200);
        QTest::mouseRelease(bersaglio, Qt::LeftButton);
        break;
    }
    QCOMPARE(p.voce.detti, detti.replaceInStrings("=", parola));
    const bool piazzata = casella || gesto == Gesto::Tocco || gesto == Gesto::ClicLento;
    QCOMPARE(prima->isEnabled(), !piazzata);
    QCOMPARE(ProgrammaFinto::controllo<QLabel>("Label3_0")->text(), piazzata ? parola : QString());
    if (!piazzata) {
        QCOMPARE(ProgrammaFinto::controllo<QLabel>("EtichettaEsatti")->text(), "0");
        QCOMPARE(ProgrammaFinto::controllo<QLabel>("EtichettaErrati")->text(), "0");
        QVERIFY(p.riproduttore.suonati.isEmpty());
    }
}

void TestFinestre::giocoColMouse() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    auto* tessera = ProgrammaFinto::controllo<QAbstractButton>("BtParole_0");
    const QString parola = tessera->text();
    QVERIFY(!parola.isEmpty());
    ProgrammaFinto::clic("BtParole_0");
    QCOMPARE(ProgrammaFinto::controllo<QLabel>("Label3_0")->text(), parola);
    QVERIFY(!tessera->isEnabled());
    ProgrammaFinto::clic("Command3D1");
    QVERIFY(tessera->isEnabled());
    QVERIFY(ProgrammaFinto::controllo<QLabel>("Label3_0")->text().isEmpty());

    ProgrammaFinto::menu("MenuFrasi");
    QWidget* pannello = ProgrammaFinto::controllo("EtQuanteParole");
    QVERIFY(pannello->isVisible());
    QCOMPARE(pannello->pos(), QPoint(0, 0));
    ProgrammaFinto::clic("OpQuante_3");
    QVERIFY(!pannello->isVisible());
    QVERIFY(ProgrammaFinto::controllo("BtParole_4")->isVisible());
    QVERIFY(ProgrammaFinto::controllo("BtParole_5")->isHidden());
    QVERIFY(ProgrammaFinto::controllo("Label3_5")->isHidden());
    // The same option again still closes the panel, clicked right of its number.
    ProgrammaFinto::menu("MenuFrasi");
    auto* opzione = ProgrammaFinto::controllo("OpQuante_3");
    QTest::mouseClick(opzione, Qt::LeftButton, {}, {opzione->width() - 2, opzione->height() / 2});
    QVERIFY(!pannello->isVisible());

    // Tiles were dealt z... down to a..., so clicking the last visible first is right.
    ProgrammaFinto::menu("mnuImmediato");
    for (int i = 4; i >= 0; --i)
        ProgrammaFinto::clic(QStringLiteral("BtParole_%1").arg(i));
    QCOMPARE(ProgrammaFinto::controllo<QLabel>("EtichettaEsatti")->text(), " 5");
    QCOMPARE(ProgrammaFinto::controllo<QLabel>("EtichettaErrati")->text(), "0");
    QCOMPARE(p.riproduttore.suonati.size(), 1);
    QVERIFY(ProgrammaFinto::controllo("ComandoIconaSi")->isVisible());
    QVERIFY(ProgrammaFinto::controllo("ComandoIconaNo")->isHidden());
    ProgrammaFinto::clic("BtParole_0");
    QCOMPARE(ProgrammaFinto::controllo<QLabel>("EtichettaErrati")->text(), " 1");
    QVERIFY(ProgrammaFinto::controllo("ComandoIconaNo")->isVisible());
    QVERIFY(ProgrammaFinto::controllo("ComandoIconaSi")->isHidden());
}

void TestFinestre::viaggio() {
    ProgrammaFinto p;
    p.modulo.Main();
    QVERIFY(ProgrammaFinto::finestra());
    QVERIFY(ProgrammaFinto::controllo("BottoneAvvio"));
    ProgrammaFinto::clic("BottoneAvvio");
    QVERIFY(ProgrammaFinto::controllo("Command5"));
    const QList<QPair<QString, int>> esercizi{
        {"Command4", 21}, {"Command2", 20}, {"Command3", 12}, {"Command5", 20}};
    for (const auto& [bottone, tessere] : esercizi) {
        ProgrammaFinto::clic(bottone);
        QVERIFY2(ProgrammaFinto::finestra(), qPrintable(bottone));
        QVERIFY(ProgrammaFinto::controllo(QStringLiteral("BtParole_%1").arg(tessere - 1)));
        QVERIFY(!ProgrammaFinto::controllo(QStringLiteral("BtParole_%1").arg(tessere)));
        // All the tiles are in play, whatever count the visit before chose.
        QVERIFY(
            ProgrammaFinto::controllo(QStringLiteral("BtParole_%1").arg(tessere - 1))->isVisible());
        ProgrammaFinto::menu("MenuFrasi");
        ProgrammaFinto::clic("OpQuante_0");
        QVERIFY(ProgrammaFinto::controllo("BtParole_2")->isHidden());
        p.avvisi.risposte = {Avvisi::Risposta::No};
        ProgrammaFinto::clic("BottoneEsci");
        QVERIFY(ProgrammaFinto::controllo("BottoneEsci"));
        p.avvisi.risposte = {Avvisi::Risposta::Si};
        const QPointer<FinestraBase> uscente = ProgrammaFinto::finestra();
        ProgrammaFinto::clic("BottoneEsci");
        // A window on its way out takes nothing more, not even a click already sent.
        const qsizetype domande = p.avvisi.mostrate.size();
        QVERIFY(uscente && uscente->isHidden());
        uscente->findChild<QAbstractButton*>("BottoneEsci")->click();
        QCOMPARE(p.avvisi.mostrate.size(), domande);
        QVERIFY(ProgrammaFinto::controllo("Command5")); // back in the menu
    }
    // An exercise whose list cannot be read does not open; the menu stays.
    p.elenchi.file.clear();
    ProgrammaFinto::clic("Command2");
    QVERIFY(ProgrammaFinto::controllo("Command5"));
    QCOMPARE(p.avvisi.mostrate.last().icona, Avvisi::Icona::Esclamazione);
    p.avvisi.risposte = {Avvisi::Risposta::Si};
    ProgrammaFinto::clic("Command1");
    QCOMPARE(p.terminato, 1);
    QVERIFY(ProgrammaFinto::finestre().isEmpty());
}

void TestFinestre::chiusuraDallaCornice() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina2);
    ProgrammaFinto::finestra()->close();
    QCOMPARE(p.terminato, 1);
    QVERIFY(p.avvisi.mostrate.isEmpty());
    QVERIFY(ProgrammaFinto::finestre().isEmpty());
}

void TestFinestre::figure_data() {
    QTest::addColumn<Finestra>("finestra");
    QTest::addColumn<bool>("icona");
    QTest::addColumn<QStringList>("bottoniConFigura");
    QTest::newRow("titolo") << Finestra::FormAvvio << true << QStringList{"BottoneAvvio"};
    QTest::newRow("menu") << Finestra::FormMenu << false << QStringList{"Command1"};
    const QStringList esercizio{"Command1", "Command3D1", "BottoneEsci"};
    for (const Finestra f : {Finestra::FormOrdina, Finestra::FormOrdina1, Finestra::FormOrdina2,
                             Finestra::FormOrdina3})
        QTest::addRow("esercizio %d", int(f)) << f << true << esercizio;
}

void TestFinestre::figure() {
    QFETCH(Finestra, finestra);
    QFETCH(bool, icona);
    QFETCH(QStringList, bottoniConFigura);
    ProgrammaFinto p;
    p.modulo.Mostra(finestra);
    QCOMPARE(!ProgrammaFinto::finestra()->windowIcon().isNull(), icona);
    for (const QString& nome : bottoniConFigura) {
        auto* bottone = ProgrammaFinto::controllo<QAbstractButton>(nome);
        QVERIFY2(bottone && !bottone->icon().isNull(), qPrintable(nome));
        QCOMPARE(bottone->iconSize(), QSize(32, 32));
    }
    if (finestra != Finestra::FormAvvio && finestra != Finestra::FormMenu) {
        for (const char* faccina : {"ComandoIconaSi", "ComandoIconaNo"}) {
            auto* riquadro = ProgrammaFinto::controllo<QLabel>(faccina);
            // Stretched beforehand, pixel by pixel: a label would blend it.
            QVERIFY(!riquadro->hasScaledContents());
            QCOMPARE(riquadro->pixmap().deviceIndependentSize(), QSizeF(riquadro->size()));
            QVERIFY(!riquadro->autoFillBackground()); // the window shows round the disc
        }
    }
}

void TestFinestre::titoloACapo_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<QString>("righe");
    QTest::newRow("ci sta") << "   sequenzio" << 2000 << "   sequenzio";
    QTest::newRow("i blank iniziali restano soli") << "   sequenzio" << 300 << "   \nsequenzio";
    QTest::newRow("una parola per riga") << "uno due tre" << 10 << "uno\ndue\ntre";
    QTest::newRow("due per riga") << "ab ab ab ab" << 2000 << "ab ab ab ab";
}

void TestFinestre::titoloACapo() {
    QFETCH(QString, testo);
    QFETCH(int, larghezza);
    QFETCH(QString, righe);
    QCOMPARE(Disegno::aCapoAiBlank(testo, Disegno::carattere(60), larghezza), righe);
}

void TestFinestre::collocazione_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("corniceSotto");
    QTest::addColumn<QRect>("clientSotto");
    QTest::addColumn<QRect>("disponibile");
    QTest::addColumn<QPoint>("angolo");
    // A frame 1 px thick with a 20 px title bar, as openbox draws it.
    const auto sotto = [](int x, int y, int w, int h) { return QRect(x, y, w + 2, h + 21); };
    const auto dentro = [](int x, int y, int w, int h) { return QRect(x + 1, y + 20, w, h); };
    const QRect schermo(0, 0, 1920, 1080);
    const QSize menu(625, 439); // frame 627 x 460
    QTest::newRow("primo, sullo schermo")
        << menu << schermo << schermo << schermo << QPoint(647, 320);
    QTest::newRow("al centro di quella di prima")
        << menu << sotto(581, 252, 757, 575) << dentro(581, 252, 757, 575) << schermo
        << QPoint(647, 320);
    QTest::newRow("bordo sinistro") << menu << sotto(-300, 300, 100, 100)
                                    << dentro(-300, 300, 100, 100) << schermo << QPoint(0, 131);
    QTest::newRow("bordo destro") << menu << sotto(1900, 300, 100, 100)
                                  << dentro(1900, 300, 100, 100) << schermo << QPoint(1293, 131);
    QTest::newRow("bordo alto") << menu << sotto(900, -50, 100, 100) << dentro(900, -50, 100, 100)
                                << schermo << QPoint(637, 0);
    QTest::newRow("bordo basso") << menu << sotto(900, 1000, 100, 100)
                                 << dentro(900, 1000, 100, 100) << schermo << QPoint(637, 620);
    // A second screen with a panel across its top.
    const QRect secondo(1920, 32, 1366, 736);
    QTest::newRow("pannello del secondo schermo")
        << menu << sotto(2500, 40, 200, 100) << dentro(2500, 40, 200, 100) << secondo
        << QPoint(2287, 32);
    QTest::newRow("piu grande dello schermo")
        << QSize(1500, 900) << sotto(2500, 300, 200, 100) << dentro(2500, 300, 200, 100) << secondo
        << QPoint(1920, 32);
    // Open at the middle of 1600x1200 when a projector turns it into 800x600.
    QTest::newRow("lo schermo si restringe sotto la finestra")
        << menu << sotto(486, 370, 625, 439) << dentro(486, 370, 625, 439) << QRect(0, 0, 800, 600)
        << QPoint(173, 140);
}

void TestFinestre::collocazione() {
    QFETCH(QSize, client);
    QFETCH(QRect, corniceSotto);
    QFETCH(QRect, clientSotto);
    QFETCH(QRect, disponibile);
    QFETCH(QPoint, angolo);
    QCOMPARE(Collocazione::angoloCornice(client, corniceSotto, clientSotto, disponibile), angolo);
}

// A window open when the screen's free area changes is placed again.
void TestFinestre::seguonoLoSchermo() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormMenu);
    FinestraBase* f = ProgrammaFinto::finestra();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QScreen* schermo = f->screen();
    f->move(schermo->availableGeometry().bottomRight() - QPoint(50, 50));
    emit schermo->availableGeometryChanged(schermo->availableGeometry());
    QVERIFY(schermo->availableGeometry().contains(f->frameGeometry()));

    // So is a message box over it.
    bool dentro = false;
    QTimer::singleShot(0, [&dentro, schermo] {
        auto* scatola = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!scatola)
            return;
        scatola->move(schermo->availableGeometry().bottomRight() - QPoint(50, 50));
        emit schermo->availableGeometryChanged(schermo->availableGeometry());
        dentro = schermo->availableGeometry().contains(scatola->frameGeometry());
        scatola->done(0);
    });
    AvvisiQt().mostra(QStringLiteral("Vuoi uscire?"), Avvisi::Pulsanti::SiNo,
                      Avvisi::Icona::Domanda);
    QVERIFY(dentro);
}

void TestFinestre::fattoreScala_data() {
    QTest::addColumn<QSize>("disponibile");
    QTest::addColumn<double>("fattore");
    // The letters window with its menu bar, and a frame as openbox draws it.
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.4;
    QTest::newRow("1366x768") << QSize(1366, 768) << 1.0;
    QTest::newRow("1024x700, non entra nemmeno a 1") << QSize(1024, 700) << 1.0;
    QTest::newRow("alto appena quanto serve") << QSize(1366, 791) << 1.05;
    QTest::newRow("3840x2160, con un pannello") << QSize(3840, 2124) << 2.85;
    QTest::newRow("piu largo che alto") << QSize(1000, 4000) << 1.2;
}

void TestFinestre::fattoreScala() {
    QFETCH(QSize, disponibile);
    QFETCH(double, fattore);
    QCOMPARE(Collocazione::fattoreScala(QSize(814, 733), QSize(2, 21), disponibile, 0.05), fattore);
}

// The whiteboard start works the windows' size out without building them: it
// must come to the largest real one, menu bar included.
void TestFinestre::finestraPiuGrande() {
    QSize piuGrande;
    for (const Finestra finestra :
         {Finestra::FormAvvio, Finestra::FormMenu, Finestra::FormOrdina, Finestra::FormOrdina1,
          Finestra::FormOrdina2, Finestra::FormOrdina3}) {
        ProgrammaFinto p;
        p.modulo.Mostra(finestra);
        QVERIFY(ProgrammaFinto::finestra());
        piuGrande = piuGrande.expandedTo(ProgrammaFinto::finestra()->size());
    }
    QCOMPARE(Layout::finestraPiuGrande(), piuGrande);
}

void TestFinestre::paroleLunghe_data() {
    QTest::addColumn<Finestra>("finestra");
    QTest::addColumn<QString>("elenco");
    QTest::addColumn<QString>("parola");
    QTest::addColumn<int>("pixel"); // the designed size
    QTest::addColumn<bool>("intera");
    for (const char* lunga : {"cioccolatino", "pastasciutta", "quadrifoglio"})
        QTest::addRow("la piu' lunga degli elenchi: %s", lunga)
            << Finestra::FormOrdina3 << "c1" << lunga << 13 << true;
    QTest::newRow("16 lettere") << Finestra::FormOrdina1 << "a1"
                                << "controproducente" << 13 << false;
    QTest::newRow("26 lettere, due lettere") << Finestra::FormOrdina2 << "b1"
                                             << "precipitevolissimevolmente" << 16 << false;
}

void TestFinestre::paroleLunghe() {
    // A word that does not fit its tile or slot shows whole in a smaller size;
    // one that fits keeps the designed size.
    QFETCH(Finestra, finestra);
    QFETCH(QString, elenco);
    QFETCH(QString, parola);
    QFETCH(int, pixel);
    QFETCH(bool, intera);
    ProgrammaFinto p;
    QStringList parole(30, QStringLiteral("ape"));
    parole[0] = parola;
    p.elenchi.metti(QStringLiteral("/prog/testi/%1.txt").arg(elenco), parole);
    p.modulo.Mostra(finestra);
    ProgrammaFinto::clic("BtParole_0");
    for (const char* nome : {"BtParole_0", "Label3_0"}) {
        QWidget* riquadro = ProgrammaFinto::controllo(nome);
        QVERIFY(riquadro);
        const QFont font = riquadro->font();
        QVERIFY2(intera == (font.pixelSize() == pixel), nome);
        QVERIFY2(QFontMetrics(font).horizontalAdvance(parola.toUpper()) <= riquadro->width() - 4,
                 nome);
    }
    QCOMPARE(ProgrammaFinto::controllo<QLabel>("Label3_0")->text(), parola.toUpper());
}

void TestFinestre::paroleComeScritte_data() {
    QTest::addColumn<QString>("parola");
    QTest::addColumn<int>("tasto"); // Alt with it must not place the tile
    QTest::newRow("corsivo") << "<i>x</i>" << int(Qt::Key_X);
    QTest::newRow("immagine") << "<img src=/etc/passwd>" << int(Qt::Key_I);
    QTest::newRow("immagine in entita'") << "<img src=&#47;&#101;tc&#47;passwd>" << int(Qt::Key_1);
    QTest::newRow("e commerciale") << "R&D" << int(Qt::Key_D);
    QTest::newRow("e commerciale sola") << "&" << int(Qt::Key_Ampersand);
    QTest::newRow("due e commerciali") << "a&&b" << int(Qt::Key_B);
}

// Whatever a list holds, a word is shown as its characters, in the tile, in
// the slot and to a screen reader: nothing in it is markup or a shortcut.
void TestFinestre::paroleComeScritte() {
    QFETCH(QString, parola);
    QFETCH(int, tasto);
    ProgrammaFinto p;
    for (int n = 1; n <= 11; ++n) {
        const QString file = QStringLiteral("/prog/testi/a%1.txt").arg(n);
        QStringList parole = p.elenchi.file.value(file).campi;
        parole[0] = parola;
        p.elenchi.metti(file, parole);
    }
    p.modulo.Mostra(Finestra::FormOrdina1);
    const QString vista = parola.toUpper();
    auto* tessera = ProgrammaFinto::controllo<QAbstractButton>("BtParole_0");
    auto* casella = ProgrammaFinto::controllo<QLabel>("Label3_0");
    QCOMPARE(comeDisegnato(tessera->text()), vista);
    QVERIFY(QKeySequence::mnemonic(tessera->text()).isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(tessera)->text(QAccessible::Name), vista);

    ProgrammaFinto::finestra()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ProgrammaFinto::finestra()));
    QTest::keyClick(ProgrammaFinto::finestra(), Qt::Key(tasto), Qt::AltModifier);
    QVERIFY(!tessera->isDown()); // a shortcut would press it at once, and click it later

    ProgrammaFinto::clic("BtParole_0");
    QCOMPARE(casella->text(), vista);
    QCOMPARE(QAccessible::queryAccessibleInterface(casella)->text(QAccessible::Name), vista);
    for (QLabel* etichetta : ProgrammaFinto::finestra()->findChildren<QLabel*>())
        QVERIFY2(etichetta->textFormat() == Qt::PlainText, qPrintable(etichetta->objectName()));

    // So is a message that quotes it, as one naming a file does.
    Qt::TextFormat formato = Qt::AutoText;
    QTimer::singleShot(0, [&formato] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* scatola = qobject_cast<QMessageBox*>(w); scatola && scatola->isVisible()) {
                formato = scatola->textFormat();
                scatola->done(0);
            }
        }
    });
    AvvisiQt().mostra(parola, Avvisi::Pulsanti::Ok, Avvisi::Icona::Esclamazione);
    QCOMPARE(formato, Qt::PlainText);
}

QTEST_MAIN(TestFinestre)
#include "tst_finestre.moc"
