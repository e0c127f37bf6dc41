#include "ui/font.h"

#include <map>

#include "ui/property.h"

namespace ui {
namespace {

const char* const kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

const IntIdent kCharsetIdents[] = {
    {"ANSI_CHARSET", ANSI_CHARSET},
    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},
    {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
    {"HANGEUL_CHARSET", HANGEUL_CHARSET},
    {"GB2312_CHARSET", GB2312_CHARSET},
    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
    {"OEM_CHARSET", OEM_CHARSET},
    {"JOHAB_CHARSET", JOHAB_CHARSET},
    {"HEBREW_CHARSET", HEBREW_CHARSET},
    {"ARABIC_CHARSET", ARABIC_CHARSET},
    {"GREEK_CHARSET", GREEK_CHARSET},
    {"TURKISH_CHARSET", TURKISH_CHARSET},
    {"VIETNAMESE_CHARSET", VIETNAMESE_CHARSET},
    {"THAI_CHARSET", THAI_CHARSET},
    {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
    {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
    {"MAC_CHARSET", MAC_CHARSET},
    {"BALTIC_CHARSET", BALTIC_CHARSET},
};

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const std::wstring& name) {
    static std::map<std::wstring, bool> known;
    auto it = known.find(name);
    if (it != known.end()) return it->second;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(platform::WindowDc().Get(), &lf, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return known[name] = found;
}

}  // namespace

const PropertyTable& Font::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        nullptr,
        {
            Integer("Charset", &Font::Charset, &Font::SetCharset, kCharsetIdents),
            Integer("Color", &Font::FontColor, &Font::SetColor, ColorIdents()),
            Integer("Height", &Font::Height, &Font::SetHeight),
            Text("Name", &Font::Name, &Font::SetName),
            Integer("Size", &Font::Size, &Font::SetSize),
            Set("Style", &Font::Style, &Font::SetStyle, kStyleNames),
        }
    );
    return table;
}

Font::Font() = default;

void Font::SetName(const std::wstring& name) {
    name_ = name;
    Changed();
}

void Font::SetHeight(std::int32_t height) {
    height_ = height;
    Changed();
}

std::int32_t Font::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void Font::SetSize(std::int32_t points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void Font::SetStyle(std::uint32_t style) {
    style_ = style;
    Changed();
}

void Font::SetColor(Color color) {
    color_ = color;
    Changed();
}

void Font::SetCharset(std::int32_t charset) {
    charset_ = charset;
    Changed();
}

void Font::Assign(const Font& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

HFONT Font::Handle() {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = style_ & kBold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & kItalic) != 0;
        lf.lfUnderline = (style_ & kUnderline) != 0;
        lf.lfStrikeOut = (style_ & kStrikeOut) != 0;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, InstalledFace(name_).c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

void Font::Changed() {
    handle_.Reset();
    if (onChange) onChange();
}

std::wstring InstalledFace(const std::wstring& name) {
    if (FaceInstalled(name)) return name;
    for (const wchar_t* face : {L"Microsoft Sans Serif", L"Tahoma", L"Arial", L"Liberation Sans", L"DejaVu Sans"})
        if (FaceInstalled(face)) return face;
    return name;
}

int ScreenPixelsPerInch() {
    int dpi = GetDeviceCaps(platform::WindowDc().Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

}  // namespace ui
