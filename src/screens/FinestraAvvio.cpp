// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FinestraAvvio.h"

#include "screens/Disegno.h"
#include "screens/Immagini.h"

#include <QIcon>
#include <QLabel>
#include <QToolButton>

FinestraAvvio::FinestraAvvio(Programma& programma)
    : FinestraBase(programma, 11355, 8625)
    , form_(programma) {
    using namespace Disegno;
    const QIcon lettere(QPixmap::fromImage(Immagini::lettere()));
    setWindowIcon(lettere);
    QWidget* foglio = area();
    sfondo(foglio, daBgr(form_.coloreSfondo()));

    // Both labels are transparent: the window's colour shows behind their text.
    const Rettangolo postoTitolo{1800, 1560, 5895, 3015};
    QLabel* titolo = etichetta(foglio, QStringLiteral("Label2_0"), postoTitolo, QString(), 60);
    titolo->setText(aCapoAiBlank(QStringLiteral("   sequenzio"), titolo->font(),
                                 postoTitolo.inPixel().width()));
    titolo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* sottotitolo = etichetta(foglio, QStringLiteral("Label2_1"), {2280, 480, 4932, 852},
                                    QStringLiteral("Esercitazioni linguistiche"), 18);
    sottotitolo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QToolButton* avvio =
        bottoneConFigura(foglio, QStringLiteral("BottoneAvvio"), {2880, 4680, 3855, 1335},
                         QStringLiteral("Avvio"), 20.25, lettere);
    QPalette grigio = avvio->palette();
    grigio.setColor(QPalette::Button, QColor(192, 192, 192));
    avvio->setPalette(grigio);
    connect(avvio, &QToolButton::clicked, this, [this] { form_.BottoneAvvio_Click(); });
    fissaDimensioni();
}

bool FinestraAvvio::carica() {
    form_.Form_Load();
    Disegno::sfondo(area(), Disegno::daBgr(form_.coloreSfondo()));
    return true;
}
