#pragma once
#include <windows.h>

#include <cstdint>
#include <span>

#include "platform/handles.h"
#include "ui/property.h"

namespace ui {

// A colour as form descriptions store it: an RGB value, or a system colour
// (0xFF000000 | COLOR_xxx), or one of the two markers below.
using Color = std::int32_t;

inline constexpr Color SystemColor(int index) { return static_cast<Color>(0xFF000000u | static_cast<unsigned>(index)); }
inline constexpr Color kColorNone = 0x1FFFFFFF;
inline constexpr Color kColorDefault = 0x20000000;
inline constexpr Color kBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr Color kWindowColor = SystemColor(COLOR_WINDOW);
inline constexpr Color kWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr Color kBtnText = SystemColor(COLOR_BTNTEXT);
inline constexpr Color kInfoBk = SystemColor(COLOR_INFOBK);

COLORREF ToColorRef(Color color);
// The colour identifiers of the text form (clBtnFace, clRed, ...).
std::span<const IntIdent> ColorIdents();

// A solid brush of one colour, remade only when the colour changes.
class CachedBrush {
public:
    HBRUSH Get(Color color);

private:
    platform::BrushHandle brush_;
    COLORREF rgb_ = 0;
};

}  // namespace ui
