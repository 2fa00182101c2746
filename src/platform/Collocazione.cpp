// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Collocazione.h"

#include <algorithm>
#include <cmath>

namespace Collocazione {

QPoint angoloCornice(QSize client, QRect corniceSotto, QRect clientSotto, QRect disponibile) {
    QRect cornice(QPoint(), client + (corniceSotto.size() - clientSotto.size()));
    cornice.moveCenter(corniceSotto.center());
    // Right and bottom first: where the frame cannot fit, the top-left wins.
    cornice.moveRight(std::min(cornice.right(), disponibile.right()));
    cornice.moveBottom(std::min(cornice.bottom(), disponibile.bottom()));
    cornice.moveLeft(std::max(cornice.left(), disponibile.left()));
    cornice.moveTop(std::max(cornice.top(), disponibile.top()));
    return cornice.topLeft();
}

double fattoreScala(QSize client, QSize cornice, QSize disponibile, double passo) {
    if (client.isEmpty() || passo <= 0)
        return 1;
    const auto entra = [&](int passi) {
        const double fattore = 1 + passi * passo;
        return client.width() * fattore + cornice.width() <= disponibile.width() &&
               client.height() * fattore + cornice.height() <= disponibile.height();
    };
    const double massimo =
        std::min(double(disponibile.width() - cornice.width()) / client.width(),
                 double(disponibile.height() - cornice.height()) / client.height());
    int passi = int(std::clamp(std::floor((massimo - 1) / passo), 0.0, 1e6));
    // The division may land a hair either side of a step.
    while (passi > 0 && !entra(passi))
        --passi;
    while (passi < 1e6 && entra(passi + 1))
        ++passi;
    return 1 + passi * passo;
}

} // namespace Collocazione
