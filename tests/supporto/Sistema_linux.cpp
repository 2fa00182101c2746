// SPDX-License-Identifier: GPL-3.0-or-later
#include "supporto/Sistema.h"

#include "platform/CartellaProgramma_linux.h"

#include <QFile>
#include <QProcess>

#include <csignal>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

const bool fifoPossibili = true;
const char* const senzaFifo = nullptr;
const char* const senzaSchermo = nullptr;
const char* const senzaBus = nullptr;
const char* const senzaPulseProprio = nullptr;
const char* const senzaNomeInByte = nullptr;
const char* const senzaCollegamenti = nullptr;

void consoleInUtf8() {}

void sospendi(QProcess& processo) {
    kill(pid_t(processo.processId()), SIGSTOP);
}

bool fifoAlPosto(const QString& percorso) {
    return QFile::remove(percorso) && ::mkfifo(QFile::encodeName(percorso).constData(), 0600) == 0;
}

qint64 memoria(QByteArrayView voce) {
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& riga : stato.readAll().split('\n')) {
        if (riga.startsWith(voce))
            return riga.mid(voce.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void azzeraPicco() {
    QFile picco(QStringLiteral("/proc/self/clear_refs"));
    if (picco.open(QIODevice::WriteOnly))
        picco.write("5");
}

int osserva(const QStringList& cartelle) {
    const int inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const uint32_t maschera = IN_CLOSE_WRITE | IN_MODIFY | IN_CREATE | IN_DELETE | IN_ATTRIB |
                              IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
    for (const QString& cartella : cartelle)
        inotify_add_watch(inotify, QFile::encodeName(cartella).constData(), maschera);
    return inotify;
}

QStringList eventi(int osservatore) {
    if (osservatore < 0)
        return {QStringLiteral("inotify non disponibile")};
    QStringList visti;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t letti = ::read(osservatore, buffer, sizeof buffer);
        if (letti <= 0)
            break;
        for (ssize_t pos = 0; pos < letti;) {
            const auto* evento = reinterpret_cast<const inotify_event*>(buffer + pos);
            visti << QStringLiteral("evento 0x%1 su %2")
                         .arg(evento->mask, 0, 16)
                         .arg(evento->len ? QString::fromLocal8Bit(evento->name) : QString());
            pos += qsizetype(sizeof(inotify_event)) + evento->len;
        }
    }
    return visti;
}

void smetti(int osservatore) {
    if (osservatore >= 0)
        ::close(osservatore);
}

std::optional<QString> cartellaDaNomeInByte(const QByteArray& eseguibile) {
    return cartellaDaEseguibile(eseguibile);
}
