#include "fakes/AvvisiFinti.h"
#include "fakes/CasualeFinto.h"
#include "fakes/ElenchiFinti.h"
#include "fakes/RiproduttoreFinto.h"
#include "screens/Disegno.h"
#include "screens/FabbricaFinestre.h"
#include "screens/FinestraBase.h"
#include "screens/FinestraEsercizio.h"
#include "shell/Modulo1.h"
#include "shell/ModuloColoriSuoni.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

namespace {

// The real windows, with fakes behind them.
struct Programma {
    CasualeFinto casuale;
    AvvisiFinti avvisi;
    ElenchiFinti elenchi;
    RiproduttoreFinto riproduttore;
    ModuloColoriSuoni coloriSuoni{casuale, riproduttore, QStringLiteral("/prog")};
    FabbricaFinestre fabbrica{casuale, avvisi, elenchi, QStringLiteral("/prog")};
    int terminato = 0;
    Modulo1 modulo{{casuale, avvisi, coloriSuoni, fabbrica, [this] { ++terminato; },
                    QStringLiteral("Autore"), QStringLiteral("posta@example.org")}};

    Programma() {
        for (const auto& [famiglia, quanti] : {std::pair{"a", 11}, {"b", 10}, {"c", 10}}) {
            for (int n = 1; n <= quanti; ++n) {
                QStringList parole;
                for (int i = 0; i < 30; ++i)
                    parole << QStringLiteral("%1parola%2").arg(QChar(u'z' - i)).arg(n);
                elenchi.metti(QStringLiteral("/prog/testi/%1%2.txt").arg(famiglia).arg(n), parole);
            }
        }
    }
    ~Programma() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The windows alive once unloaded ones are gone.
    static QList<FinestraBase*> finestre() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<FinestraBase*> vive;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<FinestraBase*>(w))
                vive << f;
        return vive;
    }
    static FinestraBase* finestra() {
        const QList<FinestraBase*> vive = finestre();
        return vive.size() == 1 && vive.first()->isVisible() ? vive.first() : nullptr;
    }
    template <typename W = QWidget> static W* controllo(const QString& nome) {
        FinestraBase* f = finestra();
        return f ? f->findChild<W*>(nome) : nullptr;
    }
    static void clic(const QString& nome) {
        auto* bottone = controllo<QAbstractButton>(nome);
        QVERIFY2(bottone, qPrintable(nome));
        QTest::mouseClick(bottone, Qt::LeftButton);
    }
    static void menu(const QString& nome) {
        auto* voce = finestra()->findChild<QAction*>(nome);
        QVERIFY2(voce, qPrintable(nome));
        voce->trigger();
    }
};

QRect inPixel(int left, int top, int width, int height) {
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
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
    void viaggio();
    void chiusuraDallaCornice();
    void titoloACapo_data();
    void titoloACapo();
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
    Programma p;
    p.modulo.Mostra(finestra);
    QWidget* controllo = Programma::controllo(nome);
    QVERIFY(controllo);
    if (nome == "area") {
        QCOMPARE(controllo->size(), posto.size()); // below the menu bar, if any
        return;
    }
    QCOMPARE(controllo->geometry(), posto);
    // Everything designed lies inside the window's client area.
    QVERIFY(Programma::controllo("area")->rect().contains(controllo->geometry()));
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
}

void TestFinestre::caratteri() {
    QFETCH(Finestra, finestra);
    QFETCH(QString, nome);
    QFETCH(int, pixel);
    Programma p;
    p.modulo.Mostra(finestra);
    const QFont font = Programma::controllo(nome)->font();
    QCOMPARE(font.pixelSize(), pixel);
    QCOMPARE(font.family(), "Arial");
    QVERIFY(font.bold());
}

void TestFinestre::menuDellEsercizio() {
    Programma p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    FinestraBase* f = Programma::finestra();
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
    Programma::menu("mnuImmediato");
    QVERIFY(immediato->isChecked() && !termine->isChecked());
    QVERIFY(Programma::controllo("Command1")->isHidden());
    Programma::menu("mnuImmediato"); // chosen again, it stays ticked
    QVERIFY(immediato->isChecked());
    Programma::menu("mnuTermine");
    Programma::menu("mnuTermine");
    QVERIFY(!immediato->isChecked() && termine->isChecked());
    QVERIFY(!Programma::controllo("Command3D1")->isHidden());
    QVERIFY(f->windowTitle().isEmpty());
}

void TestFinestre::ordineDiTabulazione() {
    Programma p;
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
    QWidget* w = Programma::controllo("BtParole_0");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            ordine << w->objectName();
        w = w->nextInFocusChain();
    } while (w != Programma::controllo("BtParole_0") && ordine.size() < 100);
    QCOMPARE(ordine, atteso);
}

void TestFinestre::giocoColMouse() {
    Programma p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    auto* tessera = Programma::controllo<QAbstractButton>("BtParole_0");
    const QString parola = tessera->text();
    QVERIFY(!parola.isEmpty());
    Programma::clic("BtParole_0");
    QCOMPARE(Programma::controllo<QLabel>("Label3_0")->text(), parola);
    QVERIFY(!tessera->isEnabled());
    Programma::clic("Command3D1");
    QVERIFY(tessera->isEnabled());
    QVERIFY(Programma::controllo<QLabel>("Label3_0")->text().isEmpty());

    Programma::menu("MenuFrasi");
    QWidget* pannello = Programma::controllo("EtQuanteParole");
    QVERIFY(pannello->isVisible());
    QCOMPARE(pannello->pos(), QPoint(0, 0));
    Programma::clic("OpQuante_3");
    QVERIFY(!pannello->isVisible());
    QVERIFY(Programma::controllo("BtParole_4")->isVisible());
    QVERIFY(Programma::controllo("BtParole_5")->isHidden());
    QVERIFY(Programma::controllo("Label3_5")->isHidden());
    Programma::menu("MenuFrasi");
    Programma::clic("OpQuante_3"); // the same option again still closes the panel
    QVERIFY(!pannello->isVisible());

    // Tiles were dealt z... down to a..., so clicking the last visible first is right.
    Programma::menu("mnuImmediato");
    for (int i = 4; i >= 0; --i)
        Programma::clic(QStringLiteral("BtParole_%1").arg(i));
    QCOMPARE(Programma::controllo<QLabel>("EtichettaEsatti")->text(), " 5");
    QCOMPARE(Programma::controllo<QLabel>("EtichettaErrati")->text(), "0");
    QCOMPARE(p.riproduttore.suonati.size(), 1);
    QVERIFY(Programma::controllo("ComandoIconaSi")->isVisible());
    QVERIFY(Programma::controllo("ComandoIconaNo")->isHidden());
    Programma::clic("BtParole_0");
    QCOMPARE(Programma::controllo<QLabel>("EtichettaErrati")->text(), " 1");
    QVERIFY(Programma::controllo("ComandoIconaNo")->isVisible());
    QVERIFY(Programma::controllo("ComandoIconaSi")->isHidden());
}

void TestFinestre::viaggio() {
    Programma p;
    p.modulo.Main();
    QVERIFY(Programma::finestra());
    QVERIFY(Programma::controllo("BottoneAvvio"));
    Programma::clic("BottoneAvvio");
    QVERIFY(Programma::controllo("Command5"));
    const QList<QPair<QString, int>> esercizi{
        {"Command4", 21}, {"Command2", 20}, {"Command3", 12}, {"Command5", 20}};
    for (const auto& [bottone, tessere] : esercizi) {
        Programma::clic(bottone);
        QVERIFY2(Programma::finestra(), qPrintable(bottone));
        QVERIFY(Programma::controllo(QStringLiteral("BtParole_%1").arg(tessere - 1)));
        QVERIFY(!Programma::controllo(QStringLiteral("BtParole_%1").arg(tessere)));
        p.avvisi.risposte = {Avvisi::Risposta::No};
        Programma::clic("BottoneEsci");
        QVERIFY(Programma::controllo("BottoneEsci"));
        p.avvisi.risposte = {Avvisi::Risposta::Si};
        Programma::clic("BottoneEsci");
        QVERIFY(Programma::controllo("Command5")); // back in the menu
    }
    // An exercise whose list cannot be read does not open; the menu stays.
    p.elenchi.file.clear();
    Programma::clic("Command2");
    QVERIFY(Programma::controllo("Command5"));
    QCOMPARE(p.avvisi.mostrate.last().icona, Avvisi::Icona::Esclamazione);
    p.avvisi.risposte = {Avvisi::Risposta::Si};
    Programma::clic("Command1");
    QCOMPARE(p.terminato, 1);
    QVERIFY(Programma::finestre().isEmpty());
}

void TestFinestre::chiusuraDallaCornice() {
    Programma p;
    p.modulo.Mostra(Finestra::FormOrdina2);
    Programma::finestra()->close();
    QCOMPARE(p.terminato, 1);
    QVERIFY(p.avvisi.mostrate.isEmpty());
    QVERIFY(Programma::finestre().isEmpty());
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

QTEST_MAIN(TestFinestre)
#include "tst_finestre.moc"
