// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The folder that holds the program file, links resolved, no trailing
// separator; none when its name cannot be written as a QString that opens the
// same folder again (bytes that are not UTF-8, say), so that nothing is ever
// read from some other folder in its place.
std::optional<QString> cartellaProgramma();

// The file nome beside the program, as QProcess starts it whatever the name of
// their folder, or none when no such file is there. On Linux, when that name
// is not one Qt can write (not UTF-8), the folder is made the current one and
// the path is relative to it.
std::optional<QString> fileAccanto(const QString& nome);

// A folder under which nothing can be opened on this system: what the program
// reads from when it has no folder of its own, so that it reads no list and no
// sound rather than those of some other folder.
QString cartellaSenzaFile();
