// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FinestraMenu.h"

#include "screens/Disegno.h"
#include "screens/Immagini.h"

#include <QPushButton>
#include <QToolButton>

FinestraMenu::FinestraMenu(Programma& programma)
    : FinestraBase(programma, larghezza, altezza)
    , form_(programma) {
    using namespace Disegno;
    QWidget* foglio = area();
    sfondo(foglio, daBgr(form_.coloreSfondo()));

    struct Esercizio {
        const char* nome;
        const char* didascalia;
        int top;
        void (FormMenu::*clic)();
    };
    static constexpr Esercizio esercizi[] = {
        {"Command4", "ordinare le lettere dell'alfabeto", 240, &FormMenu::Command4_Click},
        {"Command2", "ordinare parole guardando la prima lettera", 1080, &FormMenu::Command2_Click},
        {"Command3", "ordinare le parole guardando le prime due lettere", 1920,
         &FormMenu::Command3_Click},
        {"Command5", "ordinare le parole - tutte le variabili", 2760, &FormMenu::Command5_Click},
    };
    QToolButton* esci = bottoneConFigura(foglio, QStringLiteral("Command1"),
                                         {2160, 5400, 5172, 1095}, QStringLiteral("Esci"), 18,
                                         QIcon(QPixmap::fromImage(Immagini::persona())));
    connect(esci, &QToolButton::clicked, this, [this] { form_.Command1_Click(); });
    QWidget* precedente = esci;
    // Created in tab order: "Esci" first, then the exercises from Command2 on.
    for (const int indice : {1, 2, 0, 3}) {
        const Esercizio& esercizio = esercizi[indice];
        QPushButton* pulsante =
            bottone(foglio, QString::fromLatin1(esercizio.nome), {1080, esercizio.top, 7215, 735},
                    QString::fromUtf8(esercizio.didascalia), 13.5);
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
