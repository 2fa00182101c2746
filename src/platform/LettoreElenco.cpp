// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LettoreElenco.h"
#include "platform/FileRegolare.h"

#include <QStringDecoder>

#include <algorithm>
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

// Whatever may stand before or after a word's letters on its line.
bool bordo(QChar c) {
    return !fineRiga(c) && LettoreElenco::margine(c);
}

// Where the line that starts at i ends, its line end included.
qsizetype fineDellaRiga(QByteArrayView dati, qsizetype i) {
    while (i < dati.size() && dati[i] != '\n' && dati[i] != '\r')
        ++i;
    if (i < dati.size() && dati[i] == '\r' && i + 1 < dati.size() && dati[i + 1] == '\n')
        ++i;
    return qMin(i + 1, dati.size());
}

// A file that is not UTF-8 as a whole, line by line: UTF-8 where a line is
// valid UTF-8, Windows-1252 where it is not. LF and CR are the same byte in
// both, so lines split the same before decoding as after.
LettoreElenco::Testo perRiga(QByteArrayView dati, bool troncato, bool bom) {
    using Codifica = RisultatoLettura::Codifica;
    LettoreElenco::Testo letto;
    bool utf8 = bom; // some line needs UTF-8 to read as meant
    int riga = 1;
    for (qsizetype i = 0; i < dati.size(); ++riga) {
        const qsizetype fine = fineDellaRiga(dati, i);
        const QByteArrayView linea = dati.sliced(i, fine - i);
        if (utf8Valido(linea, troncato && fine == dati.size())) {
            utf8 = utf8 || std::any_of(linea.begin(), linea.end(), [](char c) {
                       return static_cast<unsigned char>(c) >= 0x80;
                   });
            letto.testo += QString::fromUtf8(linea);
        } else {
            letto.righeWindows1252.append(riga);
            letto.testo += daWindows1252(linea);
        }
        i = fine;
    }
    letto.codifica = utf8 ? Codifica::Mista : Codifica::Windows1252;
    if (!utf8)
        letto.righeWindows1252.clear();
    return letto;
}

// The word without the characters that never reach a tile, cut to the length
// bound before its last whole character.
QString pulita(QStringView campo, bool& tagliata) {
    QString parola;
    parola.reserve(qMin(campo.size(), LettoreElenco::massimoCaratteri + 1));
    for (const QChar c : campo) {
        if (parola.size() > LettoreElenco::massimoCaratteri)
            break;
        if (!LettoreElenco::daTogliere(c))
            parola.append(c);
    }
    tagliata = parola.size() > LettoreElenco::massimoCaratteri;
    if (tagliata) {
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
    // Format characters: soft hyphens, zero-width ones, direction marks, and
    // the byte-order mark where files were joined.
    return c.category() == QChar::Other_Format || u == 0x2028 || u == 0x2029;
}

bool LettoreElenco::margine(QChar c) {
    return c.isSpace() || daTogliere(c);
}

std::optional<LettoreElenco::Testo> LettoreElenco::decodifica(QByteArrayView dati, bool troncato) {
    using Codifica = RisultatoLettura::Codifica;
    const bool utf16Le = dati.startsWith("\xFF\xFE");
    if (utf16Le || dati.startsWith("\xFE\xFF")) {
        // Notepad's "Unicode": NUL bytes are part of the encoding, NUL characters are not.
        const Codifica codifica = utf16Le ? Codifica::Utf16Le : Codifica::Utf16Be;
        QByteArrayView corpo = dati.sliced(2);
        if (troncato && corpo.size() % 2 != 0)
            corpo.chop(1);
        QStringDecoder decodificatore(utf16Le ? QStringConverter::Utf16LE
                                              : QStringConverter::Utf16BE);
        QString testo = decodificatore(corpo);
        if (testo.contains(QChar(0)))
            return std::nullopt;
        return Testo{testo, codifica, {}};
    }
    if (dati.contains('\0'))
        return std::nullopt;
    const QByteArrayView bom("\xEF\xBB\xBF");
    const bool conBom = dati.startsWith(bom);
    const QByteArrayView corpo = conBom ? dati.sliced(bom.size()) : dati;
    if (utf8Valido(corpo, troncato))
        return Testo{QString::fromUtf8(corpo), conBom ? Codifica::Utf8ConBom : Codifica::Utf8, {}};
    return perRiga(corpo, troncato, conBom);
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
        bool tagliata = false;
        QString parola = pulita(tutto.sliced(inizio, fine - inizio), tagliata);
        letti.append({tutto.sliced(partenza, pos - partenza), std::move(parola), riga, tagliata});
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
    const std::optional<Testo> testo = decodifica(dati, troncato);
    if (!testo) {
        risultato.esito = Esito::NonTesto;
        return risultato;
    }
    risultato.codifica = testo->codifica;
    for (const Campo& campo : dividi(testo->testo, campi)) {
        risultato.puntoEVirgola = risultato.puntoEVirgola || campo.parola.contains(u';');
        risultato.tabulazione = risultato.tabulazione || campo.parola.contains(u'\t');
        risultato.campi.append(campo.parola);
    }
    risultato.esito = esito(risultato.campi.size(), campi, troncato);
    return risultato;
}

RisultatoLettura::Esito LettoreElenco::esito(qsizetype trovati, int campi, bool troncato) {
    if (trovati >= campi)
        return Esito::Letto;
    return troncato ? Esito::TroppoGrande : Esito::TroppoCorto;
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
