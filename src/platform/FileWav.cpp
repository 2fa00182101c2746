// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileWav.h"
#include "platform/FileRegolare.h"

#include <QtEndian>

namespace {

bool campioneNoto(quint16 tipo, quint16 bit) {
    switch (tipo) {
    case FileWav::Pcm:
        return bit == 8 || bit == 16 || bit == 24 || bit == 32;
    case FileWav::Virgola:
        return bit == 32;
    case FileWav::ALaw:
    case FileWav::MuLaw:
        return bit == 8;
    }
    return false;
}

// The bounds a sound server takes: 32 channels, eight times 48 kHz.
bool formatoValido(const FileWav::Formato& formato) {
    return campioneNoto(formato.tipo, formato.bit) && formato.canali >= 1 && formato.canali <= 32 &&
           formato.frequenza >= 1 && formato.frequenza <= 48000 * 8 &&
           formato.blocco == formato.canali * (formato.bit / 8);
}

} // namespace

std::optional<FileWav> FileWav::leggi(const QString& percorso) {
    FileRegolare letto = FileRegolare::leggi(percorso, limite);
    if (letto.esito != FileRegolare::Esito::Letto || letto.troncato)
        return std::nullopt;
    FileWav wav;
    wav.file = std::move(letto.dati);
    const QByteArray& dati = wav.file;
    if (dati.size() < 12 || !dati.startsWith("RIFF") || dati.mid(8, 4) != "WAVE")
        return std::nullopt;
    const char* byte = dati.constData();
    const auto parola = [&](qsizetype pos) { return qFromLittleEndian<quint16>(byte + pos); };
    bool conFormato = false;
    // A file that stops short once made a decoder wait forever for the rest;
    // here it is simply refused.
    for (qsizetype pos = 12; pos + 8 <= dati.size();) {
        const qint64 dimensione = qFromLittleEndian<quint32>(byte + pos + 4);
        const qsizetype inizio = pos + 8;
        if (inizio + dimensione > dati.size())
            return std::nullopt;
        const QByteArray nome = dati.mid(pos, 4);
        if (nome == "fmt " && dimensione >= 16) {
            Formato& formato = wav.formato;
            formato.tipo = parola(inizio);
            if (formato.tipo == 0xFFFE && dimensione >= 40)
                formato.tipo = parola(inizio + 24);
            formato.canali = parola(inizio + 2);
            formato.frequenza = qFromLittleEndian<quint32>(byte + inizio + 4);
            formato.blocco = parola(inizio + 12);
            formato.bit = parola(inizio + 14);
            if (!formatoValido(formato))
                return std::nullopt;
            conFormato = true;
        } else if (nome == "data") {
            if (!conFormato)
                return std::nullopt;
            wav.inizio = inizio;
            wav.lunghezza = dimensione / wav.formato.blocco * wav.formato.blocco;
            return wav;
        }
        pos = inizio + dimensione + (dimensione & 1); // chunks keep to even offsets
    }
    return std::nullopt;
}
