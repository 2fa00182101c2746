// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LettoreElenco.h"
#include "platform/CodificheAntiche.h"
#include "platform/FileRegolare.h"
#include "platform/Invisibili.h"
#include "platform/Utf.h"

#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace {

using Esito = RisultatoLettura::Esito;
using Codifica = RisultatoLettura::Codifica;
using Pagina = CodificheAntiche::Pagina;

// Where the line that starts at i ends, its line end included.
qsizetype fineDellaRiga(QByteArrayView dati, qsizetype i) {
    while (i < dati.size() && dati[i] != '\n' && dati[i] != '\r')
        ++i;
    if (i < dati.size() && dati[i] == '\r' && i + 1 < dati.size() && dati[i + 1] == '\n')
        ++i;
    return qMin(i + 1, dati.size());
}

// fai(line, its number from 1, whether it is valid UTF-8) for each line, its
// line end included. LF and CR are the same byte in UTF-8 and in every
// one-byte code page read, so lines split the same before decoding as after.
template <typename Fai> void perOgniRiga(QByteArrayView dati, bool troncato, Fai&& fai) {
    int riga = 1;
    for (qsizetype i = 0; i < dati.size(); ++riga) {
        const qsizetype fine = fineDellaRiga(dati, i);
        const QByteArrayView linea = dati.sliced(i, fine - i);
        fai(linea, riga, Utf::valido8(linea, troncato && fine == dati.size()));
        i = fine;
    }
}

Codifica codificaAntica(Pagina pagina, bool conUtf8) {
    switch (pagina) {
    case Pagina::Windows1252:
        break;
    case Pagina::Dos850:
        return conUtf8 ? Codifica::MistaDos850 : Codifica::Dos850;
    case Pagina::MacRoman:
        return conUtf8 ? Codifica::MistaMacRoman : Codifica::MacRoman;
    }
    return conUtf8 ? Codifica::Mista : Codifica::Windows1252;
}

// A file that is not UTF-8 as a whole, line by line: UTF-8 where a line is
// valid UTF-8, elsewhere the one-byte code page in which those lines read
// most as Italian.
LettoreElenco::Testo perRiga(QByteArrayView dati, bool troncato, bool bom) {
    CodificheAntiche::Scelta scelta;
    perOgniRiga(dati, troncato, [&](QByteArrayView linea, int, bool utf8) {
        if (!utf8)
            scelta.conta(linea);
    });
    const Pagina pagina = scelta.pagina();
    LettoreElenco::Testo letto;
    bool conUtf8 = bom; // some line needs UTF-8 to read as meant
    perOgniRiga(dati, troncato, [&](QByteArrayView linea, int riga, bool utf8) {
        if (utf8) {
            conUtf8 = conUtf8 || std::any_of(linea.begin(), linea.end(), [](char c) {
                          return static_cast<unsigned char>(c) >= 0x80;
                      });
            letto.testo += QString::fromUtf8(linea);
        } else {
            letto.righeAntiche.append(riga);
            letto.testo += CodificheAntiche::decodifica(linea, pagina);
        }
    });
    letto.codifica = codificaAntica(pagina, conUtf8);
    if (!conUtf8)
        letto.righeAntiche.clear();
    return letto;
}

std::optional<LettoreElenco::Testo> utf16(QByteArrayView dati, bool troncato) {
    // Notepad's "Unicode": NUL bytes are part of the encoding, NUL characters are not.
    const bool le = dati.startsWith("\xFF\xFE");
    QByteArrayView corpo = dati.sliced(2);
    if (troncato && corpo.size() % 2 != 0)
        corpo.chop(1);
    QStringDecoder decodificatore(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    LettoreElenco::Testo letto{decodificatore(corpo), le ? Codifica::Utf16Le : Codifica::Utf16Be};
    if (letto.testo.contains(QChar(0)))
        return std::nullopt;
    letto.sostituiti = Utf::sostituisciMezzi(letto.testo, troncato);
    return letto;
}

bool fineRiga(QChar c) {
    return c == u'\n' || c == u'\r';
}

// Whatever may stand before or after a word's letters on its line.
bool bordo(char32_t codice) {
    return codice != u'\n' && codice != u'\r' && Invisibili::margine(codice);
}

// Past the blanks that start at pos on their line.
qsizetype dopoIBordi(QStringView testo, qsizetype pos) {
    while (pos < testo.size()) {
        const Utf::Punto punto = Utf::puntoDa(testo, pos);
        if (!bordo(punto.codice))
            break;
        pos += punto.unita;
    }
    return pos;
}

// Where the blanks that end at fine begin, going back no further than inizio.
qsizetype primaDeiBordi(QStringView testo, qsizetype inizio, qsizetype fine) {
    while (fine > inizio) {
        const Utf::Punto punto = Utf::puntoPrima(testo, fine);
        if (!bordo(punto.codice) || fine - punto.unita < inizio)
            break;
        fine -= punto.unita;
    }
    return fine;
}

// The first line end, or stop, at or after pos.
qsizetype fermata(QStringView testo, qsizetype pos, QChar stop) {
    while (pos < testo.size() && testo[pos] != stop && !fineRiga(testo[pos]))
        ++pos;
    return pos;
}

// A field that starts at a word's first character: the word is
// testo[inizio, fine), and the field goes on up to its separator.
struct Limiti {
    qsizetype inizio, fine, separatore;
};

Limiti limiti(QStringView testo, qsizetype pos) {
    if (testo[pos] == u'"') {
        // A quote left open ends with its line, so one slip costs one word.
        const qsizetype chiusa = fermata(testo, pos + 1, u'"');
        return {pos + 1, chiusa, fermata(testo, chiusa, u',')};
    }
    const qsizetype separatore = fermata(testo, pos, u',');
    return {pos, primaDeiBordi(testo, pos, separatore), separatore};
}

// Past the separator at pos, counting the lines.
qsizetype dopoIlSeparatore(QStringView testo, qsizetype pos, int& riga) {
    if (pos >= testo.size())
        return pos;
    const QChar separatore = testo[pos++];
    if (fineRiga(separatore))
        ++riga;
    if (separatore == u'\r' && pos < testo.size() && testo[pos] == u'\n')
        ++pos;
    return pos;
}

// How much of a word is put in composed form: composing makes a text at most
// four times shorter (a letter and three accents become one character), so
// this is more than the length bound needs, while a run of accents as long as
// the file, which Qt reorders in quadratic time, costs no more than a word.
constexpr qsizetype daComporre = 8 * (LettoreElenco::massimoCaratteri + 1);

// The word without the characters that never reach a tile, composed (NFC),
// cut to the length bound before its last whole character.
QString pulita(QStringView campo, bool& tagliata) {
    QString parola;
    parola.reserve(qMin(campo.size(), daComporre));
    for (qsizetype i = 0; i < campo.size() && parola.size() < daComporre;) {
        const Utf::Punto punto = Utf::puntoDa(campo, i);
        if (!Invisibili::daTogliere(punto.codice))
            parola.append(campo.sliced(i, punto.unita));
        i += punto.unita;
    }
    parola = parola.normalized(QString::NormalizationForm_C);
    tagliata = parola.size() > LettoreElenco::massimoCaratteri;
    if (tagliata) {
        qsizetype tenuti = LettoreElenco::massimoCaratteri;
        if (parola[tenuti].isLowSurrogate())
            --tenuti;
        parola.truncate(tenuti);
    }
    return parola;
}

} // namespace

bool LettoreElenco::daTogliere(QChar c) {
    // Half of a character says nothing of the whole one.
    return !c.isSurrogate() && Invisibili::daTogliere(c.unicode());
}

bool LettoreElenco::margine(QChar c) {
    return !c.isSurrogate() && Invisibili::margine(c.unicode());
}

std::optional<LettoreElenco::Testo> LettoreElenco::decodifica(QByteArrayView dati, bool troncato) {
    if (dati.startsWith("\xFF\xFE") || dati.startsWith("\xFE\xFF"))
        return utf16(dati, troncato);
    if (dati.contains('\0'))
        return std::nullopt;
    const QByteArrayView bom("\xEF\xBB\xBF");
    const bool conBom = dati.startsWith(bom);
    const QByteArrayView corpo = conBom ? dati.sliced(bom.size()) : dati;
    if (Utf::valido8(corpo, troncato))
        return Testo{QString::fromUtf8(corpo), conBom ? Codifica::Utf8ConBom : Codifica::Utf8, {}};
    return perRiga(corpo, troncato, conBom);
}

QList<LettoreElenco::Campo> LettoreElenco::dividi(const QString& testo, int campi) {
    QList<Campo> letti;
    const QStringView tutto(testo);
    qsizetype pos = 0;
    int riga = 1;
    while (letti.size() < campi) {
        const qsizetype partenza = pos;
        pos = dopoIBordi(tutto, pos);
        if (pos >= tutto.size())
            break;
        const Limiti campo = limiti(tutto, pos);
        bool tagliata = false;
        QString parola = pulita(tutto.sliced(campo.inizio, campo.fine - campo.inizio), tagliata);
        letti.append({tutto.sliced(partenza, campo.separatore - partenza), std::move(parola), riga,
                      tagliata});
        pos = dopoIlSeparatore(tutto, campo.separatore, riga);
    }
    return letti;
}

RisultatoLettura LettoreElenco::analizza(QByteArrayView dati, int campi, bool troncato) {
    RisultatoLettura risultato;
    const std::optional<Testo> testo = decodifica(dati, troncato);
    if (!testo) {
        risultato.esito = Esito::NonTesto;
        return risultato;
    }
    risultato.codifica = testo->codifica;
    risultato.sostituiti = testo->sostituiti;
    for (const Campo& campo : dividi(testo->testo, campi)) {
        risultato.puntoEVirgola = risultato.puntoEVirgola || campo.parola.contains(u';');
        risultato.tabulazione = risultato.tabulazione || campo.parola.contains(u'\t');
        risultato.campi.append(campo.parola);
    }
    risultato.esito = esito(risultato.campi.size(), campi, troncato);
    return risultato;
}

RisultatoLettura::Esito LettoreElenco::esito(qsizetype trovati, int campi, bool troncato) {
    if (trovati >= campi)
        return Esito::Letto;
    return troncato ? Esito::TroppoGrande : Esito::TroppoCorto;
}

RisultatoLettura LettoreElenco::leggi(const QString& percorso, int campi) {
    QByteArray dati;
    bool troncato = false;
    const Esito caricato = carica(percorso, dati, troncato);
    if (caricato != Esito::Letto)
        return {caricato, {}};
    return analizza(dati, campi, troncato);
}

RisultatoLettura::Esito LettoreElenco::carica(const QString& percorso, QByteArray& dati,
                                              bool& troncato) {
    FileRegolare file = FileRegolare::leggi(percorso, massimoByte);
    switch (file.esito) {
    case FileRegolare::Esito::Mancante:
        return Esito::Mancante;
    case FileRegolare::Esito::Illeggibile:
        return Esito::Illeggibile;
    case FileRegolare::Esito::Letto:
        break;
    }
    dati = std::move(file.dati);
    troncato = file.troncato;
    return Esito::Letto;
}
