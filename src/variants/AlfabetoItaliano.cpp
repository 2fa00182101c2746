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
