// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FinestraAvvio.h"

#include "layout/Layout.h"
#include "layout/Misure.h"
#include "screens/Disegno.h"
#include "screens/Immagini.h"

#include <QIcon>
#include <QLabel>
#include <QToolButton>

FinestraAvvio::FinestraAvvio(Programma& programma)
    : FinestraBase(programma, Layout::FormAvvio().larghezza, Layout::FormAvvio().altezza)
    , form_(programma) {
    using namespace Disegno;
    const QIcon lettere = Immagini::icona(Immagini::lettere());
    setWindowIcon(lettere);
    QWidget* foglio = area();
    sfondo(foglio, daBgr(form_.coloreSfondo()));

    // Both labels are transparent: the window's colour shows behind their text.
    const LayoutAvvio& layout = Layout::FormAvvio();
    QLabel* titolo = etichetta(foglio, QStringLiteral("Label2_0"), layout.titolo.rettangolo,
                               QString(), layout.titolo.punti);
    titolo->setText(Misure::aCapoAiBlank(QStringLiteral("   sequenzio"), titolo->font(),
                                         layout.titolo.rettangolo.inPixel().width()));
    titolo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* sottotitolo =
        etichetta(foglio, QStringLiteral("Label2_1"), layout.sottotitolo.rettangolo,
                  QStringLiteral("Esercitazioni linguistiche"), layout.sottotitolo.punti);
    sottotitolo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QToolButton* avvio =
        bottoneConFigura(foglio, QStringLiteral("BottoneAvvio"), layout.avvio.rettangolo,
                         QStringLiteral("Avvio"), layout.avvio.punti, lettere);
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
