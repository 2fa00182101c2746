// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Elenchi.h"

#include <QByteArrayView>
#include <QList>
#include <QStringView>

#include <optional>

// Fields end at a comma or at a line end (LF, CR or CRLF); blanks before a field
// are skipped and blanks after an unquoted one dropped; a field in double quotes
// keeps its commas. A UTF-16 file with its byte-order mark is read as UTF-16
// (each half of a character without its other half as one U+FFFD), valid
// UTF-8 (with or without BOM) as UTF-8, anything else line by line: a line
// that is valid UTF-8 as UTF-8, the others in the one-byte code page that
// reads them as Italian (CodificheAntiche: Windows-1252, DOS 850 or Mac
// Roman), so one line added by an older editor does not garble the rest.
// What a pupil could not see never reaches a tile: every Unicode blank goes
// from around a word, and control, format (soft hyphen, zero-width, direction,
// byte-order mark), line separator and default-ignorable characters go
// wherever they are (Invisibili); a word is then put in Unicode's composed
// form (NFC), so an accent typed as a letter plus a combining mark is the same
// one character as a precomposed one. Reading is bounded, so a huge or binary
// file costs no more than a small list does.
class LettoreElenco final : public Elenchi {
public:
    static constexpr qsizetype massimoByte = 1 << 20;
    static constexpr qsizetype massimoCaratteri = 100;

    // One field as the file has it and the word read from it.
    struct Campo {
        QStringView grezzo; // from the end of the previous field to its separator
        QString parola;
        int riga = 1;
        bool tagliata = false; // longer than massimoCaratteri
    };

    // A file's text as the exercises read it.
    struct Testo {
        QString testo;
        RisultatoLettura::Codifica codifica = RisultatoLettura::Codifica::Utf8;
        // With a mixed codifica, the lines read in its one-byte code page
        // (Windows-1252 or another), from 1.
        QList<int> righeAntiche;
        int sostituiti = 0; // as in RisultatoLettura
    };

    // Opens regular files only, and never waits on a pipe or a device.
    RisultatoLettura leggi(const QString& percorso, int campi) override;

    // The same rules on bytes already in memory; troncato says the file went on
    // beyond them.
    static RisultatoLettura analizza(QByteArrayView dati, int campi, bool troncato = false);

    // The file's first bytes, at most massimoByte of them; troncato says it
    // went on beyond them. Letto, or why the file cannot be read.
    static RisultatoLettura::Esito carica(const QString& percorso, QByteArray& dati,
                                          bool& troncato);
    // The steps of analizza, for the list checker, which reports on what the
    // file holds beside what is read from it. decodifica gives nothing for a
    // file that is not text; the views in the fields point into testo.
    static std::optional<Testo> decodifica(QByteArrayView dati, bool troncato);
    static QList<Campo> dividi(const QString& testo, int campi);
    // How a reading ends that found trovati of the campi asked for.
    static RisultatoLettura::Esito esito(qsizetype trovati, int campi, bool troncato);

    // Characters taken out of a word wherever they stand. A QChar is one
    // UTF-16 unit: Invisibili has the same for whole code points, those beyond
    // U+FFFF (tag characters, variation selectors 17-256) among them.
    static bool daTogliere(QChar c);
    // Characters taken off the ends of a word: blanks and those of daTogliere.
    static bool margine(QChar c);
};
