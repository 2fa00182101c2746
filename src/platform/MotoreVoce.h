// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The speech library's side, built as a module and opened at run time, as
// linking it would load its libraries at every start. Made, used and destroyed
// on one thread, which runs an event loop for the library's own signals.
class MotoreVoce {
public:
    virtual ~MotoreVoce() = default;
    // Whether an Italian voice was found; without one nothing is ever said.
    virtual bool italiano() const = 0;
    // Cuts what is being said and says this plain text, if any; false
    // without a voice.
    virtual bool di(const QString& testo) = 0;
};

// What the module exports, under this name, to make its engine.
using FabbricaMotoreVoce = MotoreVoce* (*)();
inline constexpr char nomeFabbricaMotoreVoce[] = "sequenzio_crea_motore_voce";
