// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RigaDiComando.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

void scriviSu(std::FILE* flusso, QStringView testo) {
    const QByteArray byte = testo.toUtf8();
    std::fwrite(byte.constData(), 1, size_t(byte.size()), flusso);
    std::fflush(flusso);
}

} // namespace

bool RigaDiComando::terminale() {
    return true;
}

bool RigaDiComando::schermo() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

bool RigaDiComando::argomentoIntatto(const QString& letto, int argc, const char* const* argv) {
    const QByteArray nome = QFile::encodeName(letto);
    return std::any_of(argv + 1, argv + argc, [&](const char* a) { return nome == a; });
}

void RigaDiComando::scrivi(QStringView testo) {
    scriviSu(stdout, testo);
}

void RigaDiComando::scriviErrore(QStringView testo) {
    scriviSu(stderr, testo);
}
