// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What tells one exercise from another; the engine is the same for all.
struct ImpostazioniEsercizio {
    // Built-in items (the letters) when not empty; otherwise a family of list
    // files testi/<prefissoFile>1.txt ... testi/<prefissoFile><numeroFile>.txt.
    QStringList vociIncorporate;
    QStringList nomiIncorporati; // what is said of each built-in item, when not its caption
    QString prefissoFile;
    int numeroFile = 0;
    int voci = 0;          // items a turn is dealt from
    int caselle = 0;       // tiles and slots in the window
    int contaApertura = 0; // items dealt when the window opens
    bool maiuscole = true; // tiles show their word in upper case
    bool coloreOgniTurno = false;
    QString segnaposto; // caption of tiles and slots before the first deal

    bool daFile() const { return vociIncorporate.isEmpty(); }
    // The one way a list's file is named, from 1 to numeroFile.
    QString nomeElenco(int numero) const {
        return prefissoFile + QString::number(numero) + QStringLiteral(".txt");
    }
    // Where the program beside cartella finds that list.
    QString percorsoElenco(const QString& cartella, int numero) const {
        return cartella + QStringLiteral("/testi/") + nomeElenco(numero);
    }
    int scelte() const { return caselle - 1; } // count options "2" ... caselle
};
