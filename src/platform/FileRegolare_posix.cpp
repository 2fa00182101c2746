// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileRegolare.h"

#include <QFile>

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileRegolare FileRegolare::leggi(const QString& percorso, qsizetype massimo) {
    FileRegolare file;
    // The descriptor is checked, not the name, so nothing can be swapped in
    // between.
    const int descrittore = ::open(QFile::encodeName(percorso).constData(),
                                   O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descrittore < 0) {
        file.esito = errno == ENOENT || errno == ENOTDIR ? Esito::Mancante : Esito::Illeggibile;
        return file;
    }
    file.esito = Esito::Illeggibile;
    struct stat stato {};
    if (::fstat(descrittore, &stato) != 0 || !S_ISREG(stato.st_mode)) {
        ::close(descrittore);
        return file;
    }
    // One byte past the bound tells whether the file goes on.
    file.dati.reserve(qMin<qsizetype>(qsizetype(stato.st_size), massimo) + 1);
    std::array<char, 1 << 16> blocco;
    while (file.dati.size() <= massimo) {
        const qsizetype chiesti = qMin<qsizetype>(blocco.size(), massimo + 1 - file.dati.size());
        const ssize_t letti = ::read(descrittore, blocco.data(), size_t(chiesti));
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti < 0) {
            ::close(descrittore);
            file.dati.clear();
            return file;
        }
        if (letti == 0)
            break;
        file.dati.append(blocco.data(), letti);
    }
    ::close(descrittore);
    file.troncato = file.dati.size() > massimo;
    if (file.troncato)
        file.dati.truncate(massimo);
    file.esito = Esito::Letto;
    return file;
}
