// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TestoParlato.h"

#include <QList>

namespace {

bool apostrofo(char32_t c) {
    return c == u'\'' || c == u'\u2019' || c == u'\u02BC' || c == u'\u2018';
}

bool trattino(char32_t c) {
    return c == u'-' || c == u'\u2010' || c == u'\u2011';
}

} // namespace

QString testoDaPronunciare(const QString& parola) {
    // Composed first, so that an accent typed apart stays on its letter.
    const QString composta = parola.normalized(QString::NormalizationForm_C);
    QString detto;
    bool spazio = false;
    for (const char32_t c : composta.toUcs4()) {
        const bool lettera = QChar::isLetter(c) || QChar::isMark(c);
        if (!lettera && !apostrofo(c) && !trattino(c)) {
            spazio = !detto.isEmpty();
            continue;
        }
        if (spazio)
            detto += u' ';
        spazio = false;
        if (apostrofo(c))
            detto += u'\'';
        else if (trattino(c))
            detto += u'-';
        else
            detto += QString::fromUcs4(&c, 1).toLower();
    }
    return detto;
}
