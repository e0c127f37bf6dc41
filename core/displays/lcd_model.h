#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/chart/chart_types.h"
#include "core/displays/dot_matrix.h"

namespace displays {

using chart::Color;
using chart::Rgb;

enum class TPixelSize : std::uint8_t {
    pix1x1,
    pix2x2,
    pix3x3,
    pix4x4,
    pix5x5,
    pix6x6,
    pix7x7,
    pix8x8,
    pix9x9,
    pix10x10,
    pix11x11,
    pix12x12,
    pix13x13,
    pix14x14,
    pix15x15,
    pix16x16,
    pixCustom
};
enum class TPixelShape : std::uint8_t { psSquare, psRound, psShaped };
enum class TLCDBorder : std::uint8_t { bsRaised, bsLowered, bsSingle, bsNone };
enum class TScrollDirection : std::uint8_t { sdRighttoLeft, sdLefttoRight, sdUptoDown, sdDowntoUp };
enum class TScrollMode : std::uint8_t { smIndependant, smDependant };

struct PanelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PanelSize&) const = default;
};

// A rectangle by its edges; right and bottom lie outside it.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Box&) const = default;
};

// What a property write asks of the control that shows the model. A refused write leaves
// the property as it was and names the message to show.
struct WriteResult {
    const wchar_t* refusal = nullptr;
    bool rebuild_blank_cell = false;
    bool repaint = false;
    bool operator==(const WriteResult&) const = default;
};

// The drawing-independent half of the dot-matrix text panel: its properties, the metrics
// that snap the panel to whole cells, the work lines that scrolling rotates and what each
// cell shows. The control paints what this says.
class LcdModel {
public:
    LcdModel();

    // The text, one entry per line, in 8-bit character codes as the glyph sets number them.
    const std::vector<std::string>& Lines() const { return lines_; }
    WriteResult set_Lines(std::vector<std::string> lines);
    int NoOfLines() const { return no_of_lines_; }
    WriteResult set_NoOfLines(int value);
    int NoOfChars() const { return no_of_chars_; }
    WriteResult set_NoOfChars(int value);
    TDotMatrix DotMatrix() const { return dot_matrix_; }
    WriteResult set_DotMatrix(TDotMatrix value);
    TPixelSize PixelSize() const { return pixel_size_; }
    WriteResult set_PixelSize(TPixelSize value);
    int PixelWidth() const { return pixel_width_; }
    WriteResult set_PixelWidth(int value);
    int PixelHeight() const { return pixel_height_; }
    WriteResult set_PixelHeight(int value);
    TPixelShape PixelShape() const { return pixel_shape_; }
    WriteResult set_PixelShape(TPixelShape value);
    int PixelSpacing() const { return pixel_spacing_; }
    WriteResult set_PixelSpacing(int value);
    int CharSpacing() const { return char_spacing_; }
    WriteResult set_CharSpacing(int value);
    int LineSpacing() const { return line_spacing_; }
    WriteResult set_LineSpacing(int value);
    int BorderSpace() const { return border_space_; }
    WriteResult set_BorderSpace(int value);
    TLCDBorder BorderStyle() const { return border_style_; }
    WriteResult set_BorderStyle(TLCDBorder value);
    Color BorderColor() const { return border_color_; }
    WriteResult set_BorderColor(Color value);
    // The panel's background (the published Color).
    Color color() const { return color_; }
    WriteResult set_color(Color value);
    Color PixelOn() const { return pixel_on_; }
    WriteResult set_PixelOn(Color value);
    Color PixelOff() const { return pixel_off_; }
    WriteResult set_PixelOff(Color value);
    bool ScrollActive() const { return scroll_active_; }
    WriteResult set_ScrollActive(bool value);
    TScrollDirection ScrollDirection() const { return scroll_direction_; }
    // Takes effect at the next scroll step.
    void set_ScrollDirection(TScrollDirection value) { scroll_direction_ = value; }
    TScrollMode ScrollMode() const { return scroll_mode_; }
    WriteResult set_ScrollMode(TScrollMode value);
    // Milliseconds per scroll step: the control's timer interval.
    std::uint32_t ScrollSpeed() const { return scroll_speed_; }
    void set_ScrollSpeed(std::uint32_t value) { scroll_speed_ = value; }

    // Brings the metrics up to date for a control of size `current`. A size other than the
    // last one recorded is a resize, which refits the line and character counts to it. Returns
    // the size the control must take: always whole cells.
    PanelSize UpdateMetrics(PanelSize current);
    // The panel's size for the present counts and metrics.
    PanelSize SnappedSize() const;

    int DotWidth() const { return dot_width_; }
    int DotHeight() const { return dot_height_; }
    MatrixSize Matrix() const { return SizeOf(dot_matrix_); }
    int CellWidth() const;
    int CellHeight() const;
    // Where the cell of line `line` and character `column` lies on the panel.
    Box CellBox(int line, int column) const;
    // The box of dot (row, column) inside a cell whose top-left corner is at (0, 0).
    Box DotBoxAt(int row, int column) const;
    // The dots lit for `code` in a cell at (0, 0); none for a space or a code without a glyph.
    std::vector<Box> LitDots(std::uint8_t code) const;
    // Single-pixel dots are set pixel by pixel rather than filled.
    bool SinglePixelDots() const { return pixel_size_ == TPixelSize::pix1x1; }

    // The lines the display shows and rotates: Lines filled up to the line count and padded
    // with spaces so that scrolled text keeps a gap.
    const std::vector<std::string>& WorkLines() const { return work_lines_; }
    // NoOfLines rows of NoOfChars codes: what each cell shows now.
    std::vector<std::string> CharacterGrid() const;
    // One timer tick: rotates the work lines in the scroll direction.
    void ScrollStep();

private:
    void LinesChanged();
    void FollowPixelSize();
    // The result of an accepted write that changes the work lines when scrolling.
    WriteResult CountChanged();

    std::vector<std::string> lines_;
    int no_of_lines_ = 1;
    int no_of_chars_ = 10;
    TDotMatrix dot_matrix_ = TDotMatrix::mat5x7;
    TPixelSize pixel_size_ = TPixelSize::pix2x2;
    int pixel_width_ = 2;
    int pixel_height_ = 2;
    TPixelShape pixel_shape_ = TPixelShape::psSquare;
    int pixel_spacing_ = 1;
    int char_spacing_ = 1;
    int line_spacing_ = 1;
    int border_space_ = 3;
    TLCDBorder border_style_ = TLCDBorder::bsLowered;
    Color border_color_ = Rgb(0, 0, 0);
    Color color_ = Rgb(192, 192, 192);
    Color pixel_on_ = Rgb(0, 0, 0);
    Color pixel_off_ = Rgb(170, 170, 170);
    bool scroll_active_ = false;
    TScrollDirection scroll_direction_ = TScrollDirection::sdRighttoLeft;
    TScrollMode scroll_mode_ = TScrollMode::smIndependant;
    std::uint32_t scroll_speed_ = 250;

    int dot_width_ = 2;
    int dot_height_ = 2;
    PanelSize last_size_;
    std::vector<std::string> work_lines_;
};

}  // namespace displays
