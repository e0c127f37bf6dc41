#pragma once
#include <windows.h>

#include <string>

namespace controls {

enum class FontStyle { Bold, Italic, Underline, StrikeOut, None };

// The style whose ordinal a caption record stores (0 bold .. 3 strike-out); other
// ordinals mean a plain font.
FontStyle FontStyleFromOrdinal(int ordinal);

// `face`, or a metric-compatible stand-in installed on this system when `face` is not.
std::wstring AvailableFace(const std::wstring& face);

// A font of `points` points on the screen, with the face resolved as above. The font is
// shared and stays alive until the program ends: never delete it.
HFONT ChartFont(const std::wstring& face, int points, FontStyle style);

}  // namespace controls
