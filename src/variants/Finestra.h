// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaEnum>
#include <QObject>

namespace Finestre {
Q_NAMESPACE
// The program's six windows; exactly one is loaded at any moment. The four
// exercises are keyed by theirs in the exercise table.
enum class Finestra { FormAvvio, FormMenu, FormOrdina1, FormOrdina2, FormOrdina, FormOrdina3 };
Q_ENUM_NS(Finestra)

// "FormOrdina1", as tests and benchmarks name their rows.
inline const char* nome(Finestra finestra) {
    return QMetaEnum::fromType<Finestra>().valueToKey(int(finestra));
}
} // namespace Finestre

using Finestra = Finestre::Finestra;
