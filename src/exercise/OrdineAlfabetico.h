// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The one ordering rule of every exercise: texts compared by character code
// (UTF-16 code units), a text that begins a longer one coming first.
bool maggiore(QStringView a, QStringView b);

// Whether no text in the sequence is greater than the next.
template <typename Testi> bool inOrdine(const Testi& testi) {
    for (qsizetype i = 0; i + 1 < qsizetype(testi.size()); ++i) {
        if (maggiore(testi[i], testi[i + 1]))
            return false;
    }
    return true;
}
