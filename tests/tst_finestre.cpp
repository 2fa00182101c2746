// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/ProgrammaFinto.h"
#include "layout/Layout.h"
#include "layout/Misure.h"
#include "platform/Collocazione.h"
#include "platform/qt/AvvisiQt.h"
#include "screens/Disegno.h"
#include "screens/FabbricaFinestre.h"
#include "screens/FinestraBase.h"
#include "screens/FinestraEsercizio.h"
#include "shell/Modulo1.h"
#include "shell/ModuloColoriSuoni.h"
#include "variants/Esercizi.h"

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

// What a window's layout table places: its client area, then each control by name.
struct Atteso {
    QString nome;
    Rettangolo posto;
    double punti = 0; // none: it shows no text of its own
};

std::pair<Rettangolo, QList<Atteso>> progetto(Finestra finestra) {
    const auto con = [](const char* nome, const Posto& posto) {
        return Atteso{QString::fromLatin1(nome), posto.rettangolo, posto.punti};
    };
    if (finestra == Finestra::FormAvvio) {
        const LayoutAvvio& l = Layout::FormAvvio();
        return {{0, 0, l.larghezza, l.altezza},
                {con("Label2_0", l.titolo), con("Label2_1", l.sottotitolo),
                 con("BottoneAvvio", l.avvio)}};
    }
    if (finestra == Finestra::FormMenu) {
        const LayoutMenu& l = Layout::FormMenu();
        return {{0, 0, l.larghezza, l.altezza},
                {con("Command1", l.esci), con("Command4", l.esercizi[0]),
                 con("Command2", l.esercizi[1]), con("Command3", l.esercizi[2]),
                 con("Command5", l.esercizi[3])}};
    }
    const LayoutEsercizio& l = Layout::esercizio(finestra);
    QList<Atteso> attesi{con("Label1", l.label1),          con("Label2", l.label2),
                         con("EtichettaEsatti", l.esatti), con("EtichettaErrati", l.errati),
                         con("Command1", l.fatto),         con("Command3D1", l.ricomincia),
                         con("BottoneEsci", l.esci),       {"ComandoIconaSi", l.faccine},
                         {"ComandoIconaNo", l.faccine},    {"EtQuanteParole", l.pannello}};
    const ImpostazioniEsercizio& impostazioni = Esercizi::di(finestra).impostazioni;
    for (int i = 0; i < impostazioni.caselle; ++i) {
        attesi.append({QStringLiteral("BtParole_%1").arg(i), l.tessere.posto(i), l.tessere.punti});
        attesi.append({QStringLiteral("Label3_%1").arg(i), l.caselle.posto(i), l.caselle.punti});
    }
    for (int i = 0; i < impostazioni.scelte(); ++i)
        attesi.append({QStringLiteral("OpQuante_%1").arg(i), l.opzioni.posto(i), l.opzioni.punti});
    return {{0, 0, l.larghezza, l.altezza}, attesi};
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
    void progettati_data();
    void progettati();
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

// Every window against its layout table: each control it places, at the
// table's rectangle, in Arial bold at the table's size.
void TestFinestre::geometria_data() {
    QTest::addColumn<Finestra>("finestra");
    const QMetaEnum finestre = QMetaEnum::fromType<Finestra>();
    for (int i = 0; i < finestre.keyCount(); ++i)
        QTest::newRow(finestre.key(i)) << Finestra(finestre.value(i));
}

void TestFinestre::geometria() {
    QFETCH(Finestra, finestra);
    ProgrammaFinto p;
    p.modulo.Mostra(finestra);
    QWidget* area = ProgrammaFinto::elemento("area");
    QVERIFY(area);
    const auto [dimensione, attesi] = progetto(finestra);
    QCOMPARE(area->size(), dimensione.inPixel().size()); // below the menu bar, if any
    QStringList visti;
    for (const Atteso& atteso : attesi) {
        QWidget* elemento = ProgrammaFinto::elemento(atteso.nome);
        QVERIFY2(elemento, qPrintable(atteso.nome));
        visti << atteso.nome;
        const QString come = atteso.nome + QStringLiteral(" %1,%2 %3x%4")
                                               .arg(elemento->x())
                                               .arg(elemento->y())
                                               .arg(elemento->width())
                                               .arg(elemento->height());
        QVERIFY2(elemento->geometry() == atteso.posto.inPixel(), qPrintable(come));
        // Everything designed lies inside the client area but the count panel, and the
        // right counter, which stands at one place in all four windows and so reaches
        // 2 pixels past the narrower two-letter one.
        const bool oltre = atteso.nome == "EtQuanteParole" ||
                           (finestra == Finestra::FormOrdina2 && atteso.nome == "EtichettaEsatti");
        QVERIFY2(oltre || area->rect().contains(elemento->geometry()), qPrintable(come));
        if (atteso.punti > 0) {
            const QFont font = elemento->font();
            QVERIFY2(font.pixelSize() == qRound(atteso.punti * 96 / 72), qPrintable(come));
            QVERIFY2(font.family() == "Arial" && font.bold(), qPrintable(come));
        }
    }
    // And nothing is placed that the table does not hold.
    for (QWidget* figlio : area->findChildren<QWidget*>())
        QVERIFY2(figlio->objectName().isEmpty() || figlio->objectName().startsWith("qt_") ||
                     visti.contains(figlio->objectName()),
                 qPrintable(figlio->objectName()));
}

// A few designed numbers, so that a wrong table fails too.
void TestFinestre::progettati_data() {
    QTest::addColumn<Finestra>("finestra");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QRect>("posto");
    QTest::addColumn<int>("pixel");
    const auto riga = [](Finestra f, const char* nome, QRect posto, int pixel) {
        QTest::addRow("%s %s", Finestre::nome(f), nome)
            << f << QString::fromLatin1(nome) << posto << pixel;
    };
    const Finestra o1 = Finestra::FormOrdina1;
    riga(o1, "BtParole_5", inPixel(1920, 3480, 1695, 615), 13);
    riga(o1, "OpQuante_18", inPixel(4440, 2880, 1095, 435), 24);
    riga(o1, "EtichettaEsatti", inPixel(8520, 1080, 975, 615), 24);
    riga(o1, "Command3D1", inPixel(7680, 4200, 1695, 975), 12);
    riga(o1, "Command1", inPixel(7680, 3000, 1695, 975), 19);
    riga(o1, "Label1", inPixel(7680, 1200, 735, 375), 16);
    riga(o1, "Label3_7", inPixel(5520, 600, 1695, 375), 13);
    riga(Finestra::FormOrdina, "BtParole_20", inPixel(5880, 5040, 855, 735), 32);
    riga(Finestra::FormOrdina2, "Label3_11", inPixel(5640, 1560, 1695, 375), 16);
    riga(Finestra::FormOrdina3, "Label1", inPixel(7680, 1200, 735, 375), 13);
    riga(Finestra::FormAvvio, "Label2_0", inPixel(1800, 1560, 5895, 3015), 80);
    riga(Finestra::FormAvvio, "BottoneAvvio", inPixel(2880, 4680, 3855, 1335), 27);
    riga(Finestra::FormMenu, "Command2", inPixel(1080, 1080, 7215, 735), 18);
    riga(Finestra::FormMenu, "Command1", inPixel(2160, 5400, 5172, 1095), 24);
}

void TestFinestre::progettati() {
    QFETCH(Finestra, finestra);
    QFETCH(QString, nome);
    QFETCH(QRect, posto);
    QFETCH(int, pixel);
    ProgrammaFinto p;
    p.modulo.Mostra(finestra);
    QWidget* elemento = ProgrammaFinto::elemento(nome);
    QVERIFY(elemento);
    QCOMPARE(elemento->geometry(), posto);
    QCOMPARE(elemento->font().pixelSize(), pixel);
    if (finestra == Finestra::FormOrdina1)
        QCOMPARE(ProgrammaFinto::elemento("area")->size(), inPixel(0, 0, 12405, 10440).size());
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
    QVERIFY(ProgrammaFinto::elemento("Command1")->isHidden());
    ProgrammaFinto::menu("mnuImmediato"); // chosen again, it stays ticked
    QVERIFY(immediato->isChecked());
    ProgrammaFinto::menu("mnuTermine");
    ProgrammaFinto::menu("mnuTermine");
    QVERIFY(!immediato->isChecked() && termine->isChecked());
    QVERIFY(!ProgrammaFinto::elemento("Command3D1")->isHidden());
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
    QWidget* w = ProgrammaFinto::elemento("BtParole_0");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            ordine << w->objectName();
        w = w->nextInFocusChain();
    } while (w != ProgrammaFinto::elemento("BtParole_0") && ordine.size() < 100);
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
    auto* prima = ProgrammaFinto::elemento<QAbstractButton>("BtParole_0");
    const QString parola = prima->text();
    const bool casella = nome.startsWith("Label3");
    if (casella)
        QTest::mouseClick(prima, Qt::LeftButton);
    QWidget* bersaglio = ProgrammaFinto::elemento(nome);
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
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("Label3_0")->text(), piazzata ? parola : QString());
    if (!piazzata) {
        QCOMPARE(ProgrammaFinto::elemento<QLabel>("EtichettaEsatti")->text(), "0");
        QCOMPARE(ProgrammaFinto::elemento<QLabel>("EtichettaErrati")->text(), "0");
        QVERIFY(p.riproduttore.suonati.isEmpty());
    }
}

void TestFinestre::giocoColMouse() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    auto* tessera = ProgrammaFinto::elemento<QAbstractButton>("BtParole_0");
    const QString parola = tessera->text();
    QVERIFY(!parola.isEmpty());
    ProgrammaFinto::clic("BtParole_0");
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("Label3_0")->text(), parola);
    QVERIFY(!tessera->isEnabled());
    ProgrammaFinto::clic("Command3D1");
    QVERIFY(tessera->isEnabled());
    QVERIFY(ProgrammaFinto::elemento<QLabel>("Label3_0")->text().isEmpty());

    ProgrammaFinto::menu("MenuFrasi");
    QWidget* pannello = ProgrammaFinto::elemento("EtQuanteParole");
    QVERIFY(pannello->isVisible());
    QCOMPARE(pannello->pos(), QPoint(0, 0));
    ProgrammaFinto::clic("OpQuante_3");
    QVERIFY(!pannello->isVisible());
    QVERIFY(ProgrammaFinto::elemento("BtParole_4")->isVisible());
    QVERIFY(ProgrammaFinto::elemento("BtParole_5")->isHidden());
    QVERIFY(ProgrammaFinto::elemento("Label3_5")->isHidden());
    // The same option again still closes the panel, clicked right of its number.
    ProgrammaFinto::menu("MenuFrasi");
    auto* opzione = ProgrammaFinto::elemento("OpQuante_3");
    QTest::mouseClick(opzione, Qt::LeftButton, {}, {opzione->width() - 2, opzione->height() / 2});
    QVERIFY(!pannello->isVisible());

    // Tiles were dealt z... down to a..., so clicking the last visible first is right.
    ProgrammaFinto::menu("mnuImmediato");
    for (int i = 4; i >= 0; --i)
        ProgrammaFinto::clic(QStringLiteral("BtParole_%1").arg(i));
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("EtichettaEsatti")->text(), " 5");
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("EtichettaErrati")->text(), "0");
    QCOMPARE(p.riproduttore.suonati.size(), 1);
    QVERIFY(ProgrammaFinto::elemento("ComandoIconaSi")->isVisible());
    QVERIFY(ProgrammaFinto::elemento("ComandoIconaNo")->isHidden());
    ProgrammaFinto::clic("BtParole_0");
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("EtichettaErrati")->text(), " 1");
    QVERIFY(ProgrammaFinto::elemento("ComandoIconaNo")->isVisible());
    QVERIFY(ProgrammaFinto::elemento("ComandoIconaSi")->isHidden());
}

void TestFinestre::viaggio() {
    ProgrammaFinto p;
    p.modulo.Main();
    QVERIFY(ProgrammaFinto::finestra());
    QVERIFY(ProgrammaFinto::elemento("BottoneAvvio"));
    ProgrammaFinto::clic("BottoneAvvio");
    QVERIFY(ProgrammaFinto::elemento("Command5"));
    const QList<QPair<QString, int>> esercizi{
        {"Command4", 21}, {"Command2", 20}, {"Command3", 12}, {"Command5", 20}};
    for (const auto& [bottone, tessere] : esercizi) {
        ProgrammaFinto::clic(bottone);
        QVERIFY2(ProgrammaFinto::finestra(), qPrintable(bottone));
        QVERIFY(ProgrammaFinto::elemento(QStringLiteral("BtParole_%1").arg(tessere - 1)));
        QVERIFY(!ProgrammaFinto::elemento(QStringLiteral("BtParole_%1").arg(tessere)));
        // All the tiles are in play, whatever count the visit before chose.
        QVERIFY(
            ProgrammaFinto::elemento(QStringLiteral("BtParole_%1").arg(tessere - 1))->isVisible());
        ProgrammaFinto::menu("MenuFrasi");
        ProgrammaFinto::clic("OpQuante_0");
        QVERIFY(ProgrammaFinto::elemento("BtParole_2")->isHidden());
        p.avvisi.risposte = {Avvisi::Risposta::No};
        ProgrammaFinto::clic("BottoneEsci");
        QVERIFY(ProgrammaFinto::elemento("BottoneEsci"));
        p.avvisi.risposte = {Avvisi::Risposta::Si};
        const QPointer<FinestraBase> uscente = ProgrammaFinto::finestra();
        ProgrammaFinto::clic("BottoneEsci");
        // A window on its way out takes nothing more, not even a click already sent.
        const qsizetype domande = p.avvisi.mostrate.size();
        QVERIFY(uscente && uscente->isHidden());
        uscente->findChild<QAbstractButton*>("BottoneEsci")->click();
        QCOMPARE(p.avvisi.mostrate.size(), domande);
        QVERIFY(ProgrammaFinto::elemento("Command5")); // back in the menu
    }
    // An exercise whose list cannot be read does not open; the menu stays.
    p.elenchi.file.clear();
    ProgrammaFinto::clic("Command2");
    QVERIFY(ProgrammaFinto::elemento("Command5"));
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
    for (const Variante& variante : Esercizi::tutti())
        QTest::addRow("%s", Finestre::nome(variante.finestra))
            << variante.finestra << true << esercizio;
}

void TestFinestre::figure() {
    QFETCH(Finestra, finestra);
    QFETCH(bool, icona);
    QFETCH(QStringList, bottoniConFigura);
    ProgrammaFinto p;
    p.modulo.Mostra(finestra);
    QCOMPARE(!ProgrammaFinto::finestra()->windowIcon().isNull(), icona);
    for (const QString& nome : bottoniConFigura) {
        auto* bottone = ProgrammaFinto::elemento<QAbstractButton>(nome);
        QVERIFY2(bottone && !bottone->icon().isNull(), qPrintable(nome));
        QCOMPARE(bottone->iconSize(), QSize(32, 32));
    }
    if (finestra != Finestra::FormAvvio && finestra != Finestra::FormMenu) {
        for (const char* faccina : {"ComandoIconaSi", "ComandoIconaNo"}) {
            auto* riquadro = ProgrammaFinto::elemento<QLabel>(faccina);
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
    QCOMPARE(Misure::aCapoAiBlank(testo, Misure::carattere(60), larghezza), righe);
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
    for (int i = 0; i < QMetaEnum::fromType<Finestra>().keyCount(); ++i) {
        const auto finestra = Finestra(QMetaEnum::fromType<Finestra>().value(i));
        ProgrammaFinto p;
        p.modulo.Mostra(finestra);
        QVERIFY(ProgrammaFinto::finestra());
        piuGrande = piuGrande.expandedTo(ProgrammaFinto::finestra()->size());
    }
    QCOMPARE(Misure::finestraPiuGrande(), piuGrande);
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
        QWidget* riquadro = ProgrammaFinto::elemento(nome);
        QVERIFY(riquadro);
        const QFont font = riquadro->font();
        QVERIFY2(intera == (font.pixelSize() == pixel), nome);
        QVERIFY2(QFontMetrics(font).horizontalAdvance(parola.toUpper()) <= riquadro->width() - 4,
                 nome);
    }
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("Label3_0")->text(), parola.toUpper());
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
    auto* tessera = ProgrammaFinto::elemento<QAbstractButton>("BtParole_0");
    auto* casella = ProgrammaFinto::elemento<QLabel>("Label3_0");
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
