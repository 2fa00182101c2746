// SPDX-License-Identifier: GPL-3.0-or-later
#include <QString>

QString comeAvereLaVoceItaliana() {
    return QStringLiteral("Per averla installate i pacchetti qt6-speech-speechd-plugin, "
                          "speech-dispatcher ed espeak-ng (sudo apt install "
                          "qt6-speech-speechd-plugin speech-dispatcher espeak-ng).");
}
