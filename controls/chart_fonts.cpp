#include "controls/chart_fonts.h"

#include <array>
#include <cwchar>
#include <map>
#include <tuple>

#include "platform/handles.h"

namespace controls {
namespace {

struct Substitute {
    const wchar_t* face;
    std::array<const wchar_t*, 3> alternatives;
};

// Same widths and heights first, then the nearest look-alike.
constexpr Substitute kSubstitutes[] = {
    {L"Times New Roman", {L"Liberation Serif", L"Tinos", L"DejaVu Serif"}},
    {L"Tahoma", {L"Liberation Sans", L"Arimo", L"DejaVu Sans"}},
};

int CALLBACK StopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsInstalled(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(platform::WindowDc().Get(), &query, StopAtFirst, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

std::wstring AvailableFace(const std::wstring& face) {
    if (face.empty() || IsInstalled(face.c_str())) return face;
    for (const Substitute& s : kSubstitutes) {
        if (_wcsicmp(s.face, face.c_str()) != 0) continue;
        for (const wchar_t* alternative : s.alternatives)
            if (IsInstalled(alternative)) return alternative;
    }
    return face;
}

namespace {

HFONT CreateFontFor(const std::wstring& face, int points, FontStyle style) {
    const int height = -MulDiv(points, GetDeviceCaps(platform::WindowDc().Get(), LOGPIXELSY), 72);
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = style == FontStyle::Bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = style == FontStyle::Italic;
    font.lfUnderline = style == FontStyle::Underline;
    font.lfStrikeOut = style == FontStyle::StrikeOut;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // Texts are AND-combined onto coloured zones: smoothed edges would turn into dark fringes.
    font.lfQuality = NONANTIALIASED_QUALITY;
    wcsncpy(font.lfFaceName, AvailableFace(face).c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace

FontStyle FontStyleFromOrdinal(int ordinal) {
    return ordinal >= 0 && ordinal <= static_cast<int>(FontStyle::StrikeOut) ? static_cast<FontStyle>(ordinal)
                                                                             : FontStyle::None;
}

HFONT ChartFont(const std::wstring& face, int points, FontStyle style) {
    // Charts repaint their texts on every tick with a handful of fonts; making each font
    // once keeps font creation out of the repaint.
    static std::map<std::tuple<std::wstring, int, FontStyle>, platform::FontHandle> fonts;
    auto key = std::make_tuple(face, points, style);
    auto it = fonts.find(key);
    if (it == fonts.end()) it = fonts.emplace(key, platform::FontHandle(CreateFontFor(face, points, style))).first;
    return it->second.Get();
}

}  // namespace controls
