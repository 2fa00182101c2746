// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a Qt Widgets program that only shows an empty
// window the size of the title window. With --testo the window also holds the
// title window's two lines of bold Arial, in their sizes and places: the price
// of starting Qt's font system, which an empty window never pays.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.resize(757, 575);
    if (applicazione.arguments().contains(QStringLiteral("--testo"))) {
        const auto riga = [&](const QString& testo, int punti, int x, int y) {
            auto* etichetta = new QLabel(testo, &finestra);
            QFont carattere(QStringLiteral("Arial"), punti);
            carattere.setBold(true);
            etichetta->setFont(carattere);
            etichetta->move(x, y);
        };
        riga(QStringLiteral("Esercitazioni linguistiche"), 18, 152, 32);
        riga(QStringLiteral("   sequenzio"), 60, 120, 104);
    }
    finestra.show();
    return applicazione.exec();
}
