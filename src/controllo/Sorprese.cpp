// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/Sorprese.h"

#include "platform/Invisibili.h"

#include <optional>

namespace {

using Campo = LettoreElenco::Campo;

// Characters a teacher cannot see, or that sort where nobody expects them.
enum class Sorpresa { Spazio, Invisibile, NonStampabile, Direzione, ACapo, Tipografico };

bool direzione(char16_t u) {
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

bool apostrofoTipografico(char16_t u) {
    return u == 0x2018 || u == 0x2019;
}

std::optional<Sorpresa> sorpresa(QStringView testo, qsizetype i) {
    const QChar c = testo[i];
    const char16_t u = c.unicode();
    // A character beyond U+FFFF is judged whole at its first half.
    if (c.isLowSurrogate())
        return std::nullopt;
    if (c.isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate())
        return Invisibili::daTogliere(QChar::surrogateToUcs4(c, testo[i + 1]))
                   ? std::optional(Sorpresa::Invisibile)
                   : std::nullopt;
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
        const std::optional<Sorpresa> tipo = sorpresa(grezzo, i);
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

} // namespace

namespace Sorprese {

using namespace Consigli;

QList<Segnalazione> nelCampo(int numero, const Campo& campo, const QString& tessera) {
    QList<Segnalazione> trovate;
    const QStringView grezzo = campo.grezzo;
    const auto [primo, ultimo] = lettere(grezzo);
    QList<Sorpresa> dette;
    for (qsizetype i = 0; i < grezzo.size(); ++i) {
        const std::optional<Sorpresa> tipo = sorpresa(grezzo, i);
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
            argomenti.append(citata(tessera));
        else if (*tipo == Sorpresa::Tipografico)
            argomenti.append(grezzo[i]);
        trovate.append(Consigli::di(quale, argomenti));
    }
    return trovate;
}

} // namespace Sorprese
