// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AvvisoDiSistema.h"

#include <windows.h>

void AvvisoDiSistema::mostra(const QString& testo) {
    // In front: started from the Start menu, the program has no window that
    // could have brought it there.
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(testo.utf16()), L"Sequenzio",
                MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}
