// SPDX-License-Identifier: GPL-3.0-or-later
#include "variants/AlfabetoItaliano.h"

QStringList alfabetoItaliano() {
    QStringList lettere;
    for (char16_t codice = u'A'; codice <= u'Z'; ++codice) {
        if (codice != u'J' && codice != u'K' && codice != u'W' && codice != u'X' && codice != u'Y')
            lettere.append(QString(QChar(codice)));
    }
    return lettere;
}

QStringList nomiLettereItaliane() {
    return {QStringLiteral("a"),    QStringLiteral("bi"),   QStringLiteral("ci"),
            QStringLiteral("di"),   QStringLiteral("e"),    QStringLiteral("effe"),
            QStringLiteral("gi"),   QStringLiteral("acca"), QStringLiteral("i"),
            QStringLiteral("elle"), QStringLiteral("emme"), QStringLiteral("enne"),
            QStringLiteral("o"),    QStringLiteral("pi"),   QStringLiteral("cu"),
            QStringLiteral("erre"), QStringLiteral("esse"), QStringLiteral("ti"),
            QStringLiteral("u"),    QStringLiteral("vu"),   QStringLiteral("zeta")};
}
