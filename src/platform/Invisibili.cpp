// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Invisibili.h"

#include <QChar>

#include <algorithm>
#include <array>

namespace {

struct Intervallo {
    char32_t primo, ultimo;
};

// Default_Ignorable_Code_Point as DerivedCoreProperties.txt lists it (the same
// from Unicode 9 to 15): characters a text shows nothing for, whatever the
// font, and the unassigned code points kept for more of them. Beside the
// format characters they hold the Hangul fillers (U+115F, U+1160, U+3164,
// U+FFA0), the combining grapheme joiner, the Khmer inherent vowels, every
// variation selector and the tag characters.
constexpr std::array<Intervallo, 17> ignorabili = {{
    {0x00AD, 0x00AD},   // soft hyphen
    {0x034F, 0x034F},   // combining grapheme joiner
    {0x061C, 0x061C},   // Arabic letter mark
    {0x115F, 0x1160},   // Hangul choseong and jungseong fillers
    {0x17B4, 0x17B5},   // Khmer inherent vowels
    {0x180B, 0x180F},   // Mongolian variation selectors, vowel separator
    {0x200B, 0x200F},   // zero-width space, joiners, direction marks
    {0x202A, 0x202E},   // direction embeddings and overrides
    {0x2060, 0x206F},   // word joiner, invisible operators, isolates
    {0x3164, 0x3164},   // Hangul filler
    {0xFE00, 0xFE0F},   // variation selectors 1-16
    {0xFEFF, 0xFEFF},   // zero-width no-break space, the byte-order mark
    {0xFFA0, 0xFFA0},   // halfwidth Hangul filler
    {0xFFF0, 0xFFF8},   // unassigned
    {0x1BCA0, 0x1BCA3}, // shorthand format controls
    {0x1D173, 0x1D17A}, // musical beam and phrase controls
    {0xE0000, 0xE0FFF}, // tag characters, variation selectors 17-256
}};

// The braille blank, a braille cell with no dot raised, is neither a blank nor
// default-ignorable to Unicode, yet draws nothing a pupil could read: it is the
// usual "invisible character" of chat names and posts, just because no program
// trims it. Kept, a tile would show nothing there and still order by it.
constexpr char32_t brailleVuoto = 0x2800;

} // namespace

bool Invisibili::ignorabile(char32_t codice) {
    const auto dopo = std::upper_bound(
        ignorabili.begin(), ignorabili.end(), codice,
        [](char32_t valore, const Intervallo& intervallo) { return valore < intervallo.primo; });
    return dopo != ignorabili.begin() && codice <= std::prev(dopo)->ultimo;
}

bool Invisibili::daTogliere(char32_t codice) {
    if (codice == u'\t')
        return false;
    if (codice < 0x20 || (codice >= 0x7F && codice <= 0x9F))
        return true; // C0 and C1 controls
    // Format characters (soft hyphens, zero-width ones, direction marks, the
    // byte-order mark where files were joined) and those that show nothing.
    return QChar::category(codice) == QChar::Other_Format || codice == 0x2028 || codice == 0x2029 ||
           codice == brailleVuoto || ignorabile(codice);
}

bool Invisibili::margine(char32_t codice) {
    return QChar::isSpace(codice) || daTogliere(codice);
}
