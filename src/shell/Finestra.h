// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's six windows; exactly one is loaded at any moment.
enum class Finestra { FormAvvio, FormMenu, FormOrdina1, FormOrdina2, FormOrdina, FormOrdina3 };
