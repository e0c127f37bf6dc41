#include "core/displays/dot_matrix.h"
#include "core/displays/glyph_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace displays;

namespace {

constexpr TDotMatrix kAllMatrices[] = {TDotMatrix::mat5x7,  TDotMatrix::mat5x8,  TDotMatrix::mat7x9,
                                       TDotMatrix::mat9x12, TDotMatrix::Hitachi, TDotMatrix::Hitachi2,
                                       TDotMatrix::dos5x7,  TDotMatrix::Rus5x7};

// The glyph as rows of '#' (on) and '.' (off).
std::vector<std::string> Picture(TDotMatrix matrix, int code) {
    const MatrixSize size = SizeOf(matrix);
    std::vector<std::string> rows;
    for (int r = 0; r < size.rows; ++r) {
        std::string row;
        for (int c = 0; c < size.columns; ++c)
            row += GlyphDot(matrix, static_cast<std::uint8_t>(code), r, c) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

bool Blank(TDotMatrix matrix, int code) {
    for (const std::string& row : Picture(matrix, code))
        if (row.find('#') != std::string::npos) return false;
    return true;
}

// Codes that are blank by design: the space, and in the PC sets the null and no-break
// space codes.
bool BlankByDesign(TDotMatrix matrix, int code) {
    if (code == ' ') return true;
    const bool pc_set = matrix == TDotMatrix::dos5x7 || matrix == TDotMatrix::Rus5x7;
    return pc_set && (code == 0 || code == 255);
}

template <typename Row, std::size_t Count, std::size_t Rows>
bool FitsColumns(const Row (&table)[Count][Rows], int columns) {
    for (const auto& glyph : table)
        for (Row row : glyph)
            if (row >> columns) return false;
    return true;
}

}  // namespace

TEST(Glyphs, MatrixSizesAndCodeRanges) {
    const std::pair<TDotMatrix, MatrixSize> sizes[] = {{TDotMatrix::mat5x7, {5, 7}},  {TDotMatrix::mat5x8, {5, 8}},
                                                       {TDotMatrix::mat7x9, {7, 9}},  {TDotMatrix::mat9x12, {9, 12}},
                                                       {TDotMatrix::Hitachi, {5, 7}}, {TDotMatrix::Hitachi2, {5, 10}},
                                                       {TDotMatrix::dos5x7, {5, 7}},  {TDotMatrix::Rus5x7, {5, 7}}};
    for (const auto& [matrix, size] : sizes) {
        EXPECT_EQ(SizeOf(matrix).columns, size.columns);
        EXPECT_EQ(SizeOf(matrix).rows, size.rows);
    }
    for (TDotMatrix m : {TDotMatrix::mat5x7, TDotMatrix::mat5x8, TDotMatrix::mat7x9, TDotMatrix::mat9x12}) {
        EXPECT_EQ(CodesOf(m).first, 32);
        EXPECT_EQ(CodesOf(m).last, 126);
    }
    for (TDotMatrix m : {TDotMatrix::Hitachi, TDotMatrix::Hitachi2}) {
        EXPECT_EQ(CodesOf(m).first, 32);
        EXPECT_EQ(CodesOf(m).last, 223);
    }
    for (TDotMatrix m : {TDotMatrix::dos5x7, TDotMatrix::Rus5x7}) {
        EXPECT_EQ(CodesOf(m).first, 0);
        EXPECT_EQ(CodesOf(m).last, 255);
    }
}

TEST(Glyphs, EveryCodeOfEverySetHasAGlyphAndOthersShowNothing) {
    for (TDotMatrix matrix : kAllMatrices) {
        const CodeRange codes = CodesOf(matrix);
        for (int code = 0; code <= 255; ++code) {
            const bool covered = code >= codes.first && code <= codes.last;
            EXPECT_EQ(Blank(matrix, code), !covered || BlankByDesign(matrix, code))
                << "matrix " << static_cast<int>(matrix) << " code " << code;
        }
    }
}

TEST(Glyphs, NoGlyphLightsDotsBeyondItsMatrix) {
    EXPECT_TRUE(FitsColumns(kAscii5x7, 5));
    EXPECT_TRUE(FitsColumns(kAscii7x9, 7));
    EXPECT_TRUE(FitsColumns(kAscii9x12, 9));
    EXPECT_TRUE(FitsColumns(kControl5x7, 5));
    EXPECT_TRUE(FitsColumns(kDosHigh5x7, 5));
    EXPECT_TRUE(FitsColumns(kRusLetters5x7, 5));
    EXPECT_TRUE(FitsColumns(kRusLettersHigh5x7, 5));
    EXPECT_TRUE(FitsColumns(kRusSigns5x7, 5));
    EXPECT_TRUE(FitsColumns(kHitachiTall5x10, 5));
    for (TDotMatrix matrix : kAllMatrices) {
        const MatrixSize size = SizeOf(matrix);
        EXPECT_FALSE(GlyphDot(matrix, 'A', -1, 0));
        EXPECT_FALSE(GlyphDot(matrix, 'A', 0, -1));
        EXPECT_FALSE(GlyphDot(matrix, 'A', size.rows, 0));
        EXPECT_FALSE(GlyphDot(matrix, 'A', 0, size.columns));
    }
}

TEST(Glyphs, CapitalAIsTheSameInEveryFiveBySevenSet) {
    const std::vector<std::string> a = {".###.", "#...#", "#...#", "#...#", "#####", "#...#", "#...#"};
    EXPECT_EQ(Picture(TDotMatrix::mat5x7, 'A'), a);
    EXPECT_EQ(Picture(TDotMatrix::Hitachi, 'A'), a);
    EXPECT_EQ(Picture(TDotMatrix::dos5x7, 'A'), a);
    EXPECT_EQ(Picture(TDotMatrix::Rus5x7, 'A'), a);
    std::vector<std::string> a8 = a;
    a8.push_back(".....");
    EXPECT_EQ(Picture(TDotMatrix::mat5x8, 'A'), a8);
    std::vector<std::string> a10 = a8;
    a10.insert(a10.end(), {".....", "....."});
    EXPECT_EQ(Picture(TDotMatrix::Hitachi2, 'A'), a10);
}

TEST(Glyphs, TheRussianSetHoldsDistinctCyrillicLettersInItsUpperHalf) {
    // DOS Cyrillic layout: А..Я 128..159, а..п 160..175, р..я 224..239, Ё 240, ё 241.
    std::vector<int> capitals;
    std::vector<int> small;
    for (int code = 128; code <= 159; ++code) capitals.push_back(code);
    capitals.push_back(240);
    for (int code = 160; code <= 175; ++code) small.push_back(code);
    for (int code = 224; code <= 239; ++code) small.push_back(code);
    small.push_back(241);
    for (const std::vector<int>* letters : {&capitals, &small}) {
        std::set<std::vector<std::string>> shapes;
        for (int code : *letters) shapes.insert(Picture(TDotMatrix::Rus5x7, code));
        EXPECT_EQ(shapes.size(), 33u);
    }
    const std::vector<std::string> ya = {".####", "#...#", "#...#", ".####", "..#.#", ".#..#", "#...#"};
    EXPECT_EQ(Picture(TDotMatrix::Rus5x7, 159), ya);
    // The lower half is the PC set's, the upper half is not.
    for (int code = 0; code < 128; ++code)
        EXPECT_EQ(Picture(TDotMatrix::Rus5x7, code), Picture(TDotMatrix::dos5x7, code)) << code;
    EXPECT_NE(Picture(TDotMatrix::Rus5x7, 129), Picture(TDotMatrix::dos5x7, 129));
}

TEST(Glyphs, TheTallHitachiCodesUseTheirDescenderRows) {
    // 194.. are a..z; g, j, p, q and y reach below the line.
    for (char letter : std::string("gjpqy")) {
        const std::vector<std::string> glyph = Picture(TDotMatrix::Hitachi2, 194 + (letter - 'a'));
        EXPECT_NE((glyph[7] + glyph[8] + glyph[9]).find('#'), std::string::npos) << letter;
    }
    // Codes below 194 keep the short glyphs, with the three lowest rows off.
    for (int code = 32; code <= 193; ++code) {
        const std::vector<std::string> tall = Picture(TDotMatrix::Hitachi2, code);
        const std::vector<std::string> shorter = Picture(TDotMatrix::Hitachi, code);
        EXPECT_EQ(std::vector<std::string>(tall.begin(), tall.begin() + 7), shorter) << code;
        EXPECT_EQ(tall[7] + tall[8] + tall[9], "...............") << code;
    }
}
