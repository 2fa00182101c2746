// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CartellaProgramma.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <vector>

#include <windows.h>

std::optional<QString> cartellaProgramma() {
    // Windows names files in UTF-16, as QString holds them, so any folder name
    // (accents, spaces, "3ª – àèìòù") comes back whole; a long path just asks
    // for a larger buffer.
    std::vector<wchar_t> percorso(MAX_PATH);
    for (;;) {
        const DWORD lunghezza =
            GetModuleFileNameW(nullptr, percorso.data(), DWORD(percorso.size()));
        if (lunghezza == 0)
            return std::nullopt;
        if (lunghezza < percorso.size()) {
            const QString programma = QDir::fromNativeSeparators(
                QString::fromWCharArray(percorso.data(), qsizetype(lunghezza)));
            QString cartella = QFileInfo(programma).absolutePath();
            // A drive's root ("C:/"): the paths built on it bring their own separator.
            if (cartella.endsWith(u'/'))
                cartella.chop(1);
            return cartella;
        }
        if (percorso.size() >= 32768)
            return std::nullopt;
        percorso.resize(percorso.size() * 2);
    }
}

std::optional<QString> fileAccanto(const QString& nome) {
    const std::optional<QString> cartella = cartellaProgramma();
    if (!cartella)
        return std::nullopt;
    // Only the one beside the program: never one found on PATH or in the
    // current folder; "sequenzio" finds sequenzio.exe.
    const QString percorso = QStandardPaths::findExecutable(nome, {*cartella + u'/'});
    if (percorso.isEmpty())
        return std::nullopt;
    return percorso;
}

QString cartellaSenzaFile() {
    // Nothing lies below the null device.
    return QStringLiteral("//./NUL");
}
