// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The values every window shares; they outlive the windows.
struct ValoriCondivisi {
    qint16 NumeroEsatti = 0;
    qint16 NumeroErrati = 0;
    qint16 QuanteParole = 0;
};
