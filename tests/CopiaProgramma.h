// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

// Resident memory of this process in KiB: "VmRSS:" now, "VmHWM:" at its peak
// since the last azzeraPicco().
inline qint64 memoria(QByteArrayView voce) {
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& riga : stato.readAll().split('\n')) {
        if (riga.startsWith(voce))
            return riga.mid(voce.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
inline void azzeraPicco() {
    QFile picco(QStringLiteral("/proc/self/clear_refs"));
    if (picco.open(QIODevice::WriteOnly))
        picco.write("5");
}

// A copy of the program's folder (testi/ and suoni/ from data/) in a temporary
// directory. Once frozen it is read-only for everyone and watched, so a test can
// show that the program changed nothing in it and opened nothing for writing
// (the watch sees that even for root, whom the permissions do not stop).
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
        if (inotify_ >= 0)
            ::close(inotify_);
        // Writable again, or the temporary folder could not be removed.
        for (const QString& voce : tutti())
            QFile::setPermissions(voce,
                                  QFile::permissions(voce) | QFile::WriteOwner | QFile::WriteUser);
    }
    CopiaProgramma(const CopiaProgramma&) = delete;
    CopiaProgramma& operator=(const CopiaProgramma&) = delete;

    bool valida() const { return cartella_.isValid(); }
    QString percorso() const { return cartella_.path(); }
    QString file(const QString& relativo) const { return cartella_.filePath(relativo); }

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
        inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const uint32_t maschera = IN_CLOSE_WRITE | IN_MODIFY | IN_CREATE | IN_DELETE | IN_ATTRIB |
                                  IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
        for (const QString& voce : tutti()) {
            if (QFileInfo(voce).isDir())
                inotify_add_watch(inotify_, QFile::encodeName(voce).constData(), maschera);
        }
    }

    // What happened in the folder since it was frozen: one line per change.
    QStringList cambiamenti() {
        QStringList visti;
        if (inotify_ < 0)
            return {QStringLiteral("cartella mai congelata o inotify non disponibile")};
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

    // Name, size, modification time to the nanosecond and mode of everything.
    QMap<QString, QString> istantanea() const {
        QMap<QString, QString> voci;
        const QDir radice(percorso());
        for (const QString& voce : tutti()) {
            struct stat s {};
            if (::lstat(QFile::encodeName(voce).constData(), &s) != 0)
                continue;
            voci.insert(radice.relativeFilePath(voce), QStringLiteral("%1 byte, %2.%3, modo %4")
                                                           .arg(qint64(s.st_size))
                                                           .arg(qint64(s.st_mtim.tv_sec))
                                                           .arg(qint64(s.st_mtim.tv_nsec))
                                                           .arg(uint(s.st_mode), 0, 8));
        }
        return voci;
    }

    QTemporaryDir cartella_;
    QMap<QString, QString> prima_;
    int inotify_ = -1;
};
