// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>

#include <psapi.h>
#else
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// Windows keeps its named pipes under \\.\pipe\, so no list or sound can be one.
#ifdef Q_OS_WIN
inline constexpr bool fifoPossibili = false;
#else
inline constexpr bool fifoPossibili = true;
#endif
inline constexpr char senzaFifo[] = "a Windows folder holds no named pipes";

// A named pipe in a file's place, where the system has them.
inline bool fifoAlPosto(const QString& percorso) {
#ifdef Q_OS_WIN
    Q_UNUSED(percorso)
    return false;
#else
    return QFile::remove(percorso) && ::mkfifo(QFile::encodeName(percorso).constData(), 0600) == 0;
#endif
}

// Resident memory of this process in KiB: "VmRSS:" now, "VmHWM:" at its peak
// since the last azzeraPicco(). Windows keeps the peak since the start.
inline qint64 memoria(QByteArrayView voce) {
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS contatori{};
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &contatori, sizeof contatori))
        return -1;
    return qint64(voce == "VmHWM:" ? contatori.PeakWorkingSetSize : contatori.WorkingSetSize) /
           1024;
#else
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& riga : stato.readAll().split('\n')) {
        if (riga.startsWith(voce))
            return riga.mid(voce.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
#endif
}
inline void azzeraPicco() {
    QFile picco(QStringLiteral("/proc/self/clear_refs"));
    if (picco.open(QIODevice::WriteOnly))
        picco.write("5");
}

// A copy of the program's folder (testi/ and suoni/ from data/) in a temporary
// directory. Once frozen it is read-only for everyone and watched, so a test can
// show that the program changed nothing in it and opened nothing for writing
// (the watch sees that even for root, whom the permissions do not stop). On
// Windows the read-only files refuse every writer, and the folder is compared
// with itself before and after.
class CopiaProgramma {
public:
    CopiaProgramma() {
        for (const QString& sotto : QStringList{QStringLiteral("testi"), QStringLiteral("suoni")}) {
            const QDir origine(QStringLiteral(SEQUENZIO_DATA_DIR "/") + sotto);
            QDir().mkpath(file(sotto));
            for (const QString& nome : origine.entryList(QDir::Files))
                QFile::copy(origine.filePath(nome), file(sotto + u'/' + nome));
        }
    }
    ~CopiaProgramma() {
#ifndef Q_OS_WIN
        if (inotify_ >= 0)
            ::close(inotify_);
#endif
        // Writable again, or the temporary folder could not be removed.
        for (const QString& voce : tutti())
            QFile::setPermissions(voce,
                                  QFile::permissions(voce) | QFile::WriteOwner | QFile::WriteUser);
    }
    CopiaProgramma(const CopiaProgramma&) = delete;
    CopiaProgramma& operator=(const CopiaProgramma&) = delete;

    bool valida() const {
        return cartella_.isValid();
    }
    QString percorso() const {
        return cartella_.path();
    }
    QString file(const QString& relativo) const {
        return cartella_.filePath(relativo);
    }

    void scrivi(const QString& relativo, const QByteArray& dati, int volte = 1) {
        QFile f(file(relativo));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (int i = 0; i < volte; ++i)
            f.write(dati);
    }

    void congela() {
        const QFile::Permissions scrittura =
            QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        for (const QString& voce : tutti())
            QFile::setPermissions(voce, QFile::permissions(voce) & ~scrittura);
        prima_ = istantanea();
        congelata_ = true;
#ifndef Q_OS_WIN
        inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const uint32_t maschera = IN_CLOSE_WRITE | IN_MODIFY | IN_CREATE | IN_DELETE | IN_ATTRIB |
                                  IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
        for (const QString& voce : tutti()) {
            if (QFileInfo(voce).isDir())
                inotify_add_watch(inotify_, QFile::encodeName(voce).constData(), maschera);
        }
#endif
    }

    // What happened in the folder since it was frozen: one line per change.
    QStringList cambiamenti() {
        QStringList visti;
        if (!congelata_)
            return {QStringLiteral("cartella mai congelata")};
#ifndef Q_OS_WIN
        if (inotify_ < 0)
            return {QStringLiteral("inotify non disponibile")};
        alignas(inotify_event) char buffer[8192];
        for (;;) {
            const ssize_t letti = ::read(inotify_, buffer, sizeof buffer);
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
#endif
        const QMap<QString, QString> dopo = istantanea();
        for (auto i = prima_.cbegin(); i != prima_.cend(); ++i) {
            if (dopo.value(i.key()) != i.value())
                visti << i.key() + QStringLiteral(": ") + i.value() + QStringLiteral(" -> ") +
                             dopo.value(i.key(), QStringLiteral("tolto"));
        }
        for (auto i = dopo.cbegin(); i != dopo.cend(); ++i) {
            if (!prima_.contains(i.key()))
                visti << i.key() + QStringLiteral(": nuovo");
        }
        return visti;
    }

private:
    QStringList tutti() const {
        QStringList percorsi{percorso()};
        QDirIterator giro(percorso(),
                          QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
        while (giro.hasNext())
            percorsi << giro.next();
        return percorsi;
    }

    // Name, size, modification time and permissions of everything.
    QMap<QString, QString> istantanea() const {
        QMap<QString, QString> voci;
        const QDir radice(percorso());
        for (const QString& voce : tutti()) {
            const QFileInfo info(voce);
            voci.insert(radice.relativeFilePath(voce),
                        QStringLiteral("%1 byte, %2, permessi %3")
                            .arg(info.size())
                            .arg(info.lastModified().toString(Qt::ISODateWithMs))
                            .arg(int(info.permissions()), 0, 16));
        }
        return voci;
    }

    QTemporaryDir cartella_;
    QMap<QString, QString> prima_;
    bool congelata_ = false;
    int inotify_ = -1;
};
