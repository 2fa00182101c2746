// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controllo/Consigli.h"
#include "platform/LettoreElenco.h"

// Characters a teacher cannot see in a word, or that sort where nobody
// expects them: each kind told once per word, with where it stands.
namespace Sorprese {
// The findings in word numero, read from campo and shown as tessera.
QList<Segnalazione> nelCampo(int numero, const LettoreElenco::Campo& campo, const QString& tessera);
} // namespace Sorprese
