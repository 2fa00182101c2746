// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Elenchi.h"

#include <QByteArrayView>
#include <QList>
#include <QStringView>

#include <optional>

// Fields end at a comma or at a line end (LF, CR or CRLF); blanks before a field
// are skipped and blanks after an unquoted one dropped; a field in double quotes
// keeps its commas. A UTF-16 file with its byte-order mark is read as UTF-16,
// valid UTF-8 (with or without BOM) as UTF-8, anything else as Windows-1252.
// What a pupil could not see never reaches a tile: every Unicode blank and the
// zero-width characters around a word go, and control, direction and line
// separator characters go wherever they are. Reading is bounded, so a huge or
// binary file costs no more than a small list does.
class LettoreElenco final : public Elenchi {
public:
    static constexpr qsizetype massimoByte = 1 << 20;
    static constexpr qsizetype massimoCaratteri = 100;

    // One field as the file has it and the word read from it.
    struct Campo {
        QStringView grezzo; // from the end of the previous field to its separator
        QString parola;
        int riga = 1;
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
    // The two steps of analizza, for the list checker, which reports on what
    // the file holds beside what is read from it. decodifica gives nothing for
    // a file that is not text; the views in the fields point into testo.
    static std::optional<QString> decodifica(QByteArrayView dati, bool troncato,
                                             RisultatoLettura::Codifica& codifica);
    static QList<Campo> dividi(const QString& testo, int campi);

    // Characters taken out of a word wherever they stand.
    static bool daTogliere(QChar c);
    // Characters taken off the ends of a word: blanks and zero-width ones.
    static bool margine(QChar c);
};
