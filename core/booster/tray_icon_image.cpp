#include "core/booster/tray_icon_image.h"

#include <algorithm>
#include <string>

namespace booster {
namespace {

constexpr int kLast = kIconSize - 1;
constexpr int kGridStep = 4;
constexpr int kDigitWidth = 4;
constexpr int kDigitHeight = 7;
constexpr int kDigitTop = 2;
constexpr int kBarTop = 12;
constexpr int kBarHeight = 2;

// Digits 0..9, one row per entry, the high bit of each nibble on the left.
constexpr std::uint8_t kDigits[10][kDigitHeight] = {
    {0x6, 0x9, 0x9, 0x9, 0x9, 0x9, 0x6}, {0x2, 0x6, 0x2, 0x2, 0x2, 0x2, 0x7}, {0x6, 0x9, 0x1, 0x2, 0x4, 0x8, 0xF},
    {0xE, 0x1, 0x1, 0x6, 0x1, 0x1, 0xE}, {0x2, 0x6, 0xA, 0xA, 0xF, 0x2, 0x2}, {0xF, 0x8, 0xE, 0x1, 0x1, 0x9, 0x6},
    {0x6, 0x8, 0x8, 0xE, 0x9, 0x9, 0x6}, {0xF, 0x1, 0x2, 0x2, 0x4, 0x4, 0x4}, {0x6, 0x9, 0x9, 0x6, 0x9, 0x9, 0x6},
    {0x6, 0x9, 0x9, 0x7, 0x1, 0x1, 0x6},
};

class Canvas {
public:
    explicit Canvas(std::uint32_t background) { pixels_.fill(background); }
    void Set(int x, int y, std::uint32_t color) {
        if (x >= 0 && x < kIconSize && y >= 0 && y < kIconSize) pixels_[y * kIconSize + x] = color;
    }
    void Column(int x, int fromY, int toY, std::uint32_t color) {
        for (int y = std::min(fromY, toY); y <= std::max(fromY, toY); ++y) Set(x, y, color);
    }
    const IconPixels& Pixels() const { return pixels_; }

private:
    IconPixels pixels_;
};

int Sample(std::span<const std::int32_t> history, std::size_t k) {
    return k < history.size() ? std::clamp<std::int32_t>(history[k], 0, 100) : 0;
}

// Row of a value: 100 on the top row, 0 on the bottom one.
int RowOf(int value) { return kLast - (value * kLast + 50) / 100; }

void DrawGrid(Canvas& canvas, std::uint32_t color) {
    for (int i = kGridStep - 1; i < kIconSize; i += kGridStep) {
        canvas.Column(i, 0, kLast, color);
        for (int x = 0; x < kIconSize; ++x) canvas.Set(x, i, color);
    }
}

// The newest sample in the rightmost column.
void DrawHistory(Canvas& canvas, std::span<const std::int32_t> history, bool filled, std::uint32_t color) {
    int previousRow = -1;
    for (int x = 0; x < kIconSize; ++x) {
        int row = RowOf(Sample(history, static_cast<std::size_t>(kLast - x)));
        if (filled)
            canvas.Column(x, row, kLast, color);
        else
            canvas.Column(x, previousRow < 0 ? row : previousRow, row, color);
        previousRow = row;
    }
}

void DrawValue(Canvas& canvas, int value, const IconColors& colors, std::uint32_t barBackground) {
    std::string digits = std::to_string(value);
    int width = static_cast<int>(digits.size()) * (kDigitWidth + 1) - 1;
    int left = (kIconSize - width) / 2;
    for (char d : digits) {
        for (int row = 0; row < kDigitHeight; ++row)
            for (int col = 0; col < kDigitWidth; ++col)
                if (kDigits[d - '0'][row] & (0x8 >> col)) canvas.Set(left + col, kDigitTop + row, colors.text);
        left += kDigitWidth + 1;
    }
    int filled = (value * kIconSize + 50) / 100;
    for (int y = kBarTop; y < kBarTop + kBarHeight; ++y)
        for (int x = 0; x < kIconSize; ++x) canvas.Set(x, y, x < filled ? colors.fore : barBackground);
}

std::uint32_t Channel(std::uint32_t color, int shift) { return (color >> shift) & 0xFF; }

}  // namespace

IconStyle IconStyleFromSetting(int style) {
    return style >= 1 && style <= 5 ? static_cast<IconStyle>(style) : IconStyle::Chart;
}

std::uint32_t GridColor(const IconColors& colors) {
    std::uint32_t grid = 0;
    for (int shift : {0, 8, 16}) {
        std::uint32_t back = Channel(colors.back, shift);
        std::uint32_t fore = Channel(colors.fore, shift);
        std::uint32_t mixed = (back * 2 + fore + 1) / 3;
        grid |= mixed << shift;
    }
    return grid;
}

IconPixels RenderTrayIcon(
    IconStyle style, std::span<const std::int32_t> history, const IconColors& colors, int animationFrame
) {
    Canvas canvas(colors.back);
    switch (style) {
        case IconStyle::Chart:
        case IconStyle::Fill:
            DrawHistory(canvas, history, style == IconStyle::Fill, colors.fore);
            break;
        case IconStyle::GridChart:
        case IconStyle::GridFill:
            DrawGrid(canvas, GridColor(colors));
            DrawHistory(canvas, history, style == IconStyle::GridFill, colors.fore);
            break;
        case IconStyle::Value:
            DrawValue(canvas, Sample(history, 0), colors, GridColor(colors));
            break;
    }
    if (animationFrame >= 0) {
        int x = (animationFrame * 2) % kIconSize;
        canvas.Column(x, 0, kLast, colors.text);
        canvas.Column(x + 1, 0, kLast, colors.text);
    }
    return canvas.Pixels();
}

}  // namespace booster
