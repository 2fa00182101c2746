// SPDX-License-Identifier: GPL-3.0-or-later
#include <QString>

QString comeAvereLaVoceItaliana() {
    return QStringLiteral("Questa versione per Windows non legge ancora le parole ad alta voce: "
                          "per ora una tessera ascoltata dà solo un segnale acustico.");
}
