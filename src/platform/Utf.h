// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// UTF-8 checked strictly, and UTF-16 taken by whole code points.
namespace Utf {

// Whether dati is UTF-8 as the standard has it: no overlong forms, no
// surrogates, nothing above U+10FFFF. With troncato, a sequence cut short by
// the end of the data counts as valid.
bool valido8(QByteArrayView dati, bool troncato);

// Each half of a character without its other half becomes U+FFFD, which a
// tile shows; how many there were. With troncato, the first half of a
// character whose second one lies beyond the bytes read is no character at
// all, and goes.
int sostituisciMezzi(QString& testo, bool troncato);

// One code point of a text and the UTF-16 units it takes there (a half
// without its other half is a code point of its own).
struct Punto {
    char32_t codice;
    qsizetype unita;
};

// The code point that starts at i.
Punto puntoDa(QStringView testo, qsizetype i);
// The code point that ends just before i.
Punto puntoPrima(QStringView testo, qsizetype i);

} // namespace Utf
