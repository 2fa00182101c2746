// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FinestraMenu.h"

#include "layout/Layout.h"
#include "screens/Disegno.h"
#include "screens/Immagini.h"

#include <QPushButton>
#include <QToolButton>

FinestraMenu::FinestraMenu(Programma& programma)
    : FinestraBase(programma, Layout::FormMenu().larghezza, Layout::FormMenu().altezza)
    , form_(programma) {
    using namespace Disegno;
    QWidget* foglio = area();
    sfondo(foglio, daBgr(form_.coloreSfondo()));

    const LayoutMenu& layout = Layout::FormMenu();
    // In the layout's order, from the top.
    struct Esercizio {
        const char* nome;
        const char* didascalia;
        void (FormMenu::*clic)();
    };
    static constexpr Esercizio esercizi[] = {
        {"Command4", "ordinare le lettere dell'alfabeto", &FormMenu::Command4_Click},
        {"Command2", "ordinare parole guardando la prima lettera", &FormMenu::Command2_Click},
        {"Command3", "ordinare le parole guardando le prime due lettere",
         &FormMenu::Command3_Click},
        {"Command5", "ordinare le parole - tutte le variabili", &FormMenu::Command5_Click},
    };
    QToolButton* esci = bottoneConFigura(foglio, QStringLiteral("Command1"), layout.esci.rettangolo,
                                         QStringLiteral("Esci"), layout.esci.punti,
                                         Immagini::icona(Immagini::persona()));
    connect(esci, &QToolButton::clicked, this, [this] { form_.Command1_Click(); });
    QWidget* precedente = esci;
    // Created in tab order: "Esci" first, then the exercises from Command2 on.
    for (const int indice : {1, 2, 0, 3}) {
        const Esercizio& esercizio = esercizi[indice];
        const Posto& posto = layout.esercizi[indice];
        QPushButton* pulsante =
            bottone(foglio, QString::fromLatin1(esercizio.nome), posto.rettangolo,
                    QString::fromUtf8(esercizio.didascalia), posto.punti);
        pulsante->setAutoDefault(false);
        connect(pulsante, &QPushButton::clicked, this,
                [this, clic = esercizio.clic] { (form_.*clic)(); });
        setTabOrder(precedente, pulsante);
        precedente = pulsante;
    }
    fissaDimensioni();
}

bool FinestraMenu::carica() {
    form_.Form_Load();
    Disegno::sfondo(area(), Disegno::daBgr(form_.coloreSfondo()));
    return true;
}
