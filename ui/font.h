#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/handles.h"
#include "ui/color.h"
#include "ui/persistent.h"

namespace ui {

enum FontStyle : std::uint32_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

// A control's font: face, height in pixels (negative: character height), style, colour and
// character set. The GDI font is made on first use and remade after a change.
class Font : public Persistent {
    UI_PUBLISHED(Font, "TFont")

public:
    Font();

    std::wstring Name() const { return name_; }
    void SetName(const std::wstring& name);
    std::int32_t Height() const { return height_; }
    void SetHeight(std::int32_t height);
    // Points at the screen's resolution.
    std::int32_t Size() const;
    void SetSize(std::int32_t points);
    std::uint32_t Style() const { return style_; }
    void SetStyle(std::uint32_t style);
    Color FontColor() const { return color_; }
    void SetColor(Color color);
    std::int32_t Charset() const { return charset_; }
    void SetCharset(std::int32_t charset);

    void Assign(const Font& other);
    HFONT Handle();

    std::function<void()> onChange;  // the owning control refreshes itself

private:
    void Changed();

    std::wstring name_ = L"MS Sans Serif";
    std::int32_t height_ = -11;
    std::uint32_t style_ = 0;
    Color color_ = kWindowText;
    std::int32_t charset_ = DEFAULT_CHARSET;
    platform::FontHandle handle_;
};

// The face that GDI is given for `name`: the name itself when the system has it, else the
// closest installed sans-serif face, so texts stay legible on systems without the old faces.
std::wstring InstalledFace(const std::wstring& name);
int ScreenPixelsPerInch();

}  // namespace ui
