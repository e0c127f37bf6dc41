#include "controls/lcd_screen.h"

#include <string>
#include <vector>

#include "controls/dib_section.h"
#include "controls/rgb_surface.h"
#include "resources/string_ids.h"
#include "ui/application.h"
#include "ui/property.h"
#include "ui/win_control.h"

namespace controls {
namespace {

using displays::TDotMatrix;
using displays::TPixelShape;

const char* const kDotMatrixNames[] = {"mat5x7",  "mat5x8",   "mat7x9", "mat9x12",
                                       "Hitachi", "Hitachi2", "dos5x7", "Rus5x7"};
const char* const kPixelSizeNames[] = {"pix1x1",   "pix2x2",   "pix3x3",   "pix4x4",   "pix5x5",   "pix6x6",
                                       "pix7x7",   "pix8x8",   "pix9x9",   "pix10x10", "pix11x11", "pix12x12",
                                       "pix13x13", "pix14x14", "pix15x15", "pix16x16", "pixCustom"};
const char* const kPixelShapeNames[] = {"psSquare", "psRound", "psShaped"};
const char* const kBorderNames[] = {"bsRaised", "bsLowered", "bsSingle", "bsNone"};
const char* const kScrollDirectionNames[] = {"sdRighttoLeft", "sdLefttoRight", "sdUptoDown", "sdDowntoUp"};
const char* const kScrollModeNames[] = {"smIndependant", "smDependant"};

constexpr ui::Color kDefaultBackground = RGB(192, 192, 192);
constexpr ui::Color kDefaultPixelOff = RGB(170, 170, 170);
constexpr char kSpace = ' ';

// The glyph sets number their characters as these code pages do: the PC set (and the
// Hitachi sets, whose upper codes show its glyphs), its Cyrillic variant, and plain ASCII.
UINT CodePageOf(TDotMatrix matrix) {
    switch (matrix) {
        case TDotMatrix::Rus5x7:
            return 866;
        case TDotMatrix::dos5x7:
        case TDotMatrix::Hitachi:
        case TDotMatrix::Hitachi2:
            return 437;
        default:
            return 1252;
    }
}

std::string GlyphCodes(const std::wstring& line, TDotMatrix matrix) {
    const UINT page = CodePageOf(matrix);
    const int size = static_cast<int>(line.size());
    const int length = WideCharToMultiByte(page, 0, line.data(), size, nullptr, 0, nullptr, nullptr);
    std::string codes(length, kSpace);
    WideCharToMultiByte(page, 0, line.data(), size, codes.data(), length, nullptr, nullptr);
    return codes;
}

RECT ToRect(const displays::Box& box, int x, int y) {
    return {x + box.left, y + box.top, x + box.right, y + box.bottom};
}

// Draws with the device context's own pen and brush, recoloured for each dot.
void FillBox(HDC dc, const RECT& box, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FillRound(HDC dc, const RECT& box, COLORREF color) {
    SetDCBrushColor(dc, color);
    SetDCPenColor(dc, color);
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
}

// An unlit dot of the blank cell, or a lit dot over it.
void DrawDot(HDC dc, const RECT& box, TPixelShape shape, bool single_pixel, COLORREF color) {
    if (single_pixel)
        SetPixelV(dc, box.left, box.top, color);
    else if (shape == TPixelShape::psRound)
        FillRound(dc, box, color);
    else
        FillBox(dc, box, color);
}

class DcDrawingTools {
public:
    explicit DcDrawingTools(HDC dc) : pen_(dc, GetStockObject(DC_PEN)), brush_(dc, GetStockObject(DC_BRUSH)) {}

private:
    platform::Selection pen_;
    platform::Selection brush_;
};

}  // namespace

const ui::PropertyTable& TLCDScreen::ClassProperties() {
    using namespace ui::published;
    using T = TLCDScreen;
    static const ui::PropertyTable table(
        &ui::GraphicControl::ClassProperties(),
        {
            Object("Lines", &T::Lines, ui::PropertyKind::StringList),
            Integer("NoOfLines", &T::NoOfLines, &T::SetNoOfLines),
            Integer("NoOfChars", &T::NoOfChars, &T::SetNoOfChars),
            Enumeration("DotMatrix", &T::DotMatrix, &T::SetDotMatrix, kDotMatrixNames),
            Enumeration("PixelSize", &T::PixelSize, &T::SetPixelSize, kPixelSizeNames),
            Integer("PixelWidth", &T::PixelWidth, &T::SetPixelWidth),
            Integer("PixelHeight", &T::PixelHeight, &T::SetPixelHeight),
            Enumeration("PixelShape", &T::PixelShape, &T::SetPixelShape, kPixelShapeNames),
            Integer("PixelSpacing", &T::PixelSpacing, &T::SetPixelSpacing),
            Integer("CharSpacing", &T::CharSpacing, &T::SetCharSpacing),
            Integer("LineSpacing", &T::LineSpacing, &T::SetLineSpacing),
            Integer("BorderSpace", &T::BorderSpace, &T::SetBorderSpace),
            Enumeration("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, kBorderNames),
            Integer("BorderColor", &T::BorderColor, &T::SetBorderColor, ui::ColorIdents()),
            Integer("PixelOn", &T::PixelOn, &T::SetPixelOn, ui::ColorIdents()),
            Integer("PixelOff", &T::PixelOff, &T::SetPixelOff, ui::ColorIdents()),
            Boolean("ScrollActive", &T::ScrollActive, &T::SetScrollActive),
            Enumeration("ScrollDirection", &T::ScrollDirection, &T::SetScrollDirection, kScrollDirectionNames),
            Enumeration("ScrollMode", &T::ScrollMode, &T::SetScrollMode, kScrollModeNames),
            Integer("ScrollSpeed", &T::ScrollSpeed, &T::SetScrollSpeed),
        }
    );
    return table;
}

TLCDScreen::TLCDScreen(ui::Component* owner)
    : ui::GraphicControl(owner), border_color_(RGB(0, 0, 0)), pixel_on_(RGB(0, 0, 0)), pixel_off_(kDefaultPixelOff) {
    const displays::PanelSize size = model_.SnappedSize();
    SetBounds(0, 0, size.width, size.height);
    lines_.onChange = [this] { LinesChanged(); };
    timer_.SetEnabled(false);
    timer_.SetInterval(static_cast<int>(model_.ScrollSpeed()));
    timer_.OnTimer = [this](ui::NotifyArgs&) { ScrollStep(); };
    SetColor(kDefaultBackground);
}

void TLCDScreen::Apply(const displays::WriteResult& result) {
    if (result.refusal) {
        HWND owner = Parent() && Parent()->HandleAllocated() ? GetAncestor(Parent()->Handle(), GA_ROOT) : nullptr;
        ui::ShowMessage(owner, result.refusal, MB_ICONERROR);
        return;
    }
    if (result.rebuild_blank_cell) BuildBlankCell();
    if (result.repaint) Invalidate();
}

void TLCDScreen::LinesChanged() {
    std::vector<std::string> codes;
    for (const std::wstring& line : lines_.Lines()) codes.push_back(GlyphCodes(line, model_.DotMatrix()));
    Apply(model_.set_Lines(std::move(codes)));
}

void TLCDScreen::SetDotMatrix(displays::TDotMatrix value) {
    Apply(model_.set_DotMatrix(value));
    LinesChanged();
}

void TLCDScreen::SetBorderColor(ui::Color value) {
    border_color_ = value;
    Apply(model_.set_BorderColor(ui::ToColorRef(value)));
}

void TLCDScreen::SetPixelOn(ui::Color value) {
    pixel_on_ = value;
    Apply(model_.set_PixelOn(ui::ToColorRef(value)));
}

void TLCDScreen::SetPixelOff(ui::Color value) {
    pixel_off_ = value;
    Apply(model_.set_PixelOff(ui::ToColorRef(value)));
}

void TLCDScreen::ColorChanged() { Apply(model_.set_color(ui::ToColorRef(EffectiveColor()))); }

void TLCDScreen::SetScrollActive(bool value) {
    Apply(model_.set_ScrollActive(value));
    timer_.SetEnabled(value);
}

void TLCDScreen::SetScrollSpeed(std::int64_t value) {
    model_.set_ScrollSpeed(static_cast<std::uint32_t>(value));
    timer_.SetInterval(static_cast<int>(model_.ScrollSpeed()));
}

void TLCDScreen::ScrollStep() {
    model_.ScrollStep();
    Invalidate();
}

void TLCDScreen::Invalidate() {
    if (!Parent() || !Parent()->HandleAllocated()) return;
    const RECT bounds = BoundsRect();
    InvalidateRect(Parent()->Handle(), &bounds, FALSE);
}

void TLCDScreen::SnapToCells() {
    if (Loading()) return;
    const displays::PanelSize size = model_.UpdateMetrics({Width(), Height()});
    if (size.width != Width() || size.height != Height()) SetBounds(Left(), Top(), size.width, size.height);
}

void TLCDScreen::BuildBlankCell() {
    SnapToCells();
    const int width = model_.CellWidth();
    const int height = model_.CellHeight();
    platform::WindowDc screen;
    blank_cell_dc_.Reset();
    blank_cell_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    blank_cell_dc_.Reset(CreateCompatibleDC(screen.Get()));
    if (!blank_cell_ || !blank_cell_dc_) ThrowSurfaceError(str::SDisplaySurfaceFailed, width, height);
    HDC dc = blank_cell_dc_.Get();
    SelectObject(dc, blank_cell_.Get());
    DcDrawingTools tools(dc);
    FillBox(dc, {0, 0, width, height}, model_.color());
    const displays::MatrixSize matrix = model_.Matrix();
    for (int row = 0; row < matrix.rows; ++row)
        for (int column = 0; column < matrix.columns; ++column)
            DrawDot(
                dc, ToRect(model_.DotBoxAt(row, column), 0, 0), model_.PixelShape(), model_.SinglePixelDots(),
                model_.PixelOff()
            );
}

void TLCDScreen::DrawBorder(HDC dc, int width, int height) const {
    const RECT frame{0, 0, width, height};
    const auto edges = [&](int frame_color, COLORREF top_left) {
        SetDCBrushColor(dc, GetSysColor(frame_color));
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        SetDCPenColor(dc, top_left);
        MoveToEx(dc, width, 0, nullptr);
        LineTo(dc, 0, 0);
        LineTo(dc, 0, height);
    };
    switch (model_.BorderStyle()) {
        case displays::TLCDBorder::bsRaised:
            edges(COLOR_BTNSHADOW, GetSysColor(COLOR_BTNHIGHLIGHT));
            break;
        case displays::TLCDBorder::bsLowered:
            edges(COLOR_BTNHIGHLIGHT, GetSysColor(COLOR_BTNSHADOW));
            break;
        case displays::TLCDBorder::bsSingle:
            SetDCBrushColor(dc, model_.BorderColor());
            FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            break;
        case displays::TLCDBorder::bsNone:
            break;
    }
}

void TLCDScreen::DrawCell(HDC dc, int x, int y, std::uint8_t code) const {
    BitBlt(dc, x, y, model_.CellWidth(), model_.CellHeight(), blank_cell_dc_.Get(), 0, 0, SRCCOPY);
    const TPixelShape shape = model_.PixelShape();
    for (const displays::Box& dot : model_.LitDots(code)) {
        const RECT box = ToRect(dot, x, y);
        if (shape == TPixelShape::psShaped && !model_.SinglePixelDots()) {
            FillBox(dc, box, model_.PixelOff());
            FillRound(dc, box, model_.PixelOn());
        } else {
            DrawDot(dc, box, shape, model_.SinglePixelDots(), model_.PixelOn());
        }
    }
}

// Composed off-screen and copied in one piece, so a scroll step does not flicker.
void TLCDScreen::Paint(HDC dc) {
    SnapToCells();
    const int width = Width();
    const int height = Height();
    platform::MemoryDc canvas(CreateCompatibleDC(dc));
    platform::BitmapHandle bitmap(CreateCompatibleBitmap(dc, width + 2, height + 2));
    if (!canvas || !bitmap) ThrowSurfaceError(str::SDisplaySurfaceFailed, width, height);
    platform::Selection selected(canvas.Get(), bitmap.Get());
    DcDrawingTools tools(canvas.Get());
    FillBox(canvas.Get(), {0, 0, width, height}, model_.color());
    DrawBorder(canvas.Get(), width, height);
    if (Enabled()) {
        const std::vector<std::string> grid = model_.CharacterGrid();
        for (int line = 0; line < model_.NoOfLines(); ++line)
            for (int column = 0; column < model_.NoOfChars(); ++column) {
                const displays::Box cell = model_.CellBox(line, column);
                DrawCell(canvas.Get(), cell.left, cell.top, static_cast<std::uint8_t>(grid[line][column]));
            }
    }
    BitBlt(dc, Left(), Top(), width, height, canvas.Get(), 0, 0, SRCCOPY);
}

}  // namespace controls
