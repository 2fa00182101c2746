// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/AvvisiQt.h"

#include "platform/Collocazione.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace {

// The window a box belongs to: the program shows one window at a time (the
// next one is still loading, unseen, while the old one asks or warns), and
// boxes and menus are not windows of that kind.
QWidget* finestraDelProgramma() {
    const QWidgetList tutte = QApplication::topLevelWidgets();
    const auto trovata = std::find_if(tutte.cbegin(), tutte.cend(), [](const QWidget* w) {
        return w->isVisible() && w->windowType() == Qt::Window;
    });
    return trovata != tutte.cend() ? *trovata : nullptr;
}

} // namespace

Avvisi::Risposta AvvisiQt::mostra(const QString& testo, Pulsanti pulsanti, Icona icona) {
    const QMessageBox::Icon simbolo = icona == Icona::Informazione ? QMessageBox::Information
                                      : icona == Icona::Domanda    ? QMessageBox::Question
                                                                   : QMessageBox::Warning;
    const bool siNo = pulsanti == Pulsanti::SiNo;
    QWidget* finestra = finestraDelProgramma();
    QMessageBox scatola(simbolo, QStringLiteral("Sequenzio"), testo,
                        siNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, finestra);
    scatola.setTextFormat(Qt::PlainText); // file names are quoted as they are
    if (siNo)
        scatola.setDefaultButton(QMessageBox::Yes);
    if (QScreen* schermo = finestra ? finestra->screen() : QApplication::primaryScreen()) {
        // Over the middle of its window, or of the screen while none is loaded.
        scatola.adjustSize();
        const QRect corniceSotto = finestra ? finestra->frameGeometry() : schermo->geometry();
        const QRect clientSotto = finestra ? finestra->geometry() : schermo->geometry();
        scatola.move(Collocazione::angoloCornice(scatola.size(), corniceSotto, clientSotto,
                                                 schermo->availableGeometry()));
        // A screen that shrinks under the box moves it as it moves the windows.
        QObject::connect(
            schermo, &QScreen::availableGeometryChanged, &scatola,
            [&scatola](const QRect& disponibile) {
                scatola.move(Collocazione::angoloCornice(scatola.size(), scatola.frameGeometry(),
                                                         scatola.geometry(), disponibile));
            });
    }
    const int risposta = scatola.exec();
    if (!siNo)
        return Risposta::Ok;
    return risposta == QMessageBox::Yes ? Risposta::Si : Risposta::No;
}
