// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What the checker found, in words for a teacher.
struct Segnalazione {
    enum class Gravita {
        Avviso, // the list plays, but not as the teacher meant
        Errore, // the program refuses the list, or a pupil cannot read a tile
    };
    Gravita gravita = Gravita::Avviso;
    QString testo;
};

struct RapportoFile {
    QString nome;
    QString descrizione; // encoding and words, once the file could be read
    QList<Segnalazione> segnalazioni;
    QString ripristino; // the command that brings back the shipped list
};

struct Rapporto {
    QString cartella; // links resolved: the folder the teacher edits
    bool scrivibile = true;
    QList<Segnalazione> generali; // the folder itself, files never read
    QList<RapportoFile> file;

    int errori() const;
    int avvisi() const;
    // 0 when every list plays as meant, 1 with warnings only, 2 with errors.
    int codiceUscita() const;
    QString riassunto() const;
    QString testo() const;

    // Text from outside (names, paths, words) as it may be printed: what
    // cannot be seen shows as a dot, so nothing reaches a terminal that could
    // drive it, and no line end can fake a line of the report.
    static QString visibile(QStringView testo);
};
