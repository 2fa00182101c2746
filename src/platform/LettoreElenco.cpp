// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LettoreElenco.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

using Esito = RisultatoLettura::Esito;

// Length of the UTF-8 sequence that starts at i, or 0 when it is not valid.
// With troncato, a sequence cut short by the end of the data counts as valid.
qsizetype sequenzaUtf8(QByteArrayView dati, qsizetype i, bool troncato) {
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(dati[k]); };
    const unsigned char primo = byte(i);
    if (primo < 0x80)
        return 1;
    qsizetype lunghezza = 0;
    unsigned char minimo = 0x80, massimo = 0xBF;
    if (primo >= 0xC2 && primo <= 0xDF) {
        lunghezza = 2;
    } else if (primo >= 0xE0 && primo <= 0xEF) {
        lunghezza = 3;
        if (primo == 0xE0)
            minimo = 0xA0; // no overlong forms
        if (primo == 0xED)
            massimo = 0x9F; // no surrogates
    } else if (primo >= 0xF0 && primo <= 0xF4) {
        lunghezza = 4;
        if (primo == 0xF0)
            minimo = 0x90;
        if (primo == 0xF4)
            massimo = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (qsizetype k = 1; k < lunghezza; ++k) {
        if (i + k >= dati.size())
            return troncato ? dati.size() - i : 0;
        const unsigned char seguito = byte(i + k);
        const unsigned char basso = k == 1 ? minimo : 0x80;
        const unsigned char alto = k == 1 ? massimo : 0xBF;
        if (seguito < basso || seguito > alto)
            return 0;
    }
    return lunghezza;
}

bool utf8Valido(QByteArrayView dati, bool troncato) {
    for (qsizetype i = 0; i < dati.size();) {
        const qsizetype passo = sequenzaUtf8(dati, i, troncato);
        if (passo == 0)
            return false;
        i += passo;
    }
    return true;
}

QString daWindows1252(QByteArrayView dati) {
    // 0x80-0x9F are the only bytes where Windows-1252 differs from Latin-1.
    static constexpr std::array<char16_t, 32> alti = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString testo(dati.size(), Qt::Uninitialized);
    QChar* scrivi = testo.data();
    for (const char c : dati) {
        const auto byte = static_cast<unsigned char>(c);
        *scrivi++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(alti[byte - 0x80]) : QChar(byte);
    }
    return testo;
}

QString decodifica(QByteArrayView dati, bool troncato) {
    const QByteArrayView bom("\xEF\xBB\xBF");
    if (dati.startsWith(bom))
        return QString::fromUtf8(dati.sliced(bom.size()));
    if (utf8Valido(dati, troncato))
        return QString::fromUtf8(dati);
    return daWindows1252(dati);
}

bool fineRiga(QChar c) {
    return c == u'\n' || c == u'\r';
}
bool spazio(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

RisultatoLettura LettoreElenco::analizza(QByteArrayView dati, int campi, bool troncato) {
    RisultatoLettura risultato;
    if (dati.contains('\0')) {
        risultato.esito = Esito::NonTesto;
        return risultato;
    }
    const QString testo = decodifica(dati, troncato);
    const qsizetype lunghezza = testo.size();
    qsizetype pos = 0;
    while (risultato.campi.size() < campi) {
        while (pos < lunghezza && spazio(testo[pos]))
            ++pos;
        if (pos >= lunghezza)
            break;
        qsizetype inizio = pos;
        qsizetype fine = pos;
        if (testo[pos] == u'"') {
            // A quote left open ends with its line, so one slip costs one word.
            inizio = ++pos;
            while (pos < lunghezza && testo[pos] != u'"' && !fineRiga(testo[pos]))
                ++pos;
            fine = pos;
            while (pos < lunghezza && testo[pos] != u',' && !fineRiga(testo[pos]))
                ++pos;
        } else {
            while (pos < lunghezza && testo[pos] != u',' && !fineRiga(testo[pos]))
                ++pos;
            fine = pos;
            while (fine > inizio && spazio(testo[fine - 1]))
                --fine;
        }
        if (pos < lunghezza) {
            const QChar separatore = testo[pos++];
            if (separatore == u'\r' && pos < lunghezza && testo[pos] == u'\n')
                ++pos;
        }
        qsizetype tenuti = qMin(fine - inizio, massimoCaratteri);
        // A cut between the two halves of a surrogate pair would keep half a character.
        if (tenuti < fine - inizio && testo[inizio + tenuti].isLowSurrogate())
            --tenuti;
        risultato.campi.append(testo.sliced(inizio, tenuti));
    }
    if (risultato.campi.size() < campi)
        risultato.esito = troncato ? Esito::TroppoGrande : Esito::TroppoCorto;
    return risultato;
}

RisultatoLettura LettoreElenco::leggi(const QString& percorso, int campi) {
    const QFileInfo informazioni(percorso);
    if (!informazioni.exists())
        return {Esito::Mancante, {}};
    QFile file(percorso);
    if (informazioni.isDir() || !file.open(QIODevice::ReadOnly))
        return {Esito::Illeggibile, {}};
    QByteArray dati = file.read(massimoByte + 1);
    const bool troncato = dati.size() > massimoByte;
    if (troncato)
        dati.truncate(massimoByte);
    return analizza(dati, campi, troncato);
}
