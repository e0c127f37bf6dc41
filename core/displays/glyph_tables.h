#pragma once
#include <cstdint>

// The glyph data behind GlyphDot, one table per block of codes. Rows run from the top;
// the leftmost dot of a row is its highest used bit.
namespace displays {

// Printable ASCII, codes 32 .. 126.
extern const std::uint8_t kAscii5x7[95][7];
extern const std::uint8_t kAscii7x9[95][9];
extern const std::uint16_t kAscii9x12[95][12];

// The PC character set's symbols for the control codes 0 .. 31.
extern const std::uint8_t kControl5x7[32][7];
// Codes 127 .. 255 of the PC character set: accented letters, signs, box drawing, blocks,
// Greek letters and mathematics.
extern const std::uint8_t kDosHigh5x7[129][7];

// The Russian set's own glyphs, in the DOS Cyrillic layout: capitals and the first half of
// the small letters (128 .. 175), the rest of the small letters with Ё, ё, Є, є, Ї, ї, Ў,
// ў (224 .. 247), and № and ¤ (252, 253). Its other codes show the PC set's glyphs.
extern const std::uint8_t kRusLetters5x7[48][7];
extern const std::uint8_t kRusLettersHigh5x7[24][7];
extern const std::uint8_t kRusSigns5x7[2][7];

// The tall glyphs of Hitachi2, codes 194 .. 223: a .. z with real descenders, then ä, ö, ü, ß.
extern const std::uint8_t kHitachiTall5x10[30][10];

}  // namespace displays
