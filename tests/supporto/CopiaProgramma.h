// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "supporto/Sistema.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

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
        smetti(osservatore_);
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
        congelata_ = true;
        QStringList cartelle;
        for (const QString& voce : tutti())
            if (QFileInfo(voce).isDir())
                cartelle << voce;
        osservatore_ = osserva(cartelle);
    }

    // What happened in the folder since it was frozen: one line per change.
    QStringList cambiamenti() {
        if (!congelata_)
            return {QStringLiteral("cartella mai congelata")};
        QStringList visti = eventi(osservatore_);
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
    int osservatore_ = -1;
};
