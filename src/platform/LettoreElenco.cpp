// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LettoreElenco.h"
#include "platform/FileRegolare.h"

#include <QStringDecoder>

#include <array>
#include <utility>

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

bool fineRiga(QChar c) {
    return c == u'\n' || c == u'\r';
}

bool larghezzaZero(QChar c) {
    const char16_t u = c.unicode();
    return u == 0x200B || u == 0x200C || u == 0x200D || u == 0x2060 || u == 0xFEFF;
}

// Whatever may stand before or after a word's letters on its line.
bool bordo(QChar c) {
    return !fineRiga(c) && (LettoreElenco::margine(c) || LettoreElenco::daTogliere(c));
}

// The word without the characters that never reach a tile, cut to the length
// bound before its last whole character.
QString pulita(QStringView campo) {
    QString parola;
    parola.reserve(qMin(campo.size(), LettoreElenco::massimoCaratteri + 1));
    for (const QChar c : campo) {
        if (parola.size() > LettoreElenco::massimoCaratteri)
            break;
        if (!LettoreElenco::daTogliere(c))
            parola.append(c);
    }
    if (parola.size() > LettoreElenco::massimoCaratteri) {
        qsizetype tenuti = LettoreElenco::massimoCaratteri;
        if (parola[tenuti].isLowSurrogate())
            --tenuti;
        parola.truncate(tenuti);
    }
    return parola;
}

} // namespace

bool LettoreElenco::daTogliere(QChar c) {
    const char16_t u = c.unicode();
    if (u == u'\t')
        return false;
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
        return true; // C0 and C1 controls
    return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069) || u == 0x2028 || u == 0x2029;
}

bool LettoreElenco::margine(QChar c) {
    return c.isSpace() || larghezzaZero(c);
}

std::optional<QString> LettoreElenco::decodifica(QByteArrayView dati, bool troncato,
                                                 RisultatoLettura::Codifica& codifica) {
    using Codifica = RisultatoLettura::Codifica;
    const bool utf16Le = dati.startsWith("\xFF\xFE");
    if (utf16Le || dati.startsWith("\xFE\xFF")) {
        // Notepad's "Unicode": NUL bytes are part of the encoding, NUL characters are not.
        codifica = utf16Le ? Codifica::Utf16Le : Codifica::Utf16Be;
        QByteArrayView corpo = dati.sliced(2);
        if (troncato && corpo.size() % 2 != 0)
            corpo.chop(1);
        QStringDecoder decodificatore(utf16Le ? QStringConverter::Utf16LE
                                              : QStringConverter::Utf16BE);
        QString testo = decodificatore(corpo);
        if (testo.contains(QChar(0)))
            return std::nullopt;
        return testo;
    }
    if (dati.contains('\0'))
        return std::nullopt;
    const QByteArrayView bom("\xEF\xBB\xBF");
    if (dati.startsWith(bom)) {
        codifica = Codifica::Utf8ConBom;
        return QString::fromUtf8(dati.sliced(bom.size()));
    }
    if (utf8Valido(dati, troncato)) {
        codifica = Codifica::Utf8;
        return QString::fromUtf8(dati);
    }
    codifica = Codifica::Windows1252;
    return daWindows1252(dati);
}

QList<LettoreElenco::Campo> LettoreElenco::dividi(const QString& testo, int campi) {
    QList<Campo> letti;
    const QStringView tutto(testo);
    const qsizetype lunghezza = testo.size();
    qsizetype pos = 0;
    int riga = 1;
    while (letti.size() < campi) {
        const qsizetype partenza = pos;
        while (pos < lunghezza && bordo(testo[pos]))
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
            while (fine > inizio && bordo(testo[fine - 1]))
                --fine;
        }
        letti.append({tutto.sliced(partenza, pos - partenza),
                      pulita(tutto.sliced(inizio, fine - inizio)), riga});
        if (pos < lunghezza) {
            const QChar separatore = testo[pos++];
            if (fineRiga(separatore))
                ++riga;
            if (separatore == u'\r' && pos < lunghezza && testo[pos] == u'\n')
                ++pos;
        }
    }
    return letti;
}

RisultatoLettura LettoreElenco::analizza(QByteArrayView dati, int campi, bool troncato) {
    RisultatoLettura risultato;
    const std::optional<QString> testo = decodifica(dati, troncato, risultato.codifica);
    if (!testo) {
        risultato.esito = Esito::NonTesto;
        return risultato;
    }
    for (const Campo& campo : dividi(*testo, campi)) {
        risultato.puntoEVirgola = risultato.puntoEVirgola || campo.parola.contains(u';');
        risultato.tabulazione = risultato.tabulazione || campo.parola.contains(u'\t');
        risultato.campi.append(campo.parola);
    }
    if (risultato.campi.size() < campi)
        risultato.esito = troncato ? Esito::TroppoGrande : Esito::TroppoCorto;
    return risultato;
}

RisultatoLettura LettoreElenco::leggi(const QString& percorso, int campi) {
    QByteArray dati;
    bool troncato = false;
    const Esito caricato = carica(percorso, dati, troncato);
    if (caricato != Esito::Letto)
        return {caricato, {}};
    return analizza(dati, campi, troncato);
}

RisultatoLettura::Esito LettoreElenco::carica(const QString& percorso, QByteArray& dati,
                                              bool& troncato) {
    FileRegolare file = FileRegolare::leggi(percorso, massimoByte);
    switch (file.esito) {
    case FileRegolare::Esito::Mancante:
        return Esito::Mancante;
    case FileRegolare::Esito::Illeggibile:
        return Esito::Illeggibile;
    case FileRegolare::Esito::Letto:
        break;
    }
    dati = std::move(file.dati);
    troncato = file.troncato;
    return Esito::Letto;
}
