// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/Consigli.h"

#include <algorithm>
#include <array>

namespace {

using Gravita = Segnalazione::Gravita;

struct Voce {
    Consiglio chiave;
    Gravita gravita;
    QStringView testo;
};

// Every sentence of the report, to be read together: the words of a teacher
// who has Notepad, Word, LibreOffice or Excel, never the program's.
constexpr std::array voci{
    Voce{Consiglio::FileMancante, Gravita::Errore,
         u"Il file manca: quando l'esercizio lo sceglie, non ha parole da dare"},
    Voce{Consiglio::FileIlleggibile, Gravita::Errore,
         u"Non si può leggere: non è un file normale, o non avete il permesso di leggerlo"},
    Voce{Consiglio::NonTesto, Gravita::Errore,
         u"Non è un file di testo: salvatelo come «Testo semplice» (.txt)"},
    Voce{Consiglio::TroppoGrande, Gravita::Errore,
         u"È troppo grande per essere un elenco di parole: l'esercizio legge solo il primo "
         u"megabyte e lì non trova %1 parole"},
    Voce{Consiglio::TroppoCorto, Gravita::Errore, u"Ha %1, ma ne servono %2: aggiungetene %3"},
    Voce{Consiglio::NessunaParola, Gravita::Errore, u"Non ha nessuna parola: ne servono %1"},
    Voce{Consiglio::DocumentoRtf, Gravita::Errore,
         u"È un documento di WordPad, non un testo semplice, e le tessere mostrano i suoi codici "
         u"(%1): salvatelo come Testo normale (in WordPad: Salva con nome, Documento di testo)"},
    Voce{Consiglio::CodificaAntica, Gravita::Avviso,
         u"È salvato come %1, che il programma riconosce dalle lettere accentate; per andare sul "
         u"sicuro salvatelo come UTF-8: in Blocco note, Salva con nome, Codifica UTF-8"},
    Voce{Consiglio::CodificaSbagliata, Gravita::Avviso,
         u"È salvato come %1, e alcune tessere potrebbero non mostrare le lettere che avete "
         u"scritto: salvatelo come UTF-8: in Blocco note, Salva con nome, Codifica UTF-8"},
    Voce{Consiglio::DueCodifiche, Gravita::Avviso,
         u"Il file mescola due codifiche: %1 in %2, il resto in UTF-8. L'esercizio legge ogni riga "
         u"nella sua codifica, ma conviene aprire il "
         u"file e salvarlo di nuovo, tutto in UTF-8"},
    Voce{Consiglio::SecondaColonna, Gravita::Avviso,
         u"Le righe %1 finiscono con un punto e virgola: il file ha una seconda colonna, come un "
         u"foglio di calcolo con qualcosa nella colonna B, e le tessere la mostrano (%2). Salvate "
         u"solo la colonna A, o cancellate il ; alla fine di ogni riga"},
    Voce{Consiglio::SecondaColonnaNascosta, Gravita::Avviso,
         u"Le righe %1 hanno una seconda colonna, come un foglio di calcolo con qualcosa nella "
         u"colonna B: le tessere mostrano solo la prima (%2) e il resto della riga non viene "
         u"usato. Per non avere sorprese, salvate solo la colonna A"},
    Voce{Consiglio::DueColonne, Gravita::Avviso,
         u"Le righe %1 hanno due colonne separate da %2, come un foglio di calcolo con qualcosa "
         u"nella colonna B, e le tessere le mostrano insieme (%3). Salvate solo la colonna A"},
    Voce{Consiglio::ColonneConVirgola, Gravita::Avviso,
         u"Le righe %1 hanno due colonne separate da una virgola, come un foglio di calcolo "
         u"salvato in CSV con qualcosa nella colonna B, e ogni parola della seconda colonna "
         u"diventa una tessera (%2). Salvate solo la colonna A"},
    Voce{Consiglio::PuntoEVirgola, Gravita::Avviso,
         u"%1 le parole sembrano separate da punto e virgola, come in un file salvato da un "
         u"foglio di calcolo: separatele con una virgola o mettetene una per riga"},
    Voce{Consiglio::Tabulazioni, Gravita::Avviso,
         u"%1 le parole sembrano separate da tabulazioni, come in un file salvato da un foglio "
         u"di calcolo: separatele con una virgola o mettetene una per riga"},
    Voce{Consiglio::SpazioInMezzo, Gravita::Avviso,
         u"%1, %2, ha uno spazio speciale in mezzo: cancellatelo e scrivete uno spazio normale"},
    Voce{Consiglio::SpazioAlBordo, Gravita::Avviso,
         u"%1, %2, %3 con uno spazio invisibile: cancellatelo"},
    Voce{Consiglio::InvisibileAlBordo, Gravita::Avviso,
         u"%1, %2, %3 con un carattere invisibile: cancellatelo"},
    Voce{Consiglio::InvisibileInMezzo, Gravita::Avviso,
         u"%1, %2, ha un carattere invisibile in mezzo, che il programma toglie: la tessera "
         u"mostra %3. Cancellate la parola e riscrivetela"},
    Voce{Consiglio::TrattinoInvisibile, Gravita::Avviso,
         u"%1, %2, ha un trattino invisibile (quello che Word e le pagine web mettono per andare "
         u"a capo) in mezzo, che il programma toglie: la tessera mostra %3. Cancellate la parola "
         u"e riscrivetela"},
    Voce{Consiglio::CarattereNonStampabile, Gravita::Avviso,
         u"%1, %2, ha un carattere di controllo, che non si vede: cancellate la parola e "
         u"riscrivetela"},
    Voce{Consiglio::Direzione, Gravita::Avviso,
         u"%1, %2, ha un carattere invisibile che cambia il verso della scrittura: cancellate la "
         u"parola e riscrivetela"},
    Voce{Consiglio::ACapo, Gravita::Avviso,
         u"%1, %2, ha un a capo speciale dentro: cancellate la parola e riscrivetela"},
    Voce{Consiglio::ApostrofoTipografico, Gravita::Avviso,
         u"%1, %2, ha %3, un apostrofo tipografico che nell'ordine viene dopo la Z: scrivetelo "
         u"con il tasto dell'apostrofo (')"},
    Voce{Consiglio::VirgolettaTipografica, Gravita::Avviso,
         u"%1, %2, ha %3, una virgoletta tipografica che nell'ordine viene dopo la Z: "
         u"toglietela, o scrivetela con il tasto delle virgolette (\")"},
    Voce{Consiglio::VirgoletteDoppie, Gravita::Avviso,
         u"%1, %2, ha delle virgolette dentro le virgolette, come le scrive Excel per una cella "
         u"che ne contiene: la tessera mostra solo %3 e il resto si perde. Togliete dalla cella, "
         u"o dal file, tutte le virgolette"},
    Voce{Consiglio::Vuota, Gravita::Avviso,
         u"%1 è vuota: la sua tessera resterà bianca. Cancellate la riga vuota o la virgola in "
         u"più"},
    Voce{Consiglio::Doppia, Gravita::Avviso,
         u"%1, %2, c'è già: è uguale alla parola %3. Due tessere uguali non hanno un ordine: "
         u"cambiatene una"},
    Voce{Consiglio::InizialeFuoriAlfabeto, Gravita::Avviso,
         u"%1, %2, comincia con %3, che non è tra le %4 lettere dell'alfabeto italiano insegnate "
         u"dall'esercizio delle lettere: nell'ordine del programma viene %5"},
    Voce{Consiglio::InizialeRipetuta, Gravita::Avviso,
         u"Più parole cominciano con %1: %2. Guardando solo la prima lettera non si sa quale "
         u"viene prima: cambiatene una"},
    Voce{Consiglio::PrimeDueRipetute, Gravita::Avviso,
         u"Più parole cominciano con %1: %2. Guardando solo le prime due lettere non si sa quale "
         u"viene prima: cambiatene una"},
    Voce{Consiglio::Titolo, Gravita::Avviso,
         u"%1, %2, sembra un titolo: l'esercizio ne fa una tessera come le altre. Cancellate la "
         u"riga del titolo"},
    Voce{Consiglio::TessereInsolite, Gravita::Avviso,
         u"Queste tessere mostrano altro che lettere, apostrofi, spazi e trattini: %1"},
    Voce{Consiglio::TessereSimili, Gravita::Avviso,
         u"Queste tessere quasi non si distinguono, e chi le guarda non sa quale viene prima: %1. "
         u"Cambiate una parola di ogni coppia"},
    Voce{Consiglio::OrdineDiverso, Gravita::Avviso,
         u"Il programma ordina queste parole diversamente dal dizionario: %1. Chi le ordina come "
         u"nel dizionario viene corretto: cambiate una parola di ogni coppia"},
    Voce{Consiglio::Tagliata, Gravita::Avviso,
         u"%1, %2, ha più di %3 caratteri: l'esercizio ne legge solo i primi %3"},
    Voce{Consiglio::IllegibileSullaTessera, Gravita::Errore,
         u"%1, %2, è troppo larga per la sua tessera: sarà scritta alta %3 pixel invece di %4, "
         u"e sotto i %5 pixel un bambino non la può leggere. Scegliete una parola più corta"},
    Voce{Consiglio::PiuLargaDellaTessera, Gravita::Avviso,
         u"%1, %2, è più larga della sua tessera: sarà scritta alta %3 pixel invece di %4, più "
         u"piccola delle altre. Se potete, scegliete una parola più corta"},
    Voce{Consiglio::CartellaMancante, Gravita::Errore, u"La cartella %1 non c'è"},
    Voce{Consiglio::TxtDoppio, Gravita::Avviso,
         u"%1 non viene mai letto: il nome finisce con .txt due volte, perché Windows aggiunge "
         u".txt senza mostrarlo. Rinominatelo %2, cioè %3 dove Windows nasconde l'estensione"},
    Voce{Consiglio::NomeMaiLetto, Gravita::Avviso,
         u"%1 non viene mai letto: gli esercizi leggono solo i file %2, scritti così"},
    Voce{Consiglio::NomeInMaiuscole, Gravita::Avviso,
         u"%1 non viene mai letto: gli esercizi cercano il nome scritto in minuscolo. "
         u"Rinominatelo %2"},
};

// What a tile shows beside letters: the kind and the one thing to do.
struct Genere {
    Insolito chiave;
    QStringView testo;
};

constexpr std::array generi{
    Genere{Insolito::Rtf, u"codici di WordPad: salvate il file come Testo normale"},
    Genere{Insolito::Elenco,
           u"segni di un elenco puntato o numerato: togliete i segni dell'elenco e i numeri"},
    Genere{Insolito::Illeggibile,
           u"caratteri che il programma non ha saputo leggere: riscrivete la parola"},
    Genere{Insolito::Straniera, u"lettere di un altro alfabeto, che sembrano uguali alle nostre "
                                u"ma si ordinano dopo la Z: riscrivete la parola con la tastiera"},
    Genere{Insolito::Numero, u"numeri: togliete i numeri, o scriveteli in lettere"},
    Genere{Insolito::Punteggiatura, u"segni di punteggiatura: toglieteli"},
    Genere{Insolito::Simbolo, u"simboli: toglieteli"},
    Genere{Insolito::Spazi, u"più spazi di seguito: lasciatene uno solo"},
    Genere{Insolito::Altro, u"caratteri insoliti: cancellate la parola e riscrivetela"},
};

// Where two tiles part: why the program orders them so, or all that tells them apart.
struct Motivo {
    Differenza chiave;
    QStringView perche;
    QStringView soloPer;
};

constexpr std::array differenze{
    Motivo{Differenza::Accento, u"le lettere accentate vengono dopo la Z", u"solo per l'accento"},
    Motivo{Differenza::Apostrofo, u"l'apostrofo viene prima della A", u"solo per l'apostrofo"},
    Motivo{Differenza::Spazio, u"lo spazio viene prima di ogni lettera", u"solo per gli spazi"},
    Motivo{Differenza::Trattino, u"il trattino viene prima di ogni lettera",
           u"solo per il trattino"},
};

template <typename Tabella, typename Chiave>
const auto& trova(const Tabella& tabella, Chiave chiave) {
    const auto voce = std::find_if(tabella.begin(), tabella.end(),
                                   [&](const auto& v) { return v.chiave == chiave; });
    Q_ASSERT(voce != tabella.end());
    return *voce;
}

QString compila(QStringView modello, const QStringList& argomenti) {
    QString testo;
    testo.reserve(modello.size());
    for (qsizetype i = 0; i < modello.size(); ++i) {
        const qsizetype n = i + 1 < modello.size() ? modello[i + 1].digitValue() : -1;
        if (modello[i] == u'%' && n >= 1 && n <= argomenti.size()) {
            testo += argomenti[n - 1];
            ++i;
        } else {
            testo += modello[i];
        }
    }
    return testo;
}

} // namespace

namespace Consigli {

Segnalazione di(Consiglio consiglio, const QStringList& argomenti) {
    const Voce& voce = trova(voci, consiglio);
    return {voce.gravita, compila(voce.testo, argomenti)};
}

QString citata(QStringView testo) {
    return QStringLiteral("«%1»").arg(Rapporto::visibile(testo));
}

QString paroleLette(qsizetype quante) {
    return quante == 1 ? QStringLiteral("1 parola letta")
                       : QStringLiteral("%1 parole lette").arg(quante);
}

QString paroleSole(qsizetype quante) {
    if (quante == 0)
        return QStringLiteral("nessuna parola");
    return quante == 1 ? QStringLiteral("una sola parola")
                       : QStringLiteral("solo %1 parole").arg(quante);
}

QString numeri(const QList<int>& lista) {
    QStringList testi;
    for (const int numero : lista)
        testi.append(QString::number(numero));
    return testi.join(QStringLiteral(", "));
}

QString righe(const QList<int>& lista) {
    return (lista.size() == 1 ? QStringLiteral("la riga ") : QStringLiteral("le righe ")) +
           numeri(lista);
}

QString alleRighe(const QList<int>& lista) {
    return (lista.size() == 1 ? QStringLiteral("Alla riga ") : QStringLiteral("Alle righe ")) +
           numeri(lista);
}

QString chiamata(int numero, const LettoreElenco::Campo& campo) {
    return numero == campo.riga
               ? QStringLiteral("La parola %1").arg(numero)
               : QStringLiteral("La parola %1 (riga %2)").arg(numero).arg(campo.riga);
}

QString bordo(bool inizio) {
    return inizio ? QStringLiteral("comincia") : QStringLiteral("finisce");
}

QString tra(const QString& prima, const QString& dopo) {
    if (prima.isEmpty())
        return QStringLiteral("prima della ") + dopo;
    if (dopo.isEmpty())
        return QStringLiteral("dopo la ") + prima;
    return QStringLiteral("tra la %1 e la %2").arg(prima, dopo);
}

QString conNumero(QStringView parola, int numero) {
    return citata(parola) + QStringLiteral(" (parola %1)").arg(numero);
}

QString insolito(Insolito genere) {
    return trova(generi, genere).testo.toString();
}

QString perche(Differenza differenza) {
    return trova(differenze, differenza).perche.toString();
}

QString soloPer(Differenza differenza) {
    return trova(differenze, differenza).soloPer.toString();
}

QString nomeCodifica(RisultatoLettura::Codifica codifica) {
    using Codifica = RisultatoLettura::Codifica;
    switch (codifica) {
    case Codifica::Utf8:
    case Codifica::Utf8ConBom:
        return QStringLiteral("UTF-8");
    case Codifica::Utf16Le:
        return QStringLiteral("UTF-16 LE (l'«Unicode» del Blocco note)");
    case Codifica::Utf16Be:
        return QStringLiteral("UTF-16 BE");
    case Codifica::Windows1252:
        return QStringLiteral("Windows-1252 (l'«ANSI» del Blocco note)");
    case Codifica::Mista:
        return QStringLiteral("UTF-8 mescolato con Windows-1252");
    case Codifica::Dos850:
        return QStringLiteral("Testo MS-DOS (come lo salva Word scegliendo la codifica «MS-DOS»)");
    case Codifica::MacRoman:
        return QStringLiteral("Testo Mac (dei Macintosh di una volta)");
    case Codifica::MistaDos850:
        return QStringLiteral("UTF-8 mescolato con testo MS-DOS");
    case Codifica::MistaMacRoman:
        return QStringLiteral("UTF-8 mescolato con testo Mac");
    }
    return {};
}

QString descrizione(RisultatoLettura::Codifica codifica, qsizetype lette, int servono,
                    qsizetype inPiu) {
    QString testo = QStringLiteral("%1, %2, ne servono %3")
                        .arg(nomeCodifica(codifica), paroleLette(lette))
                        .arg(servono);
    if (inPiu == 1)
        testo += QStringLiteral(" (l'altra non viene usata)");
    else if (inPiu > 1)
        testo += QStringLiteral(" (le altre %1 non vengono usate)").arg(inPiu);
    return testo;
}

} // namespace Consigli
