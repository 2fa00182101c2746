// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controllo/Rapporto.h"
#include "platform/LettoreElenco.h"

#include <QStringList>

// Everything the checker can find in a folder of lists, each said in one
// sentence for a teacher; Consigli.cpp holds them all in one table.
enum class Consiglio {
    // The file itself
    FileMancante,
    FileIlleggibile,
    NonTesto,
    TroppoGrande,
    TroppoCorto,
    NessunaParola,
    DocumentoRtf,
    CodificaAntica,
    CodificaSbagliata,
    DueCodifiche,
    SecondaColonna,
    SecondaColonnaNascosta,
    DueColonne,
    ColonneConVirgola,
    PuntoEVirgola,
    Tabulazioni,
    // One word: "%1, %2, ..." for the word and its text as written
    SpazioInMezzo,
    SpazioAlBordo,
    InvisibileAlBordo,
    InvisibileInMezzo,
    TrattinoInvisibile,
    CarattereNonStampabile,
    Direzione,
    ACapo,
    ApostrofoTipografico,
    VirgolettaTipografica,
    VirgoletteDoppie,
    Vuota,
    Doppia,
    InizialeFuoriAlfabeto,
    InizialeRipetuta,
    PrimeDueRipetute,
    Titolo,
    TessereInsolite,
    TessereSimili,
    OrdineDiverso,
    Tagliata,
    IllegibileSullaTessera,
    PiuLargaDellaTessera,
    // The folder
    CartellaMancante,
    TxtDoppio,
    NomeMaiLetto,
    NomeInMaiuscole,
};

// What a tile may show beside letters, apostrophes, single blanks and hyphens.
enum class Insolito {
    Rtf,         // WordPad's codes: \par, braces
    Elenco,      // a bullet or a number in front
    Illeggibile, // a character the reader could not decode
    Straniera,   // a letter of another alphabet
    Numero,
    Punteggiatura,
    Simbolo,
    Spazi, // blanks one after another
    Altro,
};

// Where two tiles part, which decides their order or is all that tells them apart.
enum class Differenza { Accento, Apostrofo, Spazio, Trattino };

namespace Consigli {

// The finding's sentence, %1 ... %9 filled in one pass, so a word holding
// "%2" stays as written.
Segnalazione di(Consiglio consiglio, const QStringList& argomenti = {});

// The pieces the sentences are made of.
QString citata(QStringView testo);          // «testo», cleaned for printing
QString paroleLette(qsizetype quante);      // "1 parola letta", "20 parole lette"
QString paroleSole(qsizetype quante);       // "nessuna parola", "una sola parola", "solo 3 parole"
QString numeri(const QList<int>& lista);    // "3, 5"
QString righe(const QList<int>& lista);     // "la riga 3", "le righe 3, 5"
QString alleRighe(const QList<int>& lista); // "Alla riga 3", "Alle righe 3, 5"
QString chiamata(int numero, const LettoreElenco::Campo& campo); // "La parola 4 (riga 2)"
QString bordo(bool inizio);                                      // "comincia", "finisce"
QString tra(const QString& prima, const QString& dopo);          // where an initial falls
QString conNumero(QStringView parola, int numero);               // "«parola» (parola 4)"
// "segni di punteggiatura: toglieteli", the kind and the one thing to do.
QString insolito(Insolito genere);
// "le lettere accentate vengono dopo la Z", why the program orders a pair so.
QString perche(Differenza differenza);
// "solo per l'accento", all that tells two tiles apart.
QString soloPer(Differenza differenza);
// "Windows-1252 (l'«ANSI» del Blocco note)", as a teacher knows it.
QString nomeCodifica(RisultatoLettura::Codifica codifica);
QString descrizione(RisultatoLettura::Codifica codifica, qsizetype lette, int servono,
                    qsizetype inPiu);

} // namespace Consigli
