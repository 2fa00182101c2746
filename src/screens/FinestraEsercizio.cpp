// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FinestraEsercizio.h"

#include "layout/Layout.h"
#include "layout/Misure.h"
#include "screens/Disegno.h"
#include "screens/GestoAscolto.h"
#include "screens/Immagini.h"
#include "screens/OpzioneQuante.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {
const QColor ciano(0, 255, 255);
const QColor grigioChiaro(192, 192, 192);

QLabel* faccina(QWidget* genitore, const QString& nome, const LayoutEsercizio& layout,
                const QImage& figura) {
    auto* riquadro = new QLabel(genitore);
    riquadro->setObjectName(nome);
    riquadro->setGeometry(layout.faccine.inPixel());
    riquadro->setTextFormat(Qt::PlainText); // as every label, should it ever show text
    // Stretched a little wider than tall, as designed.
    riquadro->setPixmap(Immagini::stirata(figura, riquadro->size(), genitore->devicePixelRatioF()));
    return riquadro;
}
} // namespace

FinestraEsercizio::FinestraEsercizio(Programma& programma,
                                     const ImpostazioniEsercizio& impostazioni,
                                     const LayoutEsercizio& layout,
                                     const Esercizio::Servizi& servizi)
    : FinestraBase(programma, layout.larghezza, layout.altezza)
    , esercizio_(impostazioni, servizi)
    , layout_(layout) {
    setWindowIcon(Immagini::icona(Immagini::faccinaSorridente()));
    costruisci(layout);
    costruisciMenu(layout);
    ordinaTabulazione();
    fissaDimensioni();
}

void FinestraEsercizio::costruisci(const LayoutEsercizio& layout) {
    using namespace Disegno;
    QWidget* foglio = area();
    sfondo(foglio, ciano);

    const int caselle = esercizio_.impostazioni().caselle;
    const QString segnaposto = esercizio_.impostazioni().segnaposto;
    auto* gesto = new GestoAscolto(this, [this](QWidget* controllo) {
        if (const auto k = int(BtParole_.indexOf(controllo)); k >= 0)
            inoltra(&Esercizio::BtParole_Ascolta, k);
        else if (const auto c = int(Label3_.indexOf(controllo)); c >= 0)
            inoltra(&Esercizio::Label3_Ascolta, c);
    });
    for (int i = 0; i < caselle; ++i) {
        QLabel* casella = etichetta(foglio, QStringLiteral("Label3_%1").arg(i),
                                    layout.caselle.posto(i), segnaposto, layout.caselle.punti);
        casella->setAlignment(Qt::AlignCenter);
        sfondo(casella, casella->palette().color(QPalette::Base)); // white, as a text field
        gesto->segui(casella);
        Label3_.append(casella);
    }
    for (int i = 0; i < caselle; ++i) {
        QPushButton* tessera = bottone(foglio, QStringLiteral("BtParole_%1").arg(i),
                                       layout.tessere.posto(i), segnaposto, layout.tessere.punti);
        tessera->setAutoDefault(false);
        gesto->segui(tessera);
        connect(tessera, &QPushButton::clicked, this,
                [this, i] { inoltra(&Esercizio::BtParole_Click, i); });
        BtParole_.append(tessera);
    }

    costruisciContatori(layout);
    costruisciBottoni(layout);
    costruisciPannello(layout);
}

void FinestraEsercizio::costruisciContatori(const LayoutEsercizio& layout) {
    using namespace Disegno;
    QWidget* foglio = area();
    const auto conPosto = [&](const QString& nome, const Posto& posto, const QString& testo) {
        return etichetta(foglio, nome, posto.rettangolo, testo, posto.punti);
    };
    QLabel* Label1 = conPosto(QStringLiteral("Label1"), layout.label1, QStringLiteral("Esatti"));
    QLabel* Label2 = conPosto(QStringLiteral("Label2"), layout.label2, QStringLiteral("Errati"));
    EtichettaEsatti_ = conPosto(QStringLiteral("EtichettaEsatti"), layout.esatti, QString());
    EtichettaErrati_ = conPosto(QStringLiteral("EtichettaErrati"), layout.errati, QString());
    for (QLabel* contatore : {Label1, Label2, EtichettaEsatti_, EtichettaErrati_}) {
        // Over the letters window's changing colour the labels let it show through.
        if (!layout.etichetteTrasparenti)
            sfondo(contatore, ciano);
    }

    ComandoIconaSi_ =
        faccina(foglio, QStringLiteral("ComandoIconaSi"), layout, Immagini::faccinaRidente());
    ComandoIconaNo_ =
        faccina(foglio, QStringLiteral("ComandoIconaNo"), layout, Immagini::faccinaTriste());
    EtichettaEsatti_->setAccessibleName(QStringLiteral("Esatti"));
    EtichettaErrati_->setAccessibleName(QStringLiteral("Errati"));
    ComandoIconaSi_->setAccessibleName(QStringLiteral("risposta giusta"));
    ComandoIconaNo_->setAccessibleName(QStringLiteral("risposta sbagliata"));
}

void FinestraEsercizio::costruisciBottoni(const LayoutEsercizio& layout) {
    using namespace Disegno;
    QWidget* foglio = area();
    const auto conFigura = [&](const QString& nome, const Posto& posto, const QString& testo,
                               const QIcon& figura) {
        return bottoneConFigura(foglio, nome, posto.rettangolo, testo, posto.punti, figura);
    };
    Command1_ = conFigura(QStringLiteral("Command1"), layout.fatto, QStringLiteral("Fatto"),
                          Immagini::icona(Immagini::lettere()));
    Command3D1_ = conFigura(QStringLiteral("Command3D1"), layout.ricomincia,
                            QStringLiteral("Ricomincia"), Immagini::iconaBacchetta());
    BottoneEsci_ = conFigura(QStringLiteral("BottoneEsci"), layout.esci, QStringLiteral("Esci"),
                             Immagini::icona(Immagini::persona()));
    connect(Command1_, &QToolButton::clicked, this,
            [this] { inoltra(&Esercizio::Command1_Click); });
    connect(Command3D1_, &QToolButton::clicked, this,
            [this] { inoltra(&Esercizio::Command3D1_Click); });
    connect(BottoneEsci_, &QToolButton::clicked, this,
            [this] { inoltra(&Esercizio::BottoneEsci_Click); });
    for (QPushButton* tessera : BtParole_)
        sottoIlPannello_.append(tessera);
    sottoIlPannello_ << Command1_ << Command3D1_ << BottoneEsci_;
}

// The panel of the count options, hidden until its menu item is chosen.
void FinestraEsercizio::costruisciPannello(const LayoutEsercizio& layout) {
    using namespace Disegno;
    QWidget* foglio = area();
    EtQuanteParole_ = new QFrame(foglio);
    EtQuanteParole_->setObjectName(QStringLiteral("EtQuanteParole"));
    EtQuanteParole_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    EtQuanteParole_->setGeometry(layout.pannello.inPixel());
    sfondo(EtQuanteParole_, EtQuanteParole_->palette().color(QPalette::Button));
    EtQuanteParole_->setAccessibleName(layout.didascaliaMenuFrasi.trimmed());
    EtQuanteParole_->hide();
    gruppoOpzioni_ = new QButtonGroup(this);
    for (int i = 0; i < esercizio_.impostazioni().scelte(); ++i) {
        auto* opzione = new OpzioneQuante(QString::number(i + 2), EtQuanteParole_);
        opzione->setObjectName(QStringLiteral("OpQuante_%1").arg(i));
        opzione->setGeometry(layout.opzioni.posto(i).inPixel());
        opzione->setFont(Misure::carattere(layout.opzioni.punti));
        sfondo(opzione, grigioChiaro);
        gruppoOpzioni_->addButton(opzione, i);
        OpQuante_.append(opzione);
    }
    // clicked, not toggled: the option already chosen must close the panel too.
    connect(gruppoOpzioni_, &QButtonGroup::idClicked, this,
            [this](int i) { inoltra(&Esercizio::OpQuante_Click, i); });
}

void FinestraEsercizio::costruisciMenu(const LayoutEsercizio& layout) {
    QMenuBar* barra = menuBar();
    const QString dieci(10, u' ');
    QAction* MenuAzzera = barra->addAction(QStringLiteral("Azzera conteggio") + dieci);
    QAction* MenuFrasi = barra->addAction(layout.didascaliaMenuFrasi);
    QMenu* mnuControllo = barra->addMenu(QStringLiteral("Controllo") + dieci);
    mnuImmediato_ = mnuControllo->addAction(QStringLiteral("immediato"));
    mnuTermine_ = mnuControllo->addAction(QStringLiteral("al termine"));
    QAction* MenuInformazioni = barra->addAction(QStringLiteral("Informazioni"));
    MenuAzzera->setObjectName(QStringLiteral("MenuAzzera"));
    MenuFrasi->setObjectName(QStringLiteral("MenuFrasi"));
    mnuControllo->setObjectName(QStringLiteral("mnuControllo"));
    mnuImmediato_->setObjectName(QStringLiteral("mnuImmediato"));
    mnuTermine_->setObjectName(QStringLiteral("mnuTermine"));
    MenuInformazioni->setObjectName(QStringLiteral("MenuInformazioni"));
    for (QAction* voce : {mnuImmediato_, mnuTermine_})
        voce->setCheckable(true);
    mnuTermine_->setChecked(true);

    connect(MenuAzzera, &QAction::triggered, this,
            [this] { inoltra(&Esercizio::MenuAzzera_Click); });
    connect(MenuFrasi, &QAction::triggered, this, [this] { inoltra(&Esercizio::MenuFrasi_Click); });
    connect(mnuImmediato_, &QAction::triggered, this,
            [this] { inoltra(&Esercizio::mnuImmediato_Click); });
    connect(mnuTermine_, &QAction::triggered, this,
            [this] { inoltra(&Esercizio::mnuTermine_Click); });
    connect(MenuInformazioni, &QAction::triggered, this,
            [this] { inoltra(&Esercizio::MenuInformazioni_Click); });
}

void FinestraEsercizio::ordinaTabulazione() {
    // The first tile, then the others from the last down, then the buttons and
    // the options from the last to the first.
    QList<QWidget*> ordine{BtParole_.first()};
    for (qsizetype i = BtParole_.size() - 1; i >= 1; --i)
        ordine.append(BtParole_[i]);
    ordine << Command1_ << Command3D1_ << BottoneEsci_;
    for (qsizetype i = OpQuante_.size() - 1; i >= 0; --i)
        ordine.append(OpQuante_[i]);
    for (qsizetype i = 0; i + 1 < ordine.size(); ++i)
        setTabOrder(ordine[i], ordine[i + 1]);
}

bool FinestraEsercizio::carica() {
    const bool aperta = esercizio_.Form_Load();
    rendi();
    return aperta;
}

template <typename... Argomenti>
void FinestraEsercizio::inoltra(void (Esercizio::*gestore)(Argomenti...), Argomenti... argomenti) {
    if (esercizio_.lasciata())
        return; // on its way back to the menu, the window takes nothing more
    (esercizio_.*gestore)(argomenti...);
    rendi();
}

void FinestraEsercizio::rendi() {
    const StatoFinestra& stato = esercizio_.stato();
    if (stato.coloreSfondo)
        Disegno::sfondo(area(), Disegno::daBgr(*stato.coloreSfondo));
    for (qsizetype i = 0; i < BtParole_.size(); ++i) {
        const StatoFinestra::Tessera& tessera = stato.tessere[i];
        BtParole_[i]->setFont(
            Misure::adattato(tessera.didascalia, layout_.tessere.punti, BtParole_[i]->width()));
        // A word's '&' is a character, never a shortcut.
        BtParole_[i]->setText(QString(tessera.didascalia).replace(u'&', QStringLiteral("&&")));
        BtParole_[i]->setAccessibleName(tessera.didascalia);
        BtParole_[i]->setEnabled(tessera.abilitata);
        BtParole_[i]->setVisible(tessera.visibile);
        const QString& parola = stato.caselle[i].didascalia;
        Label3_[i]->setFont(Misure::adattato(parola, layout_.caselle.punti, Label3_[i]->width()));
        Label3_[i]->setText(parola);
        Label3_[i]->setAccessibleName(parola.isEmpty() ? QStringLiteral("casella vuota") : parola);
        Label3_[i]->setVisible(stato.caselle[i].visibile);
    }
    EtichettaEsatti_->setText(stato.testoEsatti);
    EtichettaEsatti_->setAccessibleDescription(stato.testoEsatti.trimmed());
    EtichettaErrati_->setText(stato.testoErrati);
    EtichettaErrati_->setAccessibleDescription(stato.testoErrati.trimmed());
    ComandoIconaSi_->setVisible(stato.faccinaRidente);
    ComandoIconaNo_->setVisible(stato.faccinaTriste);
    Command1_->setVisible(stato.fattoVisibile);
    Command3D1_->setVisible(stato.ricominciaVisibile);
    mnuImmediato_->setChecked(stato.immediatoSpuntato);
    mnuTermine_->setChecked(stato.termineSpuntato);
    rendiPannello(stato);
}

void FinestraEsercizio::rendiPannello(const StatoFinestra& stato) {
    EtQuanteParole_->move(Layout::pixel(stato.pannelloLeft), Layout::pixel(stato.pannelloTop));
    const bool apre = stato.pannelloVisibile && EtQuanteParole_->isHidden();
    const bool chiude = !stato.pannelloVisibile && !EtQuanteParole_->isHidden();
    for (QWidget* coperto : sottoIlPannello_)
        coperto->setFocusPolicy(stato.pannelloVisibile ? Qt::NoFocus : Qt::StrongFocus);
    if (apre) {
        EtQuanteParole_->raise();
        EtQuanteParole_->show();
        OpQuante_.first()->setFocus();
    } else if (chiude) {
        // No option stays chosen, so arrow keys only move between them next time.
        if (QAbstractButton* scelta = gruppoOpzioni_->checkedButton()) {
            gruppoOpzioni_->setExclusive(false);
            scelta->setChecked(false);
            gruppoOpzioni_->setExclusive(true);
        }
        EtQuanteParole_->hide();
        BtParole_.first()->setFocus();
    }
}
