// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/FinestraControllo.h"

#include "controllo/ControlloElenchi.h"
#include "screens/Layout.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

FinestraControllo::FinestraControllo(const QString& cartella, QWidget* genitore)
    : QWidget(genitore)
    , cartella_(cartella) {
    setWindowTitle(QStringLiteral("Controlla gli elenchi di Sequenzio"));
    const LayoutElenchi& layout = Layout::FinestraElenchi();
    resize(Rettangolo{0, 0, layout.larghezza, layout.altezza}.inPixel().size());
    riassunto_ = new QLabel(this);
    riassunto_->setObjectName(QStringLiteral("riassunto"));
    riassunto_->setTextFormat(Qt::PlainText); // names from the folder are never markup
    riassunto_->setWordWrap(true);
    QFont grassetto = riassunto_->font();
    grassetto.setBold(true);
    riassunto_->setFont(grassetto);
    rapporto_ = new QPlainTextEdit(this);
    rapporto_->setObjectName(QStringLiteral("rapporto"));
    rapporto_->setReadOnly(true);
    rapporto_->setAccessibleName(QStringLiteral("Rapporto sugli elenchi"));

    auto* ancora = new QPushButton(QStringLiteral("Controlla di nuovo"), this);
    auto* apri = new QPushButton(QStringLiteral("Apri la cartella"), this);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    connect(ancora, &QPushButton::clicked, this, &FinestraControllo::controlla);
    connect(apri, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(cartella_)); });
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);

    auto* bottoni = new QHBoxLayout;
    bottoni->addWidget(ancora);
    bottoni->addWidget(apri);
    bottoni->addStretch();
    bottoni->addWidget(chiudi);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(riassunto_);
    colonna->addWidget(rapporto_, 1);
    colonna->addLayout(bottoni);
    controlla();
}

void FinestraControllo::controlla() {
    const Rapporto rapporto = ControlloElenchi::controlla(cartella_);
    riassunto_->setText(rapporto.riassunto());
    rapporto_->setPlainText(rapporto.testo());
}
