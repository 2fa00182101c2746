// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Loads Qt's own Italian texts ("Sì", "No" on the message boxes), whatever the
// system's language. Without the translation installed the program still runs,
// with Qt's English texts; false says so.
bool installaTraduzioneItaliana();
