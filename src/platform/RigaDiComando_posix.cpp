// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RigaDiComando.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

void scriviSu(std::FILE* flusso, QStringView testo) {
    const QByteArray byte = testo.toUtf8();
    std::fwrite(byte.constData(), 1, size_t(byte.size()), flusso);
    std::fflush(flusso);
}

// A path as a POSIX shell takes it: quoted unless it is plainly safe.
QString perShell(const QString& percorso) {
    static const QRegularExpression semplice(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    if (semplice.match(percorso).hasMatch())
        return percorso;
    QString citato = percorso;
    return u'\'' + citato.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

} // namespace

bool RigaDiComando::terminale() {
    return true;
}

bool RigaDiComando::schermo() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

void RigaDiComando::senzaFinestre() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool RigaDiComando::argomentoIntatto(const QString& letto, int argc, const char* const* argv) {
    const QByteArray nome = QFile::encodeName(letto);
    return std::any_of(argv + 1, argv + argc, [&](const char* a) { return nome == a; });
}

QString RigaDiComando::comandoCopia(const QString& file, const QString& cartella,
                                    bool amministratore) {
    return QStringLiteral("%1cp %2 %3/")
        .arg(amministratore ? QStringLiteral("sudo ") : QString(), perShell(file),
             perShell(cartella));
}

QString RigaDiComando::comandoModificaDaAmministratore(const QString& file) {
    return QStringLiteral("sudo nano ") + perShell(file);
}

void RigaDiComando::scrivi(QStringView testo) {
    scriviSu(stdout, testo);
}

void RigaDiComando::scriviErrore(QStringView testo) {
    scriviSu(stderr, testo);
}
