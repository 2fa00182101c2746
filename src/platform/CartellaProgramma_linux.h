// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// cartellaProgramma() from the program file's path as the kernel gives it.
std::optional<QString> cartellaDaEseguibile(const QByteArray& eseguibile);
