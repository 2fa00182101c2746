// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/AvvisiQt.h"

#include <QMessageBox>

Avvisi::Risposta AvvisiQt::mostra(const QString& testo, Pulsanti pulsanti, Icona icona) {
    const QMessageBox::Icon simbolo = icona == Icona::Informazione ? QMessageBox::Information
                                      : icona == Icona::Domanda    ? QMessageBox::Question
                                                                   : QMessageBox::Warning;
    const bool siNo = pulsanti == Pulsanti::SiNo;
    QMessageBox scatola(simbolo, QStringLiteral("Sequenzio"), testo,
                        siNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    scatola.setTextFormat(Qt::PlainText); // file names are quoted as they are
    if (siNo)
        scatola.setDefaultButton(QMessageBox::Yes);
    const int risposta = scatola.exec();
    if (!siNo)
        return Risposta::Ok;
    return risposta == QMessageBox::Yes ? Risposta::Si : Risposta::No;
}
