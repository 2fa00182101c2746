// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Collocazione.h"

#include <algorithm>

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

} // namespace Collocazione
