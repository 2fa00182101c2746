// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The folder that holds the program file, links resolved, no trailing
// separator; none when its name cannot be written as a QString that opens the
// same folder again (bytes that are not UTF-8, say), so that nothing is ever
// read from some other folder in its place.
std::optional<QString> cartellaProgramma();

// The same, from the program file's path as the system gives it.
std::optional<QString> cartellaDaEseguibile(const QByteArray& eseguibile);
