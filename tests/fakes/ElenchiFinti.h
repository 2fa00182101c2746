// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Elenchi.h"

#include <QHash>
#include <QStringList>

// Word-list files held in memory, by path; a path not given is missing.
class ElenchiFinti final : public Elenchi {
public:
    QHash<QString, RisultatoLettura> file;
    QStringList letti;

    void metti(const QString& percorso, const QStringList& parole) {
        file.insert(percorso, {RisultatoLettura::Esito::Letto, parole});
    }

    RisultatoLettura leggi(const QString& percorso, int campi) override {
        letti.append(percorso);
        if (!file.contains(percorso))
            return {RisultatoLettura::Esito::Mancante, {}};
        RisultatoLettura risultato = file.value(percorso);
        if (risultato.esito != RisultatoLettura::Esito::Letto)
            return risultato;
        if (risultato.campi.size() < campi)
            risultato.esito = RisultatoLettura::Esito::TroppoCorto;
        else
            risultato.campi = risultato.campi.mid(0, campi);
        return risultato;
    }
};
