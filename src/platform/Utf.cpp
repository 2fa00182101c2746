// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Utf.h"

namespace {

unsigned char byte(QByteArrayView dati, qsizetype i) {
    return static_cast<unsigned char>(dati[i]);
}

// A sequence's length and the range of its second byte, by its first byte;
// length 0 when no sequence starts so.
struct Forma {
    qsizetype lunghezza;
    unsigned char minimo, massimo;
};

constexpr Forma forma(unsigned char primo) {
    if (primo >= 0xC2 && primo <= 0xDF)
        return {2, 0x80, 0xBF};
    if (primo == 0xE0)
        return {3, 0xA0, 0xBF}; // no overlong forms
    if (primo == 0xED)
        return {3, 0x80, 0x9F}; // no surrogates
    if (primo >= 0xE1 && primo <= 0xEF)
        return {3, 0x80, 0xBF};
    if (primo == 0xF0)
        return {4, 0x90, 0xBF};
    if (primo >= 0xF1 && primo <= 0xF3)
        return {4, 0x80, 0xBF};
    if (primo == 0xF4)
        return {4, 0x80, 0x8F}; // nothing above U+10FFFF
    return {0, 0, 0};
}

// Length of the UTF-8 sequence that starts at i, or 0 when it is not valid.
// With troncato, a sequence cut short by the end of the data counts as valid.
qsizetype sequenzaUtf8(QByteArrayView dati, qsizetype i, bool troncato) {
    const unsigned char primo = byte(dati, i);
    if (primo < 0x80)
        return 1;
    const Forma attesa = forma(primo);
    for (qsizetype k = 1; k < attesa.lunghezza; ++k) {
        if (i + k >= dati.size())
            return troncato ? dati.size() - i : 0;
        const unsigned char basso = k == 1 ? attesa.minimo : 0x80;
        const unsigned char alto = k == 1 ? attesa.massimo : 0xBF;
        if (byte(dati, i + k) < basso || byte(dati, i + k) > alto)
            return 0;
    }
    return attesa.lunghezza;
}

} // namespace

bool Utf::valido8(QByteArrayView dati, bool troncato) {
    for (qsizetype i = 0; i < dati.size();) {
        const qsizetype passo = sequenzaUtf8(dati, i, troncato);
        if (passo == 0)
            return false;
        i += passo;
    }
    return true;
}

int Utf::sostituisciMezzi(QString& testo, bool troncato) {
    if (troncato && !testo.isEmpty() && testo.back().isHighSurrogate())
        testo.chop(1);
    int sostituiti = 0;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const bool coppia =
            testo[i].isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate();
        if (coppia) {
            ++i;
        } else if (testo[i].isSurrogate()) {
            testo[i] = QChar::ReplacementCharacter;
            ++sostituiti;
        }
    }
    return sostituiti;
}

Utf::Punto Utf::puntoDa(QStringView testo, qsizetype i) {
    if (testo[i].isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(testo[i], testo[i + 1]), 2};
    return {testo[i].unicode(), 1};
}

Utf::Punto Utf::puntoPrima(QStringView testo, qsizetype i) {
    if (testo[i - 1].isLowSurrogate() && i >= 2 && testo[i - 2].isHighSurrogate())
        return {QChar::surrogateToUcs4(testo[i - 2], testo[i - 1]), 2};
    return {testo[i - 1].unicode(), 1};
}
