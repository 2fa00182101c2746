// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What of a word may reach a speech engine: its letters, apostrophes, blanks
// and hyphens, in lower case, so that no voice spells a word in capitals and
// no markup or symbol in a teacher's list is ever read as a command. Anything
// else stands as a blank between the words around it.
QString testoDaPronunciare(const QString& parola);
