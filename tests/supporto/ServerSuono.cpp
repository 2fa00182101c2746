// SPDX-License-Identifier: GPL-3.0-or-later
#include "supporto/ServerSuono.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

void ServerSuono::avvia(const QString& pulseaudio, const QString& parec, const QString& cartella) {
    const QString presa = QDir(cartella).filePath(QStringLiteral("presa"));
    ambiente_ = QProcessEnvironment::systemEnvironment();
    ambiente_.insert(QStringLiteral("HOME"), cartella);
    ambiente_.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartella);
    ambiente_.insert(QStringLiteral("PULSE_RUNTIME_PATH"), QDir(cartella).filePath("pa"));
    server_.setProcessEnvironment(ambiente_);
    server_.start(pulseaudio, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                               QStringLiteral("--exit-idle-time=-1"),
                               QStringLiteral("--use-pid-file=no"), QStringLiteral("-L"),
                               QStringLiteral("module-native-protocol-unix auth-anonymous=1 "
                                              "socket=") +
                                   presa,
                               QStringLiteral("-L"), QStringLiteral("module-null-sink")});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(presa), 10000);
    ambiente_.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + presa);
    orecchio_.setProcessEnvironment(ambiente_);
    orologio_.start();
    connect(&orecchio_, &QProcess::readyReadStandardOutput, this, [this] {
        const QByteArray dati = orecchio_.readAllStandardOutput();
        for (qsizetype i = 0; i + 1 < dati.size(); i += 2)
            if (qAbs(qFromLittleEndian<qint16>(dati.constData() + i)) > soglia_) {
                ultimoForte_ = orologio_.elapsed();
                if (primoForte_ < 0)
                    primoForte_ = ultimoForte_;
            }
    });
    orecchio_.start(parec,
                    {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                     QStringLiteral("--rate=22050"), QStringLiteral("--channels=1"),
                     QStringLiteral("--latency-msec=10"), QStringLiteral("--device=null.monitor")});
    QVERIFY(orecchio_.waitForStarted());
}

void ServerSuono::ferma() {
    for (QProcess* processo : {&orecchio_, &server_}) {
        processo->kill();
        processo->waitForFinished();
    }
}
