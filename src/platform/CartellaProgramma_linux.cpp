// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CartellaProgramma_linux.h"
#include "platform/CartellaProgramma.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

std::optional<QString> cartellaDaEseguibile(const QByteArray& eseguibile) {
    const qsizetype barra = eseguibile.lastIndexOf('/');
    if (!eseguibile.startsWith('/') || barra < 0)
        return std::nullopt;
    const QByteArray cartella = barra == 0 ? QByteArray("/") : eseguibile.left(barra);
    const QString nome = QFile::decodeName(cartella);
    // Qt opens files by encoding their names back: a name that does not come
    // back as the same bytes would open another folder, or none.
    if (QFile::encodeName(nome) != cartella)
        return std::nullopt;
    // In the root the paths built on it bring their own separator.
    return nome == u"/" ? QString() : nome;
}

std::optional<QString> cartellaProgramma() {
    // The kernel's own link holds the path as bytes, whatever their encoding;
    // Qt's applicationFilePath() is empty when they are not UTF-8.
    QByteArray percorso(4096, '\0');
    const ssize_t lunghezza = ::readlink("/proc/self/exe", percorso.data(), percorso.size());
    if (lunghezza > 0 && lunghezza < percorso.size()) {
        percorso.truncate(lunghezza);
        return cartellaDaEseguibile(percorso);
    }
    return cartellaDaEseguibile(QFile::encodeName(QCoreApplication::applicationFilePath()));
}

QString cartellaSenzaFile() {
    // Nothing lies below a device file.
    return QStringLiteral("/dev/null");
}
