// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/EsameElenco.h"

#include "controllo/ControlloElenchi.h"
#include "exercise/OrdineAlfabetico.h"
#include "layout/Layout.h"
#include "layout/Misure.h"
#include "variants/AlfabetoItaliano.h"
#include "variants/Esercizi.h"

#include <QHash>
#include <QMap>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

using Campo = LettoreElenco::Campo;
using Esito = RisultatoLettura::Esito;
using namespace Consigli;

// Characters a teacher cannot see, or that sort where nobody expects them.
enum class Sorpresa { Spazio, Invisibile, NonStampabile, Direzione, ACapo, Tipografico };

bool direzione(char16_t u) {
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

bool apostrofoTipografico(char16_t u) {
    return u == 0x2018 || u == 0x2019;
}

std::optional<Sorpresa> sorpresa(QChar c) {
    const char16_t u = c.unicode();
    if (u == u' ' || u == u'\t')
        return std::nullopt;
    if (u == 0x2028 || u == 0x2029)
        return Sorpresa::ACapo;
    if (c.category() == QChar::Other_Control)
        return Sorpresa::NonStampabile;
    if (direzione(u))
        return Sorpresa::Direzione;
    if (LettoreElenco::daTogliere(c))
        return Sorpresa::Invisibile;
    if (c.isSpace())
        return Sorpresa::Spazio;
    if (apostrofoTipografico(u) || u == 0x201C || u == 0x201D)
        return Sorpresa::Tipografico;
    return std::nullopt;
}

bool blankNormale(QChar c) {
    return c == u' ' || c == u'\t';
}

// Where the letters of a field start and end, the surprising characters aside.
std::pair<qsizetype, qsizetype> lettere(QStringView grezzo) {
    qsizetype primo = -1, ultimo = -1;
    for (qsizetype i = 0; i < grezzo.size(); ++i) {
        const std::optional<Sorpresa> tipo = sorpresa(grezzo[i]);
        if (blankNormale(grezzo[i]) || (tipo && tipo != Sorpresa::Tipografico))
            continue;
        if (primo < 0)
            primo = i;
        ultimo = i;
    }
    return {primo, ultimo};
}

// A field without its ordinary blanks at either end.
QStringView senzaBlank(QStringView grezzo) {
    qsizetype da = 0, a = grezzo.size();
    while (da < a && blankNormale(grezzo[da]))
        ++da;
    while (a > da && blankNormale(grezzo[a - 1]))
        --a;
    return grezzo.sliced(da, a - da);
}

Consiglio consiglio(Sorpresa tipo, QChar c, bool inMezzo) {
    switch (tipo) {
    case Sorpresa::Spazio:
        return inMezzo ? Consiglio::SpazioInMezzo : Consiglio::SpazioAlBordo;
    case Sorpresa::Invisibile:
        if (!inMezzo)
            return Consiglio::InvisibileAlBordo;
        return c.unicode() == 0xAD ? Consiglio::TrattinoInvisibile : Consiglio::InvisibileInMezzo;
    case Sorpresa::NonStampabile:
        return Consiglio::CarattereNonStampabile;
    case Sorpresa::Direzione:
        return Consiglio::Direzione;
    case Sorpresa::ACapo:
        return Consiglio::ACapo;
    case Sorpresa::Tipografico:
        break;
    }
    return apostrofoTipografico(c.unicode()) ? Consiglio::ApostrofoTipografico
                                             : Consiglio::VirgolettaTipografica;
}

// Where a letter outside the exercise's alphabet falls in the program's order.
QString doveCade(const QString& iniziale) {
    static const QStringList alfabeto = alfabetoItaliano();
    if (maggiore(alfabeto.front(), iniziale))
        return tra({}, alfabeto.front());
    for (qsizetype i = 0; i + 1 < alfabeto.size(); ++i) {
        if (maggiore(alfabeto[i + 1], iniziale))
            return tra(alfabeto[i], alfabeto[i + 1]);
    }
    return tra(alfabeto.back(), {});
}

// A word as a dictionary orders it: accents and apostrophes read as nothing
// but their base letters.
QString daDizionario(const QString& testo) {
    QString chiave;
    for (const QChar c : testo.normalized(QString::NormalizationForm_D)) {
        const char16_t u = c.unicode();
        if (c.category() != QChar::Mark_NonSpacing && u != u'\'' && !apostrofoTipografico(u) &&
            u != 0x02BC)
            chiave += c;
    }
    return chiave.toUpper();
}

} // namespace

void EsameElenco::segnala(Consiglio consiglio, const QStringList& argomenti) {
    rapporto_.segnalazioni.append(Consigli::di(consiglio, argomenti));
}

QString EsameElenco::tessera(const QString& parola) const {
    return famiglia_.esercizio.maiuscole ? parola.toUpper() : parola;
}

void EsameElenco::file(const QString& percorso) {
    LettoreElenco::Testo letto;
    const std::optional<QList<Campo>> campi = leggi(percorso, letto);
    if (!campi)
        return;
    codifiche(letto);
    separatori(*campi);
    for (qsizetype i = 0; i < campi->size(); ++i) {
        sorprese(int(i + 1), campi->at(i));
        virgolette(int(i + 1), campi->at(i));
    }
    vuoteEDoppie(*campi);
    if (famiglia_.regola == Regola::PrimaLettera)
        iniziali(*campi);
    ordine(*campi);
    larghezze(*campi);
}

// The words the exercise reads, after saying how many and whether that is enough.
std::optional<QList<LettoreElenco::Campo>> EsameElenco::leggi(const QString& percorso,
                                                              LettoreElenco::Testo& letto) {
    const int servono = famiglia_.esercizio.voci;
    QByteArray dati;
    bool troncato = false;
    switch (LettoreElenco::carica(percorso, dati, troncato)) {
    case Esito::Mancante:
        segnala(Consiglio::FileMancante);
        return std::nullopt;
    case Esito::Illeggibile:
        segnala(Consiglio::FileIlleggibile);
        return std::nullopt;
    default:
        break;
    }
    std::optional<LettoreElenco::Testo> decodificato = LettoreElenco::decodifica(dati, troncato);
    if (!decodificato) {
        segnala(Consiglio::NonTesto);
        return std::nullopt;
    }
    letto = std::move(*decodificato);
    // Past the words read, only how many more there are matters, within reason.
    const QList<Campo> tutti = LettoreElenco::dividi(letto.testo, servono + 10000);
    QList<Campo> campi = tutti.mid(0, servono);
    const auto piene = std::count_if(tutti.begin() + campi.size(), tutti.end(),
                                     [](const Campo& campo) { return !campo.parola.isEmpty(); });
    rapporto_.descrizione = descrizione(letto.codifica, campi.size(), servono, piene);
    switch (LettoreElenco::esito(campi.size(), servono, troncato)) {
    case Esito::TroppoGrande:
        segnala(Consiglio::TroppoGrande, {QString::number(servono)});
        break;
    case Esito::TroppoCorto:
        segnala(Consiglio::TroppoCorto, {paroleSole(campi.size()), QString::number(servono),
                                         QString::number(servono - campi.size())});
        break;
    default:
        break;
    }
    return campi;
}

void EsameElenco::codifiche(const LettoreElenco::Testo& testo) {
    if (testo.codifica == RisultatoLettura::Codifica::Mista)
        segnala(Consiglio::DueCodifiche, {righe(testo.righeWindows1252)});
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
    // A column saved with a second one beside it: a semicolon ends most lines.
    if (conPunto.size() > 1 && finali * 2 >= punti)
        segnala(Consiglio::SecondaColonna, {numeri(conPunto), citata(primaCella)});
    else if (!conPunto.isEmpty())
        segnala(Consiglio::PuntoEVirgola, {alleRighe(conPunto)});
    if (!conTab.isEmpty())
        segnala(Consiglio::Tabulazioni, {alleRighe(conTab)});
}

void EsameElenco::sorprese(int numero, const Campo& campo) {
    const QStringView grezzo = campo.grezzo;
    const auto [primo, ultimo] = lettere(grezzo);
    QList<Sorpresa> dette;
    for (qsizetype i = 0; i < grezzo.size(); ++i) {
        const std::optional<Sorpresa> tipo = sorpresa(grezzo[i]);
        if (!tipo || dette.contains(*tipo))
            continue;
        dette.append(*tipo);
        const bool inizio = primo < 0 || i < primo;
        const bool inMezzo = !inizio && i <= ultimo;
        // Blanks only: show the word with them, trimmed of ordinary ones.
        QStringList argomenti{chiamata(numero, campo), citata(senzaBlank(grezzo))};
        const Consiglio quale = consiglio(*tipo, grezzo[i], inMezzo);
        if (quale == Consiglio::SpazioAlBordo || quale == Consiglio::InvisibileAlBordo)
            argomenti.append(bordo(inizio));
        else if (quale == Consiglio::InvisibileInMezzo || quale == Consiglio::TrattinoInvisibile)
            argomenti.append(citata(tessera(campo.parola)));
        else if (*tipo == Sorpresa::Tipografico)
            argomenti.append(grezzo[i]);
        segnala(quale, argomenti);
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
    segnala(Consiglio::VirgoletteDoppie,
            {chiamata(numero, campo), citata(grezzo.sliced(i).trimmed()),
             citata(tessera(campo.parola))});
}

void EsameElenco::vuoteEDoppie(const QList<Campo>& campi) {
    QHash<QString, int> viste;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const Campo& campo = campi[i];
        const int numero = int(i + 1);
        if (campo.parola.isEmpty()) {
            segnala(Consiglio::Vuota, {chiamata(numero, campo)});
            continue;
        }
        // Tiles show words in capitals: "Cane" and "cane" look the same there.
        const QString chiave = tessera(campo.parola);
        if (const auto prima = viste.constFind(chiave); prima != viste.cend())
            segnala(Consiglio::Doppia,
                    {chiamata(numero, campo), citata(campo.parola), QString::number(*prima)});
        else
            viste.insert(chiave, numero);
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
            segnala(Consiglio::InizialeFuoriAlfabeto,
                    {chiamata(int(i + 1), campi[i]), citata(parola), citata(iniziale),
                     QString::number(alfabeto.size()), doveCade(iniziale)});
    }
    for (auto it = perIniziale.cbegin(); it != perIniziale.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList parole;
        for (const int numero : it.value())
            parole.append(conNumero(campi[numero - 1].parola, numero));
        segnala(Consiglio::InizialeRipetuta, {citata(it.key()), parole.join(QStringLiteral(", "))});
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
            segnala(Consiglio::OrdineDiverso,
                    {citata(scritte[i]), QString::number(i + 1), citata(scritte[j]),
                     QString::number(j + 1), citata(programma), citata(dizionario)});
        }
    }
}

void EsameElenco::larghezze(const QList<Campo>& campi) {
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const Campo& campo = campi[i];
        if (campo.parola.isEmpty() || campo.parola.contains(u';') || campo.parola.contains(u'\t'))
            continue; // a whole spreadsheet row, reported as such
        larghezza(int(i + 1), campo);
    }
}

void EsameElenco::larghezza(int numero, const Campo& campo) {
    const QString chi = chiamata(numero, campo);
    const QString citazione = citata(campo.parola);
    if (campo.tagliata)
        segnala(Consiglio::Tagliata,
                {chi, citazione, QString::number(LettoreElenco::massimoCaratteri)});
    const QString scritta = tessera(campo.parola);
    const LayoutEsercizio& layout = famiglia_.layout;
    // The smallest size either grid draws the word at, against its own.
    int disegnata = INT_MAX, progettata = 0;
    for (const Griglia* griglia : {&layout.tessere, &layout.caselle}) {
        const int grandezza =
            Misure::adattato(scritta, griglia->punti, Layout::pixel(griglia->width)).pixelSize();
        const int propria = Misure::carattere(griglia->punti).pixelSize();
        if (grandezza < propria && grandezza < disegnata) {
            disegnata = grandezza;
            progettata = propria;
        }
    }
    if (progettata == 0)
        return;
    const QStringList argomenti{chi, citazione, QString::number(disegnata),
                                QString::number(progettata)};
    if (disegnata < ControlloElenchi::pixelLeggibili)
        segnala(Consiglio::IllegibileSullaTessera,
                argomenti + QStringList{QString::number(ControlloElenchi::pixelLeggibili)});
    else
        segnala(Consiglio::PiuLargaDellaTessera, argomenti);
}
