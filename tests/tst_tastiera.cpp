// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/ProgrammaFinto.h"
#include "platform/TraduzioneItaliana.h"
#include "screens/StileTastiera.h"

#include <QAccessible>
#include <QCommonStyle>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>

#include <memory>

namespace {

QWidget* fuoco() {
    return QApplication::focusWidget();
}
QString nomeDelFuoco() {
    return fuoco() ? fuoco()->objectName() : QStringLiteral("(nessuno)");
}

void tasto(Qt::Key k, Qt::KeyboardModifiers modificatori = Qt::NoModifier) {
    QWidget* destinatario = QApplication::activePopupWidget();
    if (!destinatario)
        destinatario = fuoco() ? fuoco() : QApplication::activeWindow();
    QVERIFY(destinatario);
    QTest::keyClick(destinatario, k, modificatori);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void attiva() {
    FinestraBase* f = ProgrammaFinto::finestra();
    QVERIFY(f);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
}

// Moves the focus with Tab until it reaches the named control.
void tabFino(const QString& nome) {
    for (int i = 0; i < 60 && nomeDelFuoco() != nome; ++i)
        tasto(Qt::Key_Tab);
    QCOMPARE(nomeDelFuoco(), nome);
}

// Opens the menu bar with F10 and chooses the n-th item on it.
void vocePrincipale(int n) {
    tasto(Qt::Key_F10);
    QMenuBar* barra = ProgrammaFinto::finestra()->menuBar();
    QVERIFY(barra->activeAction());
    for (int i = 0; i < n; ++i)
        QTest::keyClick(barra, Qt::Key_Right);
    QTest::keyClick(barra, Qt::Key_Return);
}

// A platform style that paints buttons from its own theme, as Windows' does: a
// push button's whole bevel, a tool button as a plain bevel, all white.
class StileConTema final : public QCommonStyle {
public:
    void drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* pittore,
                     const QWidget* widget) const override {
        if (elemento == CE_PushButtonBevel)
            pittore->fillRect(opzione->rect, Qt::white);
        else
            QCommonStyle::drawControl(elemento, opzione, pittore, widget);
    }
    void drawComplexControl(ComplexControl quale, const QStyleOptionComplex* opzione,
                            QPainter* pittore, const QWidget* widget) const override {
        if (quale == CC_ToolButton)
            proxy()->drawPrimitive(PE_PanelButtonBevel, opzione, pittore, widget);
        else
            QCommonStyle::drawComplexControl(quale, opzione, pittore, widget);
    }
    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* pittore,
                       const QWidget* widget) const override {
        if (elemento == PE_PanelButtonBevel)
            pittore->fillRect(opzione->rect, Qt::white);
        else
            QCommonStyle::drawPrimitive(elemento, opzione, pittore, widget);
    }
};

QString testoAccessibile(QWidget* w, QAccessible::Text quale = QAccessible::Name) {
    QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(w);
    return interfaccia ? interfaccia->text(quale) : QString();
}

} // namespace

class TestTastiera : public QObject {
    Q_OBJECT

private slots:
    void sessioneSenzaMouse();
    void enterNonPremeAltri();
    void nomiAccessibili();
    void azioniDelleOpzioni_data();
    void azioniDelleOpzioni();
    void pulsantiInItaliano();
    void segniDeiPulsanti_data();
    void segniDeiPulsanti();
    void faccePiatte_data();
    void faccePiatte();
};

void TestTastiera::sessioneSenzaMouse() {
    ProgrammaFinto p;
    p.modulo.Main();
    attiva();
    QCOMPARE(nomeDelFuoco(), "BottoneAvvio");
    tasto(Qt::Key_Return);
    attiva();
    QCOMPARE(nomeDelFuoco(), "Command1"); // "Esci" comes first on the menu
    tabFino("Command2");
    tasto(Qt::Key_Return);
    attiva();

    // A count of two, chosen from the keyboard: arrows move, Space chooses.
    vocePrincipale(1);
    QVERIFY(ProgrammaFinto::elemento("EtQuanteParole")->isVisible());
    QCOMPARE(nomeDelFuoco(), "OpQuante_0");
    tasto(Qt::Key_Down);
    QCOMPARE(nomeDelFuoco(), "OpQuante_1");
    QVERIFY(ProgrammaFinto::elemento("EtQuanteParole")->isVisible());
    tasto(Qt::Key_Up);
    tasto(Qt::Key_Space);
    QCOMPARE(p.modulo.valori().QuanteParole, 2);
    QVERIFY(!ProgrammaFinto::elemento("EtQuanteParole")->isVisible());
    QVERIFY(fuoco() && fuoco()->isVisible() && fuoco()->isEnabled());

    // Checking at the end: the tiles were dealt Z... then Y...; wrong first.
    tabFino("BtParole_0");
    tasto(Qt::Key_Return);
    QVERIFY(fuoco()->isEnabled()); // the focus left the placed tile
    tabFino("BtParole_1");
    tasto(Qt::Key_Return);
    tabFino("Command1");
    tasto(Qt::Key_Return);
    QCOMPARE(p.modulo.valori().NumeroErrati, 1);
    tabFino("Command3D1");
    tasto(Qt::Key_Return);
    tabFino("BtParole_1");
    tasto(Qt::Key_Return);
    tabFino("BtParole_0");
    tasto(Qt::Key_Space);
    tabFino("Command1");
    tasto(Qt::Key_Return);
    QCOMPARE(p.modulo.valori().NumeroEsatti, 1);

    // Checking at every click, chosen in the "Controllo" drop-down.
    vocePrincipale(2);
    QVERIFY(QApplication::activePopupWidget());
    tasto(Qt::Key_Return);
    QVERIFY(ProgrammaFinto::elemento("Command1")->isHidden());
    QVERIFY(fuoco() && fuoco()->isVisible());
    tabFino("BtParole_0");
    tasto(Qt::Key_Return);
    QCOMPARE(p.modulo.valori().NumeroErrati, 2);
    tabFino("BtParole_1");
    tasto(Qt::Key_Return);
    tabFino("BtParole_0");
    tasto(Qt::Key_Return);
    QCOMPARE(p.modulo.valori().NumeroEsatti, 3);
    QCOMPARE(p.riproduttore.suonati.size(), 4);

    // Back to the menu, and out.
    p.avvisi.risposte = {Avvisi::Risposta::Si};
    tabFino("BottoneEsci");
    tasto(Qt::Key_Return);
    attiva();
    QVERIFY(ProgrammaFinto::elemento("Command5"));
    p.avvisi.risposte = {Avvisi::Risposta::Si};
    QCOMPARE(nomeDelFuoco(), "Command1");
    tasto(Qt::Key_Return);
    QCOMPARE(p.terminato, 1);
}

void TestTastiera::enterNonPremeAltri() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    attiva();
    tabFino("BtParole_0");
    const QString parola = ProgrammaFinto::elemento<QAbstractButton>("BtParole_0")->text();
    tasto(Qt::Key_Return);
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("Label3_0")->text(), parola);
    QCOMPARE(ProgrammaFinto::elemento<QLabel>("Label3_1")->text(), QString());
    QVERIFY(p.avvisi.mostrate.isEmpty()); // neither "Fatto" nor "Esci" was pressed
}

void TestTastiera::nomiAccessibili() {
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    auto* tessera = ProgrammaFinto::elemento<QAbstractButton>("BtParole_0");
    QCOMPARE(testoAccessibile(tessera), tessera->text());
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("Label3_0")), "casella vuota");
    ProgrammaFinto::clic("BtParole_0");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("Label3_0")), tessera->text());
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("EtichettaEsatti")), "Esatti");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("EtichettaErrati")), "Errati");
    QCOMPARE(
        testoAccessibile(ProgrammaFinto::elemento("EtichettaErrati"), QAccessible::Description),
        "0");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("ComandoIconaSi")), "risposta giusta");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("ComandoIconaNo")), "risposta sbagliata");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("Command1")), "Fatto");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("Command3D1")), "Ricomincia");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("BottoneEsci")), "Esci");
    QCOMPARE(testoAccessibile(ProgrammaFinto::elemento("EtQuanteParole")),
             "Scegli il numero di parole");
    ProgrammaFinto::menu("mnuImmediato");
    ProgrammaFinto::clic("BtParole_2"); // not the smallest
    QCOMPARE(
        testoAccessibile(ProgrammaFinto::elemento("EtichettaErrati"), QAccessible::Description),
        "1");
}

void TestTastiera::azioniDelleOpzioni_data() {
    QTest::addColumn<QString>("azione");
    QTest::newRow("premi") << QAccessibleActionInterface::pressAction();
    QTest::newRow("cambia") << QAccessibleActionInterface::toggleAction();
}

// A screen reader or a switch chooses a count as a click does.
void TestTastiera::azioniDelleOpzioni() {
    QFETCH(QString, azione);
    ProgrammaFinto p;
    p.modulo.Mostra(Finestra::FormOrdina1);
    ProgrammaFinto::menu("MenuFrasi");
    QAccessibleInterface* opzione =
        QAccessible::queryAccessibleInterface(ProgrammaFinto::elemento("OpQuante_1"));
    QVERIFY(opzione && opzione->actionInterface());
    QCOMPARE(opzione->role(), QAccessible::RadioButton);
    QCOMPARE(opzione->text(QAccessible::Name), "3");
    QVERIFY(opzione->actionInterface()->actionNames().contains(azione));
    opzione->actionInterface()->doAction(azione);
    QCOMPARE(p.modulo.valori().QuanteParole, 3);
    QVERIFY(!ProgrammaFinto::elemento("EtQuanteParole")->isVisible());
    QVERIFY(ProgrammaFinto::elemento("BtParole_2")->isVisible());
    QVERIFY(ProgrammaFinto::elemento("BtParole_3")->isHidden());
}

void TestTastiera::pulsantiInItaliano() {
    if (!installaTraduzioneItaliana())
        QSKIP("Qt's Italian translation is not installed");
    QMessageBox scatola(QMessageBox::Question, "Sequenzio", "?",
                        QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(scatola.button(QMessageBox::Yes)->text().remove(u'&'), "Sì");
    QCOMPARE(scatola.button(QMessageBox::No)->text().remove(u'&'), "No");
    QMessageBox avviso(QMessageBox::Warning, "Sequenzio", "!", QMessageBox::Ok);
    QCOMPARE(avviso.button(QMessageBox::Ok)->text().remove(u'&'), "OK");
}

void TestTastiera::segniDeiPulsanti_data() {
    QTest::addColumn<QMessageBox::StandardButton>("pulsante");
    QTest::addColumn<bool>("tastiera"); // Tab went round the box's buttons
    QTest::addColumn<bool>("bordoScuro");
    QTest::addColumn<bool>("cornice"); // the thick focus frame
    QTest::newRow("Sì, predefinito, appena aperta") << QMessageBox::Yes << false << true << false;
    QTest::newRow("No") << QMessageBox::No << false << false << false;
    QTest::newRow("Sì, dopo un giro di Tab") << QMessageBox::Yes << true << true << true;
}

// The exit question's default answer shows as such before any key is pressed.
void TestTastiera::segniDeiPulsanti() {
    QFETCH(QMessageBox::StandardButton, pulsante);
    QFETCH(bool, tastiera);
    QFETCH(bool, bordoScuro);
    QFETCH(bool, cornice);
    StileTastiera::applica();
    QMessageBox scatola(QMessageBox::Question, "Sequenzio", "Vuoi uscire dal programma?",
                        QMessageBox::Yes | QMessageBox::No);
    scatola.setDefaultButton(QMessageBox::Yes);
    scatola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scatola));
    if (tastiera) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QImage figura = scatola.button(pulsante)->grab().toImage();
    const int mezzo = figura.height() / 2;
    QCOMPARE(figura.pixelColor(0, mezzo) == Qt::black, bordoScuro);
    QCOMPARE(figura.pixelColor(3, mezzo) == QColor(0, 0, 160), cornice);
}

void TestTastiera::faccePiatte_data() {
    QTest::addColumn<bool>("tema");      // the platform's style paints its theme's buttons
    QTest::addColumn<bool>("strumento"); // a tool button, as Avvio, Fatto and Esci
    QTest::newRow("pulsante, Fusion") << false << false;
    QTest::newRow("pulsante con figura, Fusion") << false << true;
    QTest::newRow("pulsante, stile con tema") << true << false;
    QTest::newRow("pulsante con figura, stile con tema") << true << true;
}

// Buttons wear the face colour the windows give them, in a raised edge, on any
// platform style.
void TestTastiera::faccePiatte() {
    QFETCH(bool, tema);
    QFETCH(bool, strumento);
    StileTastiera stile(tema ? new StileConTema : QStyleFactory::create(QStringLiteral("Fusion")));
    std::unique_ptr<QAbstractButton> bottone;
    if (strumento)
        bottone = std::make_unique<QToolButton>();
    else
        bottone = std::make_unique<QPushButton>();
    bottone->setStyle(&stile);
    QPalette grigio = bottone->palette();
    grigio.setColor(QPalette::Button, QColor(192, 192, 192));
    bottone->setPalette(grigio);
    bottone->resize(120, 40);
    const QImage figura = bottone->grab().toImage();
    QCOMPARE(figura.pixelColor(60, 20), QColor(192, 192, 192));
    QCOMPARE(figura.pixelColor(119, 20), QColor(Qt::black)); // the edge's shadow
}

QTEST_MAIN(TestTastiera)
#include "tst_tastiera.moc"
