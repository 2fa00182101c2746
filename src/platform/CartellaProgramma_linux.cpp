// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CartellaProgramma_linux.h"
#include "platform/CartellaProgramma.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The program file's path as bytes, whatever their encoding: the kernel's own
// link holds it so, while Qt's applicationFilePath() is empty when they are
// not UTF-8.
QByteArray eseguibile() {
    QByteArray percorso(4096, '\0');
    const ssize_t lunghezza = ::readlink("/proc/self/exe", percorso.data(), percorso.size());
    if (lunghezza > 0 && lunghezza < percorso.size()) {
        percorso.truncate(lunghezza);
        return percorso;
    }
    return QFile::encodeName(QCoreApplication::applicationFilePath());
}

} // namespace

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
    return cartellaDaEseguibile(eseguibile());
}

std::optional<QString> fileAccanto(const QString& nome) {
    if (const std::optional<QString> cartella = cartellaProgramma()) {
        const QString percorso = *cartella + u'/' + nome;
        if (!QFileInfo(percorso).isFile())
            return std::nullopt;
        return percorso;
    }
    // A name Qt would write back as other bytes: the file is reached from its
    // folder, by the bytes the kernel gave.
    const QByteArray percorso = eseguibile();
    const qsizetype barra = percorso.lastIndexOf('/');
    if (!percorso.startsWith('/') || barra <= 0)
        return std::nullopt;
    const QByteArray cartella = percorso.left(barra);
    struct stat stato {};
    if (::stat((cartella + '/' + QFile::encodeName(nome)).constData(), &stato) != 0 ||
        !S_ISREG(stato.st_mode) || ::chdir(cartella.constData()) != 0)
        return std::nullopt;
    return QStringLiteral("./") + nome;
}

QString cartellaSenzaFile() {
    // Nothing lies below a device file.
    return QStringLiteral("/dev/null");
}
