// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/FinestraControllo.h"

#include "controllo/ControlloElenchi.h"
#include "layout/Layout.h"
#include "platform/CartellaProgramma.h"
#include "platform/VoceDiSistema.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// As it first opens, in twips like the program's windows; it can be resized.
constexpr Rettangolo misura{0, 0, 12300, 9000};
} // namespace

FinestraControllo::FinestraControllo(const QString& cartella, const QString& originali,
                                     QWidget* genitore)
    : QWidget(genitore)
    , cartella_(cartella)
    , originali_(originali) {
    setWindowTitle(QStringLiteral("Controlla gli elenchi di Sequenzio"));
    resize(misura.inPixel().size());
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
    nota_ = new QLabel(this);
    nota_->setObjectName(QStringLiteral("nota"));
    nota_->setTextFormat(Qt::PlainText);
    nota_->setWordWrap(true);
    nota_->hide();

    auto* ancora = new QPushButton(QStringLiteral("Controlla di nuovo"), this);
    auto* apri = new QPushButton(QStringLiteral("Apri la cartella"), this);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    connect(ancora, &QPushButton::clicked, this, &FinestraControllo::controlla);
    connect(apri, &QPushButton::clicked, this, &FinestraControllo::apriCartella);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);

    auto* bottoni = new QHBoxLayout;
    bottoni->addWidget(ancora);
    bottoni->addWidget(apri);
    bottoni->addStretch();
    bottoni->addWidget(chiudi);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(riassunto_);
    colonna->addWidget(rapporto_, 1);
    colonna->addWidget(nota_);
    colonna->addLayout(bottoni);
    controlla();
}

void FinestraControllo::controlla() {
    const Rapporto rapporto = ControlloElenchi::controlla(cartella_, originali_);
    vista_ = rapporto.cartella;
    codiceUscita_ = rapporto.codiceUscita();
    riassunto_->setText(rapporto.riassunto());
    rapporto_->setPlainText(rapporto.testo() +
                            rigaVoceItaliana(cartellaProgramma().value_or(QString())));
}

void FinestraControllo::apriCartella() {
    // Without a file manager the desktop has nothing to open it with.
    const bool aperta = QDesktopServices::openUrl(QUrl::fromLocalFile(vista_));
    nota_->setText(aperta ? QString()
                          : QStringLiteral("Non trovo un programma per aprire le cartelle: "
                                           "aprite a mano %1")
                                .arg(Rapporto::visibile(QDir::toNativeSeparators(vista_))));
    nota_->setVisible(!aperta);
}
