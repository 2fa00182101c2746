// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/FoglioDiCalcolo.h"

#include <QMap>
#include <QSet>

#include <algorithm>

using namespace Consigli;

void FoglioDiCalcolo::segnala(Consiglio consiglio, const QStringList& argomenti) {
    uscita_.append(Consigli::di(consiglio, argomenti));
}

QString FoglioDiCalcolo::tessera(const QString& parola) const {
    return maiuscole_ ? parola.toUpper() : parola;
}

// Cells of a spreadsheet saved as text: a row of words, or a second column.
void FoglioDiCalcolo::separatori(const QList<Campo>& campi) {
    puntiEVirgola(campi);
    tabulazioni(campi);
    virgole(campi);
}

void FoglioDiCalcolo::puntiEVirgola(const QList<Campo>& campi) {
    QList<int> conPunto, nascoste;
    qsizetype punti = 0, finali = 0, dueCelle = 0;
    QString primaCella, primaNascosta;
    for (const Campo& campo : campi) {
        const QString& parola = campo.parola;
        if (parola.contains(u';')) {
            ++punti;
            finali += parola.endsWith(u';');
            dueCelle += parola.count(u';') == 1 && !parola.endsWith(u';');
            if (primaCella.isEmpty())
                primaCella = tessera(parola);
            if (!conPunto.contains(campo.riga))
                conPunto.append(campo.riga);
        } else if (campo.grezzo.contains(u';') && campo.grezzo.trimmed().startsWith(u'"')) {
            // LibreOffice quotes each cell: the quoted word is read, the rest lost.
            nascoste.append(campo.riga);
            if (primaNascosta.isEmpty())
                primaNascosta = tessera(parola);
        }
    }
    // A column saved with a second one beside it: a semicolon ends most lines,
    // or stands once on every line.
    if (conPunto.size() > 1 && finali * 2 >= punti)
        segnala(Consiglio::SecondaColonna, {numeri(conPunto), citata(primaCella)});
    else if (conPunto.size() > 1 && dueCelle == punti)
        segnala(Consiglio::DueColonne,
                {numeri(conPunto), QStringLiteral("un punto e virgola"), citata(primaCella)});
    else if (!conPunto.isEmpty())
        segnala(Consiglio::PuntoEVirgola, {alleRighe(conPunto)});
    if (!nascoste.isEmpty())
        segnala(Consiglio::SecondaColonnaNascosta, {numeri(nascoste), citata(primaNascosta)});
}

void FoglioDiCalcolo::tabulazioni(const QList<Campo>& campi) {
    QList<int> conTab;
    qsizetype dueCelle = 0;
    QString prima;
    for (const Campo& campo : campi) {
        if (!campo.parola.contains(u'\t') || conTab.contains(campo.riga))
            continue;
        conTab.append(campo.riga);
        dueCelle += campo.parola.count(u'\t') == 1;
        if (prima.isEmpty())
            prima = tessera(campo.parola);
    }
    if (conTab.size() > 1 && dueCelle == conTab.size())
        segnala(Consiglio::DueColonne,
                {numeri(conTab), QStringLiteral("una tabulazione"), citata(prima)});
    else if (!conTab.isEmpty())
        segnala(Consiglio::Tabulazioni, {alleRighe(conTab)});
}

// A CSV file with a second column: two words on every line, the second
// repeating (a category), each of them a tile.
void FoglioDiCalcolo::virgole(const QList<Campo>& campi) {
    QMap<int, QStringList> perRiga;
    for (const Campo& campo : campi)
        perRiga[campo.riga].append(tessera(campo.parola));
    QStringList seconde;
    for (const QStringList& riga : std::as_const(perRiga)) {
        if (riga.size() != 2 || riga.contains(QString()))
            return;
        seconde.append(riga.back());
    }
    if (perRiga.size() < 3 ||
        QSet<QString>(seconde.begin(), seconde.end()).size() == seconde.size())
        return;
    segnala(Consiglio::ColonneConVirgola, {numeri(perRiga.keys()), citata(seconde.front())});
}

void FoglioDiCalcolo::virgolette(int numero, const Campo& campo) {
    // A quoted word ends at its second quote; what follows it on the field is
    // lost, as with the doubled quotes Excel writes for a cell holding one.
    const QStringView grezzo = campo.grezzo;
    qsizetype i = 0;
    while (i < grezzo.size() && LettoreElenco::margine(grezzo[i]))
        ++i;
    if (i >= grezzo.size() || grezzo[i] != u'"')
        return;
    const qsizetype chiusa = grezzo.indexOf(u'"', i + 1);
    if (chiusa < 0)
        return;
    const QStringView resto = grezzo.sliced(chiusa + 1).trimmed();
    // Nothing lost, or a second column, told of as such.
    if (std::all_of(resto.begin(), resto.end(), LettoreElenco::margine) || resto.startsWith(u';') ||
        resto.startsWith(u'\t'))
        return;
    segnala(Consiglio::VirgoletteDoppie,
            {chiamata(numero, campo), citata(grezzo.sliced(i).trimmed()),
             citata(tessera(campo.parola))});
}
