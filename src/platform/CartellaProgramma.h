// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder that holds the program file, links resolved, no trailing separator.
QString cartellaProgramma();
