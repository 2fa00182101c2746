// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TraduzioneItaliana.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installaTraduzioneItaliana() {
    auto* traduzione = new QTranslator(QCoreApplication::instance());
    // Qt's own folder where the system has one (Linux); otherwise the copy a
    // build for a system without it (Windows) carries inside the program.
    if (!traduzione->load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !traduzione->load(QStringLiteral("qtbase_it"), QStringLiteral(":/traduzioni"))) {
        delete traduzione;
        return false;
    }
    return QCoreApplication::installTranslator(traduzione);
}
