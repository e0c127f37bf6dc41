#include "core/displays/dot_matrix.h"

#include "core/displays/glyph_tables.h"

namespace displays {
namespace {

constexpr int kAsciiFirst = 32;
constexpr int kAsciiLast = 126;
// Hitachi2 draws the codes up to here with the Hitachi set's 5 x 7 glyphs.
constexpr int kHitachiShortLast = 193;
constexpr int kHitachiLast = 223;

template <typename Row, int Rows>
bool Dot(const Row (&glyph)[Rows], int columns, int row, int column) {
    return row < Rows && (glyph[row] >> (columns - 1 - column) & 1) != 0;
}

bool AsciiDot(int code, int row, int column) {
    return code >= kAsciiFirst && code <= kAsciiLast && Dot(kAscii5x7[code - kAsciiFirst], 5, row, column);
}

bool DosDot(int code, int row, int column) {
    if (code < kAsciiFirst) return Dot(kControl5x7[code], 5, row, column);
    if (code <= kAsciiLast) return AsciiDot(code, row, column);
    return Dot(kDosHigh5x7[code - 127], 5, row, column);
}

bool RusDot(int code, int row, int column) {
    if (code >= 128 && code <= 175) return Dot(kRusLetters5x7[code - 128], 5, row, column);
    if (code >= 224 && code <= 247) return Dot(kRusLettersHigh5x7[code - 224], 5, row, column);
    if (code == 252 || code == 253) return Dot(kRusSigns5x7[code - 252], 5, row, column);
    return DosDot(code, row, column);
}

bool HitachiDot(int code, int row, int column) {
    // The left arrow stands where the PC set has its house sign.
    if (code == 127) return Dot(kControl5x7[27], 5, row, column);
    if (code > kAsciiLast && code <= kHitachiLast) return DosDot(code, row, column);
    return AsciiDot(code, row, column);
}

bool Hitachi2Dot(int code, int row, int column) {
    if (code <= kHitachiShortLast) return HitachiDot(code, row, column);
    return code <= kHitachiLast && Dot(kHitachiTall5x10[code - kHitachiShortLast - 1], 5, row, column);
}

}  // namespace

MatrixSize SizeOf(TDotMatrix matrix) {
    switch (matrix) {
        case TDotMatrix::mat5x8:
            return {5, 8};
        case TDotMatrix::mat7x9:
            return {7, 9};
        case TDotMatrix::mat9x12:
            return {9, 12};
        case TDotMatrix::Hitachi2:
            return {5, 10};
        case TDotMatrix::mat5x7:
        case TDotMatrix::Hitachi:
        case TDotMatrix::dos5x7:
        case TDotMatrix::Rus5x7:
            break;
    }
    return {5, 7};
}

CodeRange CodesOf(TDotMatrix matrix) {
    switch (matrix) {
        case TDotMatrix::Hitachi:
        case TDotMatrix::Hitachi2:
            return {kAsciiFirst, kHitachiLast};
        case TDotMatrix::dos5x7:
        case TDotMatrix::Rus5x7:
            return {0, 255};
        case TDotMatrix::mat5x7:
        case TDotMatrix::mat5x8:
        case TDotMatrix::mat7x9:
        case TDotMatrix::mat9x12:
            break;
    }
    return {kAsciiFirst, kAsciiLast};
}

bool GlyphDot(TDotMatrix matrix, std::uint8_t code, int row, int column) {
    const MatrixSize size = SizeOf(matrix);
    const CodeRange codes = CodesOf(matrix);
    if (row < 0 || row >= size.rows || column < 0 || column >= size.columns) return false;
    if (code < codes.first || code > codes.last) return false;
    switch (matrix) {
        case TDotMatrix::mat5x7:
        case TDotMatrix::mat5x8:
            return AsciiDot(code, row, column);
        case TDotMatrix::mat7x9:
            return Dot(kAscii7x9[code - kAsciiFirst], 7, row, column);
        case TDotMatrix::mat9x12:
            return Dot(kAscii9x12[code - kAsciiFirst], 9, row, column);
        case TDotMatrix::Hitachi:
            return HitachiDot(code, row, column);
        case TDotMatrix::Hitachi2:
            return Hitachi2Dot(code, row, column);
        case TDotMatrix::dos5x7:
            return DosDot(code, row, column);
        case TDotMatrix::Rus5x7:
            return RusDot(code, row, column);
    }
    return false;
}

}  // namespace displays
