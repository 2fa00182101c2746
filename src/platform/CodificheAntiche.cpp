// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodificheAntiche.h"

#include <algorithm>

namespace {

using Pagina = CodificheAntiche::Pagina;
using Alti = std::array<char16_t, 128>; // what the bytes 0x80-0xFF stand for

// Windows-1252 differs from Latin-1 in 0x80-0x9F only; its five unused bytes
// there stay the C1 controls Latin-1 has, which the reader then drops.
constexpr std::array<char16_t, 32> windows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// IBM's code page 850, Multilingual Latin 1, as DOS and Word's "MS-DOS" text
// write it: accented letters low, box drawing in the middle.
constexpr Alti dos850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0, // F8
};

// Apple's Mac OS Roman as of Mac OS 8.5 (0xDB the euro sign, 0xF0 the Apple
// logo in the private use area), the text of the Macintosh before OS X.
constexpr Alti macRoman = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7, // F8
};

QChar carattere(unsigned char byte, Pagina pagina) {
    if (byte < 0x80)
        return QChar(byte);
    switch (pagina) {
    case Pagina::Windows1252:
        break;
    case Pagina::Dos850:
        return QChar(dos850[byte - 0x80]);
    case Pagina::MacRoman:
        return QChar(macRoman[byte - 0x80]);
    }
    return QChar(byte <= 0x9F ? windows1252[byte - 0x80] : byte);
}

// à è é ì ò ù and their capitals: the accents Italian writes.
bool accentataItaliana(QChar c) {
    static constexpr std::array<char16_t, 12> lettere = {u'à', u'è', u'é', u'ì', u'ò', u'ù',
                                                         u'À', u'È', u'É', u'Ì', u'Ò', u'Ù'};
    return std::find(lettere.begin(), lettere.end(), c.unicode()) != lettere.end();
}

// An ASCII letter that may stand before an accented last letter: città, più,
// perché, ciò, but never a, e or o (no Italian word ends in -aà or -eò, while
// a word followed by an ellipsis or a dash, which other pages put at those
// bytes, often ends so).
bool primaDellAccento(char c) {
    const char minuscola = char(c | 0x20);
    const bool lettera = minuscola >= 'a' && minuscola <= 'z';
    return lettera && minuscola != 'a' && minuscola != 'e' && minuscola != 'o';
}

constexpr std::array<Pagina, 3> pagine = {Pagina::Windows1252, Pagina::Dos850, Pagina::MacRoman};

} // namespace

QString CodificheAntiche::decodifica(QByteArrayView dati, Pagina pagina) {
    QString testo(dati.size(), Qt::Uninitialized);
    QChar* scrivi = testo.data();
    for (const char c : dati)
        *scrivi++ = carattere(static_cast<unsigned char>(c), pagina);
    return testo;
}

void CodificheAntiche::Scelta::conta(QByteArrayView riga) {
    for (qsizetype i = 1; i < riga.size(); ++i) {
        const auto byte = static_cast<unsigned char>(riga[i]);
        const char prima = riga[i - 1];
        if (byte < 0x80 || !primaDellAccento(prima))
            continue;
        // The case of the letter before tells CAFFÈ in Mac Roman from
        // perché in Windows-1252, which share the byte 0xE9.
        const bool maiuscola = prima < 'a';
        for (const Pagina pagina : pagine) {
            const QChar letta = carattere(byte, pagina);
            if (accentataItaliana(letta) && letta.isUpper() == maiuscola)
                ++trovate_[std::size_t(pagina)];
        }
    }
}

CodificheAntiche::Pagina CodificheAntiche::Scelta::pagina() const {
    const auto piu = std::max_element(trovate_.begin(), trovate_.end());
    if (std::count(trovate_.begin(), trovate_.end(), *piu) > 1)
        return Pagina::Windows1252;
    return pagine[std::size_t(piu - trovate_.begin())];
}
