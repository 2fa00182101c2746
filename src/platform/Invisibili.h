// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a pupil could not see on a tile, by whole code points (the characters
// beyond U+FFFF among them, which a QChar holds only half of).
namespace Invisibili {

// Taken out of a word wherever it stands: controls but the tab, line and
// paragraph separators, format characters, every default-ignorable code point
// and the braille blank.
bool daTogliere(char32_t codice);
// Taken off the ends of a word: every Unicode blank and what daTogliere takes.
bool margine(char32_t codice);
// Unicode's Default_Ignorable_Code_Point (DerivedCoreProperties.txt).
bool ignorabile(char32_t codice);

} // namespace Invisibili
