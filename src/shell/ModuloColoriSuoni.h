// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>

class Casuale;
class Riproduttore;

// Background colours drawn at random, and the success and failure sounds.
class ModuloColoriSuoni {
public:
    // 0x00BBGGRR; light magenta stands twice, so it comes up twice as often.
    static constexpr std::array<quint32, 18> colori = {
        0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF, 0x00FFFF, 0x0040C0, 0x80FF80,
        0x00C000, 0xFFFFC0, 0xFFFF00, 0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};

    ModuloColoriSuoni(Casuale& casuale, Riproduttore& riproduttore, QString cartella);

    quint32 ColoreCasuale();
    void SuonoGiusto();
    void SuonoSbagliato();

private:
    QString suono(const QString& nome) const;

    Casuale& casuale_;
    Riproduttore& riproduttore_;
    QString cartella_;
};
