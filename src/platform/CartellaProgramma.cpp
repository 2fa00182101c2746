// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CartellaProgramma.h"

#include <QCoreApplication>
#include <QFileInfo>

QString cartellaProgramma() {
    const QFileInfo programma(QCoreApplication::applicationFilePath());
    const QString vero = programma.canonicalFilePath();
    return QFileInfo(vero.isEmpty() ? programma.absoluteFilePath() : vero).absolutePath();
}
