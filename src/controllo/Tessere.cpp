// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/Tessere.h"

#include "exercise/OrdineAlfabetico.h"

#include <QMap>
#include <QRegularExpression>

#include <algorithm>

namespace {

using Consigli::citata;

bool tipografico(char32_t u) {
    // Told word by word, with their own advice.
    return u == 0x2018 || u == 0x2019 || u == 0x201C || u == 0x201D;
}

// Every apostrophe a keyboard or a word processor writes.
bool apostrofo(char16_t u) {
    return u == u'\'' || u == 0x2018 || u == 0x2019 || u == 0x02BC;
}

// WordPad's control words and groups, taken out before the rest is looked at.
const QRegularExpression& codiciRtf() {
    static const QRegularExpression codici(QStringLiteral(R"(\\[A-Za-z]+-?\d* ?|\\.|[{}])"));
    return codici;
}

// A bullet, a dash, "1." or "a)" in front of the word.
const QRegularExpression& segnoElenco() {
    static const QRegularExpression segno(
        QStringLiteral(R"(^(?:[*•·‣◦▪■□●○◆◇►▶➢✓✔–—-]|\d{1,3}[.)]|[A-Za-z][.)])\s+)"));
    return segno;
}

std::optional<Insolito> carattere(char32_t u, char32_t prima, bool bordo) {
    if (u == u' ')
        return prima == u' ' ? std::optional(Insolito::Spazi) : std::nullopt;
    if (u == u'\'' || tipografico(u) || QChar::isSpace(u) || u == u';' || u == u'\t')
        return std::nullopt;
    if (u == u'-')
        return bordo ? std::optional(Insolito::Punteggiatura) : std::nullopt;
    if (u == 0xFFFD)
        return Insolito::Illeggibile;
    if (QChar::isLetter(u))
        return QChar::script(u) == QChar::Script_Latin ? std::nullopt
                                                       : std::optional(Insolito::Straniera);
    if (QChar::isMark(u))
        return QChar::isLetter(prima) ? std::nullopt : std::optional(Insolito::Altro);
    if (QChar::isDigit(u) || QChar::isNumber(u))
        return Insolito::Numero;
    if (QChar::isPunct(u))
        return Insolito::Punteggiatura;
    if (QChar::isSymbol(u))
        return Insolito::Simbolo;
    return Insolito::Altro;
}

// Where two tiles first differ in a way a dictionary reads past, and how.
std::optional<Differenza> differenza(QStringView a, QStringView b) {
    qsizetype k = 0;
    while (k < a.size() && k < b.size() && a[k] == b[k])
        ++k;
    const auto di = [](QChar c) -> std::optional<Differenza> {
        if (c == u' ')
            return Differenza::Spazio;
        if (c == u'-')
            return Differenza::Trattino;
        if (apostrofo(c.unicode()))
            return Differenza::Apostrofo;
        if (c.unicode() > 0x7F && c.isLetter())
            return Differenza::Accento;
        return std::nullopt;
    };
    for (const QStringView parola : {a, b}) {
        if (k < parola.size())
            if (const auto trovata = di(parola[k]))
                return trovata;
    }
    // Parted by plain letters: what the dictionary skipped comes later.
    for (const QStringView parola : {a, b}) {
        for (qsizetype i = k; i < parola.size(); ++i)
            if (const auto trovata = di(parola[i]))
                return trovata;
    }
    return std::nullopt;
}

// A word as a dictionary orders it: accents, apostrophes, blanks and hyphens
// read as nothing but the letters they stand with.
QString daDizionario(const QString& testo) {
    QString chiave;
    for (const QChar c : testo.normalized(QString::NormalizationForm_D)) {
        const char16_t u = c.unicode();
        if (c.category() != QChar::Mark_NonSpacing && !apostrofo(u) && u != u' ' && u != u'-')
            chiave += c;
    }
    return chiave.toUpper();
}

QString coppia(const QString& a, const QString& b, const QString& come) {
    return QStringLiteral("%1 e %2 (%3)").arg(citata(a), citata(b), come);
}

} // namespace

namespace Tessere {

QList<Insolito> insoliti(const QString& tessera) {
    QList<Insolito> trovati;
    QString resto = tessera;
    if (resto.contains(codiciRtf())) {
        trovati.append(Insolito::Rtf);
        resto.remove(codiciRtf());
    }
    if (const auto segno = segnoElenco().match(resto); segno.hasMatch()) {
        trovati.append(Insolito::Elenco);
        resto.remove(0, segno.capturedLength());
    }
    const QList<uint> punti = resto.toUcs4();
    for (qsizetype i = 0; i < punti.size(); ++i) {
        const std::optional<Insolito> tipo =
            carattere(punti[i], i > 0 ? punti[i - 1] : 0, i == 0 || i + 1 == punti.size());
        if (tipo && !trovati.contains(*tipo))
            trovati.append(*tipo);
    }
    std::sort(trovati.begin(), trovati.end());
    return trovati;
}

std::optional<Segnalazione> insolite(const QStringList& scritte) {
    QMap<Insolito, QStringList> perGenere;
    for (const QString& tessera : scritte) {
        for (const Insolito genere : insoliti(tessera))
            perGenere[genere].append(citata(tessera));
    }
    if (perGenere.isEmpty())
        return std::nullopt;
    QStringList parti;
    for (auto it = perGenere.cbegin(); it != perGenere.cend(); ++it)
        parti.append(QStringLiteral("%1 (%2)").arg(it.value().join(QStringLiteral(", ")),
                                                   Consigli::insolito(it.key())));
    return Consigli::di(Consiglio::TessereInsolite, {parti.join(QStringLiteral("; "))});
}

QList<Segnalazione> coppie(const QStringList& scritte) {
    QStringList chiavi, semplici;
    for (const QString& tessera : scritte) {
        chiavi.append(daDizionario(tessera));
        semplici.append(tessera.simplified());
    }
    QStringList simili, ordine;
    for (qsizetype i = 0; i < scritte.size(); ++i) {
        for (qsizetype j = i + 1; j < scritte.size(); ++j) {
            const QString &a = scritte[i], &b = scritte[j];
            if (a.isEmpty() || b.isEmpty() || a == b)
                continue; // an empty or a repeated word is told of on its own
            const std::optional<Differenza> come = differenza(a, b);
            if (semplici[i] == semplici[j])
                simili.append(coppia(a, b, Consigli::soloPer(Differenza::Spazio)));
            else if (chiavi[i] == chiavi[j])
                simili.append(coppia(a, b, Consigli::soloPer(come.value_or(Differenza::Accento))));
            else if (maggiore(b, a) != maggiore(chiavi[j], chiavi[i]) && come) {
                const bool primaA = maggiore(b, a);
                ordine.append(QStringLiteral("%1 prima di %2 (%3)")
                                  .arg(citata(primaA ? a : b), citata(primaA ? b : a),
                                       Consigli::perche(*come)));
            }
        }
    }
    QList<Segnalazione> trovate;
    if (!simili.isEmpty())
        trovate.append(Consigli::di(Consiglio::TessereSimili, {simili.join(QStringLiteral("; "))}));
    if (!ordine.isEmpty())
        trovate.append(Consigli::di(Consiglio::OrdineDiverso, {ordine.join(QStringLiteral("; "))}));
    return trovate;
}

QList<Segnalazione> primeDueUguali(const QStringList& scritte) {
    QMap<QString, QList<int>> perInizio;
    for (qsizetype i = 0; i < scritte.size(); ++i) {
        if (scritte[i].size() >= 2)
            perInizio[scritte[i].first(2)].append(int(i + 1));
    }
    QList<Segnalazione> trovate;
    for (auto it = perInizio.cbegin(); it != perInizio.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList parole;
        for (const int numero : it.value())
            parole.append(Consigli::conNumero(scritte[numero - 1], numero));
        trovate.append(Consigli::di(Consiglio::PrimeDueRipetute,
                                    {citata(it.key()), parole.join(QStringLiteral(", "))}));
    }
    return trovate;
}

} // namespace Tessere
