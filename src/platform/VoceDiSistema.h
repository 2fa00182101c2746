// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Voce.h"

#include <QString>

#include <functional>
#include <memory>

// The voice of the system the program runs on, from the speech module beside
// the program in cartella; bip is the desktop's alert beep, rung on the GUI
// thread where no Italian voice can speak.
std::unique_ptr<Voce> creaVoceDiSistema(const QString& cartella, std::function<void()> bip);

// One line for a teacher: whether this computer can read the tiles aloud in
// Italian, and if not, the one thing to do. Waits for the speech service the
// first time; later calls repeat that answer.
QString rigaVoceItaliana(const QString& cartella);

// The one thing to do where there is none, in this system's terms.
QString comeAvereLaVoceItaliana();
