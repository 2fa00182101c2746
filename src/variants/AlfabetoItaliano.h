// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The 21 capital letters of the Italian alphabet, A to Z without J, K, W, X, Y.
QStringList alfabetoItaliano();
// Their Italian names, in the same order: a, bi, ci, ... zeta.
QStringList nomiLettereItaliane();
