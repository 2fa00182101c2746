// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Reads a tile aloud in Italian; a new request cuts the one still speaking.
// Never reports a failure: where no Italian voice can speak, it beeps, so the
// child knows the gesture was heard.
class Voce {
public:
    virtual ~Voce() = default;
    // Reaches the speech service in the background, once the title is up:
    // starting it may take more than a second.
    virtual void prepara() {}
    virtual void pronuncia(const QString& testo) = 0;
};
