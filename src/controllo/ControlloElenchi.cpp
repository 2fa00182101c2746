// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/ControlloElenchi.h"

#include "platform/LettoreElenco.h"
#include "screens/Disegno.h"
#include "screens/Layout.h"
#include "variants/AlfabetoItaliano.h"
#include "variants/Esercizi.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <array>
#include <functional>
#include <optional>

namespace {

using Codifica = RisultatoLettura::Codifica;
using Esito = RisultatoLettura::Esito;
using Campo = LettoreElenco::Campo;

struct Famiglia {
    const ImpostazioniEsercizio& esercizio;
    const LayoutEsercizio& layout;
    bool primaLettera; // the words should differ in their first letter
};

QList<Famiglia> famiglie() {
    return {{Esercizi::FormOrdina1(), Layout::FormOrdina1(), true},
            {Esercizi::FormOrdina2(), Layout::FormOrdina2(), false},
            {Esercizi::FormOrdina3(), Layout::FormOrdina3(), false}};
}

QString nomeFile(const Famiglia& famiglia, int numero) {
    return QStringLiteral("%1%2.txt").arg(famiglia.esercizio.prefissoFile).arg(numero);
}

QString nomeCodifica(Codifica codifica) {
    switch (codifica) {
    case Codifica::Utf8:
        return QStringLiteral("UTF-8");
    case Codifica::Utf8ConBom:
        return QStringLiteral("UTF-8 con BOM");
    case Codifica::Utf16Le:
    case Codifica::Utf16Be:
        return QStringLiteral("UTF-16 (il «Unicode» del Blocco note)");
    case Codifica::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

// Characters a teacher cannot see, or that sort where nobody expects them.
enum class Sorpresa { Spazio, LarghezzaZero, Controllo, Direzione, ACapo, Tipografico };

std::optional<Sorpresa> sorpresa(QChar c) {
    if (c == u' ' || c == u'\t')
        return std::nullopt;
    if (LettoreElenco::daTogliere(c)) {
        if (c.unicode() == 0x2028 || c.unicode() == 0x2029)
            return Sorpresa::ACapo;
        return c.unicode() < 0x100 ? Sorpresa::Controllo : Sorpresa::Direzione;
    }
    if (c.isSpace())
        return Sorpresa::Spazio;
    if (LettoreElenco::margine(c))
        return Sorpresa::LarghezzaZero;
    const char16_t u = c.unicode();
    if (u == 0x2018 || u == 0x2019 || u == 0x201C || u == 0x201D)
        return Sorpresa::Tipografico;
    return std::nullopt;
}

// A word as the file has it, in guillemets; what cannot be seen shows as a dot,
// and nothing reaches the terminal that could drive it.
QString citata(QStringView testo) {
    QString vista;
    for (const QChar c : testo) {
        const std::optional<Sorpresa> tipo = sorpresa(c);
        if (tipo == Sorpresa::Spazio)
            vista += u' ';
        else if (tipo && tipo != Sorpresa::Tipografico)
            vista += u'·';
        else
            vista += c;
    }
    return QStringLiteral("«%1»").arg(vista);
}

// "1 parola letta", "una sola parola", "20 parole lette", "solo 3 parole".
QString parole(qsizetype quante, const char* una, const char* tante) {
    const QString uno = QString::fromUtf8(una), molti = QString::fromUtf8(tante);
    if (uno == u"sola")
        return quante == 1 ? QStringLiteral("una sola parola")
                           : QStringLiteral("solo %1 parole").arg(quante);
    return quante == 1 ? QStringLiteral("1 parola %1").arg(uno)
                       : QStringLiteral("%1 parole %2").arg(quante).arg(molti);
}

QString chiamata(int numero, const Campo& campo) {
    return numero == campo.riga
               ? QStringLiteral("La parola %1").arg(numero)
               : QStringLiteral("La parola %1 (riga %2)").arg(numero).arg(campo.riga);
}

QString rimedioSorpresa(Sorpresa tipo, QChar c, const QString& dove) {
    switch (tipo) {
    case Sorpresa::Spazio:
        return dove == u"mezzo"
                   ? QStringLiteral("ha uno spazio speciale in mezzo: cancellalo e scrivi uno "
                                    "spazio normale")
                   : QStringLiteral("%1 con uno spazio invisibile: cancellalo").arg(dove);
    case Sorpresa::LarghezzaZero:
        return dove == u"mezzo"
                   ? QStringLiteral("ha un carattere invisibile in mezzo: cancella la parola e "
                                    "riscrivila")
                   : QStringLiteral("%1 con un carattere invisibile: cancellalo").arg(dove);
    case Sorpresa::Controllo:
        return QStringLiteral("ha un carattere di controllo, che non si vede: cancella la parola "
                              "e riscrivila");
    case Sorpresa::Direzione:
        return QStringLiteral("ha un carattere invisibile che cambia il verso della scrittura: "
                              "cancella la parola e riscrivila");
    case Sorpresa::ACapo:
        return QStringLiteral("ha un a capo speciale dentro: cancella la parola e riscrivila");
    case Sorpresa::Tipografico:
        return (c.unicode() == 0x2018 || c.unicode() == 0x2019)
                   ? QStringLiteral("ha %1, un apostrofo tipografico che nell'ordine viene dopo "
                                    "la Z: scrivilo con il tasto dell'apostrofo (')")
                         .arg(c)
                   : QStringLiteral("ha %1, una virgoletta tipografica che nell'ordine viene "
                                    "dopo la Z: toglila, o scrivila con il tasto delle "
                                    "virgolette (\")")
                         .arg(c);
    }
    return {};
}

class Controllo {
public:
    Controllo(const Famiglia& famiglia, RapportoFile& rapporto)
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
    void sorprese(int numero, const Campo& campo);
    void vuoteEDoppie(const QList<Campo>& campi);
    void iniziali(const QList<Campo>& campi);
    void larghezze(const QList<Campo>& campi);
    void separatori(const QList<Campo>& campi);

    const Famiglia& famiglia_;
    RapportoFile& rapporto_;
};

void Controllo::file(const QString& percorso) {
    const int servono = famiglia_.esercizio.voci;
    QByteArray dati;
    bool troncato = false;
    switch (LettoreElenco::carica(percorso, dati, troncato)) {
    case Esito::Mancante:
        errore(QStringLiteral("Il file manca: quando l'esercizio lo sceglie, non ha parole da "
                              "dare"));
        return;
    case Esito::Illeggibile:
        errore(QStringLiteral("Non si può leggere: non è un file normale, o non hai il permesso "
                              "di leggerlo"));
        return;
    default:
        break;
    }
    const RisultatoLettura letto = LettoreElenco::analizza(dati, servono, troncato);
    Codifica codifica = letto.codifica;
    const std::optional<QString> testo = LettoreElenco::decodifica(dati, troncato, codifica);
    if (!testo) {
        errore(QStringLiteral("Non è un file di testo: salvalo come «Testo semplice» (.txt)"));
        return;
    }
    // Past the words read, only how many more there are matters, within reason.
    const QList<Campo> tutti = LettoreElenco::dividi(*testo, servono + 10000);
    const QList<Campo> campi = tutti.mid(0, servono);
    rapporto_.descrizione = QStringLiteral("%1, %2, ne servono %3")
                                .arg(nomeCodifica(codifica), parole(campi.size(), "letta", "lette"))
                                .arg(servono);
    const auto piene = std::count_if(tutti.begin() + campi.size(), tutti.end(),
                                     [](const Campo& campo) { return !campo.parola.isEmpty(); });
    if (piene == 1)
        rapporto_.descrizione += QStringLiteral(" (l'altra non viene usata)");
    else if (piene > 1)
        rapporto_.descrizione += QStringLiteral(" (le altre %1 non vengono usate)").arg(piene);

    if (letto.esito == Esito::TroppoGrande)
        errore(QStringLiteral("È troppo grande per essere un elenco di parole: l'esercizio legge "
                              "solo il primo megabyte e lì non trova %1 parole")
                   .arg(servono));
    else if (letto.esito == Esito::TroppoCorto)
        errore(QStringLiteral("Ha %1, ma ne servono %2: aggiungine %3")
                   .arg(campi.isEmpty() ? QStringLiteral("nessuna parola")
                                        : parole(campi.size(), "sola", "solo"))
                   .arg(servono)
                   .arg(servono - campi.size()));
    separatori(campi);
    for (qsizetype i = 0; i < campi.size(); ++i)
        sorprese(int(i + 1), campi[i]);
    vuoteEDoppie(campi);
    if (famiglia_.primaLettera)
        iniziali(campi);
    larghezze(campi);
}

void Controllo::separatori(const QList<Campo>& campi) {
    for (const auto& [carattere, nome] :
         {std::pair{u';', "punto e virgola"}, std::pair{u'\t', "tabulazioni"}}) {
        QStringList righe;
        for (const Campo& campo : campi) {
            if (campo.parola.contains(carattere) && !righe.contains(QString::number(campo.riga)))
                righe.append(QString::number(campo.riga));
        }
        if (righe.isEmpty())
            continue;
        avviso(QStringLiteral("%1 le parole sembrano separate da %2, come in un file salvato da "
                              "un foglio di calcolo: separale con una virgola o mettine una per "
                              "riga")
                   .arg(righe.size() == 1 ? QStringLiteral("Alla riga %1").arg(righe.first())
                                          : QStringLiteral("Alle righe %1").arg(righe.join(u", ")),
                        QString::fromUtf8(nome)));
    }
}

void Controllo::sorprese(int numero, const Campo& campo) {
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
        const QString dove = primo < 0 || i < primo ? QStringLiteral("comincia")
                             : i > ultimo           ? QStringLiteral("finisce")
                                                    : QStringLiteral("mezzo");
        // Blanks only: show the word with them, trimmed of ordinary ones.
        qsizetype da = 0, a = grezzo.size();
        while (da < a && (grezzo[da] == u' ' || grezzo[da] == u'\t'))
            ++da;
        while (a > da && (grezzo[a - 1] == u' ' || grezzo[a - 1] == u'\t'))
            --a;
        avviso(QStringLiteral("%1, %2, %3")
                   .arg(chiamata(numero, campo), citata(grezzo.sliced(da, a - da)),
                        rimedioSorpresa(*tipo, grezzo[i], dove)));
    }
}

void Controllo::vuoteEDoppie(const QList<Campo>& campi) {
    QHash<QString, int> viste;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const Campo& campo = campi[i];
        const int numero = int(i + 1);
        if (campo.parola.isEmpty()) {
            avviso(QStringLiteral("%1 è vuota: la sua tessera resterà bianca. Cancella la riga "
                                  "vuota o la virgola in più")
                       .arg(chiamata(numero, campo)));
            continue;
        }
        // Tiles show words in capitals: "Cane" and "cane" look the same there.
        const QString chiave =
            famiglia_.esercizio.maiuscole ? campo.parola.toUpper() : campo.parola;
        if (const auto prima = viste.constFind(chiave); prima != viste.cend()) {
            avviso(QStringLiteral("%1, %2, c'è già: è uguale alla parola %3. Due tessere uguali "
                                  "non hanno un ordine: cambiane una")
                       .arg(chiamata(numero, campo), citata(campo.parola))
                       .arg(*prima));
        } else {
            viste.insert(chiave, numero);
        }
    }
}

void Controllo::iniziali(const QList<Campo>& campi) {
    static const QStringList alfabeto = alfabetoItaliano();
    QMap<QString, QList<int>> perIniziale;
    for (qsizetype i = 0; i < qMin<qsizetype>(campi.size(), 20); ++i) {
        const QString& parola = campi[i].parola;
        if (parola.isEmpty())
            continue;
        const QString iniziale = parola.first(parola.front().isHighSurrogate() ? 2 : 1).toUpper();
        perIniziale[iniziale].append(int(i + 1));
        if (!alfabeto.contains(iniziale))
            avviso(QStringLiteral("%1, %2, comincia con %3, che non è tra le 21 lettere "
                                  "dell'esercizio: nell'ordine finisce dopo la Z o prima della A")
                       .arg(chiamata(int(i + 1), campi[i]), citata(parola), citata(iniziale)));
    }
    for (auto it = perIniziale.cbegin(); it != perIniziale.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList parole;
        for (const int numero : it.value())
            parole.append(
                QStringLiteral("%1 (parola %2)").arg(citata(campi[numero - 1].parola)).arg(numero));
        avviso(QStringLiteral("Più parole cominciano con %1: %2. Guardando solo la prima lettera "
                              "non si sa quale viene prima: cambiane una")
                   .arg(citata(it.key()), parole.join(QStringLiteral(", "))));
    }
}

void Controllo::larghezze(const QList<Campo>& campi) {
    const LayoutEsercizio& layout = famiglia_.layout;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const QString& parola = campi[i].parola;
        if (parola.contains(u';') || parola.contains(u'\t'))
            continue; // a whole spreadsheet row, reported as such
        const QString scritta = famiglia_.esercizio.maiuscole ? parola.toUpper() : parola;
        const std::array griglie{&layout.tessere, &layout.caselle};
        const bool stretta =
            std::any_of(griglie.begin(), griglie.end(), [&](const Griglia* griglia) {
                return Disegno::adattato(scritta, griglia->punti, Disegno::pixel(griglia->width))
                           .pixelSize() < Disegno::carattere(griglia->punti).pixelSize();
            });
        if (stretta)
            avviso(QStringLiteral("%1, %2, è più larga della sua tessera: sarà scritta più "
                                  "piccola delle altre. Se puoi, scegli una parola più corta")
                       .arg(chiamata(int(i + 1), campi[i]), citata(parola)));
    }
}

} // namespace

namespace ControlloElenchi {

Rapporto controlla(const QString& cartella) {
    Rapporto rapporto;
    rapporto.cartella = QDir(cartella).absolutePath();
    const QDir dir(cartella);
    if (!dir.exists())
        rapporto.generali.append(
            {Segnalazione::Gravita::Errore, QStringLiteral("La cartella %1 non c'è")
                                                .arg(QDir::toNativeSeparators(rapporto.cartella))});
    QStringList letti;
    for (const Famiglia& famiglia : famiglie()) {
        for (int numero = 1; numero <= famiglia.esercizio.numeroFile; ++numero) {
            RapportoFile elenco{.nome = nomeFile(famiglia, numero)};
            Controllo(famiglia, elenco).file(dir.filePath(elenco.nome));
            letti.append(elenco.nome);
            rapporto.file.append(elenco);
        }
    }
    // A list under another name is never dealt: say so, or the teacher waits for it.
    QStringList nomiLetti;
    for (const Famiglia& famiglia : famiglie())
        nomiLetti.append(QStringLiteral("%1 … %2").arg(
            nomeFile(famiglia, 1), nomeFile(famiglia, famiglia.esercizio.numeroFile)));
    static const QRegularExpression simile(QStringLiteral("^[abc]\\d+(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const QString& nome :
         dir.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
        if (simile.match(nome).hasMatch() && !letti.contains(nome))
            rapporto.generali.append(
                {Segnalazione::Gravita::Avviso,
                 QStringLiteral("%1 non viene mai letto: gli esercizi leggono solo i file "
                                "%2, scritti così")
                     .arg(citata(nome), nomiLetti.join(QStringLiteral(", ")))});
    }
    return rapporto;
}

} // namespace ControlloElenchi
