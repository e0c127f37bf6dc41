#pragma once
#include <windows.h>

#include <cstdint>

#include "core/displays/lcd_model.h"
#include "platform/handles.h"
#include "ui/graphic_control.h"
#include "ui/string_list.h"
#include "ui/timer.h"

namespace controls {

// A dot-matrix text panel drawn on its parent: character cells of lit and unlit dots from
// the glyph tables, a bevelled border and text that scrolls one character (or one line) per
// timer tick. It always takes the size of a whole number of cells. An invalid property
// value is refused with a message box and the old value stays.
class TLCDScreen : public ui::GraphicControl {
    UI_PUBLISHED(TLCDScreen, "TLCDScreen")

public:
    explicit TLCDScreen(ui::Component* owner);

    ui::StringList& Lines() { return lines_; }
    int NoOfLines() const { return model_.NoOfLines(); }
    void SetNoOfLines(int value) { Apply(model_.set_NoOfLines(value)); }
    int NoOfChars() const { return model_.NoOfChars(); }
    void SetNoOfChars(int value) { Apply(model_.set_NoOfChars(value)); }
    displays::TDotMatrix DotMatrix() const { return model_.DotMatrix(); }
    void SetDotMatrix(displays::TDotMatrix value);
    displays::TPixelSize PixelSize() const { return model_.PixelSize(); }
    void SetPixelSize(displays::TPixelSize value) { Apply(model_.set_PixelSize(value)); }
    int PixelWidth() const { return model_.PixelWidth(); }
    void SetPixelWidth(int value) { Apply(model_.set_PixelWidth(value)); }
    int PixelHeight() const { return model_.PixelHeight(); }
    void SetPixelHeight(int value) { Apply(model_.set_PixelHeight(value)); }
    displays::TPixelShape PixelShape() const { return model_.PixelShape(); }
    void SetPixelShape(displays::TPixelShape value) { Apply(model_.set_PixelShape(value)); }
    int PixelSpacing() const { return model_.PixelSpacing(); }
    void SetPixelSpacing(int value) { Apply(model_.set_PixelSpacing(value)); }
    int CharSpacing() const { return model_.CharSpacing(); }
    void SetCharSpacing(int value) { Apply(model_.set_CharSpacing(value)); }
    int LineSpacing() const { return model_.LineSpacing(); }
    void SetLineSpacing(int value) { Apply(model_.set_LineSpacing(value)); }
    int BorderSpace() const { return model_.BorderSpace(); }
    void SetBorderSpace(int value) { Apply(model_.set_BorderSpace(value)); }
    displays::TLCDBorder BorderStyle() const { return model_.BorderStyle(); }
    void SetBorderStyle(displays::TLCDBorder value) { Apply(model_.set_BorderStyle(value)); }
    ui::Color BorderColor() const { return border_color_; }
    void SetBorderColor(ui::Color value);
    ui::Color PixelOn() const { return pixel_on_; }
    void SetPixelOn(ui::Color value);
    ui::Color PixelOff() const { return pixel_off_; }
    void SetPixelOff(ui::Color value);
    bool ScrollActive() const { return model_.ScrollActive(); }
    void SetScrollActive(bool value);
    displays::TScrollDirection ScrollDirection() const { return model_.ScrollDirection(); }
    void SetScrollDirection(displays::TScrollDirection value) { model_.set_ScrollDirection(value); }
    displays::TScrollMode ScrollMode() const { return model_.ScrollMode(); }
    void SetScrollMode(displays::TScrollMode value) { Apply(model_.set_ScrollMode(value)); }
    std::int64_t ScrollSpeed() const { return model_.ScrollSpeed(); }
    void SetScrollSpeed(std::int64_t value);

    const displays::LcdModel& Model() const { return model_; }
    // One scroll step, as the timer takes it.
    void ScrollStep();

    void Paint(HDC dc) override;
    // The panel covers its whole box, so nothing under it needs erasing first.
    void Invalidate() override;

protected:
    // A description sets size and metrics one by one: the panel fits itself to them at the end.
    void Loaded() override { BuildBlankCell(); }
    void ColorChanged() override;
    void EnabledChanged() override { Invalidate(); }

private:
    void Apply(const displays::WriteResult& result);
    void LinesChanged();
    void SnapToCells();
    void BuildBlankCell();
    void DrawBorder(HDC dc, int width, int height) const;
    void DrawCell(HDC dc, int x, int y, std::uint8_t code) const;

    displays::LcdModel model_;
    ui::StringList lines_;
    ui::Color border_color_;
    ui::Color pixel_on_;
    ui::Color pixel_off_;
    ui::Timer timer_{nullptr};
    platform::BitmapHandle blank_cell_;
    platform::MemoryDc blank_cell_dc_;  // deleted first, which lets go of the bitmap
};

}  // namespace controls
