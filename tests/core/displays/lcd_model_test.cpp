#include "core/displays/lcd_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace displays;

namespace {

using Grid = std::vector<std::string>;

// A display of `chars` characters and `lines` lines showing `text`, scrolling when asked.
LcdModel Display(int chars, int lines, std::vector<std::string> text, TScrollMode mode = TScrollMode::smIndependant) {
    LcdModel lcd;
    lcd.set_NoOfChars(chars);
    lcd.set_NoOfLines(lines);
    lcd.set_ScrollMode(mode);
    lcd.set_Lines(std::move(text));
    return lcd;
}

// The settings of the About box's marquee.
LcdModel Marquee() {
    LcdModel lcd;
    lcd.set_Lines({"Tessly Dozidi Davazez"});
    lcd.set_PixelSize(TPixelSize::pix2x2);
    lcd.set_PixelSpacing(0);
    lcd.set_CharSpacing(0);
    lcd.set_LineSpacing(1);
    lcd.set_BorderSpace(3);
    lcd.set_PixelShape(TPixelShape::psShaped);
    lcd.set_ScrollActive(true);
    return lcd;
}

}  // namespace

TEST(LcdModel, StartsWithItsDefaults) {
    LcdModel lcd;
    EXPECT_TRUE(lcd.Lines().empty());
    EXPECT_EQ(lcd.NoOfLines(), 1);
    EXPECT_EQ(lcd.NoOfChars(), 10);
    EXPECT_EQ(lcd.DotMatrix(), TDotMatrix::mat5x7);
    EXPECT_EQ(lcd.PixelSize(), TPixelSize::pix2x2);
    EXPECT_EQ(lcd.PixelWidth(), 2);
    EXPECT_EQ(lcd.PixelHeight(), 2);
    EXPECT_EQ(lcd.PixelShape(), TPixelShape::psSquare);
    EXPECT_EQ(lcd.PixelSpacing(), 1);
    EXPECT_EQ(lcd.CharSpacing(), 1);
    EXPECT_EQ(lcd.LineSpacing(), 1);
    EXPECT_EQ(lcd.BorderSpace(), 3);
    EXPECT_EQ(lcd.BorderStyle(), TLCDBorder::bsLowered);
    EXPECT_EQ(lcd.BorderColor(), Rgb(0, 0, 0));
    EXPECT_EQ(lcd.color(), Rgb(192, 192, 192));
    EXPECT_EQ(lcd.PixelOn(), Rgb(0, 0, 0));
    EXPECT_EQ(lcd.PixelOff(), Rgb(170, 170, 170));
    EXPECT_FALSE(lcd.ScrollActive());
    EXPECT_EQ(lcd.ScrollDirection(), TScrollDirection::sdRighttoLeft);
    EXPECT_EQ(lcd.ScrollMode(), TScrollMode::smIndependant);
    EXPECT_EQ(lcd.ScrollSpeed(), 250u);
    // Ten cells of 14 x 20 with their gaps, border space and frame.
    EXPECT_EQ(lcd.SnappedSize(), (PanelSize{166, 28}));
    // Created at that size, the control is not resized by its first paint.
    EXPECT_EQ(lcd.UpdateMetrics({166, 28}), (PanelSize{166, 28}));
    EXPECT_EQ(lcd.NoOfChars(), 10);
}

TEST(LcdModel, InvalidValuesAreRefusedWithTheirMessageAndKeepTheOldValue) {
    LcdModel lcd;
    const auto refused = [](WriteResult r) { return std::wstring(r.refusal ? r.refusal : L"accepted"); };
    EXPECT_EQ(refused(lcd.set_PixelSpacing(-1)), L"Pixel spacing can't be less than zero!");
    EXPECT_EQ(refused(lcd.set_CharSpacing(-1)), L"Character spacing can't be less than zero!");
    EXPECT_EQ(refused(lcd.set_LineSpacing(-2)), L"Line spacing can't be less than zero!");
    EXPECT_EQ(refused(lcd.set_BorderSpace(-1)), L"Border spacing can't be less than zero!");
    EXPECT_EQ(refused(lcd.set_NoOfLines(0)), L"Display needs at least one line!");
    EXPECT_EQ(refused(lcd.set_NoOfChars(0)), L"Display needs at least one character!");
    EXPECT_EQ(lcd.PixelSpacing(), 1);
    EXPECT_EQ(lcd.CharSpacing(), 1);
    EXPECT_EQ(lcd.LineSpacing(), 1);
    EXPECT_EQ(lcd.BorderSpace(), 3);
    EXPECT_EQ(lcd.NoOfLines(), 1);
    EXPECT_EQ(lcd.NoOfChars(), 10);
    EXPECT_FALSE(lcd.set_NoOfChars(0).repaint);

    // Zero is a valid spacing.
    EXPECT_EQ(refused(lcd.set_PixelSpacing(0)), L"accepted");
    EXPECT_EQ(lcd.PixelSpacing(), 0);

    // Dot sizes are writable only for custom dots; otherwise the write is ignored quietly.
    EXPECT_EQ(lcd.set_PixelWidth(0), WriteResult{});
    EXPECT_EQ(lcd.set_PixelWidth(7), WriteResult{});
    EXPECT_EQ(lcd.PixelWidth(), 2);
    lcd.set_PixelSize(TPixelSize::pixCustom);
    EXPECT_EQ(refused(lcd.set_PixelWidth(0)), L"Display pixel width must be 1 or greater!");
    EXPECT_EQ(refused(lcd.set_PixelHeight(0)), L"Display pixel height must be 1 or greate!");
    EXPECT_EQ(lcd.PixelWidth(), 2);
    EXPECT_EQ(lcd.PixelHeight(), 2);
    EXPECT_EQ(refused(lcd.set_PixelWidth(3)), L"accepted");
    EXPECT_EQ(refused(lcd.set_PixelHeight(4)), L"accepted");
    EXPECT_EQ(lcd.DotWidth(), 3);
    EXPECT_EQ(lcd.DotHeight(), 4);
}

TEST(LcdModel, WritesSayWhetherTheBlankCellIsRebuiltOrOnlyRepainted) {
    LcdModel lcd;
    const WriteResult rebuild{nullptr, true, true};
    const WriteResult repaint{nullptr, false, true};
    EXPECT_EQ(lcd.set_DotMatrix(TDotMatrix::mat7x9), rebuild);
    EXPECT_EQ(lcd.set_PixelShape(TPixelShape::psRound), rebuild);
    EXPECT_EQ(lcd.set_PixelSize(TPixelSize::pix3x3), rebuild);
    EXPECT_EQ(lcd.set_PixelSpacing(2), rebuild);
    EXPECT_EQ(lcd.set_color(Rgb(0, 0, 0)), rebuild);
    EXPECT_EQ(lcd.set_PixelOff(Rgb(1, 2, 3)), rebuild);
    EXPECT_EQ(lcd.set_PixelOn(Rgb(4, 5, 6)), repaint);
    EXPECT_EQ(lcd.set_BorderStyle(TLCDBorder::bsSingle), repaint);
    EXPECT_EQ(lcd.set_BorderColor(Rgb(7, 8, 9)), repaint);
    EXPECT_EQ(lcd.set_CharSpacing(0), repaint);
    EXPECT_EQ(lcd.set_LineSpacing(0), repaint);
    EXPECT_EQ(lcd.set_BorderSpace(0), repaint);
    EXPECT_EQ(lcd.set_Lines({"x"}), repaint);
    EXPECT_EQ(lcd.set_ScrollMode(TScrollMode::smDependant), repaint);
    EXPECT_EQ(lcd.set_ScrollActive(true), repaint);
    EXPECT_EQ(lcd.PixelOn(), Rgb(4, 5, 6));
    EXPECT_EQ(lcd.BorderColor(), Rgb(7, 8, 9));
    lcd.set_ScrollSpeed(100);
    EXPECT_EQ(lcd.ScrollSpeed(), 100u);
}

TEST(LcdModel, DotSizeFollowsThePixelSize) {
    LcdModel lcd;
    lcd.set_PixelSize(TPixelSize::pix1x1);
    EXPECT_EQ(lcd.DotWidth(), 1);
    EXPECT_TRUE(lcd.SinglePixelDots());
    lcd.set_PixelSize(TPixelSize::pix16x16);
    EXPECT_EQ(lcd.DotWidth(), 16);
    EXPECT_EQ(lcd.DotHeight(), 16);
    EXPECT_EQ(lcd.PixelWidth(), 16);
    EXPECT_EQ(lcd.PixelHeight(), 16);
    EXPECT_FALSE(lcd.SinglePixelDots());
    // Custom dots start from the last size and keep their own.
    lcd.set_PixelSize(TPixelSize::pixCustom);
    EXPECT_EQ(lcd.DotWidth(), 16);
    lcd.set_PixelWidth(5);
    lcd.set_PixelHeight(2);
    lcd.set_PixelSpacing(1);
    EXPECT_EQ(lcd.CellWidth(), 5 * 5 + 4);
    EXPECT_EQ(lcd.CellHeight(), 7 * 2 + 6);
    lcd.set_PixelSize(TPixelSize::pix4x4);
    EXPECT_EQ(lcd.PixelWidth(), 4);
    EXPECT_EQ(lcd.PixelHeight(), 4);
}

TEST(LcdModel, TheMarqueeSnapsToFortyOneCharactersOnOneLine) {
    LcdModel lcd = Marquee();
    EXPECT_EQ(lcd.CellWidth(), 10);
    EXPECT_EQ(lcd.CellHeight(), 14);
    // Loading the form gives the control its bounds; the first paint fits the counts to them.
    EXPECT_EQ(lcd.UpdateMetrics({458, 22}), (PanelSize{458, 22}));
    EXPECT_EQ(lcd.NoOfChars(), 41);
    EXPECT_EQ(lcd.NoOfLines(), 1);
    // A size between whole cells snaps down to them.
    EXPECT_EQ(lcd.UpdateMetrics({465, 30}), (PanelSize{458, 22}));
    EXPECT_EQ(lcd.UpdateMetrics({469, 38}), (PanelSize{469, 38}));
    EXPECT_EQ(lcd.NoOfChars(), 42);
    EXPECT_EQ(lcd.NoOfLines(), 2);
    // Too small for one cell still keeps one.
    EXPECT_EQ(lcd.UpdateMetrics({3, 3}), (PanelSize{18, 22}));
    EXPECT_EQ(lcd.NoOfChars(), 1);
    EXPECT_EQ(lcd.NoOfLines(), 1);
    // A count written by a property changes the size at the next paint, not the count.
    lcd.set_NoOfChars(5);
    EXPECT_EQ(lcd.UpdateMetrics({18, 22}), (PanelSize{62, 22}));
    EXPECT_EQ(lcd.NoOfChars(), 5);
}

TEST(LcdModel, CellsAndDotsArePlacedOnTheirGrid) {
    LcdModel lcd;  // dots 2 x 2, spacing 1, character and line spacing 1, border space 3
    lcd.set_NoOfLines(2);
    EXPECT_EQ(lcd.CellBox(0, 0), (Box{4, 4, 18, 24}));
    EXPECT_EQ(lcd.CellBox(0, 1), (Box{20, 4, 34, 24}));
    EXPECT_EQ(lcd.CellBox(1, 2), (Box{36, 26, 50, 46}));
    EXPECT_EQ(lcd.DotBoxAt(0, 0), (Box{0, 0, 2, 2}));
    EXPECT_EQ(lcd.DotBoxAt(6, 4), (Box{12, 18, 14, 20}));
    // The last dot ends at the cell's edge.
    EXPECT_EQ(lcd.DotBoxAt(6, 4).right, lcd.CellWidth());
    EXPECT_EQ(lcd.DotBoxAt(6, 4).bottom, lcd.CellHeight());
}

TEST(LcdModel, LitDotsFollowTheGlyph) {
    LcdModel lcd;
    EXPECT_TRUE(lcd.LitDots(' ').empty());
    EXPECT_TRUE(lcd.LitDots(200).empty());  // no glyph in the 5 x 7 set
    // "-" is the middle row.
    const std::vector<Box> dash = lcd.LitDots('-');
    ASSERT_EQ(dash.size(), 5u);
    for (int c = 0; c < 5; ++c) EXPECT_EQ(dash[c], lcd.DotBoxAt(3, c));
    EXPECT_EQ(lcd.LitDots('A').size(), 18u);
    EXPECT_EQ(lcd.LitDots('A').front(), lcd.DotBoxAt(0, 1));
    lcd.set_DotMatrix(TDotMatrix::dos5x7);
    EXPECT_FALSE(lcd.LitDots(200).empty());
}

TEST(LcdModel, WorkLinesFillTheDisplayAndKeepAGapBeforeTheTextRepeats) {
    // No text on two lines: two lines of blank cells.
    LcdModel empty = Display(5, 2, {});
    EXPECT_EQ(empty.WorkLines(), (Grid{"     ", "     "}));
    EXPECT_EQ(empty.CharacterGrid(), (Grid{"     ", "     "}));

    LcdModel independent = Display(5, 3, {"AB", "ABCDEFG", ""});
    EXPECT_EQ(independent.WorkLines(), (Grid{"AB   ", "ABCDEFG ", ""}));
    EXPECT_EQ(independent.CharacterGrid(), (Grid{"AB   ", "ABCDE", "     "}));

    LcdModel dependent = Display(5, 2, {"A", "ABCDEFG"}, TScrollMode::smDependant);
    EXPECT_EQ(dependent.WorkLines(), (Grid{"A       ", "ABCDEFG "}));
    // Short texts on a wide display all take its width plus one.
    LcdModel wide = Display(10, 1, {"AB"}, TScrollMode::smDependant);
    EXPECT_EQ(wide.WorkLines(), (Grid{"AB         "}));
}

TEST(LcdModel, ScrollingRightToLeftRotatesEachLineByItsOwnLength) {
    LcdModel lcd = Display(5, 2, {"AB", "ABCDEFG"});
    lcd.set_ScrollActive(true);
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"B   A", "BCDEF"}));
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"   AB", "CDEFG"}));
    for (int i = 0; i < 3; ++i) lcd.ScrollStep();
    // After its five characters the first line is back; the second needs eight.
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"AB   ", "FG AB"}));
    for (int i = 0; i < 3; ++i) lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid()[1], "ABCDE");
}

TEST(LcdModel, ScrollingWithOneSharedLengthKeepsTheLinesInStep) {
    LcdModel lcd = Display(5, 2, {"A", "ABCDEFG"}, TScrollMode::smDependant);
    lcd.set_ScrollActive(true);
    for (int i = 0; i < 6; ++i) lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"  A  ", "G ABC"}));
    lcd.ScrollStep();
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"A    ", "ABCDE"}));
}

TEST(LcdModel, ScrollingInTheOtherDirections) {
    LcdModel lcd = Display(3, 2, {"ABC", "DEF", "GHI"});
    lcd.set_ScrollDirection(TScrollDirection::sdLefttoRight);
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{" AB", " DE"}));
    // Only the displayed lines move sideways.
    EXPECT_EQ(lcd.WorkLines()[2], "GHI ");

    lcd.set_ScrollActive(true);  // restarts from the unscrolled text
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"ABC", "DEF"}));
    lcd.set_ScrollDirection(TScrollDirection::sdUptoDown);
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"DEF", "GHI"}));
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"GHI", "ABC"}));
    lcd.set_ScrollDirection(TScrollDirection::sdDowntoUp);
    lcd.ScrollStep();
    lcd.ScrollStep();
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"GHI", "ABC"}));
    lcd.ScrollStep();
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"DEF", "GHI"}));
}

TEST(LcdModel, CountChangesRebuildTheWorkLinesOnlyWhileScrolling) {
    LcdModel lcd = Display(5, 1, {"AB"});
    lcd.set_NoOfChars(8);
    EXPECT_EQ(lcd.WorkLines(), (Grid{"AB   "}));
    EXPECT_EQ(lcd.CharacterGrid(), (Grid{"AB      "}));
    lcd.set_ScrollActive(true);
    lcd.ScrollStep();
    lcd.set_NoOfLines(2);
    EXPECT_EQ(lcd.WorkLines(), (Grid{"AB      ", "        "}));
    // A scrolling display with nothing to show does not fail.
    LcdModel nothing;
    nothing.ScrollStep();
    EXPECT_EQ(nothing.CharacterGrid(), (Grid{"          "}));
}
