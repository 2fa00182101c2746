// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <optional>

// Everything an exercise window shows that the exercise decides; the window
// draws this and nothing else.
struct StatoFinestra {
    struct Tessera {
        QString didascalia;
        bool abilitata = true;
        bool visibile = true;
    };
    struct Casella {
        QString didascalia;
        bool visibile = true;
    };

    QList<Tessera> BtParole;
    QList<Casella> Label3;
    QString EtichettaEsatti = QStringLiteral("quantiesatti");
    QString EtichettaErrati = QStringLiteral("quantierrati");
    bool ComandoIconaSi = true; // visible
    bool ComandoIconaNo = true;
    bool Command1 = true;        // "Fatto" visible
    bool Command3D1 = true;      // "Ricomincia" visible
    bool EtQuanteParole = false; // count panel visible
    int EtQuanteParoleLeft = 0;
    int EtQuanteParoleTop = 0;
    bool mnuImmediato = false; // check marks
    bool mnuTermine = true;
    std::optional<quint32> coloreSfondo; // 0x00BBGGRR; unset: the layout's own
};
