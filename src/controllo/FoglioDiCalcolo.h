// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controllo/Consigli.h"
#include "platform/LettoreElenco.h"

// A list saved from a spreadsheet: cells that became one tile, a second
// column beside the words, Excel's doubled quotes.
class FoglioDiCalcolo {
public:
    using Campo = LettoreElenco::Campo;

    // maiuscole: the tiles show their words in capitals.
    FoglioDiCalcolo(bool maiuscole, QList<Segnalazione>& uscita)
        : maiuscole_(maiuscole)
        , uscita_(uscita) {}

    // The whole list: a row of words in one cell, or a second column.
    void separatori(const QList<Campo>& campi);
    // One word in quotes that holds quotes of its own.
    void virgolette(int numero, const Campo& campo);

private:
    void segnala(Consiglio consiglio, const QStringList& argomenti = {});
    QString tessera(const QString& parola) const;
    void puntiEVirgola(const QList<Campo>& campi);
    void tabulazioni(const QList<Campo>& campi);
    void virgole(const QList<Campo>& campi);

    bool maiuscole_;
    QList<Segnalazione>& uscita_;
};
