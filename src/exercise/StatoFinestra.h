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

    QList<Tessera> tessere; // the buttons BtParole
    QList<Casella> caselle; // the labels Label3, filled in click order
    QString testoEsatti = QStringLiteral("quantiesatti");
    QString testoErrati = QStringLiteral("quantierrati");
    bool faccinaRidente = true; // visible
    bool faccinaTriste = true;
    bool fattoVisibile = true;
    bool ricominciaVisibile = true;
    bool pannelloVisibile = false; // the count options
    int pannelloLeft = 0;
    int pannelloTop = 0;
    bool immediatoSpuntato = false; // check marks of the "Controllo" menu
    bool termineSpuntato = true;
    std::optional<quint32> coloreSfondo; // 0x00BBGGRR; unset: the layout's own
};
