// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

// The one-byte code pages of older editors, written out here so that every
// system reads them alike (Qt converts DOS and Mac text only through ICU):
// Windows-1252 (Notepad's "ANSI"), DOS code page 850 (Word's "MS-DOS" text)
// and Mac Roman (the Macintosh before OS X). All three keep ASCII as it is.
namespace CodificheAntiche {

enum class Pagina { Windows1252, Dos850, MacRoman };

QString decodifica(QByteArrayView dati, Pagina pagina);

// Which code page reads some lines as Italian: each counts the accented
// Italian letters (à è é ì ò ù, either case) its reading of the high bytes
// gives where Italian writes them, at the end of a word's letters.
class Scelta {
public:
    void conta(QByteArrayView riga);
    // The page that found the most, or Windows-1252 where none is ahead.
    Pagina pagina() const;

private:
    std::array<qsizetype, 3> trovate_{};
};

} // namespace CodificheAntiche
