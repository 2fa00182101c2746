// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/OrdineAlfabetico.h"

#include <string_view>

bool maggiore(QStringView a, QStringView b) {
    const std::u16string_view sa(a.utf16(), a.size());
    const std::u16string_view sb(b.utf16(), b.size());
    return sa > sb;
}
