// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/RiproduttoreQt.h"

#include <QApplication>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {
// Qt's decoder waits for the rest of a file that stops short and never gives
// up; while it waits, destroying any sound effect blocks, so the program could
// not end. Only a RIFF WAVE file whose chunks, up to and including the samples,
// are all there is let through: that costs reading the chunk headers.
bool sembraUnWav(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inizio = file.read(12);
    if (inizio.size() != 12 || !inizio.startsWith("RIFF") || !inizio.endsWith("WAVE"))
        return false;
    bool formato = false;
    for (qint64 pos = 12; pos + 8 <= file.size();) {
        if (!file.seek(pos))
            return false;
        const QByteArray testa = file.read(8);
        if (testa.size() != 8)
            return false;
        const quint32 dimensione = qFromLittleEndian<quint32>(testa.constData() + 4);
        const qint64 fine = pos + 8 + dimensione;
        if (fine > file.size())
            return false;
        if (testa.startsWith("fmt "))
            formato = true;
        else if (testa.startsWith("data"))
            return formato;
        pos = fine + (dimensione & 1); // chunks keep to even offsets
    }
    return false;
}
} // namespace

RiproduttoreQt::RiproduttoreQt(QObject* genitore)
    : QObject(genitore) {}

void RiproduttoreQt::prepara(const QStringList& percorsi) {
    for (const QString& percorso : percorsi) {
        if (sembraUnWav(percorso))
            effetto(percorso);
    }
}

void RiproduttoreQt::riproduci(const QString& percorso) {
    if (inCorso_)
        inCorso_->stop();
    inCorso_ = nullptr;
    if (!sembraUnWav(percorso)) {
        QApplication::beep();
        return;
    }
    QSoundEffect* suono = effetto(percorso);
    if (suono->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    inCorso_ = suono;
    suono->play();
}

QSoundEffect* RiproduttoreQt::effetto(const QString& percorso) {
    if (QSoundEffect* noto = effetti_.value(percorso))
        return noto;
    auto* suono = new QSoundEffect(this);
    // A damaged file is found out while loading, after play was asked for.
    connect(suono, &QSoundEffect::statusChanged, this, [this, suono] {
        if (suono->status() == QSoundEffect::Error && inCorso_ == suono) {
            inCorso_ = nullptr;
            QApplication::beep();
        }
    });
    suono->setSource(QUrl::fromLocalFile(percorso));
    effetti_.insert(percorso, suono);
    return suono;
}

QString RiproduttoreQt::inCorso() const {
    return inCorso_ ? inCorso_->source().toLocalFile() : QString();
}
