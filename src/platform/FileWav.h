// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A sound file as every sound back end takes it: an ordinary file of at most
// five megabytes, a RIFF WAVE whose chunks, up to and including the samples,
// are all there, in one of the uncompressed formats README lists. It is read
// whole, each time it is to play, so that a replaced file counts from its next
// sound.
struct FileWav {
    // The most a sound file may hold: half a minute of CD-quality stereo.
    static constexpr qsizetype limite = 5 * 1024 * 1024;

    // The format tags taken; an extensible header gives its sub-format here.
    enum Tipo : quint16 { Pcm = 1, Virgola = 3, ALaw = 6, MuLaw = 7 };

    struct Formato {
        quint16 tipo = Pcm;
        quint16 canali = 0;
        quint32 frequenza = 0;
        quint16 bit = 0;
        quint16 blocco = 0; // bytes of one frame: a sample of each channel
    };

    Formato formato;
    QByteArray file;      // the whole file, for back ends that play it as it is
    qsizetype inizio = 0; // the samples: whole frames from here in file
    qsizetype lunghezza = 0;

    QByteArray campioni() const { return file.mid(inizio, lunghezza); }

    // Nothing when the file cannot be played, whatever the reason.
    static std::optional<FileWav> leggi(const QString& percorso);
};
