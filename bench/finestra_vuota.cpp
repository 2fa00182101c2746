// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a Qt Widgets program that only shows an empty
// window the size of the title window. With --testo the window also holds one
// line of large bold Arial, as the title does: the price of starting Qt's font
// system, which an empty window never pays.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.resize(757, 575);
    if (applicazione.arguments().contains(QStringLiteral("--testo"))) {
        auto* testo = new QLabel(QStringLiteral("sequenzio"), &finestra);
        QFont carattere(QStringLiteral("Arial"), 60);
        carattere.setBold(true);
        testo->setFont(carattere);
        testo->move(120, 200);
    }
    finestra.show();
    return applicazione.exec();
}
