// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the list checker's tests still look for it.
#include "supporto/CopiaProgramma.h"
