// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/RiproduttoreQt.h"

#include <QApplication>
#include <QFile>
#include <QtEndian>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Wav {
    pa_sample_spec formato;
    QByteArray campioni;
};

// The whole file, if it is a regular file within the limit. It is opened
// without blocking and checked once open, so that a named pipe or a device put
// in a sound's place is turned away rather than waited on.
std::optional<QByteArray> leggi(const QString& percorso) {
    const int fd = ::open(QFile::encodeName(percorso).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> dati;
    struct stat stato {};
    if (fstat(fd, &stato) == 0 && S_ISREG(stato.st_mode) &&
        stato.st_size <= RiproduttoreQt::limite) {
        dati.emplace(qsizetype(stato.st_size), Qt::Uninitialized);
        qsizetype letti = 0;
        while (letti < dati->size()) {
            const ssize_t n = ::read(fd, dati->data() + letti, size_t(dati->size() - letti));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            letti += n;
        }
        dati->truncate(letti); // a file cut short meanwhile shows as such below
    }
    ::close(fd);
    return dati;
}

std::optional<pa_sample_format_t> codifica(quint16 tipo, quint16 bit) {
    switch (tipo) {
    case 1: // integer PCM
        return bit == 8    ? PA_SAMPLE_U8
               : bit == 16 ? PA_SAMPLE_S16LE
               : bit == 24 ? PA_SAMPLE_S24LE
               : bit == 32 ? PA_SAMPLE_S32LE
                           : std::optional<pa_sample_format_t>();
    case 3:
        return bit == 32 ? PA_SAMPLE_FLOAT32LE : std::optional<pa_sample_format_t>();
    case 6:
        return bit == 8 ? PA_SAMPLE_ALAW : std::optional<pa_sample_format_t>();
    case 7:
        return bit == 8 ? PA_SAMPLE_ULAW : std::optional<pa_sample_format_t>();
    }
    return std::nullopt;
}

// A RIFF WAVE file whose chunks, up to and including the samples, are all
// there, in a sample format the server takes as it is. A file that stops short
// once made a decoder wait forever for the rest; here it is simply refused.
std::optional<Wav> leggiWav(const QString& percorso) {
    const std::optional<QByteArray> dati = leggi(percorso);
    if (!dati || dati->size() < 12 || !dati->startsWith("RIFF") || dati->mid(8, 4) != "WAVE")
        return std::nullopt;
    const char* byte = dati->constData();
    const auto parola = [&](qsizetype pos) { return qFromLittleEndian<quint16>(byte + pos); };
    std::optional<pa_sample_spec> formato;
    for (qsizetype pos = 12; pos + 8 <= dati->size();) {
        const qint64 dimensione = qFromLittleEndian<quint32>(byte + pos + 4);
        const qsizetype inizio = pos + 8;
        if (inizio + dimensione > dati->size())
            return std::nullopt;
        const QByteArray nome = dati->mid(pos, 4);
        if (nome == "fmt " && dimensione >= 16) {
            quint16 tipo = parola(inizio);
            if (tipo == 0xFFFE && dimensione >= 40)
                tipo = parola(inizio + 24); // the extensible header's sub-format
            const std::optional<pa_sample_format_t> campione = codifica(tipo, parola(inizio + 14));
            if (!campione)
                return std::nullopt;
            pa_sample_spec campionamento{*campione, qFromLittleEndian<quint32>(byte + inizio + 4),
                                         quint8(qMin<quint16>(parola(inizio + 2), 255))};
            if (!pa_sample_spec_valid(&campionamento) ||
                parola(inizio + 12) != pa_frame_size(&campionamento))
                return std::nullopt;
            formato = campionamento;
        } else if (nome == "data") {
            if (!formato)
                return std::nullopt;
            const qsizetype telaio = qsizetype(pa_frame_size(&*formato));
            return Wav{*formato, dati->mid(inizio, dimensione / telaio * telaio)};
        }
        pos = inizio + dimensione + (dimensione & 1); // chunks keep to even offsets
    }
    return std::nullopt;
}

} // namespace

void RiproduttoreQt::prepara() {
    // The format of the program's own sounds; another one reconnects.
    canale_.collega({PA_SAMPLE_S16LE, 22050, 1});
}

void RiproduttoreQt::riproduci(const QString& percorso) {
    std::optional<Wav> suono = leggiWav(percorso);
    if (!suono) {
        inCorso_.clear();
        canale_.zittisci();
        QApplication::beep();
        return;
    }
    inCorso_ = percorso;
    canale_.suona(suono->formato, std::move(suono->campioni));
}
