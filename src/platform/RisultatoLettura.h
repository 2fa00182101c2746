// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

struct RisultatoLettura {
    enum class Esito {
        Letto,        // all the fields asked for
        Mancante,     // no such file
        Illeggibile,  // a folder, a pipe, a device, or no permission to read it
        NonTesto,     // holds NUL bytes: not a text file
        TroppoCorto,  // fewer fields than asked for
        TroppoGrande, // the fields asked for are not within the bytes read
    };
    enum class Codifica {
        Utf8,
        Utf8ConBom,
        Utf16Le,
        Utf16Be,
        Windows1252,
        Mista,         // UTF-8 with some lines in Windows-1252, each line read in its own
        Dos850,        // DOS code page 850: Word's "MS-DOS" text
        MacRoman,      // the Macintosh before OS X
        MistaDos850,   // UTF-8 with some lines in code page 850
        MistaMacRoman, // UTF-8 with some lines in Mac Roman
    };
    // UTF-8 with some lines in a one-byte code page.
    static constexpr bool mista(Codifica codifica) {
        return codifica == Codifica::Mista || codifica == Codifica::MistaDos850 ||
               codifica == Codifica::MistaMacRoman;
    }

    Esito esito = Esito::Letto;
    QStringList campi;
    Codifica codifica = Codifica::Utf8;
    // A field read holds a semicolon or a tab between its letters: the look of
    // a spreadsheet saved with the wrong separator.
    bool puntoEVirgola = false;
    bool tabulazione = false;
    // Halves of a character with no other half, as a broken UTF-16 file has
    // them: each is read as one replacement character U+FFFD, which the tile
    // shows as a box or a question mark.
    int sostituiti = 0;
};
