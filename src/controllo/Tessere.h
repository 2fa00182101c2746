// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controllo/Consigli.h"

#include <QList>
#include <QStringList>

#include <optional>

// The checks made on the tiles themselves, whatever the file they came from:
// each tile is held against what a teacher types (letters, the apostrophe, one
// blank, the hyphen), and each pair against the order a reader expects.
// scritte holds every word as its tile shows it, by its number from 1; an
// empty one is left to other checks.
namespace Tessere {

// What beside letters, apostrophes, single blanks and hyphens a tile shows.
QList<Insolito> insoliti(const QString& tessera);
// One warning for all the tiles that show more, each quoted under every kind
// it holds; nothing when there are none.
std::optional<Segnalazione> insolite(const QStringList& scritte);
// Pairs that a pupil can hardly tell apart, and pairs the program orders
// unlike a dictionary: one warning for each sort, one reason for each pair.
QList<Segnalazione> coppie(const QStringList& scritte);
// Words that share their first two letters, where those letters should decide.
QList<Segnalazione> primeDueUguali(const QStringList& scritte);

} // namespace Tessere
