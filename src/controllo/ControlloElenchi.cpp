// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/ControlloElenchi.h"

#include "exercise/OrdineAlfabetico.h"
#include "platform/LettoreElenco.h"
#include "platform/RigaDiComando.h"
#include "screens/Disegno.h"
#include "screens/Layout.h"
#include "variants/AlfabetoItaliano.h"
#include "variants/Esercizi.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace {

using Codifica = RisultatoLettura::Codifica;
using Esito = RisultatoLettura::Esito;
using Campo = LettoreElenco::Campo;

struct Famiglia {
    const ImpostazioniEsercizio& esercizio;
    const LayoutEsercizio& layout;
    Regola regola;
};

const LayoutEsercizio& layout(Regola regola) {
    switch (regola) {
    case Regola::Lettere:
        break;
    case Regola::PrimaLettera:
        return Layout::FormOrdina1();
    case Regola::PrimeDueLettere:
        return Layout::FormOrdina2();
    case Regola::TutteLeLettere:
        return Layout::FormOrdina3();
    }
    return Layout::FormOrdina();
}

// The exercises that read lists, in the table's order.
QList<Famiglia> famiglie() {
    QList<Famiglia> elenco;
    for (const Variante& variante : Esercizi::tutti()) {
        if (variante.impostazioni.daFile())
            elenco.append({variante.impostazioni, layout(variante.regola), variante.regola});
    }
    return elenco;
}

QString nomeCodifica(Codifica codifica) {
    switch (codifica) {
    case Codifica::Utf8:
        return QStringLiteral("UTF-8");
    case Codifica::Utf8ConBom:
        return QStringLiteral("UTF-8 con BOM");
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

// Characters a teacher cannot see, or that sort where nobody expects them.
enum class Sorpresa { Spazio, Invisibile, Controllo, Direzione, ACapo, Tipografico };

bool direzione(char16_t u) {
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

std::optional<Sorpresa> sorpresa(QChar c) {
    const char16_t u = c.unicode();
    if (u == u' ' || u == u'\t')
        return std::nullopt;
    if (u == 0x2028 || u == 0x2029)
        return Sorpresa::ACapo;
    if (c.category() == QChar::Other_Control)
        return Sorpresa::Controllo;
    if (direzione(u))
        return Sorpresa::Direzione;
    if (LettoreElenco::daTogliere(c))
        return Sorpresa::Invisibile;
    if (c.isSpace())
        return Sorpresa::Spazio;
    if (u == 0x2018 || u == 0x2019 || u == 0x201C || u == 0x201D)
        return Sorpresa::Tipografico;
    return std::nullopt;
}

// A text from the file in guillemets, cleaned for printing.
QString citata(QStringView testo) {
    return QStringLiteral("«%1»").arg(Rapporto::visibile(testo));
}

enum class Conto {
    Lette, // "1 parola letta", "20 parole lette"
    Sole,  // "una sola parola", "solo 3 parole"
};

QString parole(qsizetype quante, Conto conto) {
    if (conto == Conto::Sole)
        return quante == 1 ? QStringLiteral("una sola parola")
                           : QStringLiteral("solo %1 parole").arg(quante);
    return quante == 1 ? QStringLiteral("1 parola letta")
                       : QStringLiteral("%1 parole lette").arg(quante);
}

QString numeri(const QList<int>& lista) {
    QStringList testi;
    for (const int numero : lista)
        testi.append(QString::number(numero));
    return testi.join(QStringLiteral(", "));
}

// "la riga 3", "le righe 3, 5".
QString righe(const QList<int>& lista) {
    return (lista.size() == 1 ? QStringLiteral("la riga %1") : QStringLiteral("le righe %1"))
        .arg(numeri(lista));
}

QString chiamata(int numero, const Campo& campo) {
    return numero == campo.riga
               ? QStringLiteral("La parola %1").arg(numero)
               : QStringLiteral("La parola %1 (riga %2)").arg(numero).arg(campo.riga);
}

enum class Posizione { Inizio, Mezzo, Fine };

QString rimedioSorpresa(Sorpresa tipo, QChar c, Posizione dove, const QString& tessera) {
    const QString bordo =
        dove == Posizione::Inizio ? QStringLiteral("comincia") : QStringLiteral("finisce");
    switch (tipo) {
    case Sorpresa::Spazio:
        return dove == Posizione::Mezzo
                   ? QStringLiteral("ha uno spazio speciale in mezzo: cancellatelo e scrivete "
                                    "uno spazio normale")
                   : QStringLiteral("%1 con uno spazio invisibile: cancellatelo").arg(bordo);
    case Sorpresa::Invisibile:
        if (dove != Posizione::Mezzo)
            return QStringLiteral("%1 con un carattere invisibile: cancellatelo").arg(bordo);
        return QStringLiteral("ha %1 in mezzo, che il programma toglie: la tessera mostra %2. "
                              "Cancellate la parola e riscrivetela")
            .arg(c.unicode() == 0xAD ? QStringLiteral("un trattino invisibile (quello che Word "
                                                      "e le pagine web mettono per andare a "
                                                      "capo)")
                                     : QStringLiteral("un carattere invisibile"),
                 citata(tessera));
    case Sorpresa::Controllo:
        return QStringLiteral("ha un carattere di controllo, che non si vede: cancellate la "
                              "parola e riscrivetela");
    case Sorpresa::Direzione:
        return QStringLiteral("ha un carattere invisibile che cambia il verso della scrittura: "
                              "cancellate la parola e riscrivetela");
    case Sorpresa::ACapo:
        return QStringLiteral("ha un a capo speciale dentro: cancellate la parola e riscrivetela");
    case Sorpresa::Tipografico:
        return (c.unicode() == 0x2018 || c.unicode() == 0x2019)
                   ? QStringLiteral("ha %1, un apostrofo tipografico che nell'ordine viene dopo "
                                    "la Z: scrivetelo con il tasto dell'apostrofo (')")
                         .arg(c)
                   : QStringLiteral("ha %1, una virgoletta tipografica che nell'ordine viene "
                                    "dopo la Z: toglietela, o scrivetela con il tasto delle "
                                    "virgolette (\")")
                         .arg(c);
    }
    return {};
}

// Where a letter outside the exercise's alphabet falls in the program's order.
QString doveCade(const QString& iniziale) {
    static const QStringList alfabeto = alfabetoItaliano();
    if (maggiore(alfabeto.front(), iniziale))
        return QStringLiteral("prima della %1").arg(alfabeto.front());
    for (qsizetype i = 0; i + 1 < alfabeto.size(); ++i) {
        if (maggiore(alfabeto[i + 1], iniziale))
            return QStringLiteral("tra la %1 e la %2").arg(alfabeto[i], alfabeto[i + 1]);
    }
    return QStringLiteral("dopo la %1").arg(alfabeto.back());
}

// A word as a dictionary orders it: accents and apostrophes read as nothing
// but their base letters.
QString daDizionario(const QString& testo) {
    QString chiave;
    for (const QChar c : testo.normalized(QString::NormalizationForm_D)) {
        const char16_t u = c.unicode();
        if (c.category() != QChar::Mark_NonSpacing && u != u'\'' && u != 0x2018 && u != 0x2019 &&
            u != 0x02BC)
            chiave += c;
    }
    return chiave.toUpper();
}

// One list of one family, judged as its exercise will read and show it.
class EsameElenco {
public:
    EsameElenco(const Famiglia& famiglia, RapportoFile& rapporto)
        : famiglia_(famiglia)
        , rapporto_(rapporto) {}

    void file(const QString& percorso);

private:
    void avviso(const QString& testo) {
        rapporto_.segnalazioni.append({Segnalazione::Gravita::Avviso, testo});
    }
    void errore(const QString& testo) {
        rapporto_.segnalazioni.append({Segnalazione::Gravita::Errore, testo});
    }
    // The word as its tile shows it.
    QString tessera(const QString& parola) const {
        return famiglia_.esercizio.maiuscole ? parola.toUpper() : parola;
    }
    void codifiche(const LettoreElenco::Testo& testo);
    void separatori(const QList<Campo>& campi);
    void sorprese(int numero, const Campo& campo);
    void virgolette(int numero, const Campo& campo);
    void vuoteEDoppie(const QList<Campo>& campi);
    void iniziali(const QList<Campo>& campi);
    void ordine(const QList<Campo>& campi);
    void larghezze(const QList<Campo>& campi);

    const Famiglia& famiglia_;
    RapportoFile& rapporto_;
};

void EsameElenco::file(const QString& percorso) {
    const int servono = famiglia_.esercizio.voci;
    QByteArray dati;
    bool troncato = false;
    switch (LettoreElenco::carica(percorso, dati, troncato)) {
    case Esito::Mancante:
        errore(QStringLiteral("Il file manca: quando l'esercizio lo sceglie, non ha parole da "
                              "dare"));
        return;
    case Esito::Illeggibile:
        errore(QStringLiteral("Non si può leggere: non è un file normale, o non avete il "
                              "permesso di leggerlo"));
        return;
    default:
        break;
    }
    const std::optional<LettoreElenco::Testo> letto = LettoreElenco::decodifica(dati, troncato);
    if (!letto) {
        errore(QStringLiteral("Non è un file di testo: salvatelo come «Testo semplice» (.txt)"));
        return;
    }
    // Past the words read, only how many more there are matters, within reason.
    const QList<Campo> tutti = LettoreElenco::dividi(letto->testo, servono + 10000);
    const QList<Campo> campi = tutti.mid(0, servono);
    rapporto_.descrizione =
        QStringLiteral("%1, %2, ne servono %3")
            .arg(nomeCodifica(letto->codifica), parole(campi.size(), Conto::Lette))
            .arg(servono);
    const auto piene = std::count_if(tutti.begin() + campi.size(), tutti.end(),
                                     [](const Campo& campo) { return !campo.parola.isEmpty(); });
    if (piene == 1)
        rapporto_.descrizione += QStringLiteral(" (l'altra non viene usata)");
    else if (piene > 1)
        rapporto_.descrizione += QStringLiteral(" (le altre %1 non vengono usate)").arg(piene);

    switch (LettoreElenco::esito(campi.size(), servono, troncato)) {
    case Esito::TroppoGrande:
        errore(QStringLiteral("È troppo grande per essere un elenco di parole: l'esercizio legge "
                              "solo il primo megabyte e lì non trova %1 parole")
                   .arg(servono));
        break;
    case Esito::TroppoCorto:
        errore(QStringLiteral("Ha %1, ma ne servono %2: aggiungetene %3")
                   .arg(campi.isEmpty() ? QStringLiteral("nessuna parola")
                                        : parole(campi.size(), Conto::Sole))
                   .arg(servono)
                   .arg(servono - campi.size()));
        break;
    default:
        break;
    }
    codifiche(*letto);
    separatori(campi);
    for (qsizetype i = 0; i < campi.size(); ++i) {
        sorprese(int(i + 1), campi[i]);
        virgolette(int(i + 1), campi[i]);
    }
    vuoteEDoppie(campi);
    if (famiglia_.regola == Regola::PrimaLettera)
        iniziali(campi);
    ordine(campi);
    larghezze(campi);
}

void EsameElenco::codifiche(const LettoreElenco::Testo& testo) {
    if (testo.codifica != Codifica::Mista)
        return;
    avviso(QStringLiteral("Il file mescola due codifiche: %1 in Windows-1252 (l'«ANSI» del "
                          "Blocco note), il resto in UTF-8. L'esercizio legge ogni riga nella "
                          "sua codifica, ma conviene aprire il file e salvarlo di nuovo, tutto "
                          "in UTF-8")
               .arg(righe(testo.righeWindows1252)));
}

void EsameElenco::separatori(const QList<Campo>& campi) {
    QList<int> conPunto, conTab;
    qsizetype punti = 0, finali = 0;
    QString primaCella;
    for (const Campo& campo : campi) {
        if (campo.parola.contains(u';')) {
            ++punti;
            finali += campo.parola.endsWith(u';');
            if (primaCella.isEmpty())
                primaCella = tessera(campo.parola);
            if (!conPunto.contains(campo.riga))
                conPunto.append(campo.riga);
        }
        if (campo.parola.contains(u'\t') && !conTab.contains(campo.riga))
            conTab.append(campo.riga);
    }
    const auto alle = [](const QList<int>& lista) {
        return (lista.size() == 1 ? QStringLiteral("Alla riga %1")
                                  : QStringLiteral("Alle righe %1"))
            .arg(numeri(lista));
    };
    const QString consiglio = QStringLiteral(", come in un file salvato da un foglio di calcolo: "
                                             "separatele con una virgola o mettetene una per riga");
    // A column saved with a second one beside it: a semicolon ends most lines.
    if (conPunto.size() > 1 && finali * 2 >= punti) {
        avviso(
            QStringLiteral("Le righe %1 finiscono con un punto e virgola: il file ha una seconda "
                           "colonna, come un foglio di calcolo con qualcosa nella colonna B, "
                           "e le tessere la mostrano (%2). Salvate solo la colonna A, o "
                           "cancellate il ; alla fine di ogni riga")
                .arg(numeri(conPunto), citata(primaCella)));
    } else if (!conPunto.isEmpty()) {
        avviso(QStringLiteral("%1 le parole sembrano separate da punto e virgola%2")
                   .arg(alle(conPunto), consiglio));
    }
    if (!conTab.isEmpty())
        avviso(QStringLiteral("%1 le parole sembrano separate da tabulazioni%2")
                   .arg(alle(conTab), consiglio));
}

void EsameElenco::sorprese(int numero, const Campo& campo) {
    const QStringView grezzo = campo.grezzo;
    // Where the letters start and end, the surprising characters aside.
    qsizetype primo = -1, ultimo = -1;
    for (qsizetype i = 0; i < grezzo.size(); ++i) {
        const std::optional<Sorpresa> tipo = sorpresa(grezzo[i]);
        if (grezzo[i] != u' ' && grezzo[i] != u'\t' && (!tipo || tipo == Sorpresa::Tipografico)) {
            if (primo < 0)
                primo = i;
            ultimo = i;
        }
    }
    QList<Sorpresa> dette;
    for (qsizetype i = 0; i < grezzo.size(); ++i) {
        const std::optional<Sorpresa> tipo = sorpresa(grezzo[i]);
        if (!tipo || dette.contains(*tipo))
            continue;
        dette.append(*tipo);
        const Posizione dove = primo < 0 || i < primo ? Posizione::Inizio
                               : i > ultimo           ? Posizione::Fine
                                                      : Posizione::Mezzo;
        // Blanks only: show the word with them, trimmed of ordinary ones.
        qsizetype da = 0, a = grezzo.size();
        while (da < a && (grezzo[da] == u' ' || grezzo[da] == u'\t'))
            ++da;
        while (a > da && (grezzo[a - 1] == u' ' || grezzo[a - 1] == u'\t'))
            --a;
        avviso(QStringLiteral("%1, %2, %3")
                   .arg(chiamata(numero, campo), citata(grezzo.sliced(da, a - da)),
                        rimedioSorpresa(*tipo, grezzo[i], dove, tessera(campo.parola))));
    }
}

void EsameElenco::virgolette(int numero, const Campo& campo) {
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
    const QStringView resto = grezzo.sliced(chiusa + 1);
    if (std::all_of(resto.begin(), resto.end(), LettoreElenco::margine))
        return;
    avviso(QStringLiteral("%1, %2, ha delle virgolette dentro le virgolette, come le scrive "
                          "Excel per una cella che ne contiene: la tessera mostra solo %3 e il "
                          "resto si perde. Togliete dalla cella, o dal file, tutte le virgolette")
               .arg(chiamata(numero, campo), citata(grezzo.sliced(i).trimmed()),
                    citata(tessera(campo.parola))));
}

void EsameElenco::vuoteEDoppie(const QList<Campo>& campi) {
    QHash<QString, int> viste;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const Campo& campo = campi[i];
        const int numero = int(i + 1);
        if (campo.parola.isEmpty()) {
            avviso(QStringLiteral("%1 è vuota: la sua tessera resterà bianca. Cancellate la riga "
                                  "vuota o la virgola in più")
                       .arg(chiamata(numero, campo)));
            continue;
        }
        // Tiles show words in capitals: "Cane" and "cane" look the same there.
        const QString chiave = tessera(campo.parola);
        if (const auto prima = viste.constFind(chiave); prima != viste.cend()) {
            avviso(QStringLiteral("%1, %2, c'è già: è uguale alla parola %3. Due tessere uguali "
                                  "non hanno un ordine: cambiatene una")
                       .arg(chiamata(numero, campo), citata(campo.parola))
                       .arg(*prima));
        } else {
            viste.insert(chiave, numero);
        }
    }
}

void EsameElenco::iniziali(const QList<Campo>& campi) {
    static const QStringList alfabeto = alfabetoItaliano();
    QMap<QString, QList<int>> perIniziale;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const QString& parola = campi[i].parola;
        if (parola.isEmpty())
            continue;
        const QString iniziale = parola.first(parola.front().isHighSurrogate() ? 2 : 1).toUpper();
        perIniziale[iniziale].append(int(i + 1));
        if (!alfabeto.contains(iniziale))
            avviso(QStringLiteral("%1, %2, comincia con %3, che non è tra le %4 lettere "
                                  "dell'alfabeto italiano insegnate dall'esercizio delle lettere: "
                                  "nell'ordine del programma viene %5")
                       .arg(chiamata(int(i + 1), campi[i]), citata(parola), citata(iniziale))
                       .arg(alfabeto.size())
                       .arg(doveCade(iniziale)));
    }
    for (auto it = perIniziale.cbegin(); it != perIniziale.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList parole;
        for (const int numero : it.value())
            parole.append(
                QStringLiteral("%1 (parola %2)").arg(citata(campi[numero - 1].parola)).arg(numero));
        avviso(QStringLiteral("Più parole cominciano con %1: %2. Guardando solo la prima lettera "
                              "non si sa quale viene prima: cambiatene una")
                   .arg(citata(it.key()), parole.join(QStringLiteral(", "))));
    }
}

void EsameElenco::ordine(const QList<Campo>& campi) {
    QStringList scritte, chiavi;
    for (const Campo& campo : campi) {
        scritte.append(tessera(campo.parola));
        chiavi.append(daDizionario(scritte.last()));
    }
    for (qsizetype i = 0; i < campi.size(); ++i) {
        for (qsizetype j = i + 1; j < campi.size(); ++j) {
            if (scritte[i].isEmpty() || scritte[j].isEmpty() || chiavi[i] == chiavi[j])
                continue;
            const bool primaIProgramma = maggiore(scritte[j], scritte[i]);
            if (primaIProgramma == maggiore(chiavi[j], chiavi[i]))
                continue;
            const QString& programma = primaIProgramma ? scritte[i] : scritte[j];
            const QString& dizionario = primaIProgramma ? scritte[j] : scritte[i];
            avviso(QStringLiteral("%1 (parola %2) e %3 (parola %4): il programma mette prima %5, "
                                  "il dizionario %6, perché per il programma le lettere "
                                  "accentate vengono dopo la Z e l'apostrofo prima della A. Chi "
                                  "le ordina come nel dizionario viene corretto: cambiate una "
                                  "delle due parole")
                       .arg(citata(scritte[i]))
                       .arg(i + 1)
                       .arg(citata(scritte[j]))
                       .arg(j + 1)
                       .arg(citata(programma), citata(dizionario)));
        }
    }
}

void EsameElenco::larghezze(const QList<Campo>& campi) {
    const LayoutEsercizio& layout = famiglia_.layout;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const Campo& campo = campi[i];
        const QString chi =
            QStringLiteral("%1, %2,").arg(chiamata(int(i + 1), campo), citata(campo.parola));
        if (campo.parola.isEmpty() || campo.parola.contains(u';') || campo.parola.contains(u'\t'))
            continue; // a whole spreadsheet row, reported as such
        if (campo.tagliata)
            avviso(QStringLiteral("%1 ha più di %2 caratteri: l'esercizio ne legge solo i primi "
                                  "%2")
                       .arg(chi)
                       .arg(LettoreElenco::massimoCaratteri));
        const QString scritta = tessera(campo.parola);
        // The smallest size either grid draws the word at, against its own.
        int disegnata = INT_MAX, progettata = 0;
        for (const Griglia* griglia : {&layout.tessere, &layout.caselle}) {
            const int grandezza =
                Disegno::adattato(scritta, griglia->punti, Layout::pixel(griglia->width))
                    .pixelSize();
            const int propria = Disegno::carattere(griglia->punti).pixelSize();
            if (grandezza < propria && grandezza < disegnata) {
                disegnata = grandezza;
                progettata = propria;
            }
        }
        if (disegnata < ControlloElenchi::pixelLeggibili)
            errore(QStringLiteral("%1 è troppo larga per la sua tessera: sarà scritta alta %2 "
                                  "pixel invece di %3, e sotto i %4 pixel un bambino non la può "
                                  "leggere. Scegliete una parola più corta")
                       .arg(chi)
                       .arg(disegnata)
                       .arg(progettata)
                       .arg(ControlloElenchi::pixelLeggibili));
        else if (progettata > 0)
            avviso(QStringLiteral("%1 è più larga della sua tessera: sarà scritta alta %2 pixel "
                                  "invece di %3, più piccola delle altre. Se potete, scegliete "
                                  "una parola più corta")
                       .arg(chi)
                       .arg(disegnata)
                       .arg(progettata));
    }
}

} // namespace

namespace ControlloElenchi {

Rapporto controlla(const QString& cartella, const QString& originali) {
    Rapporto rapporto;
    const QFileInfo informazioni(cartella);
    // The folder the teacher edits, not a link to it.
    rapporto.cartella =
        informazioni.exists() ? informazioni.canonicalFilePath() : QDir(cartella).absolutePath();
    const QDir dir(rapporto.cartella);
    if (!dir.exists())
        rapporto.generali.append(
            {Segnalazione::Gravita::Errore,
             QStringLiteral("La cartella %1 non c'è")
                 .arg(Rapporto::visibile(QDir::toNativeSeparators(rapporto.cartella)))});
    else
        rapporto.scrivibile = informazioni.isWritable();
    const QDir spediti(originali);
    QStringList letti;
    for (const Famiglia& famiglia : famiglie()) {
        for (int numero = 1; numero <= famiglia.esercizio.numeroFile; ++numero) {
            RapportoFile elenco{.nome = famiglia.esercizio.nomeElenco(numero)};
            EsameElenco(famiglia, elenco).file(dir.filePath(elenco.nome));
            const bool guasto = std::any_of(
                elenco.segnalazioni.cbegin(), elenco.segnalazioni.cend(),
                [](const Segnalazione& s) { return s.gravita == Segnalazione::Gravita::Errore; });
            // Copying over a folder or a pipe would not bring the list back.
            const QFileInfo presente(dir.filePath(elenco.nome));
            if (guasto && dir.exists() && (!presente.exists() || presente.isFile()) &&
                !originali.isEmpty() && QFileInfo(spediti.filePath(elenco.nome)).isFile())
                elenco.ripristino = RigaDiComando::comandoCopia(
                    spediti.filePath(elenco.nome), rapporto.cartella,
                    !rapporto.scrivibile || (presente.exists() && !presente.isWritable()));
            letti.append(elenco.nome);
            rapporto.file.append(elenco);
        }
    }
    // A list under another name is never dealt: say so, or the teacher waits for it.
    QStringList nomiLetti, prefissi;
    for (const Famiglia& famiglia : famiglie()) {
        nomiLetti.append(QStringLiteral("%1 … %2").arg(
            famiglia.esercizio.nomeElenco(1),
            famiglia.esercizio.nomeElenco(famiglia.esercizio.numeroFile)));
        prefissi.append(QRegularExpression::escape(famiglia.esercizio.prefissoFile));
    }
    const QRegularExpression simile(QStringLiteral("^(%1)\\d+(\\..*)?$").arg(prefissi.join(u'|')),
                                    QRegularExpression::CaseInsensitiveOption);
    const QStringList presenti =
        dir.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& nome : presenti) {
        if (!simile.match(nome).hasMatch() || letti.contains(nome))
            continue;
        // Where names are found whatever their case (Windows, a USB stick), the
        // exercise opens this very file under the name it looks for.
        const QString minuscolo = nome.toLower();
        if (letti.contains(minuscolo) && !presenti.contains(minuscolo) &&
            QFileInfo::exists(dir.filePath(minuscolo)))
            continue;
        // Windows hides the .txt it adds to a name typed as "a3.txt".
        const bool txtDoppio = nome.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) &&
                               letti.contains(nome.chopped(4).toLower());
        rapporto.generali.append(
            {Segnalazione::Gravita::Avviso,
             txtDoppio ? QStringLiteral("%1 non viene mai letto: il nome finisce con .txt due "
                                        "volte, perché Windows aggiunge .txt senza mostrarlo. "
                                        "Rinominatelo %2, cioè %3 dove Windows nasconde "
                                        "l'estensione")
                             .arg(citata(nome), citata(nome.chopped(4).toLower()),
                                  citata(nome.chopped(8).toLower()))
                       : QStringLiteral("%1 non viene mai letto: gli esercizi leggono solo i "
                                        "file %2, scritti così")
                             .arg(citata(nome), nomiLetti.join(QStringLiteral(", ")))});
    }
    return rapporto;
}

} // namespace ControlloElenchi
