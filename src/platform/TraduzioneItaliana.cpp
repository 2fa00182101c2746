// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TraduzioneItaliana.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installaTraduzioneItaliana() {
    auto* traduzione = new QTranslator(QCoreApplication::instance());
    if (!traduzione->load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduzione;
        return false;
    }
    return QCoreApplication::installTranslator(traduzione);
}
