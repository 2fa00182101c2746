// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What the checker found, in words for a teacher.
struct Segnalazione {
    enum class Gravita {
        Avviso, // the list plays, but not as the teacher meant
        Errore, // the program refuses the list
    };
    Gravita gravita = Gravita::Avviso;
    QString testo;
};

struct RapportoFile {
    QString nome;
    QString descrizione; // encoding and words, once the file could be read
    QList<Segnalazione> segnalazioni;
};

struct Rapporto {
    QString cartella;
    QList<Segnalazione> generali; // the folder itself, files never read
    QList<RapportoFile> file;

    int errori() const;
    int avvisi() const;
    // 0 when every list plays as meant, 1 with warnings only, 2 with errors.
    int codiceUscita() const;
    QString riassunto() const;
    QString testo() const;
};
