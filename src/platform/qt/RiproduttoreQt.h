// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Riproduttore.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QSoundEffect;

// Plays through Qt Multimedia. The effects are made on first use (or by
// prepara, once a window is on screen) so that start-up never waits for the
// audio system.
class RiproduttoreQt final : public QObject, public Riproduttore {
public:
    explicit RiproduttoreQt(QObject* genitore = nullptr);

    void prepara(const QStringList& percorsi);
    void riproduci(const QString& percorso) override;
    // The file of the sound playing or about to play; empty when none.
    QString inCorso() const;

private:
    QSoundEffect* effetto(const QString& percorso);

    QHash<QString, QSoundEffect*> effetti_;
    QPointer<QSoundEffect> inCorso_;
};
