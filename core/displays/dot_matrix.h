#pragma once
#include <cstdint>

namespace displays {

// The glyph sets of the dot-matrix display, each with its own cell size.
enum class TDotMatrix : std::uint8_t { mat5x7, mat5x8, mat7x9, mat9x12, Hitachi, Hitachi2, dos5x7, Rus5x7 };

struct MatrixSize {
    int columns;
    int rows;
};

MatrixSize SizeOf(TDotMatrix matrix);

// The character codes the set has glyphs for; other codes show every dot off.
struct CodeRange {
    int first;
    int last;
};

CodeRange CodesOf(TDotMatrix matrix);

// Whether dot (row, column) of the glyph for `code` is lit; rows count from the top,
// columns from the left. False outside the set's codes or the matrix.
bool GlyphDot(TDotMatrix matrix, std::uint8_t code, int row, int column);

}  // namespace displays
