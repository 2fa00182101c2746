// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Elenchi.h"

#include <QByteArrayView>

// Fields end at a comma or at a line end (LF, CR or CRLF); blanks before a field
// are skipped and blanks after an unquoted one dropped; a field in double quotes
// keeps its commas. Valid UTF-8 (with or without BOM) is read as UTF-8, anything
// else as Windows-1252. Reading is bounded, so a huge or binary file costs no more
// than a small list does.
class LettoreElenco final : public Elenchi {
public:
    static constexpr qsizetype massimoByte = 1 << 20;
    static constexpr qsizetype massimoCaratteri = 100;

    RisultatoLettura leggi(const QString& percorso, int campi) override;

    // The same rules on bytes already in memory; troncato says the file went on
    // beyond them.
    static RisultatoLettura analizza(QByteArrayView dati, int campi, bool troncato = false);
};
